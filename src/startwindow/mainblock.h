#pragma once

#include "programstate.h"
#include "soundservice.h"
#include "startenvironment.h"

#include <functional>
#include <memory>

class AnswerHistory;
class TAfterRecordDlg;
class TFAbout;
class TFCalculator;
class TFColor;
class TFProgress;
class TFStart;
class TFSwap;
class Report;
class TFAudio;
class TFSound;
class TFSoundTest;
class TMakeBackGround;
class TPrintDlg;
class TRecordDlg;
class WindowColours;

// The program's windows, each created once, in a fixed order, and kept until the program ends.
// The start window's create step runs first and does the start-up work the others rely on.
class MainBlock
{
public:
    explicit MainBlock(StartEnvironment environment = {});
    ~MainBlock();

    // Shows the start window (its show step runs) and then runs its activate step, once.
    void showStartWindow(const std::function<void()> &onScreen = {});
    // Shows the start window and runs the event loop until the quit step ends it.
    // 'onScreen' runs once the start window is on screen, before its activate step.
    int run(const std::function<void()> &onScreen = {});

    ProgramState &state() { return m_state; }
    TFStart &startWindow() { return *m_start; }
    TFCalculator &drillWindow() { return *m_drill; }
    TFSwap &expertOptions() { return *m_swap; }
    TFColor &screenColours() { return *m_colours; }
    TFAbout &about() { return *m_about; }
    TPrintDlg &printDialog() { return *m_print; }
    SoundService &sound() { return m_sound; }
    TFSound &soundOptions() { return *m_soundOptions; }
    TFAudio &soundEditor() { return *m_soundEditor; }
    TFSoundTest &soundTest() { return *m_soundTest; }
    TFProgress &progressWindow(); // made at its first opening

private:
    ProgramState m_state;
    SoundService m_sound;
    std::unique_ptr<AnswerHistory> m_history; // outlives the drill window, which reports to it
    std::unique_ptr<TFStart> m_start;
    std::unique_ptr<TFCalculator> m_drill;
    std::unique_ptr<TPrintDlg> m_print;
    std::unique_ptr<TRecordDlg> m_record;
    std::unique_ptr<TAfterRecordDlg> m_afterRecord;
    std::unique_ptr<TFSwap> m_swap;
    std::unique_ptr<TFSound> m_soundOptions;
    std::unique_ptr<TFAudio> m_soundEditor;
    std::unique_ptr<WindowColours> m_windowColours; // what the two colour dialogs change
    std::unique_ptr<TFColor> m_colours;
    std::unique_ptr<Report> m_printAllWith;
    std::unique_ptr<Report> m_printAllWithout;
    std::unique_ptr<Report> m_printRandom;
    std::unique_ptr<TMakeBackGround> m_background;
    std::unique_ptr<TFAbout> m_about;
    std::unique_ptr<Report> m_printGrid;
    std::unique_ptr<TFSoundTest> m_soundTest;
    std::unique_ptr<TFProgress> m_progress;
};
