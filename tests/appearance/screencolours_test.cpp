#include "colourfakes.h"
#include "screencolours.h"

#include <functional>

namespace {

using enum GradientOrientation;

constexpr GradientProperties kPlain{0x123456, 0x00FF00, 0x0000FF, Vertical, false, false};
constexpr GradientProperties kFlipped{0x123456, 0x00FF00, 0x0000FF, Vertical, false, true};
constexpr GradientProperties kOcean{0xFFFF80, 0xFF0000, 0x800000, Vertical, false, false};
constexpr GradientProperties kLila{0xFEB8E3, 0xFFFFFF, 0xFEB8E3, Horizontal, true, false};
constexpr ColorValue kCalcColor = 0x007F87;
constexpr ColorValue kCouleur = 0x00FF00;

GradientProperties presetOf(const char *caption)
{
    for (const ScreenColours::Preset &preset : ScreenColours::presets()) {
        if (QLatin1String(preset.caption) == QLatin1String(caption))
            return preset.properties;
    }
    ADD_FAILURE() << "no preset " << caption;
    return {};
}

// Both windows as the start window's show step leaves them: the same gradient in both, the top
// bar in the gradient's first colour.
struct ColourDialogs : ::testing::Test
{
    FakeTargets targets;
    Settings settings;
    ScriptedChooser screenChooser, backgroundChooser;
    ScreenColours screen{targets, settings, screenChooser};
    BackgroundDesign background{targets, backgroundChooser};

    explicit ColourDialogs(const GradientProperties &before = kPlain) { reset(before); }

    void reset(const GradientProperties &before)
    {
        targets.drill.p = targets.start.p = before;
        targets.topBarLeft = targets.topBarRight = before.flipped ? before.endColor : before.startColor;
        targets.calculator = settings.CalcColor = kCalcColor;
        targets.gauge = settings.Couleur = kCouleur;
    }

    // What the windows and the settings show, for comparing before and after.
    struct Look
    {
        GradientProperties drill, start;
        ColorValue topBarLeft, topBarRight, calculator, gauge, calcColor, couleur;
        bool operator==(const Look &) const = default;
    };
    Look look() const
    {
        return {targets.drill.p,     targets.start.p,     targets.topBarLeft, targets.topBarRight,
                targets.calculator,  targets.gauge,       settings.CalcColor, settings.Couleur};
    }
};

TEST_F(ColourDialogs, CancelPutsBackWhatWasThereWhenTheDialogOpened)
{
    const std::pair<const char *, std::function<void(ColourDialogs &)>> changes[] = {
        {"Ocean", [](ColourDialogs &t) { t.screen.ChangeMenuColor(kOcean); }},
        {"flip", [](ColourDialogs &t) { t.screen.flip(); }},
        {"turn", [](ColourDialogs &t) { t.screen.turn(); }},
        {"solid colour",
         [](ColourDialogs &t) {
             t.screenChooser.answers = {0x00AA00};
             t.screen.solidColour();
         }},
        {"calculator colour",
         [](ColourDialogs &t) {
             t.screenChooser.answers = {0xFF0000};
             t.screen.calculatorColour();
         }},
        {"background dialog",
         [](ColourDialogs &t) {
             t.backgroundChooser.answers = {0x0000AA, 0x00BBBB, 0xCC0000};
             t.background.shown();
             t.background.startColour();
             t.background.middleColour();
             t.background.endColour();
             t.background.setDoubleTicked(false);
         }},
        {"Lila, flip and turn", [](ColourDialogs &t) {
             t.screen.ChangeMenuColor(kLila);
             t.screen.flip();
             t.screen.turn();
         }},
    };
    for (const GradientProperties &before : {kPlain, kFlipped}) {
        for (const auto &[name, change] : changes) {
            SCOPED_TRACE(std::string(name) + (before.flipped ? " on a flipped gradient" : ""));
            reset(before);
            const Look opened = look();
            screen.shown();
            change(*this);
            EXPECT_NE(look(), opened);
            screen.cancel();
            EXPECT_EQ(look(), opened);
        }
    }
}

TEST_F(ColourDialogs, CancelAfterTheGaugeColourLeavesTheGaugeUntilTheNextOperation)
{
    screen.shown();
    screenChooser.answers = {0x0000FF};
    screen.gaugeColour();
    EXPECT_EQ(settings.Couleur, 0x0000FF);
    EXPECT_EQ(targets.gauge, 0x0000FF);

    screen.cancel();
    EXPECT_EQ(settings.Couleur, kCouleur);
    EXPECT_EQ(targets.gauge, 0x0000FF);
}

TEST_F(ColourDialogs, APresetChangesTheDrillWindowAtOnceAndTheStartWindowAtOk)
{
    screen.shown();
    screen.ChangeMenuColor(presetOf("Lila"));
    EXPECT_EQ(targets.drill.p, kLila);
    EXPECT_EQ(targets.start.p, kPlain);
    EXPECT_EQ(targets.topBarLeft, 0xFEB8E3);
    EXPECT_EQ(targets.topBarRight, 0xFEB8E3);

    screen.ok();
    EXPECT_EQ(targets.start.p, kLila);
    EXPECT_EQ(targets.drill.p, kLila);
    EXPECT_EQ(presetOf("Ocean"), kOcean);
}

TEST_F(ColourDialogs, FlipAndTurnChangeBothWindowsAtOnce)
{
    screen.shown();
    screen.flip();
    EXPECT_TRUE(targets.drill.p.flipped);
    EXPECT_TRUE(targets.start.p.flipped);
    EXPECT_EQ(targets.topBarLeft, kPlain.endColor);
    EXPECT_EQ(targets.topBarRight, kPlain.endColor);
    screen.flip();
    EXPECT_EQ(targets.drill.p, kPlain);
    EXPECT_EQ(targets.start.p, kPlain);
    EXPECT_EQ(targets.topBarRight, kPlain.startColor);

    screen.turn();
    EXPECT_EQ(targets.drill.p.orientation, Horizontal);
    EXPECT_EQ(targets.start.p.orientation, Horizontal);
    screen.turn();
    EXPECT_EQ(targets.start.p.orientation, Vertical);
}

TEST_F(ColourDialogs, ASolidColourMakesBothBackgroundsPlainAndKeepsTheirShape)
{
    reset({0x123456, 0x00FF00, 0x0000FF, Horizontal, true, true});
    screen.shown();
    screenChooser.answers = {0x3366CC};
    screen.solidColour();
    const GradientProperties plain{0x3366CC, 0x3366CC, 0x3366CC, Horizontal, true, true};
    EXPECT_EQ(targets.drill.p, plain);
    EXPECT_EQ(targets.start.p, plain);
    EXPECT_EQ(targets.topBarLeft, 0x3366CC);
    EXPECT_EQ(targets.topBarRight, 0x3366CC);
}

TEST_F(ColourDialogs, EachGradientTogglesItsOwnFlipAndOkMakesThemEqual)
{
    reset(kFlipped);
    screen.shown();
    screen.ChangeMenuColor(kOcean); // presets are never flipped
    EXPECT_FALSE(targets.drill.p.flipped);
    EXPECT_TRUE(targets.start.p.flipped);

    screen.flip();
    EXPECT_TRUE(targets.drill.p.flipped);
    EXPECT_FALSE(targets.start.p.flipped);
    EXPECT_EQ(targets.topBarRight, kOcean.endColor);

    screen.ok();
    GradientProperties flippedOcean = kOcean;
    flippedOcean.flipped = true;
    EXPECT_EQ(targets.start.p, flippedOcean);
    EXPECT_EQ(targets.drill.p, flippedOcean);
}

TEST_F(ColourDialogs, OkColoursOnlyTheLeftPartOfTheTopBar)
{
    reset(kFlipped);
    screen.shown();
    background.shown();
    backgroundChooser.answers = {0x0000C0};
    background.endColour();
    EXPECT_EQ(targets.topBarRight, kFlipped.endColor); // the end colour does not recolour the bar

    screen.ok();
    EXPECT_EQ(targets.topBarLeft, 0x0000C0);
    EXPECT_EQ(targets.topBarRight, kFlipped.endColor);
    EXPECT_EQ(targets.start.p, targets.drill.p);
    EXPECT_EQ(targets.start.p.endColor, 0x0000C0);
}

TEST_F(ColourDialogs, TheStartColourRecoloursTheTopBarEvenOnAFlippedGradient)
{
    reset(kFlipped);
    background.shown();
    backgroundChooser.answers = {0xABCDEF, 0x111111};
    background.startColour();
    EXPECT_EQ(targets.drill.p.startColor, 0xABCDEF);
    EXPECT_EQ(targets.topBarLeft, 0xABCDEF);
    EXPECT_EQ(targets.topBarRight, 0xABCDEF);
    EXPECT_EQ(targets.start.p, kFlipped);

    background.middleColour();
    EXPECT_EQ(targets.drill.p.middleColor, 0x111111);
    EXPECT_EQ(targets.topBarRight, 0xABCDEF);
}

TEST_F(ColourDialogs, ACancelledChooserChangesNothing)
{
    const std::pair<const char *, std::function<void(ColourDialogs &)>> buttons[] = {
        {"solid colour", [](ColourDialogs &t) { t.screen.solidColour(); }},
        {"calculator colour", [](ColourDialogs &t) { t.screen.calculatorColour(); }},
        {"gauge colour", [](ColourDialogs &t) { t.screen.gaugeColour(); }},
        {"start colour", [](ColourDialogs &t) { t.background.startColour(); }},
        {"middle colour", [](ColourDialogs &t) { t.background.middleColour(); }},
        {"end colour", [](ColourDialogs &t) { t.background.endColour(); }},
    };
    for (const auto &[name, press] : buttons) {
        SCOPED_TRACE(name);
        reset(kFlipped);
        screen.shown();
        background.shown();
        const Look before = look();
        screenChooser.answers = backgroundChooser.answers = {std::nullopt};
        press(*this);
        EXPECT_EQ(look(), before);
        EXPECT_EQ(screenChooser.answers.size() + backgroundChooser.answers.size(), 1u); // one chooser opened
    }
}

TEST_F(ColourDialogs, EachChooserOpensOnTheColourLastChosenInIt)
{
    screen.shown();
    screenChooser.answers = {0x0000FF, std::nullopt, 0x00FF00};
    screen.calculatorColour();
    screen.gaugeColour();
    screen.solidColour();
    EXPECT_EQ(screenChooser.openedOn, QList<ColorValue>({0, 0x0000FF, 0x0000FF}));

    background.shown();
    backgroundChooser.answers = {0xFF0000, 0x00FFFF};
    background.endColour();
    background.startColour();
    EXPECT_EQ(backgroundChooser.openedOn, QList<ColorValue>({0, 0xFF0000}));
}

TEST_F(ColourDialogs, TheCheckBoxSwitchesTheDoubleGradientAndKeepsItsTickForTheRun)
{
    // Ticked at start: opening makes a single gradient double with its own middle colour.
    EXPECT_TRUE(background.doubleTicked());
    background.shown();
    EXPECT_TRUE(targets.drill.p.doubleGradient);
    EXPECT_EQ(targets.drill.p.middleColor, kPlain.middleColor);
    EXPECT_TRUE(background.middleColourEnabled());

    background.setDoubleTicked(false);
    EXPECT_FALSE(targets.drill.p.doubleGradient);
    EXPECT_FALSE(background.middleColourEnabled());
    background.setDoubleTicked(true);
    EXPECT_TRUE(targets.drill.p.doubleGradient);
    EXPECT_TRUE(background.middleColourEnabled());

    // Unticked, the next opening makes even a double preset single.
    background.setDoubleTicked(false);
    screen.ChangeMenuColor(kLila);
    background.shown();
    EXPECT_FALSE(background.doubleTicked());
    EXPECT_FALSE(background.middleColourEnabled());
    EXPECT_FALSE(targets.drill.p.doubleGradient);
}

} // namespace
