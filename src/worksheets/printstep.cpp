#include "printstep.h"

namespace {

const char *const kColumnNames[SheetContent::kColumns] = {"QRMemo1", "QRMemo2", "QRMemo3"};

void output(const Report &report, SheetOutput where, bool blocking, ReportOutput &to)
{
    if (where == SheetOutput::Paper)
        to.print(report);
    else if (blocking)
        to.previewBlocking(report);
    else
        to.previewNonBlocking(report);
}

} // namespace

void PrintStep::run(const PrintChoice &choice, const Captions &texts, const WorksheetReports &reports,
                    ReportOutput &to)
{
    const auto text = [&texts](const char16_t *key) { return texts.text(key); };
    switch (choice.sheet) {
    case SheetKind::Random: {
        Report &report = *reports.random;
        // Each random sheet starts from empty columns, also when the output failed.
        const struct ClearColumns {
            Report &report;
            ~ClearColumns()
            {
                for (const char *column : kColumnNames)
                    report.clearColumn(QString::fromLatin1(column));
            }
        } clearAfterwards{report};
        fillRandom(report, choice, texts);
        output(report, choice.output, true, to);
        break;
    }
    case SheetKind::TablesWithoutAnswers: {
        Report &report = *reports.tablesWithoutAnswers;
        report.setText(QStringLiteral("QROtherTitle"), text(u"vQROtherSheetTitle"));
        report.setText(QStringLiteral("QRComment"), text(u"vQROtherSheetComment"));
        report.setText(QStringLiteral("QRDate"), text(u"vQRDateString"));
        output(report, choice.output, false, to);
        break;
    }
    case SheetKind::TablesWithAnswers: {
        Report &report = *reports.tablesWithAnswers;
        report.setText(QStringLiteral("QROtherTitle"), text(u"vQROtherSheetTitle"));
        report.setText(QStringLiteral("QRDate"), text(u"vQRDateString"));
        output(report, choice.output, false, to);
        break;
    }
    case SheetKind::Grid: {
        Report &report = *reports.grid;
        report.setText(QStringLiteral("QRGridCaption"), text(u"vQRPrintGridCaption"));
        report.setText(QStringLiteral("QRDate"), text(u"vQRDateString"));
        output(report, choice.output, false, to);
        break;
    }
    }
}

void PrintStep::fillRandom(Report &report, const PrintChoice &choice, const Captions &texts)
{
    const std::array<QStringList, SheetContent::kColumns> columns =
        SheetContent::drawExercises(choice.exercises, m_draw, m_random);
    for (int c = 0; c < SheetContent::kColumns; ++c) {
        for (const QString &line : columns[size_t(c)])
            report.appendLine(QString::fromLatin1(kColumnNames[c]), line);
    }
    report.setText(QStringLiteral("QRRandomTitle"), texts.text(u"vQRRandSheetTitle"));
    report.setText(QStringLiteral("QRRandomComment"),
                   texts.text(u"vQRRandSheetComment") + QLatin1Char(' ') + SheetContent::tableList(choice.exercises.tables));
    report.setText(QStringLiteral("QRDate"), texts.text(u"vQRDateString"));
    report.setText(QStringLiteral("QROptions"), texts.text(u"vQROptions"));
    report.setText(QStringLiteral("QROptionCrossed"),
                   texts.text(choice.exercises.crossing ? u"vQRRandSheetCrossed" : u"vQRRandSheetNotCrossed"));
    report.setText(QStringLiteral("QROptionMultiplier"),
                   texts.text(u"vQRRandSheetMult") + QLatin1Char(' ') + QString::number(choice.smallestMultiplier));
    report.setText(QStringLiteral("QRLabel2"), choice.operationText);
}
