// The drill window makes its controls at its first showing: what the start-up steps set before
// then must be on the controls once it is shown, and the answer field takes the same input.
#include "drillwindowfixture.h"

#include "answervalidator.h"
#include "gradient.h"

#include <QGroupBox>
#include <QRegularExpressionValidator>

namespace {

struct DrillWindowIn : DrillWindow
{
    using DrillWindow::DrillWindow;
    void TestBody() override {}

    QColor background(const char *panel) const { return find(panel)->palette().color(QPalette::Window); }
    QImage iconImage(const char *button) const { return find<QPushButton>(button)->icon().pixmap(16).toImage(); }
    QImage pictureImage(const char *picture) const
    {
        return UserInterface::pictureIcon(state.folders, QLatin1String(picture)).pixmap(16).toImage();
    }
};

QColor toColor(ColorValue c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

const GradientProperties kLila{0xFFC0FF, 0xC000C0, 0x400040, GradientOrientation::Horizontal, true, true};

struct StartUpStep
{
    const char *name;
    std::function<void(DrillWindowIn &)> apply;      // before the first showing
    std::function<void(DrillWindowIn &)> checkShown; // after it
};

const StartUpStep kStartUpSteps[] = {
    {"calculator colour",
     [](DrillWindowIn &d) { d.window->setCalculatorColor(0x00FF00); },
     [](DrillWindowIn &d) { EXPECT_EQ(d.background("Panel13"), toColor(0x00FF00)); }},
    {"the start window's show step: gradient copy and top bar",
     [](DrillWindowIn &d) {
         d.window->gradient()->setProperties(kLila);
         d.window->setTopBarColor(kLila.endColor);
     },
     [](DrillWindowIn &d) {
         auto *gradient = d.find<TGradient>("Gradient1");
         EXPECT_EQ(gradient, d.window->gradient());
         EXPECT_EQ(gradient->properties(), kLila);
         for (const char *panel : {"Panel8", "Panel16", "Panel17", "Panel18"})
             EXPECT_EQ(d.background(panel), toColor(kLila.endColor)) << panel;
     }},
    {"top bar, then its left panel alone",
     [](DrillWindowIn &d) {
         d.window->setTopBarColor(0x0000FF);
         d.window->setTopBarLeftColor(0xFF0000);
     },
     [](DrillWindowIn &d) {
         EXPECT_EQ(d.background("Panel16"), toColor(0xFF0000));
         for (const char *panel : {"Panel8", "Panel17", "Panel18"})
             EXPECT_EQ(d.background(panel), toColor(0x0000FF)) << panel;
     }},
    {"no audio device: sound button disabled, loudspeaker off",
     [](DrillWindowIn &d) {
         d.state.settings.Bouton = 0;
         d.window->setSoundButtonEnabled(false);
         d.window->setSoundButtonOn(false);
     },
     [](DrillWindowIn &d) {
         EXPECT_FALSE(d.find("BitBtn8")->isEnabled());
         EXPECT_EQ(d.iconImage("BitBtn8"), d.pictureImage("speaker-off"));
     }},
    {"sound on",
     [](DrillWindowIn &d) { d.window->setSoundButtonOn(true); },
     [](DrillWindowIn &d) {
         EXPECT_TRUE(d.find("BitBtn8")->isEnabled());
         EXPECT_EQ(d.iconImage("BitBtn8"), d.pictureImage("speaker-on"));
     }},
    {"language switch to German",
     [](DrillWindowIn &d) {
         d.state.settings.Language = QStringLiteral("de");
         d.window->LoadCaptions();
     },
     [](DrillWindowIn &d) {
         EXPECT_EQ(d.find<QPushButton>("BitBtn8")->text(), "Ton");
         EXPECT_EQ(d.find<QGroupBox>("GroupBox1")->title(), " Denkzeit ");
         EXPECT_EQ(d.find("Gauge1")->accessibleName(), "Denkzeit"); // the screen reader's captions
         EXPECT_EQ(d.text("Label18"),
                   "Du kannst auch den Ziffernblock und die Enter-Taste deiner Tastatur benutzen.");
         EXPECT_EQ(d.window->helpCloseText(), d.find<QPushButton>("BitBtn4")->text());
     }},
};

} // namespace

TEST(FirstShowing, ShowsWhatTheStartUpStepsSetBeforeIt)
{
    for (const StartUpStep &step : kStartUpSteps) {
        SCOPED_TRACE(step.name);
        DrillWindowIn drill;
        step.apply(drill);
        EXPECT_FALSE(drill.window->findChild<QWidget *>("Ans")) << "controls made before the first showing";
        EXPECT_EQ(drill.window->operationIndex(), -1); // what the print dialog reads until then
        drill.open();
        step.checkShown(drill);
        EXPECT_GE(drill.window->operationIndex(), 0);
        EXPECT_TRUE(drill.answer()->hasFocus());
        EXPECT_FALSE(drill.text("F1").isEmpty()); // an operation is presented
    }
}

// The same steps once the window has been shown act on its controls at once.
TEST_F(DrillWindow, StepsAfterTheFirstShowingActAtOnce)
{
    open();
    window->setCalculatorColor(0x00FFFF);
    window->setTopBarColor(0x808000);
    window->setSoundButtonEnabled(false);
    state.settings.Language = QStringLiteral("de");
    window->LoadCaptions();
    EXPECT_EQ(find("Panel13")->palette().color(QPalette::Window), toColor(0x00FFFF));
    EXPECT_EQ(find("Panel17")->palette().color(QPalette::Window), toColor(0x808000));
    EXPECT_FALSE(find("BitBtn8")->isEnabled());
    EXPECT_EQ(find<QPushButton>("BitBtn8")->text(), "Ton");
}

// Digits 0 to 9, at most three, exactly as the regular expression "[0-9]{0,3}" took them.
TEST(AnswerValidator, TakesWhatTheRegularExpressionTook)
{
    const QRegularExpressionValidator previous(QRegularExpression(QStringLiteral("[0-9]{0,3}")));
    const AnswerValidator validator;
    const struct { const char16_t *input; QValidator::State expected; } cases[] = {
        {u"", QValidator::Acceptable},      {u"0", QValidator::Acceptable},     {u"7", QValidator::Acceptable},
        {u"42", QValidator::Acceptable},    {u"000", QValidator::Acceptable},   {u"999", QValidator::Acceptable},
        {u"1234", QValidator::Invalid},     {u"0000", QValidator::Invalid},     {u"12a", QValidator::Invalid},
        {u"a", QValidator::Invalid},        {u" ", QValidator::Invalid},        {u"1 2", QValidator::Invalid},
        {u" 12", QValidator::Invalid},      {u"12 ", QValidator::Invalid},      {u"-1", QValidator::Invalid},
        {u"+1", QValidator::Invalid},       {u"1.5", QValidator::Invalid},      {u"1,5", QValidator::Invalid},
        {u"12\n", QValidator::Invalid},     {u"/", QValidator::Invalid},        {u":", QValidator::Invalid},
        {u"\u0663", QValidator::Invalid},   // Arabic-Indic three
        {u"\uFF11", QValidator::Invalid},   // full-width one
        {u"\u00B2", QValidator::Invalid},   // superscript two
        {u"1\U0001D7D9", QValidator::Invalid}, // mathematical double-struck one, outside the BMP
        {u"1\xD800", QValidator::Invalid},  // a lone surrogate
    };
    for (const auto &c : cases) {
        const QString input = QString::fromUtf16(c.input);
        SCOPED_TRACE(input.toStdString());
        QString mine = input, theirs = input;
        int myPos = 1, theirPos = 1;
        EXPECT_EQ(validator.validate(mine, myPos), c.expected);
        EXPECT_EQ(previous.validate(theirs, theirPos), c.expected);
        EXPECT_EQ(myPos, theirPos);
        EXPECT_EQ(mine, input);
    }
}

// Typed into the field, the same keys get through.
TEST_F(DrillWindow, TheAnswerFieldTakesUpToThreeDigitsOnly)
{
    open();
    QTest::keyClicks(answer(), "4x2-\u00b27 1");
    EXPECT_EQ(answer()->text(), "427");
}
