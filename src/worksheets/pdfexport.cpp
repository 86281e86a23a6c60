#include "pdfexport.h"

#include "apperror.h"
#include "pagerenderer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace PdfExport {

namespace {
constexpr int kResolution = 1200; // dots per inch of the page's coordinates
}

void write(const Report &report, const QString &path, const QString &dateText)
{
    write(QList<Report>{report}, path, dateText);
}

void write(const QList<Report> &pages, const QString &path, const QString &dateText)
{
    Q_ASSERT(!pages.isEmpty());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError::cannotCreate(path);
    {
        QPdfWriter writer(&file);
        writer.setResolution(kResolution);
        writer.setCreator(QStringLiteral("Quorvel"));
        writer.setTitle(pages.first().layout().name);
        // No margins: the painter's origin is the paper's corner, where the layouts measure from.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer))
            throw AppError::cannotCreate(path);
        PageRenderer::renderPages(pages, painter, dateText);
        if (!painter.end())
            throw AppError::unableToWrite(path);
    }
    // commit() does not check its own flush of the buffer: a full disk would pass unseen.
    if (!file.flush() || !file.commit())
        throw AppError::unableToWrite(path);
}

} // namespace PdfExport

void PdfOutput::write(const QList<Report> &pages)
{
    PdfExport::write(pages, m_path, PageRenderer::todayText());
}
