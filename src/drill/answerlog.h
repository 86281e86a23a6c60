#pragma once

#include <QString>

// How an answer was judged. The values are stored in the answer history: never renumber them.
enum class Verdict {
    Right = 0,
    Wrong = 1,
    RightLate = 2,
    WrongLate = 3,
    NothingTyped = 4, // the thinking time ran out with an empty answer field
    Revealed = 5,     // mental mode, or the written-mode "show answer" button was used
};

enum class FactOperation { Multiply = 0, Divide = 1 };

// One judged answer as the drill engine sees it; the log adds the moment and the thinking time.
struct JudgedAnswer
{
    int table = 0;      // the table the fact belongs to (the divisor of a division)
    int multiplier = 0; // the other factor (the quotient of a division)
    FactOperation operation = FactOperation::Multiply;
    bool crossed = false;  // the operands were shown the other way round
    bool replayed = false; // part of the review of a recording
    Verdict verdict = Verdict::Right;
    QString answer; // what was typed; empty when nothing was
};

// Where the drill engine reports each operation shown and each answer judged. The engine knows
// nothing of what is done with them; the default does nothing.
class AnswerLog
{
public:
    virtual ~AnswerLog() = default;
    virtual void operationShown() {}
    virtual void answerJudged(const JudgedAnswer &) {}
};
