#pragma once

#include "answerrecorder.h"
#include "historystore.h"
#include "programstate.h"

#include <memory>

class QWidget;

// The program's answer history: opens the store in the user data folder and records what the
// drill reports. Trouble with the file is told once, in a message that does not stop the drill.
class AnswerHistory
{
public:
    explicit AnswerHistory(const ProgramState &state);

    // Opens the history file once, when it is first needed: nothing is recorded before the first
    // drill, and the database library is loaded only then. Call once the folders are known.
    void open();
    AnswerLog &log() { return *m_recorder; }
    HistoryStore &store() { return m_store; }
    // The window over which messages are shown.
    void setMessageParent(QWidget *parent) { m_parent = parent; }

private:
    void tell(const QString &key, const QString &detail);

    const ProgramState &m_state;
    HistoryStore m_store;
    std::unique_ptr<AnswerRecorder> m_recorder;
    QWidget *m_parent = nullptr;
    bool m_opened = false;
};

// A message box that does not block: the window behind it goes on working.
void showNotice(QWidget *parent, const QString &text);
