#pragma once

#include "programstate.h"
#include "soundservice.h"
#include "startenvironment.h"

#include <memory>

class TAfterRecordDlg;
class TFAbout;
class TFCalculator;
class TFStart;
class TFSwap;
class TFSound;
class TFAudio;
class TFSoundTest;
class TRecordDlg;

// The program's windows, each created once, in a fixed order, and kept until the program ends.
// The start window's create step runs first and does the start-up work the others rely on.
class MainBlock
{
public:
    explicit MainBlock(StartEnvironment environment = {});
    ~MainBlock();

    // Shows the start window (its show step runs) and then runs its activate step, once.
    void showStartWindow();
    // Shows the start window and runs the event loop until the quit step ends it.
    int run();

    ProgramState &state() { return m_state; }
    TFStart &startWindow() { return *m_start; }
    TFCalculator &drillWindow() { return *m_drill; }
    TFSwap &expertOptions() { return *m_swap; }
    TFAbout &about() { return *m_about; }
    SoundService &sound() { return m_sound; }
    TFSound &soundOptions() { return *m_soundOptions; }
    TFAudio &soundEditor() { return *m_soundEditor; }
    TFSoundTest &soundTest() { return *m_soundTest; }

private:
    ProgramState m_state;
    SoundService m_sound;
    std::unique_ptr<TFStart> m_start;
    std::unique_ptr<TFCalculator> m_drill;
    // The print dialog joins here.
    std::unique_ptr<TRecordDlg> m_record;
    std::unique_ptr<TAfterRecordDlg> m_afterRecord;
    std::unique_ptr<TFSwap> m_swap;
    std::unique_ptr<TFSound> m_soundOptions;
    std::unique_ptr<TFAudio> m_soundEditor;
    // The screen colours dialog, the three worksheet reports and the background dialog join here.
    std::unique_ptr<TFAbout> m_about;
    // The grid report joins here.
    std::unique_ptr<TFSoundTest> m_soundTest;
};
