#pragma once

#include "languagecatalog.h"
#include "lazydialog.h"
#include "programstate.h"
#include "screencolours.h"

#include <functional>
#include <memory>

class TMakeBackGround;

// The screen colours dialog: seven ready gradients, a solid colour, flip and turn, the background
// dialog, the calculator and gauge colours. Every change shows at once in the drill window behind
// it; OK passes the gradient on to the start window, Cancel (or Escape) puts everything back.
class TFColor : public LazyDialog
{
    Q_OBJECT

public:
    // Without a chooser the dialog makes its own Qt colour dialog.
    TFColor(ProgramState &state, ColourTargets &targets, QWidget *parent = nullptr,
            std::unique_ptr<ColourChooser> chooser = {});
    ~TFColor() override;

    // BitBtn5 opens it; it is created after this dialog.
    void setBackgroundDialog(TMakeBackGround *background);

    // Reads and keeps the texts; they are applied when the dialog is next shown.
    void LoadCaptions();

    void reject() override; // Cancel, Escape and the system's close command

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Controls;

    void buildControls() override;
    void applyCaptions();
    void connectControls();
    void step(const std::function<void()> &work);

    ProgramState &m_state;
    std::unique_ptr<ColourChooser> m_chooser;
    ScreenColours m_steps;
    TMakeBackGround *m_background = nullptr;
    Captions m_texts;
    std::unique_ptr<Controls> m_ui; // made at the first opening, which keeps start-up quick
};
