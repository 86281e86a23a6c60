#include "previewwindow.h"

#include "pagerenderer.h"
#include "pdfexport.h"
#include "reportengine.h"
#include "userinterface.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

PreviewWindow::PreviewWindow(const Report &report, QWidget *parent) : PreviewWindow(QList<Report>{report}, parent) {}

PreviewWindow::PreviewWindow(QList<Report> pages, QWidget *parent)
    : QDialog(parent), m_pages(std::move(pages)), m_date(PageRenderer::todayText()), m_printer(QPrinter::HighResolution)
{
    Q_ASSERT(!m_pages.isEmpty());
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(QStringLiteral("Quorvel - ") + m_pages.first().layout().name);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    ReportEngine::preparePrinter(m_printer);

    m_view = new QPrintPreviewWidget(&m_printer, this);
    m_view->setObjectName(QStringLiteral("PreviewPage"));
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &PreviewWindow::paintPage);

    auto *bar = new QToolBar(this);
    const auto action = [this, bar](const char *name, const QString &text, auto slot) {
        QAction *added = bar->addAction(text);
        added->setObjectName(QString::fromLatin1(name));
        connect(added, &QAction::triggered, this, [this, slot] { UserInterface::runStep(this, slot); });
        return added;
    };
    action("wholePage", QStringLiteral("Whole page"), [this] { m_view->fitInView(); });
    action("actualSize", QStringLiteral("100 %"), [this] {
        m_view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_view->setZoomFactor(1.0);
    });
    action("pageWidth", QStringLiteral("Page width"), [this] { m_view->fitToWidth(); });
    bar->addSeparator();
    QAction *print = action("print", QStringLiteral("Print..."), [this] { printWithDialog(); });
    print->setEnabled(ReportEngine::printerInstalled());
    if (!print->isEnabled())
        print->setToolTip(QStringLiteral("No printer is installed"));
    action("savePdf", QStringLiteral("Save as PDF..."), [this] { chooseAndSavePdf(); });
    bar->addSeparator();
    action("close", QStringLiteral("Close"), [this] { close(); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_view);

    QSize size(760, 980);
    if (const QScreen *screen = this->screen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    resize(size);
    m_view->fitInView();
}

PreviewWindow::~PreviewWindow() = default;

QList<int> PreviewWindow::pagesToPrint(const QPrinter &printer, int pageCount)
{
    int first = 0;
    int last = pageCount - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage() - 1;
        last = qMin(last, printer.toPage() - 1);
    }
    QList<int> pages;
    for (int page = first; page <= last; ++page)
        pages.append(page);
    return pages;
}

void PreviewWindow::paintPage(QPrinter *printer)
{
    QList<Report> chosen;
    for (int page : pagesToPrint(*printer, int(m_pages.size())))
        chosen.append(m_pages[page]);
    QPainter painter(printer);
    PageRenderer::renderPages(chosen, painter, m_date);
}

void PreviewWindow::printWithDialog()
{
    QPrintDialog dialog(&m_printer, this);
    dialog.setMinMax(1, int(m_pages.size()));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, m_pages.size() > 1);
    if (dialog.exec() == QDialog::Accepted)
        paintPage(&m_printer);
    // The preview shares the printer: it goes on showing every page.
    m_printer.setPrintRange(QPrinter::AllPages);
    m_printer.setFromTo(0, 0);
}

void PreviewWindow::savePdf(const QString &path) const
{
    PdfExport::write(m_pages, path, m_date);
}

void PreviewWindow::chooseAndSavePdf()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(m_pages.first().layout().name + QStringLiteral(".pdf"));
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save as PDF"), suggested,
                                                QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    savePdf(path);
}
