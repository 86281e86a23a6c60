#pragma once

#include "languagecatalog.h"
#include "programstate.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The expert options: operand crossing (Yes/No, applied at once) and the smallest multiplier
// (1 to 12, applied by OK, which rebuilds the allowed multipliers LBRange). The drill window
// takes the focus back itself when the dialog closes.
class TFSwap : public QDialog
{
    Q_OBJECT

public:
    explicit TFSwap(ProgramState &state, QWidget *parent = nullptr);

    // Reads and keeps the texts; they are applied when the dialog is next shown.
    void LoadCaptions();

    int smallestMultiplier() const;              // the arrows' position
    void setSmallestMultiplier(int multiplier);  // kept within 1..12

    // OK. Also run by the start window at start-up, with the dialog not shown.
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applyCaptions();

    ProgramState &m_state;
    Captions m_texts;
    QLabel *m_Label1;             // the crossing question
    QRadioButton *m_RadioButton1; // Yes
    QRadioButton *m_RadioButton2; // No
    QLabel *m_Label2;             // the smallest multiplier's text
    QSpinBox *m_UpDown1;          // the number and its arrows
    QLabel *m_Label3;             // note pointing to the help
    QPushButton *m_BitBtn1;       // OK
};
