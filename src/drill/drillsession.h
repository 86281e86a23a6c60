#pragma once

#include "answerlog.h"
#include "boundedvalue.h"
#include "drilldisplay.h"
#include "drillhost.h"
#include "drillstate.h"
#include "drilltimer.h"
#include "languagecatalog.h"
#include "settings.h"
#include "spokensummary.h"

#include <QLocale>
#include <QStringList>

class RandomSource;

// What the recording dialog's radio buttons choose.
enum class RecordMode { Stop, NextOperations, NextErrors };

// The drill engine: presents operations, judges answers, keeps counters, mark and clocks,
// and records and replays operations. It holds the values of the drill window's controls and
// tells the window what to show through DrillDisplay; it contains no widget code.
class DrillSession
{
public:
    struct Links
    {
        Settings &settings;
        const QStringList &tables;      // chosen tables (the start window's LBChoice)
        const QStringList &multipliers; // allowed multipliers (LBRange)
        RandomSource &random;
        DrillHost &host;
        DrillSound &sound;
        TimerBackend &thinkingTimer; // Timer1
        TimerBackend &displayTimer;  // Timer2
        TimerBackend &gaugeTimer;    // Timer3
    };

    static constexpr int kAnswerLength = 3;
    static constexpr int kGaugeStepMs = 105;
    static constexpr int kMinRecordTarget = 10;
    static constexpr int kMaxRecordTarget = 100;

    explicit DrillSession(const Links &links);
    DrillSession(const DrillSession &) = delete;
    DrillSession &operator=(const DrillSession &) = delete;

    // Kept texts of the drill window's language section.
    void setTexts(const Captions &texts);
    void setLocale(const QLocale &locale) { m_locale = locale; }
    // Where each judged answer is reported; nullptr reports nowhere.
    void setAnswerLog(AnswerLog *log) { m_answerLog = log ? log : &m_noAnswerLog; }

    const DrillState &state() const { return m_state; }
    const DrillDisplay &display() const { return m_display; }
    bool engaged() const { return m_display.stopwatchPanelVisible; }
    int countdownSwitch() const { return m_countdown.value(); } // TrackBar1: 1 off, 2 on
    const DrillTimer &thinkingTimer() const { return m_timer1; }
    const DrillTimer &displayTimer() const { return m_timer2; }

    // Window life.
    void created();
    void shown(int savedOperationIndex);
    void presentOperation();
    void closing();

    // Answer field and keypad.
    static bool isAcceptableAnswer(const QString &text);
    void setAnswerText(const QString &text);
    void appendDigit(int digit);
    void clearAnswer();
    void confirmAnswer();
    void showAnswer();
    void revealNow();

    // Counters, stopwatch and modes.
    void reset();
    void toggleStopwatch();
    void disengageIfEngaged();
    void selectOperation(int index);
    void operationListOpened();
    void setThinkingTime(int seconds) { m_thinkingTime.set(seconds); }
    void setDisplayTimePosition(int position) { m_displayTime.set(position); }
    void setGaugeChoice(int index) { m_gaugeChoice.set(index); }
    void setModeChoice(int index) { m_modeChoice.set(index); }
    // The hide links under the mental-mode panel's texts and the information texts; kept in the settings.
    void toggleLeftTexts();
    void toggleRightTexts();
    // After a dialog opened from the drill window: the reveal button in mental mode, else the answer.
    void focusAfterDialog();
    // The screen colours dialog's gauge colour; the next operation takes Couleur again.
    void setGaugeColor(ColorValue color);

    // Timers firing.
    void thinkingTimeOut();
    void displayTimeOut();
    void gaugeStep();

    // Recording and review.
    RecordMode recordMode() const { return m_recordMode; }
    int recordTarget() const { return m_recordTarget; }
    const QStringList &recordedOperations() const { return m_recorded; }
    void setRecordChoice(RecordMode mode, int target);
    void recordButton();
    void recordChoiceConfirmed();
    void review();
    void erase();

private:
    // Refreshes the window once the outermost engine step ends.
    class Step
    {
    public:
        explicit Step(DrillSession &session) : m_session(session) { ++m_session.m_stepDepth; }
        ~Step()
        {
            if (--m_session.m_stepDepth == 0)
                m_session.refreshNow();
        }

    private:
        DrillSession &m_session;
    };

    enum class Outcome { Right = 2, Wrong = 3, RightLate = 4, WrongLate = 5, Late = 6 };

    QString text(QStringView key) const;
    QString outcomeText(Outcome outcome) const;
    QString markLabel() const;
    QString operationWithAnswer() const; // "3 x 7 = 21"
    void focus(DrillFocus target);
    void refreshNow();

    // Steps shared by several handlers.
    void showCalcString(Outcome outcome);
    void calcMark();
    void resetCounters();
    void engage();
    void disengage();
    void chronoOn();
    void chronoOff();
    void showWrittenModeControls();
    void setGauge();
    void advanceGauge();
    int displayTimeMs() const;
    void drawOrReplay();
    bool recording() const { return m_recordMode != RecordMode::Stop; }
    bool answerDiffersFromExpected() const;
    void reportAnswer(Verdict verdict, const QString &typed);
    void countRecording(bool error);
    void recordAndMaybeEnd();

    // Change steps of the controls.
    void thinkingTimeChanged(int seconds);
    void displayTimeChanged(int position);
    void gaugeChoiceChanged(int index);
    void modeChoiceChanged(int index);
    void countdownChanged(int position);

    Links m_links;
    Settings &m_settings;
    DrillState m_state;
    DrillDisplay m_display;
    Captions m_texts;
    QLocale m_locale;

    DrillTimer m_timer1;
    DrillTimer m_timer2;
    DrillTimer m_timer3;

    BoundedValue m_thinkingTime{1, 15, 3}; // SpinEdit1
    BoundedValue m_displayTime{1, 4, 1};   // TrackBar2
    BoundedValue m_gaugeChoice{0, 1, 0};   // RadioGroup1
    BoundedValue m_modeChoice{0, 1, 0};    // RadioGroup2
    BoundedValue m_countdown{1, 2, 1};     // TrackBar1

    RecordMode m_recordMode = RecordMode::Stop;
    int m_recordTarget = kMinRecordTarget;
    QStringList m_recorded; // Memo1
    SpokenSummary m_spoken; // said when the outermost step ends

    AnswerLog m_noAnswerLog;
    AnswerLog *m_answerLog = &m_noAnswerLog;
    bool m_answerShown = false; // "show answer" was used on the current operation

    int m_stepDepth = 0;
    bool m_inThinkingTimeOut = false;
    bool m_soundPlaying = false;
};
