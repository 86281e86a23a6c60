#include "drillfixture.h"

namespace {

struct Recording : Drill
{
    // Opens the recording dialog from the record button and confirms 'mode' and 'target'.
    void record(RecordMode mode, int target, int nextMultiplier)
    {
        host.onRecordDialog = [=, this] {
            session.setRecordChoice(mode, target);
            session.recordChoiceConfirmed();
        };
        next(nextMultiplier);
        session.recordButton();
    }
};

} // namespace

TEST_F(Recording, RecordsTheNextOperationsThenReviewsThemAndErasesAtTheEnd)
{
    open(2);
    record(RecordMode::NextOperations, 10, 3);
    EXPECT_EQ(shown.recordCaption, "Rec");
    EXPECT_FALSE(host.recordVisible);
    EXPECT_EQ(state.OpCount, 1);

    QStringList recordedWhenDialogOpened;
    host.onAfterDialog = [&] {
        recordedWhenDialogOpened = session.recordedOperations();
        session.review();
    };
    for (int m = 3; m <= 12; ++m) {
        if (m < 12)
            answer(m % 3 ? QString::number(7 * m) : QString("1"), m + 1);
        else
            answer("84", 0); // the 10th: no draw follows, the review begins
    }
    EXPECT_EQ(host.afterDialogsOpened, 1);
    EXPECT_EQ(recordedWhenDialogOpened,
              QStringList({"3x7", "4x7", "5x7", "6x7", "7x7", "8x7", "9x7", "10x7", "11x7", "12x7"}));
    EXPECT_EQ(session.recordMode(), RecordMode::Stop);
    EXPECT_EQ(shown.recordCaption, "Playing");
    EXPECT_TRUE(state.Replaying);
    EXPECT_EQ(shown.firstOperand, "3"); // the first recorded operation, counted as operation 1
    EXPECT_EQ(state.OpCount, 1);
    EXPECT_EQ(state.ErrCount, 0);

    for (int m = 3; m <= 12; ++m) {
        EXPECT_EQ(shown.firstOperand, QString::number(m));
        session.setAnswerText(m == 5 ? "1" : QString::number(7 * m));
        if (m == 12)
            next(2), next(4); // the erase draws one operation, the drill goes on with another
        session.confirmAnswer();
    }
    EXPECT_EQ(state.ErrCount, 0); // the erase reset the counters
    EXPECT_EQ(host.eraseMessages, 1);
    EXPECT_FALSE(state.Replaying);
    EXPECT_TRUE(shown.recordCaption.isEmpty());
    EXPECT_EQ(shown.firstOperand, "4");
    EXPECT_EQ(state.OpCount, 1);
}

TEST_F(Recording, NextErrorsCountsWrongAndLateAnswersByTheirText)
{
    tables = {"7"};
    open(2);
    record(RecordMode::NextErrors, 10, 1);
    answer("07", 3); // judged right, but its text differs from "7": an error for the recording
    EXPECT_EQ(sound.events.last(), 2);
    answer("21", 4);
    answer("5", 5);
    EXPECT_EQ(session.recordedOperations(), QStringList({"1x7", "4x7"}));
    EXPECT_EQ(state.RecCount, 2);

    next(6);
    session.toggleStopwatch(); // engaged while recording: mental mode stays out of reach
    EXPECT_FALSE(shown.modeChoiceEnabled);
    next(7);
    session.thinkingTimeOut(); // nothing typed
    EXPECT_EQ(sound.events.last(), 6);
    EXPECT_EQ(session.recordedOperations().last(), "6x7");
    EXPECT_EQ(state.RecCount, 3);
}

TEST_F(Recording, StoppingByHandOpensTheAfterDialogOnlyWithRecordedLines)
{
    open(2);
    record(RecordMode::Stop, 10, 3);
    EXPECT_EQ(host.afterDialogsOpened, 0);
    EXPECT_TRUE(shown.recordCaption.isEmpty());

    record(RecordMode::NextOperations, 20, 4);
    answer("28", 5);
    host.onAfterDialog = [&] { session.erase(); }; // Escape
    next(6), next(7); // drawn by the erase, then by the record button
    record(RecordMode::Stop, 20, 0);
    EXPECT_EQ(host.afterDialogsOpened, 1);
    EXPECT_EQ(host.eraseMessages, 1);
    EXPECT_TRUE(session.recordedOperations().isEmpty());
    EXPECT_EQ(state.OpCount, 1);
}

TEST_F(Recording, ClosingErasesARecordingButNotAReview)
{
    open(2);
    record(RecordMode::NextOperations, 10, 3);
    answer("21", 4);
    next(5);
    session.closing();
    EXPECT_EQ(host.eraseMessages, 1);
    EXPECT_EQ(session.recordMode(), RecordMode::Stop);
    EXPECT_TRUE(session.recordedOperations().isEmpty());

    record(RecordMode::NextOperations, 10, 6);
    answer("42", 7);
    answer("49", 8);
    answer("56", 9);
    host.onAfterDialog = [&] { session.review(); };
    record(RecordMode::Stop, 10, 0); // stopped by hand, then Review
    EXPECT_EQ(shown.firstOperand, "6");

    session.closing();
    EXPECT_EQ(host.eraseMessages, 1);
    EXPECT_EQ(shown.recordCaption, "Playing");
    EXPECT_EQ(session.recordedOperations(), QStringList({"7x7", "8x7"}));
    session.shown(0);
    session.presentOperation();
    EXPECT_EQ(shown.firstOperand, "7");

    // Engaging the stopwatch during the review resets the counters and moves on.
    session.toggleStopwatch();
    EXPECT_EQ(shown.firstOperand, "8");
    EXPECT_EQ(state.OpCount, 1);
    EXPECT_EQ(state.ErrCount, 0);
}

TEST_F(Recording, NextErrorsEndsAtTheTenthErrorWithTheAfterDialog)
{
    open(1);
    record(RecordMode::NextErrors, 10, 2);
    QStringList recordedWhenDialogOpened;
    host.onAfterDialog = [&] { recordedWhenDialogOpened = session.recordedOperations(); };
    // Multipliers 2, 3, ... 12, 1, 2, ...: the even ones answered wrong, the others right.
    for (int m = 2, errors = 0; errors < 10; m = m % 12 + 1) {
        EXPECT_EQ(host.afterDialogsOpened, 0);
        const bool wrong = m % 2 == 0;
        answer(wrong ? QString("1") : QString::number(7 * m), m % 12 + 1);
        errors += wrong;
    }
    EXPECT_EQ(host.afterDialogsOpened, 1);
    EXPECT_EQ(state.RecCount, 10);
    EXPECT_EQ(recordedWhenDialogOpened,
              QStringList({"2x7", "4x7", "6x7", "8x7", "10x7", "12x7", "2x7", "4x7", "6x7", "8x7"}));
}

TEST_F(Recording, ChoosingARecordingDuringAReviewEndsTheReview)
{
    open(2);
    record(RecordMode::NextOperations, 10, 3);
    answer("21", 4);
    answer("28", 5);
    host.onAfterDialog = [&] { session.review(); };
    record(RecordMode::Stop, 10, 0);
    EXPECT_TRUE(state.Replaying);
    EXPECT_EQ(shown.firstOperand, "3");

    next(6), next(7); // drawn by the erase that ends the review, then by the record button
    record(RecordMode::NextOperations, 10, 0);
    EXPECT_FALSE(state.Replaying);
    EXPECT_EQ(host.eraseMessages, 1);
    EXPECT_EQ(session.recordMode(), RecordMode::Stop);
    EXPECT_TRUE(shown.recordCaption.isEmpty());
    EXPECT_EQ(shown.firstOperand, "7");
}
