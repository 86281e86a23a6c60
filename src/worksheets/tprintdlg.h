#pragma once

#include "languagecatalog.h"
#include "lazydialog.h"
#include "printstep.h"
#include "programstate.h"

#include <functional>
#include <memory>

class QComboBox;
class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class ReportEngine;

// The print dialog: which worksheet, which operation mode for the random sheet, screen or paper.
// It holds the worksheet texts of the current language and the draw state for the whole run.
class TPrintDlg : public LazyDialog
{
    Q_OBJECT

public:
    // What the dialog reads from the windows created after it.
    struct Links
    {
        std::function<int()> drillOperationIndex; // the drill window's selected mode, -1 for none
        std::function<int()> smallestMultiplier;  // the expert options' arrows
        WorksheetReports reports;
        ReportOutput *output = nullptr; // where sheets go; the dialog's own report engine when null
    };

    // The create step: the texts, then the draw state set to 0.
    explicit TPrintDlg(ProgramState &state, QWidget *parent = nullptr);
    ~TPrintDlg() override;

    void setLinks(Links links);

    // Reads and keeps the texts of section PrintDlg; they are applied when the dialog is next shown.
    void LoadCaptions();
    const Captions &texts() const { return m_texts; }

    // The show step, then the dialog, modally. A missing operation list stops the show step with
    // "Cannot open file %s" (thrown): the dialog does not open.
    int showModal();

    const PrintStep &printStep() const { return m_printStep; }
    ReportEngine &engine() { return *m_engine; }

private:
    void buildControls() override;
    void FormShow();
    void selectOperation();
    void applyCaptions();
    void OKBtnClick();
    PrintChoice choice() const;

    ProgramState &m_state;
    Links m_links;
    Captions m_texts;
    PrintStep m_printStep;
    std::unique_ptr<ReportEngine> m_engine;

    QFrame *m_Bevel1 = nullptr;              // frame around the sheet choices
    QRadioButton *m_RadioButton3 = nullptr;  // random sheet
    QComboBox *m_OperBox = nullptr;          // operation mode of the random sheet
    QRadioButton *m_RadioButton2 = nullptr;  // tables without answers
    QRadioButton *m_RadioButton1 = nullptr;  // tables with answers
    QRadioButton *m_RadioButton4 = nullptr;  // multiplication grid
    QGroupBox *m_RadioGroup1 = nullptr;      // output
    QRadioButton *m_screenItem = nullptr;    // item 0 of RadioGroup1
    QRadioButton *m_paperItem = nullptr;     // item 1 of RadioGroup1
    QPushButton *m_OKBtn = nullptr;
    QPushButton *m_CancelBtn = nullptr;
};
