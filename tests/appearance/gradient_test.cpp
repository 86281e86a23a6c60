#include "gradient.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

QRgb rgb(int red, int green, int blue) { return qRgb(red, green, blue); }

// What the gradient paints at its current size, without anything behind it.
QImage paintedImage(TGradient &gradient, qreal pixelRatio = 1)
{
    QImage image((QSizeF(gradient.size()) * pixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::magenta); // any dot left unpainted stays magenta
    gradient.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    std::function<void()> onPaint = [] {};
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
            onPaint();
        }
        return false;
    }
};

// A gradient on a parent of the given size, hidden unless shown.
struct GradientOn
{
    QWidget parent;
    TGradient *gradient;

    explicit GradientOn(QSize size)
    {
        parent.resize(size);
        gradient = new TGradient(&parent);
    }
    void show()
    {
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
        QCoreApplication::processEvents();
    }
};

struct Pixel { QPoint at; QRgb expected; };

struct PaintCase
{
    const char *name;
    QSize size;
    GradientProperties properties;
    std::vector<Pixel> pixels;
};

constexpr auto Vertical = GradientOrientation::Vertical;
constexpr auto Horizontal = GradientOrientation::Horizontal;

} // namespace

TEST(TGradientPaint, PaintsTheTableAcrossTheWholeArea)
{
    const GradientProperties whiteToNavy; // the initial values: white, blue, navy, single
    GradientProperties whiteToNavyAcross = whiteToNavy;
    whiteToNavyAcross.orientation = Horizontal;
    // Black, white, black: the first half's entry i is grey i.
    const GradientProperties greyRamp{0x000000, 0xFFFFFF, 0x000000, Vertical, true, false};
    const GradientProperties systemColor{ColorValue(0x8000000F), ColorValue(0x8000000F), ColorValue(0x8000000F),
                                         Horizontal, true, true};

    const PaintCase cases[] = {
        {"vertical", {200, 512}, whiteToNavy,
         {{{0, 0}, rgb(255, 255, 255)}, {{199, 256}, rgb(128, 128, 192)}, {{100, 511}, rgb(1, 1, 129)}}},
        {"horizontal", {512, 200}, whiteToNavyAcross,
         {{{0, 199}, rgb(255, 255, 255)}, {{256, 0}, rgb(128, 128, 192)}, {{511, 100}, rgb(1, 1, 129)}}},
        // 300 rows: entries 1 and 2 start on row 1, 170 and 171 on row 100; the later one shows.
        {"short, highest entry shows", {40, 300}, greyRamp,
         {{{0, 0}, rgb(0, 0, 0)}, {{20, 1}, rgb(2, 2, 2)}, {{39, 100}, rgb(171, 171, 171)}}},
        {"system colour constant", {90, 60}, systemColor,
         {{{0, 0}, rgb(15, 0, 0)}, {{45, 30}, rgb(15, 0, 0)}, {{89, 59}, rgb(15, 0, 0)}}},
    };
    for (const PaintCase &c : cases) {
        SCOPED_TRACE(c.name);
        GradientOn on(c.size);
        on.gradient->setProperties(c.properties);
        const QImage image = paintedImage(*on.gradient);
        for (const Pixel &pixel : c.pixels)
            EXPECT_EQ(image.pixel(pixel.at), pixel.expected) << pixel.at.x() << "," << pixel.at.y();
    }
}

TEST(TGradientPaint, FillsEveryDeviceDotAtOtherPixelRatios)
{
    for (qreal ratio : {1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        GradientOn on({70, 301});
        const QImage image = paintedImage(*on.gradient, ratio);
        EXPECT_EQ(image.pixel(0, 0), rgb(255, 255, 255));
        EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), rgb(1, 1, 129));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); x += 7)
                ASSERT_NE(image.pixel(x, y), QColor(Qt::magenta).rgb()) << x << "," << y;
    }
}

TEST(TGradientSetters, SameValueDoesNothingAndNewValueRepaintsAtOnce)
{
    struct SetterCase
    {
        const char *name;
        std::function<void(TGradient &)> setCurrent;
        std::function<void(TGradient &)> setNew;
        std::function<bool(const TGradient &)> tookNewValue;
    };
    const SetterCase cases[] = {
        {"StartColor", [](TGradient &g) { g.SetStartColor(0xFFFFFF); }, [](TGradient &g) { g.SetStartColor(0x0000FF); },
         [](const TGradient &g) { return g.StartColor() == 0x0000FF; }},
        {"MiddleColor", [](TGradient &g) { g.SetMiddleColor(0xFF0000); }, [](TGradient &g) { g.SetMiddleColor(0x00FF00); },
         [](const TGradient &g) { return g.MiddleColor() == 0x00FF00; }},
        {"EndColor", [](TGradient &g) { g.SetEndColor(0x800000); }, [](TGradient &g) { g.SetEndColor(0); },
         [](const TGradient &g) { return g.EndColor() == 0; }},
        {"Orientation", [](TGradient &g) { g.SetOrientation(Vertical); }, [](TGradient &g) { g.SetOrientation(Horizontal); },
         [](const TGradient &g) { return g.Orientation() == Horizontal; }},
        {"DoubleGradient", [](TGradient &g) { g.SetDoubleGradient(false); }, [](TGradient &g) { g.SetDoubleGradient(true); },
         [](const TGradient &g) { return g.DoubleGradient(); }},
        {"Flipped", [](TGradient &g) { g.SetFlipped(false); }, [](TGradient &g) { g.SetFlipped(true); },
         [](const TGradient &g) { return g.Flipped(); }},
        {"all six", [](TGradient &g) { g.setProperties(GradientProperties{}); },
         [](TGradient &g) { g.setProperties({1, 2, 3, Horizontal, true, true}); },
         [](const TGradient &g) { return g.properties() == GradientProperties{1, 2, 3, Horizontal, true, true}; }},
    };
    for (const SetterCase &c : cases) {
        SCOPED_TRACE(c.name);
        GradientOn on({120, 90});
        on.show();
        PaintCounter paints(on.gradient);

        c.setCurrent(*on.gradient);
        QCoreApplication::processEvents();
        EXPECT_EQ(paints.count, 0);
        EXPECT_EQ(on.gradient->properties(), GradientProperties{});

        c.setNew(*on.gradient);
        EXPECT_GE(paints.count, 1) << "not painted before the setter returned";
        EXPECT_TRUE(c.tookNewValue(*on.gradient));
    }
}

TEST(TGradientSetters, PaintsTheNewTableAfterEachChange)
{
    GradientOn on({50, 512});
    on.show();
    on.gradient->SetFlipped(true);
    EXPECT_EQ(paintedImage(*on.gradient).pixel(25, 0), rgb(0, 0, 128));
    on.gradient->SetEndColor(0x0000FF);
    EXPECT_EQ(paintedImage(*on.gradient).pixel(25, 0), rgb(255, 0, 0));
}

TEST(TGradientSetters, SetPropertiesTurnsTheGradientLast)
{
    GradientOn on({120, 90});
    on.show();
    PaintCounter paints(on.gradient);
    std::vector<GradientProperties> painted;
    paints.onPaint = [&] { painted.push_back(on.gradient->properties()); };

    const GradientProperties lila{0xFEB8E3, 0xFFFFFF, 0xFEB8E3, Horizontal, true, false};
    on.gradient->setProperties(lila);

    ASSERT_EQ(painted.size(), 5u); // one paint per changed value; flipped stays as it was
    EXPECT_EQ(painted[0].startColor, lila.startColor);
    EXPECT_EQ(painted[0].middleColor, GradientProperties{}.middleColor);
    EXPECT_TRUE(painted[3].doubleGradient);
    EXPECT_EQ(painted[3].orientation, Vertical);
    EXPECT_EQ(painted[4], lila);
}

TEST(TGradientSetters, HiddenGradientChangesWithoutPainting)
{
    GradientOn on({30, 512});
    PaintCounter paints(on.gradient);
    on.gradient->SetStartColor(0x00FF00);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, 0);
    EXPECT_EQ(paintedImage(*on.gradient).pixel(0, 0), rgb(0, 255, 0));
}

TEST(TGradientPlacement, FollowsTheParentsSize)
{
    GradientOn on({748, 533});
    EXPECT_EQ(on.gradient->geometry(), QRect(0, 0, 748, 533));

    on.parent.resize(300, 200); // while hidden: applied when the parent is shown
    on.show();
    EXPECT_EQ(on.gradient->geometry(), QRect(0, 0, 300, 200));

    on.parent.resize(640, 100);
    EXPECT_EQ(on.gradient->geometry(), QRect(0, 0, 640, 100));
}

TEST(TGradientPlacement, StaysBehindSiblingsAddedLater)
{
    GradientOn on({200, 150});
    auto *panel = new QWidget(&on.parent);
    panel->setGeometry(20, 20, 60, 40);
    panel->setAutoFillBackground(true);
    panel->setPalette(QPalette(QColor(0, 200, 0)));
    on.gradient->raise();

    on.show();
    EXPECT_EQ(on.parent.childAt(50, 40), panel);
    const QImage window = on.parent.grab().toImage();
    EXPECT_EQ(window.pixel(50, 40), rgb(0, 200, 0));
    EXPECT_EQ(window.pixel(150, 0), rgb(255, 255, 255));
}

TEST(TGradientInput, ReportsClicksAndTakesNoFocus)
{
    GradientOn on({200, 150});
    on.show();
    QSignalSpy clicks(on.gradient, &TGradient::clicked);
    QSignalSpy doubleClicks(on.gradient, &TGradient::doubleClicked);

    QTest::mouseClick(on.gradient, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(on.gradient->hasFocus());

    // The window system's sequence for the second click: double-click press, then release.
    QTest::mouseDClick(on.gradient, Qt::LeftButton, {}, {10, 10});
    QTest::mouseRelease(on.gradient, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(on.gradient, Qt::RightButton, {}, {10, 10});
    EXPECT_EQ(clicks.count(), 1);
}
