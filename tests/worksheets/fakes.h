#pragma once

#include "printstep.h"

#include <QList>
#include <QRandomGenerator>
#include <gtest/gtest.h>

// Hands out the scripted values first, then values of a fixed-seed generator; remembers every range.
class ScriptedRandom : public RandomSource
{
public:
    QList<int> values;
    QList<int> ranges;

    int random(int n) override
    {
        ranges.append(n);
        if (values.isEmpty())
            return int(m_rest.bounded(quint32(n)));
        const int v = values.takeFirst();
        EXPECT_LT(v, n) << "scripted value out of range";
        return v;
    }

private:
    QRandomGenerator m_rest{20240611};
};

// Remembers each output call with what the sheet held at that moment.
class RecordingOutput : public ReportOutput
{
public:
    struct Call
    {
        QString kind; // "blocking", "nonblocking", "print"
        QString page;
        PageLayout snapshot;
    };
    QList<Call> calls;

    void previewBlocking(const Report &report) override { record("blocking", report); }
    void previewNonBlocking(const Report &report) override { record("nonblocking", report); }
    void print(const Report &report) override { record("print", report); }

private:
    void record(const char *kind, const Report &report)
    {
        calls.append({QString::fromLatin1(kind), report.layout().name, report.layout()});
    }
};
