#include "apperror.h"
#include "filebytes.h"
#include "soundfakes.h"
#include "soundfiles.h"
#include "soundservice.h"
#include "tempfolders.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Records every display the sound options dialog would draw.
struct RecordingOptionsView : SoundOptionsView
{
    QList<SoundOptionsDisplay> shown;
    int editorOpenings = 0;
    void showOptions(const SoundOptionsDisplay &display) override { shown.append(display); }
    void openEditor() override { ++editorOpenings; }
};

// The sound service on temporary folders: five sequences of real (tiny) files, fake players,
// and the windows' side recorded.
struct SoundSteps : ::testing::Test
{
    TempFolders temp;
    ProgramState state;
    FakeDevices devices;
    std::unique_ptr<SoundService> sound;
    FakeTestWindow testWindow;
    RecordingOptionsView view;
    QStringList messages;
    QList<bool> buttonPictures; // true: loudspeaker with rays
    int buttonDisabled = 0;

    SoundSteps()
    {
        state.folders = temp.folders();
        state.settings.Bouton = 1;
        TempFolders::put(temp.folders().program, "default.wav", "RIFF");
        for (int n = 1; n <= 5; ++n) {
            QStringList lines;
            for (int k = 0; k < 8; ++k) {
                const QString name = QStringLiteral("s%1e%2.wav").arg(n).arg(k);
                TempFolders::put(temp.folders().shared, "sound/" + name, "RIFF");
                lines.append("appdir\\sound\\" + name);
            }
            putSequence(n, lines);
        }
        TempFolders::put(temp.folders().user, "sys/SoundStr.txt", "Silence...\r\nChimes\r\nFanfare\r\nC\r\nD\r\nE\r\n");
        sound = std::make_unique<SoundService>(state, devices.make());
        sound->setLinks({
            .message = [this](const QString &text) { messages.append(text); },
            .setSoundButtonOn = [this](bool on) { buttonPictures.append(on); },
            .disableSoundButton = [this] { ++buttonDisabled; },
            .repaintStartWindow = {},
            .processEvents = {},
            .testWindow = &testWindow,
        });
        sound->options().setView(&view);
    }

    SoundContext &context() { return sound->context(); }
    SoundOptions &options() { return sound->options(); }
    qint8 &Bouton() { return state.settings.Bouton; }

    QString sequencePath(int n) const { return temp.folders().user + QStringLiteral("sys/Sound%1.txt").arg(n); }
    void putSequence(int n, const QStringList &lines)
    {
        TempFolders::put(temp.folders().user, QStringLiteral("sys/Sound%1.txt").arg(n), (lines.join("\r\n") + "\r\n").toLatin1());
    }
    QString soundFile(int n, int k) const { return temp.folders().shared + QStringLiteral("sound/s%1e%2.wav").arg(n).arg(k); }
    QString defaultWav() const { return temp.folders().program + "default.wav"; }
    QStringList defaults() const { return QStringList(8, defaultWav()); }
    QByteArray defaultsBytes() const { return (defaultWav() + "\r\n").toLatin1().repeated(8); }
    QString failure(const char *lastLine, const char *title) const
    {
        return QStringLiteral("Problem: file(s) not found! Please edit sequence \"%1\" now.\r\n%2").arg(title, lastLine);
    }
    static QList<int> progressOf(const QList<SoundOptionsDisplay> &shown)
    {
        QList<int> values;
        for (const SoundOptionsDisplay &d : shown) {
            if (d.progressVisible && (values.isEmpty() || values.last() != d.progress))
                values.append(d.progress);
        }
        return values;
    }
};

} // namespace

TEST_F(SoundSteps, SelectionChecksRepairsAndSavesTheSequence)
{
    QFile::remove(soundFile(2, 4));
    options().setSelection(2);

    EXPECT_EQ(Bouton(), 2); // at once, before OK
    EXPECT_EQ(progressOf(view.shown), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(std::any_of(view.shown.begin(), view.shown.end(), [](const SoundOptionsDisplay &d) { return d.status == "Testing..."; }));
    const SoundOptionsDisplay &last = view.shown.last();
    EXPECT_TRUE(last.listenEnabled && last.editEnabled && last.okEnabled);
    EXPECT_FALSE(last.progressVisible || last.noticeVisible);
    EXPECT_TRUE(last.status.isEmpty());

    QStringList expected;
    for (int k = 0; k < 8; ++k)
        expected.append(k == 4 ? defaultWav() : "appdir\\sound\\" + QStringLiteral("s2e%1.wav").arg(k));
    EXPECT_EQ(context().CurrentSequence, expected);
    EXPECT_EQ(SoundFiles::LoadSequence(temp.folders(), 2), expected);
    EXPECT_TRUE(messages.isEmpty()); // repaired silently
}

TEST_F(SoundSteps, SilenceThenSequenceAgainRunsTheCheckAgain)
{
    options().setSelection(1);
    options().setSelection(0);
    const SoundOptionsDisplay silence = view.shown.last();
    EXPECT_FALSE(silence.listenEnabled || silence.editEnabled);
    EXPECT_TRUE(silence.okEnabled && silence.noticeVisible);
    EXPECT_EQ(Bouton(), 1); // silence waits for OK

    QFile::remove(soundFile(1, 0));
    options().setSelection(1);
    EXPECT_EQ(SoundFiles::LoadSequence(temp.folders(), 1).first(), defaultWav());
}

TEST_F(SoundSteps, OkWithSilenceReadsNoSequence)
{
    for (int n = 1; n <= 5; ++n)
        QFile::remove(sequencePath(n));
    options().setSelection(0); // no change: nothing runs
    Bouton() = 3;
    options().BitBtn1Click();
    EXPECT_EQ(Bouton(), 0);
    EXPECT_EQ(buttonPictures, QList<bool>({false}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SoundSteps, OkLoadsTheChosenSequenceOrSwitchesOffWithoutAudio)
{
    options().setSelection(3);
    context().CurrentSequence = {"changed in memory"};
    options().BitBtn1Click();
    EXPECT_EQ(Bouton(), 3);
    EXPECT_EQ(buttonPictures.last(), true);
    EXPECT_EQ(context().CurrentSequence.first(), "appdir\\sound\\s3e0.wav"); // reloaded from its file
    EXPECT_EQ(context().currentSequenceFile(), "sys\\sound3.TXT");

    devices.audio->devices = 0;
    context().CurrentSequence = {"kept"};
    options().BitBtn1Click();
    EXPECT_EQ(messages, QStringList({"No audio device on this system !"}));
    EXPECT_EQ(Bouton(), 0);
    EXPECT_EQ(buttonDisabled, 1);
    EXPECT_EQ(context().CurrentSequence, QStringList({"kept"}));
}

TEST_F(SoundSteps, ActivationLoadsTitlesAndFollowsBouton)
{
    Bouton() = 3;
    options().FormActivate();
    const SoundOptionsDisplay &shown = view.shown.last();
    EXPECT_EQ(shown.items, QStringList({"Silence...", "Chimes", "Fanfare", "C", "D", "E"}));
    EXPECT_EQ(shown.selection, 3);
    EXPECT_TRUE(shown.listenEnabled && shown.editEnabled);
    EXPECT_FALSE(shown.noticeVisible);
    EXPECT_EQ(buttonPictures.last(), true);

    // A titles file that cannot be read leaves the list as it was.
    QFile::remove(temp.folders().user + "sys/SoundStr.txt");
    EXPECT_THROW(options().FormActivate(), AppError);
    EXPECT_EQ(context().SequenceTitles.at(2), "Fanfare");
}

TEST_F(SoundSteps, SelectionOfAnUnreadableSequenceStopsWithButtonsDisabled)
{
    QFile::remove(sequencePath(4));
    try {
        options().setSelection(4);
        FAIL() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.text(), "Cannot open file " + sequencePath(4));
    }
    const SoundOptionsDisplay &shown = view.shown.last();
    EXPECT_FALSE(shown.listenEnabled || shown.editEnabled || shown.okEnabled);
    EXPECT_EQ(Bouton(), 1);
}

TEST_F(SoundSteps, ListenPlaysTheWholeSequenceAndReportsFailuresOnce)
{
    Bouton() = 2;
    context().browserFile = "/some/browser/file.wav";
    options().BitBtn8Click();
    QStringList expected;
    for (int k = 0; k < 8; ++k)
        expected.append(soundFile(2, k));
    EXPECT_EQ(devices.played, expected);
    EXPECT_TRUE(devices.MP2->waited);
    EXPECT_EQ(progressOf(view.shown), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(devices.MP2->fileName(), "/some/browser/file.wav");
    EXPECT_TRUE(messages.isEmpty());

    devices.played.clear();
    putSequence(2, {"appdir\\sound\\s2e0.wav", "appdir\\sound\\gone.wav", "appdir\\sound\\s2e2.wav"});
    options().BitBtn8Click();
    EXPECT_EQ(devices.played, QStringList({soundFile(2, 0), soundFile(2, 2)}));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains("gone.wav"));
    const SoundOptionsDisplay &shown = view.shown.last();
    EXPECT_TRUE(shown.listenEnabled && shown.editEnabled && shown.okEnabled && shown.listEnabled);
}

TEST_F(SoundSteps, EditLoadsTheSequenceAndReactivatesAfterTheEditor)
{
    Bouton() = 5;
    options().BitBtn3Click();
    EXPECT_EQ(view.editorOpenings, 1);
    EXPECT_EQ(context().currentSequenceFile(), "sys\\sound5.TXT");
    EXPECT_EQ(context().CurrentSequence.first(), "appdir\\sound\\s5e0.wav");
}

TEST_F(SoundSteps, MakeSoundPlaysTheEventToItsEnd)
{
    context().CurrentSequence = SoundFiles::LoadSequence(temp.folders(), 1);
    sound->makeSound(3);
    EXPECT_EQ(devices.played, QStringList({soundFile(1, 3)}));
    EXPECT_TRUE(devices.MP2->waited);
    EXPECT_FALSE(devices.MP2->isOpen); // closed after playing

    context().CurrentSequence = context().CurrentSequence.mid(0, 4);
    sound->makeSound(6); // no entry: nothing plays
    Bouton() = 0;
    sound->makeSound(2);
    EXPECT_EQ(devices.played.size(), 1);

    sound->playMentalSound();
    EXPECT_EQ(devices.audio->background, QStringList({defaultWav()})); // Default.wav in any letter case
}

TEST_F(SoundSteps, StartAndQuitSounds)
{
    context().CurrentSequence = SoundFiles::LoadSequence(temp.folders(), 1);
    EXPECT_TRUE(sound->playStartSound());
    EXPECT_TRUE(sound->playQuitSound());
    EXPECT_EQ(devices.played, QStringList({soundFile(1, 1), soundFile(1, 7)}));
    devices.MP2->broken = QStringList({"s1e1.wav"});
    EXPECT_FALSE(sound->playStartSound());
    context().CurrentSequence = context().CurrentSequence.mid(0, 1);
    EXPECT_FALSE(sound->playStartSound()); // no entry 1
}

TEST_F(SoundSteps, StartUpWithSoundPlaysTheWelcomeSoundOnce)
{
    sound->PlayWelcomeSound();
    EXPECT_EQ(options().display().selection, 1);
    EXPECT_EQ(devices.played, QStringList({soundFile(1, 0)}));
    EXPECT_FALSE(sound->welcomeSoundPending());
    EXPECT_FALSE(devices.MP2->isOpen || devices.MP3->isOpen);

    // Shown again later: the sequence is reloaded, nothing plays.
    context().CurrentSequence.clear();
    sound->PlayWelcomeSound();
    EXPECT_EQ(devices.played.size(), 1);
    EXPECT_EQ(context().CurrentSequence.size(), 8);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SoundSteps, WithSoundOffNothingIsReadOrPlayed)
{
    Bouton() = 0;
    for (int n = 1; n <= 5; ++n)
        QFile::remove(sequencePath(n));
    sound->PlayWelcomeSound();
    sound->setWelcomeSoundPending(false);
    sound->TestSoundFiles();
    EXPECT_TRUE(sound->welcomeSoundPending()); // still set by the check
    EXPECT_TRUE(devices.played.isEmpty());
    EXPECT_EQ(testWindow.shows, 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SoundSteps, FileCheckRepairsInMemoryOnly)
{
    options().setSelection(1); // the show step has already checked and saved the sequence
    const QByteArray onDisk = fileBytes(sequencePath(1));
    QFile::remove(soundFile(1, 3));
    sound->TestSoundFiles();
    EXPECT_EQ(testWindow.progress, QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_FALSE(testWindow.shown);
    EXPECT_EQ(context().CurrentSequence.at(3), defaultWav());
    EXPECT_EQ(fileBytes(sequencePath(1)), onDisk);
    EXPECT_TRUE(sound->welcomeSoundPending());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SoundSteps, MissingSequenceAtStartUpIsReportedThenReset)
{
    QFile::remove(sequencePath(1));
    context().SequenceTitles = SoundFiles::LoadTitles(temp.folders());
    // The show step: the selection step cannot read the file; the error ends the show step.
    try {
        sound->PlayWelcomeSound();
        FAIL() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.text(), "Cannot open file " + sequencePath(1));
    }
    EXPECT_TRUE(sound->welcomeSoundPending());
    // The activate step's file check resets the sequence.
    sound->TestAudio();
    sound->TestSoundFiles();
    EXPECT_EQ(messages, QStringList({failure("This sequence has been reset to sound defaults.", "Chimes")}));
    EXPECT_EQ(fileBytes(sequencePath(1)), defaultsBytes());
    EXPECT_EQ(context().CurrentSequence, defaults());
    EXPECT_TRUE(sound->welcomeSoundPending());
}

TEST_F(SoundSteps, SequenceDeletedDuringTheDrillIsResetByTheWelcomeSound)
{
    context().SequenceTitles = SoundFiles::LoadTitles(temp.folders());
    sound->PlayWelcomeSound();
    ASSERT_FALSE(sound->welcomeSoundPending());
    QFile::remove(sequencePath(1));
    sound->PlayWelcomeSound();
    EXPECT_EQ(messages, QStringList({failure("This sequence was reset to sound defaults.", "Chimes")}));
    EXPECT_EQ(fileBytes(sequencePath(1)), defaultsBytes());
    EXPECT_EQ(Bouton(), 1);
}

TEST_F(SoundSteps, WelcomeSoundThatCannotPlayKeepsTheFlag)
{
    devices.MP2->broken = QStringList({"s1e0.wav"});
    options().setSelection(1); // repairs entry 0 into default.wav...
    devices.MP2->broken.append("default.wav"); // ...which cannot play either
    sound->PlayWelcomeSound();
    EXPECT_TRUE(sound->welcomeSoundPending());
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(fileBytes(sequencePath(1)), defaultsBytes());
}

TEST_F(SoundSteps, NoAudioDeviceAtStartUp)
{
    devices.audio->devices = 0;
    const QByteArray onDisk = fileBytes(sequencePath(1));
    sound->PlayWelcomeSound(); // nothing can play: no failure message, no reset
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(devices.played.isEmpty());
    sound->TestAudio();
    EXPECT_EQ(messages, QStringList({"No audio device on this system !"}));
    EXPECT_EQ(buttonDisabled, 1);
    EXPECT_EQ(Bouton(), 0);
    sound->TestSoundFiles();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(fileBytes(sequencePath(1)), onDisk);
}

TEST_F(SoundSteps, DrillModeChangeAppliesTheSoundOptionWhileTheDialogIsHidden)
{
    Bouton() = 4;
    sound->applySoundOption();
    EXPECT_EQ(options().display().selection, 4);
    EXPECT_EQ(context().currentSequenceFile(), "sys\\sound4.TXT");
    EXPECT_EQ(context().CurrentSequence.first(), "appdir\\sound\\s4e0.wav");
}
