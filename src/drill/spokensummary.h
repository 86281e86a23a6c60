#pragma once

#include <QString>
#include <QStringList>

// What a screen reader should say once an engine step is over: the things the step showed, in
// their order (a verdict, the right answer, the next operation), said as one text so that a
// later part does not cut an earlier one short.
class SpokenSummary
{
public:
    void add(const QString &part);
    bool isEmpty() const { return m_parts.isEmpty(); }
    // The parts as sentences, then the summary is empty again.
    QString take();

private:
    QStringList m_parts;
};
