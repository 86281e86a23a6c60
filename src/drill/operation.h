#pragma once

#include "drillstate.h"

#include <QString>
#include <QStringList>

class RandomSource;

// The operation modes, in the order of the operation lists.
enum class OperationMode { Multiply = 0, Divide = 1, Alternate = 2, Random = 3 };

namespace Operation {

inline const QString kTimes = QStringLiteral("x");

// ":" for French and German, "÷" for every other language.
QString DivisionSign(const QString &language);

// Sets DrillState::Operator for mode index 'mode'. An index below 0 (nothing selected)
// becomes 0, which is returned so the caller can select it.
int chooseOperator(DrillState &state, int mode, const QString &language, RandomSource &random);

struct DrawInputs
{
    const QStringList &tables;      // chosen tables, decimal texts
    const QStringList &multipliers; // allowed multipliers, decimal texts, never empty
    int mode;                       // operands are crossed only in multiply mode
    bool crossing;
};

// Draws multiplier, table and crossing for the operator already chosen; fills the operation fields.
void draw(DrillState &state, const DrawInputs &inputs, RandomSource &random);

// The line a recording keeps for the current operation, e.g. "3x7", "21÷7", "21:7".
QString recordedLine(const DrillState &state);

// Makes a recorded line the current operation again, whatever the language now is.
void replay(DrillState &state, const QString &line);

// The answer of the operation as shown, computed from its operand texts.
int answerOfShownOperands(const DrillState &state);

} // namespace Operation
