#include "startfixture.h"

#include "inifile.h"
#include "pdfwords.h"
#include "previewwindow.h"
#include "reportengine.h"
#include "settingsstore.h"
#include "textfile.h"
#include "tprintdlg.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolBar>

namespace {

// The whole program with tables 3 and 7 ticked; the print dialog is opened with the Print button.
struct PrintDialog : StartProgram
{
    QString operationInFile() const
    {
        return IniFile(userPath("sys/multable.ini")).ReadString("GLOBAL", "Operation", "<none>");
    }
    void saveOperation(int operation)
    {
        putUser("sys/multable.ini", QStringLiteral("[GLOBAL]\r\nLanguage=en\r\nOperation=%1\r\n").arg(operation).toLatin1());
    }
    void startWithTables()
    {
        start();
        table(3)->setChecked(true);
        table(7)->setChecked(true);
    }
    TPrintDlg &dialog() { return program->printDialog(); }
    template <typename T = QWidget>
    T *control(const char *name)
    {
        T *found = dialog().findChild<T *>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    QComboBox *operBox() { return control<QComboBox>("OperBox"); }
    QRadioButton *radio(const char *name) { return control<QRadioButton>(name); }

    // Presses Print in the start window and runs 'inDialog' while the print dialog is open.
    void openPrintDialog(std::function<void()> inDialog)
    {
        bool opened = false;
        whenModal([&](QWidget *modal) {
            opened = modal == &dialog();
            if (opened)
                inDialog();
        });
        click("BitBtn5");
        EXPECT_TRUE(opened) << "the print dialog did not open";
        EXPECT_FALSE(dialog().isVisible());
    }
};

} // namespace

TEST_F(PrintDialog, ShowsItsLanguageTextsAndTheOperationList)
{
    install();
    saveOperation(2);
    startWithTables();
    openPrintDialog([&] {
        EXPECT_EQ(dialog().windowTitle(), installedText("en", CaptionSections::PrintDlg, u"vPrintDlgCaption"));
        EXPECT_EQ(radio("RadioButton4")->text(), installedText("en", CaptionSections::PrintDlg, u"vGridRBCaption"));
        EXPECT_EQ(control<QPushButton>("OKBtn")->text(), "&Print");
        EXPECT_EQ(control<QGroupBox>("RadioGroup1")->title(), " Print to: ");
        EXPECT_EQ(operBox()->count(), 4);
        EXPECT_EQ(operBox()->itemText(3), "Operator: Random");
        EXPECT_EQ(dialog().size(), QSize(354, 235));
        EXPECT_TRUE(radio("RadioButton3")->isChecked()) << "the random sheet at program start";
        EXPECT_TRUE(radio("RadioGroup1Item0")->isChecked()) << "the screen at program start";
        EXPECT_EQ(operBox()->currentIndex(), 2) << "the saved operation before any drill";
        QTest::keyClick(&dialog(), Qt::Key_Escape);
    });
    EXPECT_EQ(operationInFile(), "2");
    EXPECT_EQ(dialog().texts().text(u"vQRPrintGridCaption"), "Multiplication grid");
}

TEST_F(PrintDialog, ASavedOperationBeyondTheListSelectsTheFirstAndIsWrittenBackAtOnce)
{
    install();
    saveOperation(7);
    startWithTables();
    openPrintDialog([&] {
        EXPECT_EQ(operBox()->currentIndex(), 0);
        EXPECT_EQ(operationInFile(), "0") << "written while the dialog is open";
    });
}

TEST_F(PrintDialog, FollowsTheDrillWindowsOperationOnceItHasBeenShown)
{
    install();
    saveOperation(1);
    startWithTables();
    whenModal([&](QWidget *drill) {
        drill->findChild<QComboBox *>("OpSel")->setCurrentIndex(3);
        drill->close();
    });
    click("BitBtn2");
    openPrintDialog([&] {
        EXPECT_EQ(operBox()->currentIndex(), 3);
        operBox()->setCurrentIndex(0); // the dialog's own choice does not last
    });
    openPrintDialog([&] { EXPECT_EQ(operBox()->currentIndex(), 3); });
}

TEST_F(PrintDialog, ChoicesLastForTheRunAndCancelPrintsNothing)
{
    install();
    startWithTables();
    openPrintDialog([&] {
        // Clicked on its caption: the grid's short caption leaves the middle of the button empty.
        QTest::mouseClick(radio("RadioButton4"), Qt::LeftButton, {}, QPoint(30, radio("RadioButton4")->height() / 2));
        QTest::mouseClick(radio("RadioGroup1Item1"), Qt::LeftButton);
        click("CancelBtn");
    });
    openPrintDialog([&] {
        EXPECT_TRUE(radio("RadioButton4")->isChecked());
        EXPECT_FALSE(radio("RadioButton3")->isChecked());
        EXPECT_TRUE(radio("RadioGroup1Item1")->isChecked());
    });
    EXPECT_TRUE(dialog().engine().openPreviews().isEmpty());
}

TEST_F(PrintDialog, AMissingOperationListIsReportedAndTheDialogStaysClosed)
{
    install();
    startWithTables();
    const QString list = resolvePath(temp.folders().shared, "sys\\enOpSel.txt");
    ASSERT_TRUE(QFile::remove(list));
    click("BitBtn5");
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(messages, QStringList{QStringLiteral("Cannot open file %1").arg(list)});
}

TEST_F(PrintDialog, AnEmptyOperationListMakesAMultiplyingSheetWithAnEmptyOperationSlot)
{
    install();
    startWithTables();
    writeBytes(resolvePath(temp.folders().shared, "sys\\enOpSel.txt"), "");
    QStringList shown;
    openPrintDialog([&] {
        EXPECT_EQ(operBox()->currentIndex(), -1);
        whenModal([&](QWidget *preview) {
            auto *window = qobject_cast<PreviewWindow *>(preview);
            ASSERT_TRUE(window);
            QTemporaryDir dir;
            window->savePdf(dir.filePath("sheet.pdf"));
            for (const PdfWord &word : readPdfWords(dir.filePath("sheet.pdf")))
                shown.append(word.text);
        });
        QTest::keyClick(&dialog(), Qt::Key_Return); // the print button is the default button
    });
    EXPECT_EQ(shown.count("x"), 72);
    EXPECT_FALSE(shown.contains("Operator:"));
}

TEST_F(PrintDialog, RandomSheetPreviewBlocksOverTheDialog)
{
    install();
    startWithTables();
    bool previewWasModal = false;
    QString firstLine;
    openPrintDialog([&] {
        operBox()->setCurrentIndex(1); // divide
        whenModal([&](QWidget *preview) {
            previewWasModal = qobject_cast<PreviewWindow *>(preview) && dialog().isVisible();
            QTemporaryDir dir;
            qobject_cast<PreviewWindow *>(preview)->savePdf(dir.filePath("sheet.pdf"));
            const QList<PdfWord> words = readPdfWords(dir.filePath("sheet.pdf"));
            ASSERT_GT(words.size(), 10);
            firstLine = words[0].text;
            EXPECT_EQ(std::count_if(words.begin(), words.end(), [](const PdfWord &w) { return w.text == "\u00F7"; }), 72);
        });
        click("OKBtn");
    });
    EXPECT_TRUE(previewWasModal) << "the preview opens over the dialog and returns when closed";
    EXPECT_TRUE(dialog().engine().openPreviews().isEmpty());
}

TEST_F(PrintDialog, OtherSheetsPreviewWithoutBlockingAndOutliveTheDialog)
{
    install();
    startWithTables();
    openPrintDialog([&] {
        QTest::mouseClick(radio("RadioButton1"), Qt::LeftButton);
        click("OKBtn");
    });
    const QList<PreviewWindow *> previews = dialog().engine().openPreviews();
    ASSERT_EQ(previews.size(), 1);
    EXPECT_TRUE(previews[0]->isVisible());
    EXPECT_FALSE(previews[0]->isModal());
    EXPECT_FALSE(previews[0]->findChild<QAction *>("print")->isEnabled()) << "no printer installed here";

    // The preview keeps its own copy of the sheet; the page can be zoomed as offered.
    previews[0]->findChild<QAction *>("actualSize")->trigger();
    EXPECT_EQ(previews[0]->view()->zoomFactor(), 1.0);
    previews[0]->findChild<QAction *>("pageWidth")->trigger();
    EXPECT_EQ(previews[0]->view()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    // Save as PDF: the name chosen without its suffix gets ".pdf".
    QTemporaryDir dir;
    whenModal([&](QWidget *modal) {
        auto *chooser = qobject_cast<QFileDialog *>(modal);
        ASSERT_TRUE(chooser) << "no file dialog";
        chooser->selectFile(dir.filePath("with"));
        static_cast<QDialog *>(chooser)->accept(); // QFileDialog::accept, reached through the public base
    });
    previews[0]->findChild<QAction *>("savePdf")->trigger();
    const QList<PdfWord> words = readPdfWords(dir.filePath("with.pdf"));
    EXPECT_TRUE(std::any_of(words.begin(), words.end(), [](const PdfWord &w) { return w.text == "144"; }));

    previews[0]->findChild<QAction *>("close")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog().engine().openPreviews().isEmpty());
}

TEST_F(PrintDialog, PaperWithoutAPrinterPrintsNothingAndClosesTheDialog)
{
    ASSERT_FALSE(ReportEngine::printerInstalled()) << "this test needs a machine without printers";
    install();
    startWithTables();
    openPrintDialog([&] {
        QTest::mouseClick(radio("RadioGroup1Item1"), Qt::LeftButton);
        click("OKBtn");
    });
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(dialog().engine().openPreviews().isEmpty());
}

TEST_F(PrintDialog, ALanguageSwitchChangesTheTextsTheListAndTheSheets)
{
    install();
    startWithTables();
    menuItem("Fr")->trigger();
    openPrintDialog([&] {
        EXPECT_EQ(dialog().windowTitle(), installedText("fr", CaptionSections::PrintDlg, u"vPrintDlgCaption"));
        EXPECT_EQ(operBox()->itemText(0), TextFile::readLines(dataPath("sys/frOpSel.txt")).first());
    });
    EXPECT_EQ(dialog().texts().text(u"vQRRandSheetTitle"),
              installedText("fr", CaptionSections::PrintDlg, u"vQRRandSheetTitle"));
}

TEST_F(PrintDialog, MissingKeysGiveEmptyTextsAndTheGridCaptionXxx)
{
    install();
    writeBytes(resolvePath(temp.folders().shared, "sys\\en.lng"), "[FStart]\r\nvOne=One\r\n");
    saveOperation(0);
    startWithTables();
    QStringList shown;
    openPrintDialog([&] {
        EXPECT_EQ(dialog().windowTitle(), "");
        EXPECT_EQ(radio("RadioButton3")->text(), "");
        radio("RadioButton4")->click(); // without a caption there is nothing to aim the mouse at
        click("OKBtn");
    });
    const QList<PreviewWindow *> previews = dialog().engine().openPreviews();
    ASSERT_EQ(previews.size(), 1);
    QTemporaryDir dir;
    previews[0]->savePdf(dir.filePath("grid.pdf"));
    for (const PdfWord &word : readPdfWords(dir.filePath("grid.pdf")))
        shown.append(word.text);
    EXPECT_EQ(shown.first(), "xxx");
    EXPECT_TRUE(messages.isEmpty());
}
