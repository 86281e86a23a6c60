#pragma once

#include "languagecatalog.h"
#include "programstate.h"
#include "startenvironment.h"
#include "tablechoice.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class SoundService;
class TFAbout;
class TFCalculator;
class TFSwap;
class TGradient;

// The start window: the child ticks the tables and starts the drill, prints, opens the expert
// options, switches the language or quits. Its create step does the program's start-up work
// (folders, language, settings, last choice of tables); its quit step saves everything.
class TFStart : public QMainWindow
{
    Q_OBJECT

public:
    // The windows created after this one.
    struct Links
    {
        TFCalculator *drillWindow = nullptr;
        TFSwap *expertOptions = nullptr;
        TFAbout *about = nullptr;
        std::function<void()> openPrintDialog; // shows TPrintDlg modally
        std::function<void()> openProgress;    // the progress map
        std::function<void()> drillStarting;   // before the drill window opens
        // LoadCaptions of every other window, in the order a language switch reloads them.
        std::vector<std::function<void()>> reloadCaptions;
    };

    // Runs the create step; an error in it is shown and the window opens all the same.
    TFStart(ProgramState &state, SoundService &sound, StartEnvironment environment = {});
    ~TFStart() override;

    void setLinks(Links links);

    // The activate step. Qt also activates a window when one of its dialogs closes, so this is
    // not bound to activation: the main block runs it once, right after the first show.
    void FormActivate();

    void LoadCaptions();
    TGradient *gradient() const; // Gradient1, the background
    QAction *progressItem() const; // the File menu's progress map item

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Controls;

    void connectControls();
    void step(const std::function<void()> &work);

    void FormCreate();
    void FormShow();
    void FormResize();
    void SetConfig();
    void restoreTables();
    void enableLanguageItems();
    void tickLanguageItem(int index);
    void applyCaptions();

    void CheckBoxClick();
    void CanGo();
    void GlobalCheck();  // Select all
    void BitBtn4Click(); // Inverse selection
    void BitBtn2Click(); // Start
    bool QuitClick();    // the Quit action wherever it comes from; true when the program is ending
    void BitBtn1Click(); // the quit step
    void saveSettings();
    void languageItemClick(int index);
    void UpdateLanguage();
    void Help1Click();
    void Label3Click();

    QString settingsPath() const;
    QString choicePath() const;

    ProgramState &m_state;
    SoundService &m_sound;
    StartEnvironment m_env;
    std::unique_ptr<Controls> m_ui;
    Links m_links;
    Captions m_texts;
    TableChoice::RestoredTables m_LBTmp; // what the choice file ticks, read at start-up
    bool m_choicesRead = false;         // the choice file was read by the create step
    bool m_settingsLoaded = false;      // the settings file was read by the create step
    bool m_ending = false;              // the quit step has ended the program
};
