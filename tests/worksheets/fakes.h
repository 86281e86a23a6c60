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
        QString kind; // "blocking", "nonblocking", "print", "pages"
        QString page;
        PageLayout snapshot;        // the first page
        QList<PageLayout> document; // every page
    };
    QList<Call> calls;

    void previewBlocking(const Report &report) override { record("blocking", {report}); }
    void previewNonBlocking(const Report &report) override { record("nonblocking", {report}); }
    void print(const Report &report) override { record("print", {report}); }
    void previewPages(const QList<Report> &pages) override { record("pages", pages); }

private:
    void record(const char *kind, const QList<Report> &pages)
    {
        QList<PageLayout> document;
        for (const Report &page : pages)
            document.append(page.layout());
        calls.append({QString::fromLatin1(kind), pages.first().layout().name, document.first(), document});
    }
};
