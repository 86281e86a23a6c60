// Worksheets: a random sheet from the print step to a finished PDF file, and the preview window
// shown with its page drawn. Each beside its floor: an empty A4 PDF page, an empty dialog shown.
#include "pdfexport.h"
#include "previewwindow.h"
#include "printstep.h"
#include "randomsource.h"
#include "worksheetlayouts.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const QString kHome = QStringLiteral("https://quorvel.example.org/");

Captions sheetTexts()
{
    QStringList texts;
    for (const CaptionKey &key : CaptionSections::PrintDlg.keys)
        texts.append(QString::fromLatin1(key.french));
    return Captions(CaptionSections::PrintDlg, texts);
}

PrintChoice randomChoice()
{
    PrintChoice choice;
    choice.exercises = {{"2", "3", "4", "5", "6", "7", "8", "9"},
                        {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
                        3, true, "fr"};
    choice.operationText = QStringLiteral("Opérateur: Hasard");
    choice.smallestMultiplier = 1;
    return choice;
}

void BlankPdfPage(benchmark::State &bench)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blank.pdf"));
    for (auto _ : bench) {
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&file);
            writer.setResolution(1200);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
            QPainter painter(&writer);
        }
        file.commit();
    }
}
BENCHMARK(BlankPdfPage)->Unit(benchmark::kMillisecond);

void RandomSheetToPdf(benchmark::State &bench)
{
    QTemporaryDir dir;
    Report random(WorksheetLayouts::random(kHome));
    Report without(WorksheetLayouts::tablesWithoutAnswers(kHome));
    Report with(WorksheetLayouts::tablesWithAnswers(kHome));
    Report grid(WorksheetLayouts::grid(kHome));
    ClockSeededRandom generator;
    generator.seedFromClock();
    PrintStep step(generator);
    PdfOutput output(dir.filePath(QStringLiteral("random.pdf")));
    const Captions texts = sheetTexts();
    const PrintChoice choice = randomChoice();
    for (auto _ : bench)
        step.run(choice, texts, {&random, &without, &with, &grid}, output);
}
BENCHMARK(RandomSheetToPdf)->Unit(benchmark::kMillisecond);

void EmptyDialogShown(benchmark::State &bench)
{
    for (auto _ : bench) {
        QDialog dialog;
        dialog.resize(760, 980);
        dialog.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&dialog));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(EmptyDialogShown)->Unit(benchmark::kMillisecond);

void PreviewWindowShown(benchmark::State &bench, Report report)
{
    for (auto _ : bench) {
        PreviewWindow preview(report);
        preview.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&preview));
        QCoreApplication::processEvents(); // the page is drawn
    }
}
BENCHMARK_CAPTURE(PreviewWindowShown, grid, Report(WorksheetLayouts::grid(kHome)))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PreviewWindowShown, tables_with_answers, Report(WorksheetLayouts::tablesWithAnswers(kHome)))
    ->Unit(benchmark::kMillisecond);

// The first sheet and the first preview of a run also load the fonts: timed once, before the rest.
void reportFirstOfTheRun()
{
    QTemporaryDir dir;
    Report random(WorksheetLayouts::random(kHome));
    ClockSeededRandom generator;
    PrintStep step(generator);
    PdfOutput output(dir.filePath(QStringLiteral("first.pdf")));
    QElapsedTimer timer;
    timer.start();
    step.run(randomChoice(), sheetTexts(), {&random, nullptr, nullptr, nullptr}, output);
    const double sheet = timer.nsecsElapsed() / 1e6;
    timer.restart();
    {
        PreviewWindow preview(Report(WorksheetLayouts::tablesWithAnswers(kHome)));
        preview.show();
        QTest::qWaitForWindowExposed(&preview);
        QCoreApplication::processEvents();
    }
    const double preview = timer.nsecsElapsed() / 1e6;
    std::printf("First of the run: random sheet to PDF %.1f ms, preview shown %.1f ms\n", sheet, preview);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    reportFirstOfTheRun();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
