#pragma once

#include "tfstart.h"

#include <array>

class HelpViewer;
class LinkLabel;
class PictureLabel;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

// The start window's controls and their layout. Names are the control names of the design.
struct TFStart::Controls
{
    explicit Controls(QMainWindow *window);

    QWidget *client;                     // the client area below the menu bar
    TGradient *Gradient1;
    QFrame *Panel3;                      // framed panel kept in the middle
    QGroupBox *GroupBox1;
    std::array<QCheckBox *, 12> CheckBox; // CheckBox1..CheckBox12: table n is CheckBox[n - 1]
    QLabel *Image1;                      // loudspeaker, shown by the quit step
    QFrame *Bevel1;                      // separator between the tables and the right half
    QPushButton *BitBtn3;                // Select all
    QPushButton *BitBtn4;                // Inverse selection
    PictureLabel *Image4;                // logo
    LinkLabel *Label3;                   // web link
    QPushButton *BitBtn9;                // Expert options
    QPushButton *BitBtn2;                // Start
    QPushButton *BitBtn1;                // Quit
    QPushButton *BitBtn5;                // Print
    QFrame *Panel2;                      // instruction box
    QLabel *Label1;                      // instruction text

    QMenu *Files;
    QAction *Progress1; // the progress map; its text comes from the [Progress] section
    QAction *Quit;
    QMenu *Lang;
    std::array<QAction *, 7> languageItems; // En, Fr, Nl, De, It, Sp, New
    QMenu *Help;
    QAction *Help1;
    QAction *About1;

    // The help panel, built the first time it opens.
    QFrame *Panel4 = nullptr;
    QLabel *Label5 = nullptr;        // help panel title
    QPushButton *BitBtn6 = nullptr;  // closes the help panel
    HelpViewer *htmlLite1 = nullptr;

    void buildHelpPanel();
    void setPictures(const DataFolders &folders);
    void showSpeaker(bool visible);
    // Panel3 back in the middle; the help panel as high as the client area less 20.
    void placeInMiddle();

private:
    QPushButton *button(const char *name, QRect geometry);

    QString m_speakerPicture;
};
