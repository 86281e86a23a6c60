#include "operation.h"

#include "randomsource.h"

namespace Operation {

namespace {

// Integer quotient that never divides by zero (lists hold tables 1 to 12, but a bad line must not crash).
int quotient(int dividend, int divisor)
{
    return divisor != 0 ? dividend / divisor : 0;
}

} // namespace

QString DivisionSign(const QString &language)
{
    if (language == QLatin1StringView("fr") || language == QLatin1StringView("de"))
        return QStringLiteral(":");
    return QString(QChar(0x00F7));
}

int chooseOperator(DrillState &state, int mode, const QString &language, RandomSource &random)
{
    if (mode == int(OperationMode::Random)) {
        state.Operator = random.random(2) == 0 ? kTimes : DivisionSign(language);
        return mode;
    }
    if (mode < 0)
        mode = int(OperationMode::Multiply);
    if (mode == int(OperationMode::Multiply))
        state.Operator = kTimes;
    else if (mode == int(OperationMode::Divide))
        state.Operator = DivisionSign(language);
    else if (mode == int(OperationMode::Alternate))
        state.Operator = state.Operator == kTimes ? DivisionSign(language) : kTimes;
    return mode;
}

void draw(DrillState &state, const DrawInputs &inputs, RandomSource &random)
{
    const qsizetype k = inputs.multipliers.size();
    int multiplier = inputs.multipliers.value(0).toInt();
    if (k > 1) {
        // Two drawn operations in a row never share a multiplier (the list holds distinct values).
        do {
            multiplier = inputs.multipliers.at(random.random(int(k))).toInt();
        } while (multiplier == state.PrevMultiplier);
    }
    state.Multiplier = qint16(multiplier);
    state.PrevMultiplier = qint8(multiplier);
    state.FirstText = QString::number(state.Multiplier);

    const qsizetype n = inputs.tables.size();
    state.Table = qint16(n > 0 ? inputs.tables.at(random.random(int(n))).toInt() : 0);
    state.SecondText = QString::number(state.Table);
    state.Expected = qint16(state.Multiplier * state.Table);

    if (state.Operator != kTimes) {
        state.FirstText = QString::number(state.Expected);
        state.Expected = qint16(quotient(state.Expected, state.Table));
    }
    if (inputs.crossing && inputs.mode == int(OperationMode::Multiply) && random.random(2) == 1)
        std::swap(state.FirstText, state.SecondText);
}

QString recordedLine(const DrillState &state)
{
    return state.FirstText + state.Operator + state.SecondText;
}

void replay(DrillState &state, const QString &line)
{
    qsizetype p = line.indexOf(kTimes);
    if (p < 0)
        p = line.indexOf(u':');
    if (p < 0)
        p = line.indexOf(QChar(0x00F7));
    if (p < 0)
        p = line.size(); // not written by a recording: the whole line is the first operand
    state.Operator = p < line.size() ? QString(line.at(p)) : kTimes;
    state.FirstText = line.left(p);
    state.SecondText = line.mid(p + 1, 10);
    state.Multiplier = qint16(state.FirstText.toInt());
    state.Table = qint16(state.SecondText.toInt());
    state.Expected = qint16(state.Operator == kTimes ? state.Multiplier * state.Table
                                                     : quotient(state.Multiplier, state.Table));
}

int answerOfShownOperands(const DrillState &state)
{
    const int first = state.FirstText.toInt();
    const int second = state.SecondText.toInt();
    return state.Operator == kTimes ? first * second : quotient(first, second);
}

} // namespace Operation
