#pragma once

#include "datafolders.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

class GaugeBar;
class HelpViewer;
class InfoTextLabel;
class LinkLabel;
class OperationList;
class StackedButton;
class StretchedPicture;
class TGradient;

// The drill window's controls, built at their design sizes (746 × 558 at 96 dpi); each control's
// objectName is its name in the window's design.
struct CalculatorUi
{
    static constexpr QSize kDesignSize{746, 558};
    static constexpr int kTopBarHeight = 41;

    // The working area (Panel12) with its gradient, returned: made with the window, because the
    // start window and the colour dialogs set the gradient before the window is first shown.
    static TGradient *makeBackground(QWidget *window);
    // The other controls, made at the window's first showing over 'background'.
    CalculatorUi(QWidget *window, TGradient *background, const DataFolders &folders);

    // The pictures are drawn when the window is first shown, which keeps start-up quick.
    void loadPictures(const DataFolders &folders);

    // Places the panels for the window's current size: top bar across, calculator panel centred.
    void arrange(QSize client);
    void setPanelColor(QWidget *panel, const QColor &color);
    // Puts the enter key's tick and the ambulance where Label16's text leaves room for them.
    void placeKeyPictures();

    // Top bar
    QFrame *Panel8, *Panel16, *Panel17, *Panel18;
    OperationList *OpSel;
    QPushButton *BitBtn1, *BitBtn6, *BitBtn8, *BitBtn10, *BitBtn9; // back, expert, sound, screen, help
    QIcon soundOn, soundOff; // BitBtn8's loudspeaker with and without rays

    // Working area
    QWidget *Panel12;
    TGradient *Gradient1;
    QPushButton *Button1; // reveal button: lies behind Panel5, takes the focus in mental mode
    QFrame *Panel5;       // centre panel: calculator, gauge, right panel

    // Calculator
    QFrame *Panel1, *Panel13, *Panel3;
    QLabel *F1, *F2;
    QLabel *Label2; // operator
    QLabel *Label4; // "="
    QLineEdit *Ans;
    QPushButton *digitKeys[10]; // SpeedButton10 ("0") at index 0, SpeedButton1 ("7") at 7 ...
    StackedButton *BitBtn2;     // enter
    QPushButton *BitBtn11;      // clear
    StackedButton *BitBtn7;     // record
    QPushButton *SpeedButton11; // show answer

    // Mental-mode panel over the keypad
    QFrame *Panel9;
    StretchedPicture *Image3; // texture
    QLabel *Label17;          // top text
    QLabel *Image5;           // logo
    QLabel *Label25;          // bottom text
    LinkLabel *Label26;       // hide/show texts

    GaugeBar *Gauge1;

    // Right panel
    QFrame *Panel6, *Panel2;
    QLabel *Label13; // "last operation" caption
    QLabel *Label6;  // outcome text
    QLabel *Label12; // last operation with its answer, or the state
    QLabel *Label24; // "counter" caption
    QLabel *Label7;  // operations caption
    QLabel *Label8;  // operations count
    QLabel *Label9;  // errors caption
    QLabel *Label10; // errors count
    QLabel *Label22; // mark caption
    QLabel *Label11; // mark
    QPushButton *BitBtn3;  // reset
    QPushButton *BitBtn12; // stopwatch

    // Information panel under the stopwatch button
    QWidget *Panel10;
    QFrame *Panel11;
    InfoTextLabel *Label16;              // the first instruction, with room for Image1 and Image2
    QLabel *Label18, *Label19;           // the other two instructions
    QLabel *Image1;                      // enter key's tick, in a gap of Label16
    QLabel *Image2;                      // show-answer ambulance, at the end of Label16
    StretchedPicture *Image4;            // texture over the texts when hidden
    QLabel *Image6;                      // logo over the texture
    LinkLabel *Label27;                  // hide/show texts

    // Stopwatch panel, over the information panel while engaged
    QFrame *Panel7;
    QGroupBox *GroupBox1; // thinking time
    QSpinBox *SpinEdit1;
    QGroupBox *RadioGroup1; // gauge shown or hidden
    QButtonGroup *gaugeChoice;
    QRadioButton *gaugeVisibleItem, *gaugeHiddenItem;
    QGroupBox *RadioGroup2; // written or mental
    QButtonGroup *modeChoice;
    QRadioButton *modeWrittenItem, *modeMentalItem;
    QGroupBox *GroupBox2; // answer display time (mental mode)
    QSlider *TrackBar2;

    // Help panel
    QFrame *Panel14, *Panel15;
    QLabel *Label1; // help title
    QPushButton *BitBtn4;
    HelpViewer *htmlLite1;
};
