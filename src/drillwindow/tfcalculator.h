#pragma once

#include "colorvalue.h"
#include "drillsession.h"
#include "lazydialog.h"
#include "programstate.h"

#include <functional>
#include <memory>
#include <optional>

class DrillAnnouncer;
class TGradient;
class QtTimerBackend;
struct CalculatorUi;
class TRecordDlg;
class TAfterRecordDlg;

// The drill window: a pocket calculator on a gradient. It binds its controls to the drill engine
// (DrillSession) and shows what the engine decides; it holds no drill rule of its own. Its controls
// are made at its first showing; until then the steps' settings are kept and shown then.
class TFCalculator : public LazyDialog, private DrillHost
{
    Q_OBJECT

public:
    // The dialogs this window opens but does not own; each opens its dialog modally.
    struct Links
    {
        std::function<void()> openExpertOptions; // TFSwap
        std::function<void()> openSoundOptions;   // TFSound
        std::function<void()> openScreenColours;  // TFColor
        std::function<void()> openProgress = {};  // the progress map, on F9
    };

    // 'title' is the start window's title, which this window copies.
    TFCalculator(ProgramState &state, DrillSound &sound, const QString &title, QWidget *parent = nullptr);
    ~TFCalculator() override;

    void setLinks(Links links);
    void setRecordingDialogs(TRecordDlg *record, TAfterRecordDlg *afterRecord);

    // Reads the window's texts from the current language file: captions at once, the rest kept.
    void LoadCaptions();
    // Kept texts that the start window's help panel uses too.
    QString helpTitleText() const;
    QString helpCloseText() const;

    DrillSession &session();
    TGradient *gradient() const;                // Gradient1, the background, there from creation
    void setTopBarColor(ColorValue color);      // Panel16, Panel17 and Panel18
    void setTopBarLeftColor(ColorValue color);  // Panel16 alone
    void setGaugeColor(ColorValue color);       // Gauge1, until the next operation
    void setCalculatorColor(ColorValue color);  // Panel13
    void setSoundButtonEnabled(bool enabled);   // BitBtn8
    void setSoundButtonOn(bool on);             // BitBtn8's loudspeaker with or without rays
    // Selected index of the operation list, -1 when it has none (before the first showing).
    int operationIndex() const;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    // What the steps set on the controls, kept from creation for the controls made later.
    struct Look
    {
        std::optional<ColorValue> topBarLeft;  // Panel16; the design's colour until a step sets one
        std::optional<ColorValue> topBarRight; // Panel17 and Panel18
        ColorValue calculator = 0;             // Panel13
        bool soundButtonEnabled = true;        // BitBtn8
        std::optional<bool> soundButtonOn;     // BitBtn8's loudspeaker
    };

    void buildControls() override;
    void showTopBarColours();
    void arrangeControls();

    // DrillHost
    void refresh() override;
    void processEvents() override;
    void openRecordDialog() override;
    bool recordDialogVisible() const override;
    void closeRecordDialog() override;
    void openAfterRecordDialog() override;
    bool afterRecordDialogVisible() const override;
    void closeAfterRecordDialog() override;
    void showEraseMessage() override;

    void FormShow();
    void FormActivate();
    void FormClose();
    void fillOperationList();
    void openHelp();
    void closeHelp();
    void applyInformationTexts();
    void renderHideStates(const DrillDisplay &shown);
    void layoutHelpPanel();
    void connectControls();
    void applyCaptions();
    void render(const DrillDisplay &shown);
    void applyFocus(const DrillDisplay &shown);
    void step(const std::function<void()> &work);

    ProgramState &m_state;
    TGradient *m_gradient;
    Look m_look;
    std::unique_ptr<CalculatorUi> m_ui;          // made at the first showing
    std::unique_ptr<DrillAnnouncer> m_announcer; // what a screen reader hears; made with m_ui
    std::unique_ptr<QtTimerBackend> m_timer1, m_timer2, m_timer3;
    std::unique_ptr<DrillSession> m_session;
    Links m_links;
    TRecordDlg *m_recordDlg = nullptr;
    TAfterRecordDlg *m_afterRecordDlg = nullptr;
    Captions m_texts;
    int m_appliedFocusRequests = 0;
};
