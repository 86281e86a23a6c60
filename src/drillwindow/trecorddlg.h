#pragma once

#include "languagecatalog.h"
#include "programstate.h"

#include <QDialog>
#include <memory>

class DrillSession;

// Asks what to record: the next operations, the next errors, or nothing, and how many.
class TRecordDlg : public QDialog
{
    Q_OBJECT

public:
    TRecordDlg(ProgramState &state, DrillSession &session, QWidget *parent = nullptr);
    ~TRecordDlg() override;

    void LoadCaptions();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    class Ui;
    void buildControls();
    void OKBtnClick();

    ProgramState &m_state;
    DrillSession &m_session;
    std::unique_ptr<Ui> m_ui;
    Captions m_texts;
};

// After a recording: review the recorded operations, or erase them.
class TAfterRecordDlg : public QDialog
{
    Q_OBJECT

public:
    TAfterRecordDlg(ProgramState &state, DrillSession &session, QWidget *parent = nullptr);
    ~TAfterRecordDlg() override;

    void LoadCaptions();
    QString eraseMessage() const; // vEraseOperationsMsg

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override; // Escape erases

private:
    class Ui;

    ProgramState &m_state;
    DrillSession &m_session;
    std::unique_ptr<Ui> m_ui;
    Captions m_texts;
};
