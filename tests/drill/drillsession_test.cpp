#include "apperror.h"
#include "drillfixture.h"


TEST_F(Drill, JudgesTypedAnswersAndCountsErrors)
{
    open(3);
    EXPECT_EQ(shown.firstOperand, "3");
    EXPECT_EQ(shown.operatorText, "x");
    EXPECT_EQ(shown.secondOperand, "7");
    EXPECT_EQ(state.OpCount, 1);
    EXPECT_EQ(shown.focus, DrillFocus::Answer);

    answer("21", 4);
    EXPECT_EQ(sound.events, QList<int>({2}));
    EXPECT_EQ(shown.lastOperation, "3 x 7 = 21");
    EXPECT_EQ(shown.lastOperationColor, LastOperationColor::Right);
    EXPECT_EQ(shown.outcome, "vResultRightLbl");
    EXPECT_EQ(shown.operationCount, "1");
    EXPECT_EQ(shown.mark, "10 vAverageCalc");
    EXPECT_TRUE(shown.markVisible);
    EXPECT_TRUE(shown.answer.isEmpty());
    EXPECT_EQ(state.OpCount, 2);

    answer("27", 1);
    EXPECT_EQ(sound.events.last(), 3);
    EXPECT_EQ(shown.lastOperationColor, LastOperationColor::Wrong);
    EXPECT_EQ(state.ErrCount, 1);
    EXPECT_EQ(shown.errorCount, "1");
    EXPECT_EQ(shown.mark, "5 vAverageCalc");

    answer("07", 2); // 1 x 7: values are compared, not texts
    EXPECT_EQ(sound.events.last(), 2);
    EXPECT_EQ(shown.mark, "6.7 vAverageCalc");
}

TEST_F(Drill, KeypadAndAnswerFieldTakeAtMostThreeDigits)
{
    open(3);
    EXPECT_FALSE(shown.enterEnabled());
    for (int d : {1, 2, 3, 4})
        session.appendDigit(d);
    EXPECT_EQ(shown.answer, "123");
    EXPECT_TRUE(shown.enterEnabled());
    session.setAnswerText("12a");
    session.setAnswerText("1234");
    EXPECT_EQ(shown.answer, "123");
    session.clearAnswer();
    EXPECT_TRUE(shown.answer.isEmpty());
    EXPECT_FALSE(DrillSession::isAcceptableAnswer(QString::fromUtf8("١")));
}

TEST_F(Drill, ShowAnswerFillsInTheRightAnswer)
{
    open(3);
    session.showAnswer();
    EXPECT_EQ(shown.lastOperation, "vModeClickEnterStateLbl");
    EXPECT_EQ(shown.answer, "21");
    next(5);
    session.confirmAnswer();
    EXPECT_EQ(sound.events, QList<int>({2}));
    EXPECT_EQ(state.ErrCount, 0);
}

TEST_F(Drill, TimeoutsGiveTheLateOutcomes)
{
    const struct { const char *typed; int event; int errors; const char *outcome; } cases[] = {
        {"21", 4, 0, "vResultRightLateLbl"},
        {"20", 5, 1, "vResultWrongLateLbl"},
        {"", 6, 1, "vResultLateLbl"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.event);
        DrillRig d;
        d.open(2);
        d.next(3);
        d.session.toggleStopwatch(); // engage: reset and a new operation
        EXPECT_TRUE(d.t1.running);
        EXPECT_EQ(d.t1.interval, 3000);
        d.session.setAnswerText(c.typed);
        QString answerWhenJudged;
        d.sound.onSound = [&](int) { answerWhenJudged = d.session.display().answer; };
        d.next(4);
        d.session.thinkingTimeOut();
        EXPECT_EQ(d.sound.events, QList<int>({c.event}));
        EXPECT_EQ(answerWhenJudged, *c.typed ? c.typed : "00");
        EXPECT_EQ(d.state.ErrCount, c.errors);
        EXPECT_EQ(d.shown.outcome, c.outcome);
        EXPECT_EQ(d.shown.lastOperation, "3 x 7 = 21");
        EXPECT_EQ(d.host.processedEvents, 1);
        EXPECT_EQ(d.state.OpCount, 2);
        EXPECT_TRUE(d.t1.running); // restarted for the next operation
    }
}

TEST_F(Drill, MissingOutcomeTextShowsCrosses)
{
    session.setTexts(Captions(CaptionSections::FCalculator, {}));
    open(3);
    answer("21", 4);
    EXPECT_EQ(shown.outcome, "xxxxx");
}

TEST_F(Drill, EngagingAndDisengagingResetAndBeepOnce)
{
    open(3);
    answer("20", 4);
    next(5);
    session.toggleStopwatch();
    EXPECT_TRUE(session.engaged());
    EXPECT_EQ(session.countdownSwitch(), 2);
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_EQ(state.ErrCount, 0);
    EXPECT_EQ(state.OpCount, 1);
    EXPECT_EQ(shown.timerButton, "vTimerStopBtn");
    EXPECT_TRUE(shown.modeChoiceEnabled);
    EXPECT_TRUE(t3.running); // the gauge steps every 105 ms
    EXPECT_EQ(t3.interval, 105);
    EXPECT_EQ(shown.gaugeMaximum, 24);
    session.gaugeStep();
    EXPECT_EQ(shown.gaugeProgress, 1);

    next(6);
    session.toggleStopwatch();
    EXPECT_FALSE(session.engaged());
    EXPECT_EQ(sound.beeps, 2);
    EXPECT_FALSE(t1.running || t2.running || t3.running);
    EXPECT_EQ(shown.lastOperation, "vModeWaitingStateLbl");
    EXPECT_EQ(shown.outcome, "Zzzzzz...");
    EXPECT_EQ(state.OpCount, 1);
}

TEST_F(Drill, ThinkingTimeSetsTheGaugeAndStaysInRange)
{
    open(3);
    const struct { int stored, seconds, gaugeMaximum; } cases[] = {{15, 15, 120}, {1, 1, 8}, {0, 1, 8}, {-56, 1, 8}, {40, 15, 120}};
    int multiplier = 4;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        settings.Timer1 = qint8(c.stored);
        next(multiplier++);
        session.presentOperation();
        EXPECT_EQ(shown.thinkingTime, c.seconds);
        EXPECT_EQ(shown.gaugeMaximum, c.gaugeMaximum);
    }
    settings.Timer2 = 9;
    next(4);
    session.presentOperation();
    EXPECT_EQ(shown.displayTimePosition, 4);
}

TEST_F(Drill, MentalModeShowsTheAnswerAfterTheThinkingTimeForTheDisplayTime)
{
    open(2);
    next(3);
    session.toggleStopwatch();
    next(4);
    session.setModeChoice(1);
    EXPECT_TRUE(state.Mental);
    EXPECT_TRUE(shown.answerReadOnly);
    EXPECT_TRUE(shown.displayTimeVisible);
    EXPECT_TRUE(shown.mentalPanelVisible);
    EXPECT_FALSE(shown.errorCountVisible || shown.errorCaptionVisible || shown.markVisible);
    EXPECT_EQ(shown.lastOperation, "vModeMentalStateLbl");
    EXPECT_EQ(shown.outcome, "No comment...");
    EXPECT_EQ(sound.soundOptionReloads, 1);
    EXPECT_EQ(state.OpCount, 1);

    for (int position : {1, 4}) {
        SCOPED_TRACE(position);
        session.setDisplayTimePosition(position);
        settings.Timer2 = qint8(position);
        session.thinkingTimeOut();
        EXPECT_EQ(shown.answer, position == 1 ? "28" : "35");
        EXPECT_EQ(shown.focus, DrillFocus::RevealButton);
        EXPECT_FALSE(t1.running);
        EXPECT_TRUE(t2.running);
        EXPECT_EQ(t2.interval, position == 1 ? 300 : 3000);
        EXPECT_TRUE(sound.events.isEmpty()); // nothing judged in mental mode
        const int opCount = state.OpCount;
        next(position == 1 ? 5 : 6);
        session.displayTimeOut();
        EXPECT_EQ(state.OpCount, opCount + 1);
        EXPECT_TRUE(t1.running); // thinking again
        EXPECT_TRUE(shown.answer.isEmpty());
    }
    EXPECT_EQ(sound.mentalSounds, 2);
    EXPECT_EQ(state.ErrCount, 0);

    // Reveal now: the answer at once, then the display time.
    session.revealNow();
    EXPECT_EQ(shown.answer, "42");
    EXPECT_EQ(t1.interval, 1);

    next(2);
    session.setModeChoice(0);
    EXPECT_FALSE(state.Mental);
    EXPECT_FALSE(shown.displayTimeVisible);
    EXPECT_EQ(shown.outcome, "Zzzzzz....");
    EXPECT_EQ(shown.lastOperation, "vModeWrittenStateLbl");
}

TEST_F(Drill, ChangingTheOperationPresentsANewOperationAndCountsIt)
{
    open(3);
    next(4);
    session.selectOperation(1);
    EXPECT_EQ(shown.firstOperand, "28");
    EXPECT_EQ(shown.operatorText, QString(QChar(0x00F7)));
    EXPECT_EQ(state.OpCount, 2);
    session.selectOperation(1); // same mode: nothing
    EXPECT_EQ(state.OpCount, 2);
}

TEST_F(Drill, ListsAndSoundOptionAreReadAfreshAtEachOperation)
{
    open(3);
    EXPECT_TRUE(shown.soundOn);
    multipliers = {"12"}; // a new smallest multiplier chosen while the drill window is open
    settings.Bouton = 0;
    random.values = {0};
    session.presentOperation();
    EXPECT_EQ(shown.firstOperand, "12");
    EXPECT_FALSE(shown.soundOn);
}

TEST_F(Drill, ClosingStopsTheClocksAndKeepsTheCounters)
{
    open(3);
    next(5);
    session.toggleStopwatch();
    answer("20", 4);
    session.closing();
    EXPECT_FALSE(session.engaged());
    EXPECT_EQ(shown.timerButton, "vTimerGoBtn");
    EXPECT_FALSE(t1.running || t2.running || t3.running);
    EXPECT_EQ(session.countdownSwitch(), 2); // left as it was: no beep
    EXPECT_EQ(sound.beeps, 1);
    session.shown(0);
    open(5);
    EXPECT_EQ(state.OpCount, 3);
    EXPECT_EQ(state.ErrCount, 1);
    EXPECT_EQ(shown.mark, "0 vAverageCalc"); // the mark of the last visit
}

TEST_F(Drill, ReopeningAfterMentalModeIsWrittenModeWithTheAnswerFieldUsable)
{
    open(2);
    next(3);
    session.toggleStopwatch();
    next(4);
    session.setModeChoice(1);
    session.appendDigit(5); // nothing is typed in mental mode
    session.setAnswerText("5");
    EXPECT_TRUE(shown.answer.isEmpty());

    session.closing();
    session.shown(0);
    open(5);
    EXPECT_FALSE(state.Mental);
    EXPECT_EQ(shown.modeChoice, 0);
    EXPECT_FALSE(shown.answerReadOnly);
    EXPECT_FALSE(shown.displayTimeVisible);
    EXPECT_FALSE(shown.mentalPanelVisible);
    EXPECT_TRUE(shown.errorCaptionVisible && shown.errorCountVisible && shown.markCaptionVisible);
    EXPECT_EQ(shown.focus, DrillFocus::Answer);
    session.appendDigit(3);
    EXPECT_EQ(shown.answer, "3");
    next(6);
    session.reset();
    EXPECT_EQ(shown.focus, DrillFocus::Answer);
}

TEST_F(Drill, ASoundThatFailsDoesNotStopTheClocks)
{
    open(2);
    next(3);
    session.toggleStopwatch();
    sound.onSound = [](int) { throw AppError(QStringLiteral("Sound problem...")); };
    session.setAnswerText("1");
    EXPECT_THROW(session.confirmAnswer(), AppError); // the window shows the error
    EXPECT_THROW(session.thinkingTimeOut(), AppError);

    sound.onSound = nullptr;
    const int judged = sound.events.size();
    const int gauge = shown.gaugeProgress;
    session.gaugeStep();
    EXPECT_EQ(shown.gaugeProgress, gauge + 1);
    next(4);
    session.thinkingTimeOut();
    EXPECT_EQ(sound.events.size(), judged + 1);
    next(5);
    session.setAnswerText("28");
    session.confirmAnswer();
    EXPECT_EQ(sound.events.size(), judged + 2);
}

TEST_F(Drill, StopwatchOptionsAreKeptInTheSettings)
{
    open(2);
    next(3);
    session.toggleStopwatch();
    session.setDisplayTimePosition(3);
    EXPECT_EQ(settings.Timer2, 3);
    EXPECT_EQ(session.displayTimer().interval(), 2000);

    EXPECT_TRUE(t3.running);
    session.setGaugeChoice(1);
    EXPECT_FALSE(settings.Jauge);
    EXPECT_FALSE(t3.running);
    EXPECT_FALSE(shown.gaugeVisible);
    session.setGaugeChoice(0);
    EXPECT_TRUE(settings.Jauge);
    EXPECT_TRUE(t3.running);
    EXPECT_TRUE(shown.gaugeVisible);
}

TEST_F(Drill, HideLinksFollowAndChangeTheSettings)
{
    settings.HideTextLeft = true;
    session.shown(0);
    EXPECT_TRUE(shown.leftTextsHidden);
    EXPECT_FALSE(shown.rightTextsHidden);
    session.toggleLeftTexts();
    session.toggleRightTexts();
    EXPECT_FALSE(settings.HideTextLeft);
    EXPECT_TRUE(settings.HideTextRight);
    EXPECT_FALSE(shown.leftTextsHidden);
    EXPECT_TRUE(shown.rightTextsHidden);
}
