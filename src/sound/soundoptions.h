#pragma once

#include <QString>
#include <QStringList>

class SoundContext;

// What the sound options dialog shows.
struct SoundOptionsDisplay
{
    QStringList items;          // RadioGroup1: silence, then the five sequence titles
    int selection = 0;          // RadioGroup1's selected item
    bool listEnabled = true;    // RadioGroup1
    bool listenEnabled = false; // BitBtn8
    bool editEnabled = false;   // BitBtn3
    bool okEnabled = true;      // BitBtn1
    bool noticeVisible = true;  // Label1, the silence notice
    bool progressVisible = false;
    int progress = 0;           // PB, 0 to 7
    QString status;             // Label2, empty while hidden
};

// The sound options dialog as it is drawn, or nothing while it does not exist.
class SoundOptionsView
{
public:
    virtual ~SoundOptionsView() = default;
    // Puts the display on screen now.
    virtual void showOptions(const SoundOptionsDisplay &shown) = 0;
    // The sequence editor, modally; returns when it is closed.
    virtual void openEditor() = 0;
};

// Every step of the sound options dialog TFSound. They run while the dialog is hidden too: the
// drill window runs the OK step when its mode changes, the start window sets the selection.
class SoundOptions
{
public:
    explicit SoundOptions(SoundContext &context);

    void setView(SoundOptionsView *view) { m_view = view; }
    const SoundOptionsDisplay &display() const { return m_display; }

    // Sets the list's selection; a real change runs the selection step.
    void setSelection(int n);
    void FormActivate();
    void RadioGroup1Click(); // the selection step
    void BitBtn8Click();     // Listen
    void BitBtn3Click();     // Edit
    void BitBtn1Click();     // the OK step, without closing the dialog

    // A title changed by the editor shows in the list at once.
    void setItem(int n, const QString &title);

private:
    void showSelectionState();
    void loadFromBouton();
    void refresh();

    SoundContext &m_context;
    SoundOptionsView *m_view = nullptr;
    SoundOptionsDisplay m_display;
};
