#pragma once

#include "printstep.h"

// Writes worksheets as A4 PDF files, a page per sheet (needs a QGuiApplication for the fonts).
namespace PdfExport {

// Replaces 'path' atomically: on any failure no file, and no half-written one, is left behind.
// Throws AppError "Cannot create file %s" or "Unable to write to %s".
void write(const Report &report, const QString &path, const QString &dateText);
// Several sheets as one file, in this order; 'pages' must not be empty.
void write(const QList<Report> &pages, const QString &path, const QString &dateText);

} // namespace PdfExport

// Every output of a sheet goes to one PDF file: the print step of the command line.
class PdfOutput final : public ReportOutput
{
public:
    explicit PdfOutput(QString path) : m_path(std::move(path)) {}

    void previewBlocking(const Report &report) override { write({report}); }
    void previewNonBlocking(const Report &report) override { write({report}); }
    void print(const Report &report) override { write({report}); }
    void previewPages(const QList<Report> &pages) override { write(pages); }

private:
    void write(const QList<Report> &pages);

    QString m_path;
};
