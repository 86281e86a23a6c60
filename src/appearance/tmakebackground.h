#pragma once

#include "languagecatalog.h"
#include "lazydialog.h"
#include "programstate.h"
#include "screencolours.h"

#include <functional>
#include <memory>

// The background dialog: the drill window's gradient designed colour by colour (start, middle,
// end) and the double gradient switched by the caption-less check box over the middle button.
class TMakeBackGround : public LazyDialog
{
    Q_OBJECT

public:
    // Without a chooser the dialog makes its own Qt colour dialog.
    TMakeBackGround(ProgramState &state, ColourTargets &targets, QWidget *parent = nullptr,
                    std::unique_ptr<ColourChooser> chooser = {});
    ~TMakeBackGround() override;

    // Reads and keeps the texts; they are applied when the dialog is next shown.
    void LoadCaptions();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Controls;

    void buildControls() override;
    void applyCaptions();
    void showMiddleButtonState();
    void step(const std::function<void()> &work);

    ProgramState &m_state;
    std::unique_ptr<ColourChooser> m_chooser;
    BackgroundDesign m_steps;
    Captions m_texts;
    std::unique_ptr<Controls> m_ui; // made at the first opening, which keeps start-up quick
    bool m_placed = false;
};
