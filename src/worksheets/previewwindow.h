#pragma once

#include "report.h"

#include <QDialog>
#include <QPrinter>

class QPrintPreviewWidget;

// The report engine's preview: the pages at whole-page, 100 % or page-width size, printing with
// the printer dialog (printer, copies, page range), and Save as PDF for homes without a printer.
// It keeps its own copy of the sheets, dated when the window is made.
class PreviewWindow : public QDialog
{
    Q_OBJECT

public:
    explicit PreviewWindow(const Report &report, QWidget *parent = nullptr);
    // Several sheets as one document, a page each; 'pages' must not be empty.
    explicit PreviewWindow(QList<Report> pages, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    // Throws AppError when the file cannot be written.
    void savePdf(const QString &path) const;
    QPrintPreviewWidget *view() const { return m_view; }
    // The pages, counted from 0, that a printer set up by the printer dialog is to print.
    static QList<int> pagesToPrint(const QPrinter &printer, int pageCount);

private:
    void paintPage(QPrinter *printer);
    void printWithDialog();
    void chooseAndSavePdf();

    QList<Report> m_pages;
    QString m_date;
    QPrinter m_printer;
    QPrintPreviewWidget *m_view;
};
