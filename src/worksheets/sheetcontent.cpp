#include "sheetcontent.h"

namespace SheetContent {

namespace {

const QString kTimes = QStringLiteral("x");
const QString kTail = QStringLiteral(" =  ____");

// With one entry the index is 0; with more, it is drawn again until it differs from the last one.
void drawIndex(qint8 &current, qint8 &previous, qint8 count, RandomSource &random)
{
    if (count <= 1) {
        current = 0;
    } else {
        while (current == previous)
            current = qint8(random.random(count));
    }
    previous = current;
}

class ExerciseWriter
{
public:
    ExerciseWriter(const ExerciseInputs &inputs, DrawState &state, RandomSource &random)
        : m_in(inputs), m_state(state), m_random(random), m_divide(divisionSign(inputs.language)),
          m_multiplierCount(qint8(inputs.multipliers.size())), m_tableCount(qint8(inputs.tables.size()))
    {
    }

    QString next()
    {
        drawIndex(m_state.multiplier, m_state.previousMultiplier, m_multiplierCount, m_random);
        drawIndex(m_state.table, m_state.previousTable, m_tableCount, m_random);
        const QString &m = m_in.multipliers.at(m_state.multiplier);
        const QString &t = m_in.tables.at(m_state.table);
        const QString product = QString::number(m.toInt() * t.toInt());
        QString left = m;

        switch (m_in.operationMode) {
        case 1:
            left = product;
            m_sign = m_divide;
            break;
        case 2:
            if (m_sign == kTimes) {
                left = product;
                m_sign = m_divide;
            } else {
                m_sign = kTimes;
            }
            break;
        case 3:
            if (m_random.random(2) == 0) {
                m_sign = kTimes;
            } else {
                m_sign = m_divide;
                left = product;
            }
            break;
        default:
            break;
        }

        const bool crossed = m_in.crossing && m_sign == kTimes && m_random.random(2) == 1;
        if (crossed)
            return t + QStringLiteral(" x ") + left + kTail;
        return left + QLatin1Char(' ') + m_sign + QLatin1Char(' ') + t + kTail;
    }

private:
    const ExerciseInputs &m_in;
    DrawState &m_state;
    RandomSource &m_random;
    const QString m_divide;
    const qint8 m_multiplierCount;
    const qint8 m_tableCount;
    QString m_sign = kTimes; // lives for one print step, across all three columns
};

} // namespace

QString divisionSign(const QString &language)
{
    return language == QLatin1String("fr") ? QStringLiteral(":") : QStringLiteral("\u00F7");
}

std::array<QStringList, kColumns> drawExercises(const ExerciseInputs &inputs, DrawState &state, RandomSource &random)
{
    std::array<QStringList, kColumns> columns;
    if (inputs.tables.isEmpty() || inputs.multipliers.isEmpty())
        return columns;
    ExerciseWriter writer(inputs, state, random);
    for (QStringList &lines : columns) {
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < kExercisesPerPass; ++i) {
                lines.append(writer.next());
                lines.append(kBlankLine.toString());
            }
            if (pass == 0)
                lines << kBlankLine.toString() << kBlankLine.toString();
        }
    }
    return columns;
}

QString tableList(const QStringList &tables)
{
    return tables.join(QStringLiteral(", ")) + QStringLiteral(" *");
}

} // namespace SheetContent
