#pragma once

#include "colorvalue.h"

#include <QString>

// Where the drill window puts the keyboard focus.
enum class DrillFocus { None, Answer, RevealButton, OperationList };

// Colour of the last-operation line: grey until the first judged operation.
enum class LastOperationColor { Grey, Right, Wrong };

// Everything the drill window shows that the engine decides. The window only renders it;
// the control names are those of the drill window.
struct DrillDisplay
{
    QString operatorText;  // Label2
    QString firstOperand;  // F1
    QString secondOperand; // F2
    QString answer;        // Ans
    bool answerReadOnly = false;

    QString lastOperation; // Label12: last operation with its answer, or a state text
    LastOperationColor lastOperationColor = LastOperationColor::Grey;
    QString outcome;       // Label6
    bool lastCaptionVisible = true; // Label13, "last operation"

    QString operationCount = QStringLiteral("0"); // Label8
    QString errorCount = QStringLiteral("0");     // Label10
    bool errorCaptionVisible = true;              // Label9
    bool errorCountVisible = true;                // Label10
    QString mark;                                 // Label11: mark and the "out of" text
    bool markVisible = false;                     // Label11
    bool markCaptionVisible = true;               // Label22

    QString recordCaption;  // BitBtn7: empty, "Rec" or "Playing"
    QString timerButton;    // BitBtn12
    bool stopwatchPanelVisible = false; // Panel7
    bool mentalPanelVisible = false;    // Panel9
    bool displayTimeVisible = false;    // GroupBox2, holds TrackBar2
    bool soundOn = true;                // picture of BitBtn8
    bool leftTextsHidden = false;       // mental-mode panel's texts Label17, Label25 (link Label26)
    bool rightTextsHidden = false;      // information texts covered by Image4, Image6 (link Label27)

    int thinkingTime = 3;        // SpinEdit1, seconds
    bool thinkingTimeEnabled = true;
    int displayTimePosition = 1; // TrackBar2
    int gaugeChoice = 0;         // RadioGroup1: 0 shown, 1 hidden
    bool gaugeChoiceEnabled = false;
    int modeChoice = 0;          // RadioGroup2: 0 written, 1 mental
    bool modeChoiceEnabled = false;
    int operationIndex = -1;     // OpSel

    int gaugeProgress = 0;       // Gauge1
    int gaugeMaximum = 24;
    bool gaugeVisible = true;
    ColorValue gaugeColor = 0;

    DrillFocus focus = DrillFocus::None;
    int focusRequests = 0; // grows with each focus request, so the same target can be asked again

    // What a screen reader says after the last step (the verdict with the right answer, the new
    // operation); 'announcements' grows with each one, so the same words can be said again.
    QString announcement;
    int announcements = 0;

    bool enterEnabled() const { return !answer.isEmpty(); } // BitBtn2
};
