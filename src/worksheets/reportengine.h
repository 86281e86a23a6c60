#pragma once

#include "printstep.h"

#include <QList>
#include <QPointer>

class PreviewWindow;
class QPrinter;
class QWidget;

// Shows worksheets in preview windows and prints them on the current printer.
class ReportEngine final : public ReportOutput
{
public:
    // 'owner' is the window the blocking preview and the progress window stand over.
    explicit ReportEngine(QWidget *owner);
    ~ReportEngine() override; // closes the previews still open

    void previewBlocking(const Report &report) override;
    void previewNonBlocking(const Report &report) override;
    void print(const Report &report) override;
    void previewPages(const QList<Report> &pages) override;

    static bool printerInstalled();
    // A4 portrait, the painter's origin at the paper's corner.
    static void preparePrinter(QPrinter &printer);

    // The non-blocking previews still open.
    QList<PreviewWindow *> openPreviews() const;

private:
    QWidget *m_owner;
    QList<QPointer<PreviewWindow>> m_previews;
};
