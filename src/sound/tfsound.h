#pragma once

#include "languagecatalog.h"
#include "lazydialog.h"
#include "programstate.h"
#include "soundoptions.h"

#include <array>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class SoundService;

// The sound options dialog: choose one of five sound sequences or silence, listen to it, or
// open the sequence editor. Its steps live in SoundOptions; this window only draws them.
class TFSound : public LazyDialog, private SoundOptionsView
{
    Q_OBJECT

public:
    TFSound(ProgramState &state, SoundService &sound, QWidget *parent = nullptr);
    ~TFSound() override;

    // Opens the sequence editor modally; set by the main block.
    void setEditor(std::function<void()> openEditor) { m_openEditor = std::move(openEditor); }

    // Reads and keeps the texts; they are applied when the dialog is next shown.
    void LoadCaptions();
    // Shows the dialog modally and runs its activate step; returns when OK closed it.
    int exec() override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls() override;
    void showOptions(const SoundOptionsDisplay &shown) override;
    void openEditor() override;
    void applyCaptions();
    void step(const std::function<void()> &work);

    ProgramState &m_state;
    SoundOptions &m_options;
    Captions m_texts;
    std::function<void()> m_openEditor;
    QGroupBox *RadioGroup1 = nullptr; // the sequences: silence and the five titles
    QButtonGroup *m_choices = nullptr;
    std::array<QRadioButton *, 6> m_items{};
    QPushButton *BitBtn8 = nullptr; // Listen
    QPushButton *BitBtn3 = nullptr; // Edit
    QPushButton *BitBtn1 = nullptr; // OK
    QLabel *Label1 = nullptr;       // the silence notice
    QProgressBar *PB = nullptr;     // progress of listening or checking
    QLabel *Label2 = nullptr;       // "Playing..." or "Testing..."
};
