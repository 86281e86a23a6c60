#include "drillfixture.h"

// The drill engine's answers as a log receives them.
namespace {

struct FakeAnswerLog : AnswerLog
{
    int shown = 0;
    QList<JudgedAnswer> judged;
    void operationShown() override { ++shown; }
    void answerJudged(const JudgedAnswer &answer) override { judged.append(answer); }
};

struct Reporting : Drill
{
    FakeAnswerLog log;
    Reporting() { session.setAnswerLog(&log); }

    const JudgedAnswer &last() const { return log.judged.constLast(); }
    void expectFact(Verdict verdict, int table, int multiplier, FactOperation op, const QString &typed)
    {
        ASSERT_FALSE(log.judged.isEmpty());
        EXPECT_EQ(last().verdict, verdict);
        EXPECT_EQ(last().table, table);
        EXPECT_EQ(last().multiplier, multiplier);
        EXPECT_EQ(last().operation, op);
        EXPECT_EQ(last().answer, typed);
    }
};

} // namespace

TEST_F(Reporting, EveryWrittenVerdictIsReportedOnceWithItsFact)
{
    open(2);
    EXPECT_EQ(log.shown, 1);
    answer("14", 3);
    expectFact(Verdict::Right, 7, 2, FactOperation::Multiply, "14");
    answer("20", 4);
    expectFact(Verdict::Wrong, 7, 3, FactOperation::Multiply, "20");

    struct Late { QString typed; Verdict verdict; int multiplier; };
    const Late lateCases[] = {
        {"28", Verdict::RightLate, 4},
        {"1", Verdict::WrongLate, 5},
        {"", Verdict::NothingTyped, 6},
    };
    for (const Late &c : lateCases) {
        SCOPED_TRACE(c.typed.toStdString());
        session.setAnswerText(c.typed);
        next(c.multiplier + 1);
        session.thinkingTimeOut();
        expectFact(c.verdict, 7, c.multiplier, FactOperation::Multiply, c.typed);
    }
    // Show answer, then Enter: the child did not find it.
    session.showAnswer();
    next(8);
    session.confirmAnswer();
    expectFact(Verdict::Revealed, 7, 7, FactOperation::Multiply, "49");

    EXPECT_EQ(log.judged.size(), 6);
    EXPECT_EQ(log.shown, 7);
    for (const JudgedAnswer &j : log.judged)
        EXPECT_FALSE(j.replayed || j.crossed);
}

TEST_F(Reporting, MentalModeReportsEachRevealedAnswer)
{
    open(2);
    next(3);
    session.setModeChoice(1);
    session.thinkingTimeOut();
    expectFact(Verdict::Revealed, 7, 3, FactOperation::Multiply, "");
    next(4);
    session.displayTimeOut();
    session.revealNow();
    session.thinkingTimeOut();
    expectFact(Verdict::Revealed, 7, 4, FactOperation::Multiply, "");
    EXPECT_EQ(log.judged.size(), 2);
}

TEST_F(Reporting, DivisionsAndCrossedOperandsNameTheSameFact)
{
    open(2);
    next(5);
    session.selectOperation(1); // divide: 35 ÷ 7
    EXPECT_EQ(shown.firstOperand, "35");
    answer("5", 6);
    expectFact(Verdict::Right, 7, 5, FactOperation::Divide, "5");

    settings.Inversion = true;
    random.values << 2 << 0 << 1; // 3 × 7 drawn, shown crossed as 7 × 3
    session.selectOperation(0);
    EXPECT_EQ(shown.firstOperand, "7");
    random.values << 3 << 0 << 0;
    session.setAnswerText("21");
    session.confirmAnswer();
    expectFact(Verdict::Right, 7, 3, FactOperation::Multiply, "21");
    EXPECT_TRUE(last().crossed);
}

TEST_F(Reporting, ReplayedOperationsAreMarkedAsReplays)
{
    open(2);
    host.onRecordDialog = [this] {
        session.setRecordChoice(RecordMode::NextOperations, 10);
        session.recordChoiceConfirmed();
    };
    next(3);
    session.recordButton();
    host.onAfterDialog = [this] { session.review(); };
    for (int m = 3; m <= 12; ++m)
        answer(QString::number(7 * m), m < 12 ? m + 1 : 0);
    ASSERT_TRUE(state.Replaying);
    const qsizetype before = log.judged.size();
    answer("1", 0); // the first replayed line, 3x7, answered wrong
    ASSERT_EQ(log.judged.size(), before + 1);
    expectFact(Verdict::Wrong, 7, 3, FactOperation::Multiply, "1");
    EXPECT_TRUE(last().replayed);
    EXPECT_FALSE(log.judged.at(before - 1).replayed);
}
