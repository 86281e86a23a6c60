#pragma once

#include "languagecatalog.h"
#include "report.h"
#include "sheetcontent.h"

// The four worksheets, created once at program start.
struct WorksheetReports
{
    Report *random = nullptr;               // TRPrintRandom
    Report *tablesWithoutAnswers = nullptr; // TRPrintAllWithout
    Report *tablesWithAnswers = nullptr;    // TRPrintAllWith
    Report *grid = nullptr;                 // TRPrintGrid
};

enum class SheetKind { Random, TablesWithoutAnswers, TablesWithAnswers, Grid };
enum class SheetOutput { Screen, Paper };

// Where a finished sheet goes: the report engine in the program, a PDF file from the command line.
class ReportOutput
{
public:
    virtual ~ReportOutput() = default;
    // Returns once the user has closed the preview.
    virtual void previewBlocking(const Report &report) = 0;
    // Returns at once; the preview keeps its own copy of the sheet.
    virtual void previewNonBlocking(const Report &report) = 0;
    // One copy on the current printer, without asking; nothing when no printer is installed.
    virtual void print(const Report &report) = 0;
    // Several sheets as one document, a page each, previewed like previewNonBlocking.
    virtual void previewPages(const QList<Report> &pages) = 0;
};

// What the print dialog hands to the print step.
struct PrintChoice
{
    SheetKind sheet = SheetKind::Random;
    SheetOutput output = SheetOutput::Screen;
    ExerciseInputs exercises;
    QString operationText;       // the selected operation's name; empty when none is selected
    qint16 smallestMultiplier = 1;
};

// The print step: fills the chosen sheet from the sheet texts (section PrintDlg) and hands it to
// the output. The draw state lives here for the whole run.
class PrintStep
{
public:
    explicit PrintStep(RandomSource &random) : m_random(random) {}

    void resetDrawState() { m_draw = {}; }
    const DrawState &drawState() const { return m_draw; }

    void run(const PrintChoice &choice, const Captions &texts, const WorksheetReports &reports, ReportOutput &output);

private:
    void fillRandom(Report &report, const PrintChoice &choice, const Captions &texts);

    RandomSource &m_random;
    DrawState m_draw;
};
