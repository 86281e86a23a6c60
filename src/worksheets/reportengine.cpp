#include "reportengine.h"

#include "pagerenderer.h"
#include "previewwindow.h"

#include <QApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

ReportEngine::ReportEngine(QWidget *owner) : m_owner(owner) {}

ReportEngine::~ReportEngine()
{
    for (const QPointer<PreviewWindow> &preview : std::as_const(m_previews))
        delete preview.data();
}

bool ReportEngine::printerInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void ReportEngine::preparePrinter(QPrinter &printer)
{
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
}

void ReportEngine::previewBlocking(const Report &report)
{
    PreviewWindow preview(report, m_owner);
    preview.setWindowModality(Qt::ApplicationModal);
    preview.exec();
}

void ReportEngine::previewNonBlocking(const Report &report)
{
    previewPages({report});
}

void ReportEngine::previewPages(const QList<Report> &pages)
{
    // Without a parent, so that it stays open when the print dialog closes.
    auto *preview = new PreviewWindow(pages);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    m_previews.removeAll(nullptr);
    m_previews.append(preview);
    preview->show();
}

QList<PreviewWindow *> ReportEngine::openPreviews() const
{
    QList<PreviewWindow *> open;
    for (const QPointer<PreviewWindow> &preview : m_previews) {
        if (preview)
            open.append(preview.data());
    }
    return open;
}

void ReportEngine::print(const Report &report)
{
    QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty())
            return; // no printer installed: nothing to do, nothing to say
        target = printers.first();
    }
    QPrinter printer(target, QPrinter::HighResolution);
    preparePrinter(printer);
    printer.setCopyCount(1);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setDocName(report.layout().name);

    QProgressDialog progress(QStringLiteral("Printing..."), QString(), 0, 1, m_owner);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    QApplication::processEvents();
    QPainter painter(&printer);
    PageRenderer::render(report, painter, PageRenderer::todayText());
    painter.end();
    progress.setValue(1);
}
