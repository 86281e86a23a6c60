#pragma once

#include <QDialog>

// A dialog whose controls are made at its first showing: the program creates every dialog at
// start-up, but none needs its widget tree before it is first opened. The steps' data lives
// elsewhere from the start; buildControls() makes the tree and shows that data.
class LazyDialog : public QDialog
{
public:
    using QDialog::QDialog;

    void setVisible(bool visible) override
    {
        if (visible)
            makeControls();
        QDialog::setVisible(visible);
    }

protected:
    // Makes the controls unless they exist; for a step that needs them before the showing.
    void makeControls()
    {
        if (m_built)
            return;
        m_built = true;
        buildControls();
    }
    bool controlsBuilt() const { return m_built; }

private:
    virtual void buildControls() = 0; // once, at the first showing

    bool m_built = false;
};
