// The colour dialogs through the real windows, as the main block creates them.
#include "startfixture.h"

#include "gradient.h"
#include "inifile.h"
#include "tfcolor.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLineEdit>

namespace {

using enum GradientOrientation;

constexpr GradientProperties kLila{0xFEB8E3, 0xFFFFFF, 0xFEB8E3, Horizontal, true, false};

template <typename T = QPushButton>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(name);
    EXPECT_TRUE(found) << name;
    return found;
}

void press(QWidget *window, const char *button)
{
    QTest::mouseClick(child(window, button), Qt::LeftButton);
}

struct ColourWindows : StartProgram
{
    void start()
    {
        putUser("sys/choices.txt", "3\r\n");
        StartProgram::start();
    }
    TFCalculator &drill() { return program->drillWindow(); }

    // Opens the drill window, runs 'inDrill' in it, and goes back to the start window.
    void inDrillWindow(const std::function<void(QWidget *drill)> &inDrill)
    {
        whenModal([&](QWidget *drill) {
            inDrill(drill);
            press(drill, "BitBtn1");
        });
        click("BitBtn2");
    }
    // Opens the screen colours dialog from the drill window's screen button.
    static void inScreenColours(QWidget *drill, const std::function<void(QWidget *colours)> &inDialog)
    {
        whenModal(inDialog);
        press(drill, "BitBtn10");
    }
    // Opens the chooser from 'button' of 'dialog' and confirms 'colour' in it.
    static void chooseColour(QWidget *dialog, const char *button, const QColor &colour)
    {
        whenModal([colour](QWidget *chooser) {
            auto *colourDialog = qobject_cast<QColorDialog *>(chooser);
            ASSERT_TRUE(colourDialog);
            colourDialog->setCurrentColor(colour);
            colourDialog->accept();
        });
        press(dialog, button);
    }
};

TEST_F(ColourWindows, LilaThenOkReachesTheStartWindowAndTheSettingsFile)
{
    install();
    start();
    const GradientProperties before = window().gradient()->properties();
    inDrillWindow([&](QWidget *drillWindow) {
        inScreenColours(drillWindow, [&](QWidget *colours) {
            press(colours, "Button4");
            EXPECT_EQ(drill().gradient()->properties(), kLila);
            EXPECT_EQ(window().gradient()->properties(), before);
            press(colours, "BitBtn1");
        });
        EXPECT_FALSE(program->screenColours().isVisible());
    });
    EXPECT_EQ(window().gradient()->properties(), kLila);

    click("BitBtn1"); // Quit
    ASSERT_EQ(programEnds, 1);
    const IniFile settings(userPath("sys/multable.ini"));
    const std::pair<const char *, int> written[] = {
        {"Start", 0xFEB8E3}, {"Middle", 0xFFFFFF}, {"End", 0xFEB8E3},
        {"DblGr", 1},        {"Flipped", 0},       {"Orientation", 0}, // horizontal
    };
    for (const auto &[key, value] : written)
        EXPECT_EQ(settings.ReadInteger("BACKGRD", key, -1), value) << key;

    program.reset();
    start();
    EXPECT_EQ(window().gradient()->properties(), kLila);
    EXPECT_EQ(drill().gradient()->properties(), kLila);
}

TEST_F(ColourWindows, AfterCancelTheGaugeKeepsItsNewColourUntilTheNextOperation)
{
    install();
    start();
    const ColorValue before = state().settings.Couleur;
    inDrillWindow([&](QWidget *drillWindow) {
        inScreenColours(drillWindow, [&](QWidget *colours) {
            chooseColour(colours, "BitBtn7", QColor(0, 0, 255));
            EXPECT_EQ(state().settings.Couleur, 0xFF0000); // blue, in the settings' byte order
            EXPECT_EQ(drill().session().display().gaugeColor, 0xFF0000);
            QTest::keyClick(colours, Qt::Key_Escape);
        });
        EXPECT_EQ(state().settings.Couleur, before);
        EXPECT_EQ(drill().session().display().gaugeColor, 0xFF0000);

        auto *answer = child<QLineEdit>(drillWindow, "Ans");
        QTest::keyClicks(answer, "1");
        QTest::keyClick(answer, Qt::Key_Return);
        EXPECT_EQ(drill().session().display().gaugeColor, before);
    });
}

TEST_F(ColourWindows, TheCheckBoxTickLastsFromOneOpeningToTheNext)
{
    install();
    start();
    inDrillWindow([&](QWidget *drillWindow) {
        inScreenColours(drillWindow, [&](QWidget *colours) {
            const auto inBackground = [&](const std::function<void(QWidget *)> &inDialog) {
                whenModal(inDialog);
                press(colours, "BitBtn5");
            };
            inBackground([&](QWidget *background) {
                auto *tick = child<QCheckBox>(background, "CheckBox1");
                EXPECT_TRUE(tick->isChecked());
                EXPECT_TRUE(child(background, "BitBtn2")->isEnabled());
                EXPECT_TRUE(drill().gradient()->DoubleGradient());
                QTest::mouseClick(tick, Qt::LeftButton);
                EXPECT_FALSE(child(background, "BitBtn2")->isEnabled());
                EXPECT_FALSE(drill().gradient()->DoubleGradient());
                press(background, "BitBtn4");
            });
            press(colours, "Button3"); // Nature, a double gradient
            inBackground([&](QWidget *background) {
                EXPECT_FALSE(child<QCheckBox>(background, "CheckBox1")->isChecked());
                EXPECT_FALSE(child(background, "BitBtn2")->isEnabled());
                EXPECT_FALSE(drill().gradient()->DoubleGradient());
                chooseColour(background, "BitBtn1", QColor(0x10, 0x20, 0x30));
                EXPECT_EQ(drill().gradient()->StartColor(), 0x302010);
            });
            press(colours, "BitBtn1");
        });
    });
    EXPECT_FALSE(window().gradient()->DoubleGradient());
    EXPECT_EQ(window().gradient()->StartColor(), 0x302010);
}

TEST_F(ColourWindows, TextsFollowTheLanguageAndPictureButtonsHaveNames)
{
    install({"en", "de"});
    putUser("sys/multable.ini", "[GLOBAL]\r\nLanguage=en\r\n");
    start();
    const auto checkTexts = [&](const QString &code) {
        SCOPED_TRACE(qPrintable(code));
        inDrillWindow([&](QWidget *drillWindow) {
            inScreenColours(drillWindow, [&](QWidget *colours) {
                const auto text = [&](const char16_t *key) { return installedText(code, CaptionSections::FColor, key); };
                EXPECT_EQ(colours->windowTitle(), text(u"vFcolorCaption"));
                EXPECT_EQ(child(colours, "Button8")->text(), text(u"vSolidColBtn"));
                EXPECT_EQ(child(colours, "BitBtn5")->text(), text(u"vFactoryBtn"));
                EXPECT_EQ(child(colours, "Button2")->text(), "Ocean");
                whenModal([&](QWidget *background) {
                    const auto text = [&](const char16_t *key) {
                        return installedText(code, CaptionSections::MakeBackGround, key);
                    };
                    EXPECT_EQ(background->windowTitle(), text(u"vMakeBackGroundCaption"));
                    EXPECT_EQ(child(background, "BitBtn1")->text(), text(u"vTopColBtn"));
                    EXPECT_EQ(child(background, "BitBtn2")->text(), text(u"vMidColBtn"));
                    EXPECT_EQ(child(background, "BitBtn3")->text(), text(u"vEndColBtn"));
                    EXPECT_FALSE(child<QCheckBox>(background, "CheckBox1")->accessibleName().isEmpty());
                });
                press(colours, "BitBtn5");
                for (const QPushButton *button : colours->findChildren<QPushButton *>()) {
                    if (button->text().isEmpty()) {
                        EXPECT_FALSE(button->accessibleName().isEmpty()) << qPrintable(button->objectName());
                    }
                }
            });
        });
    };
    checkTexts("en");
    menuItem("De")->trigger();
    checkTexts("de");
}

} // namespace
