#pragma once

// What the drill engine needs from the window around it.
class DrillHost
{
public:
    virtual ~DrillHost() = default;

    // Puts the engine's display on screen now (before a sound, a dialog or waiting events).
    virtual void refresh() = 0;
    // Lets the window events that are already waiting be handled.
    virtual void processEvents() = 0;

    // The recording dialog, shown modally; its OK runs DrillSession::recordChoiceConfirmed().
    virtual void openRecordDialog() = 0;
    virtual bool recordDialogVisible() const = 0;
    virtual void closeRecordDialog() = 0;
    // The after-recording dialog, shown modally; its buttons run review() and erase().
    virtual void openAfterRecordDialog() = 0;
    virtual bool afterRecordDialogVisible() const = 0;
    virtual void closeAfterRecordDialog() = 0;
    // The message box shown after recorded operations were erased.
    virtual void showEraseMessage() = 0;
};

// The drill's sounds.
class DrillSound
{
public:
    virtual ~DrillSound() = default;

    // Plays the current sequence's sound of 'event' (2 to 6) and returns when it has ended.
    virtual void makeSound(int event) = 0;
    // The fixed sound of mental mode, in the background.
    virtual void playMentalSound() = 0;
    // The system's default beep.
    virtual void beep() = 0;
    // Reloads the sound option as the sound dialog's OK does, without showing the dialog.
    virtual void applySoundOption() = 0;
};
