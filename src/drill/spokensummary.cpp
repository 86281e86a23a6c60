#include "spokensummary.h"

void SpokenSummary::add(const QString &part)
{
    const QString trimmed = part.trimmed();
    if (!trimmed.isEmpty())
        m_parts.append(trimmed);
}

QString SpokenSummary::take()
{
    // A full stop between parts, so "3 x 7 = 21" and "4 x 7" are not read as one number run.
    static const QString kSentenceEnds = QStringLiteral(".!?:");
    QString text;
    for (qsizetype i = 0; i < m_parts.size(); ++i) {
        QString part = m_parts.at(i);
        if (i + 1 < m_parts.size() && !kSentenceEnds.contains(part.back()))
            part += u'.';
        if (!text.isEmpty())
            text += u' ';
        text += part;
    }
    m_parts.clear();
    return text;
}
