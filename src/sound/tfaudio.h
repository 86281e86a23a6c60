#pragma once

#include "languagecatalog.h"
#include "lazydialog.h"
#include "programstate.h"

#include <array>
#include <functional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;
class SoundContext;
class SoundOptions;
class SoundService;

// The sound sequence editor: the title of the selected sequence and, for each of its eight
// events, the sound file that plays, chosen in a file browser at the window's right. It works
// on the shared in-memory sequence and titles of SoundContext.
class TFAudio : public LazyDialog
{
    Q_OBJECT

public:
    TFAudio(ProgramState &state, SoundService &sound, QWidget *parent = nullptr);
    ~TFAudio() override;

    // Reads and keeps the texts; they are applied when the editor is next shown.
    void LoadCaptions();
    // Shows the editor modally and runs its activate step; returns when OK closed it.
    int exec() override;

    // The Yes/No question of the OK step; tests answer it instead of a message box.
    void setConfirm(std::function<bool(const QString &question)> confirm) { m_confirm = std::move(confirm); }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls() override;
    void buildMainArea();
    void buildBrowser();
    void step(const std::function<void()> &work);

    void FormCreate();
    void FormShow();
    void FormActivate();
    void RadioGroup1Click(); // the event step
    void Edit1Exit();        // the title step
    void MP3Click(bool play);
    void BitBtn1Click();     // opens the browser
    void BitBtn3Click();     // closes the browser
    void BitBtn4Click();     // associates the selected file with the selected event
    void BitBtn2Click();     // OK
    void MP2Click(bool play);

    // File browser.
    void fillDrives();
    void DriveComboBox1Change();
    void setFolder(const QString &folder); // makes a folder current: DirectoryListBox1Change
    void fillFolderTree();
    void fillFileList();
    void FileListBox1Click();
    void FileListBox1DblClick();
    QString selectedFile() const;
    QString driveRoot() const;
    void selectFirstFile();

    int selectedEvent() const;
    QString eventName(int event) const;
    QString sequenceTitle() const;
    void showEntry(int event);
    void applyCaptions();

    static constexpr int kBrowserLeft = 423;  // the browser lies beyond the narrow window's edge
    static constexpr int kClientHeight = 437;
    static constexpr int kNarrowWidth = 419; // client width while the browser is hidden (427 outside)
    static constexpr int kWideWidth = 626;   // with the browser (634 outside)

    ProgramState &m_state;
    SoundContext &m_context;
    SoundOptions &m_options;
    Captions m_texts;
    bool m_changed = false;
    bool m_eventNamesRead = false; // the show step's texts are set only after the names were read
    QString m_folder;              // the browser's current folder
    std::function<bool(const QString &)> m_confirm;

    QLabel *Label8 = nullptr; // label of the title field
    QLineEdit *Edit1 = nullptr; // the sequence's title
    QLabel *Label9 = nullptr; // limit note after the title field
    QGroupBox *RadioGroup1 = nullptr; // the event list
    QButtonGroup *m_events = nullptr;
    std::array<QRadioButton *, 8> m_eventItems{};
    QLabel *Label2 = nullptr; // label of the associated file
    QLabel *Label3 = nullptr; // path of the file associated with the selected event
    QPushButton *MP3Play = nullptr, *MP3Stop = nullptr; // the preview player's buttons
    QPushButton *BitBtn1 = nullptr; // opens the file browser
    QPushButton *BitBtn2 = nullptr; // OK
    QWidget *Panel1 = nullptr; // the file browser
    QGroupBox *GroupBox3 = nullptr; // frame of the browser
    QComboBox *DriveComboBox1 = nullptr; // the mounted volumes
    QLabel *Label1 = nullptr; // path of the current folder
    QTreeWidget *DirectoryListBox1 = nullptr; // the current folder's path as a tree, with its sub-folders
    QLabel *Label7 = nullptr; // label of the file list
    QListWidget *FileListBox1 = nullptr; // WAV and MP3 files of the current folder
    QPushButton *MP2Play = nullptr, *MP2Stop = nullptr; // the sequence player's buttons, for the selected file
    QPushButton *BitBtn4 = nullptr; // Associate
    QPushButton *BitBtn3 = nullptr; // closes the browser
};
