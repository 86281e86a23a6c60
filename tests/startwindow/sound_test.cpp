#include "soundservice.h"
#include "startfixture.h"

#include <QLineEdit>
#include <QRadioButton>

namespace {

QString installedSound(const StartProgram &test, const char *name)
{
    return test.temp.folders().shared + "sound/" + name;
}

} // namespace

TEST_F(StartProgram, SoundOnTheWelcomeStartAnswerAndQuitSoundsPlay)
{
    install();
    putUser("sys/choices.txt", "7\r\n");
    start();
    EXPECT_EQ(sound.played, QStringList({installedSound(*this, "chimes-welcome.wav")}));
    EXPECT_FALSE(program->sound().welcomeSoundPending());
    EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join('\n'));

    whenModal([](QWidget *drill) {
        auto *answer = drill->findChild<QLineEdit *>("Ans");
        QTest::keyClicks(answer, "999");
        QTest::keyClick(answer, Qt::Key_Return);
        QTest::mouseClick(drill->findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
    });
    click("BitBtn2");
    EXPECT_EQ(sound.played.mid(1, 2), QStringList({installedSound(*this, "chimes-start.wav"), installedSound(*this, "chimes-wrong.wav")}));
    click("BitBtn1");
    EXPECT_EQ(sound.played.last(), installedSound(*this, "chimes-quit.wav"));
    EXPECT_TRUE(sound.MP2->waited);
}

TEST_F(StartProgram, SilenceChosenInTheSoundOptionsDialogDuringADrill)
{
    install();
    putUser("sys/choices.txt", "7\r\n");
    start();
    whenModal([](QWidget *drill) {
        whenModal([](QWidget *options) {
            options->findChild<QRadioButton *>("RadioGroup1Item0")->click();
            QTest::mouseClick(options->findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
        });
        QTest::mouseClick(drill->findChild<QPushButton *>("BitBtn8"), Qt::LeftButton);
        auto *answer = drill->findChild<QLineEdit *>("Ans");
        EXPECT_EQ(drill->focusWidget(), answer);
        QTest::keyClicks(answer, "999");
        QTest::keyClick(answer, Qt::Key_Return);
        QTest::mouseClick(drill->findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
    });
    click("BitBtn2");
    EXPECT_EQ(state().settings.Bouton, 0);
    EXPECT_EQ(sound.played.size(), 2); // the welcome and start sounds, then silence
}

TEST_F(StartProgram, NoAudioDeviceSwitchesSoundOffAtStartUp)
{
    install();
    sound.audioDevices = 0;
    putUser("sys/choices.txt", "7\r\n"); // a table chosen, so Start opens the drill window
    start();
    EXPECT_EQ(messages, QStringList({"No audio device on this system !"}));
    EXPECT_EQ(state().settings.Bouton, 0);
    bool soundButtonEnabled = true;
    whenModal([&](QWidget *drill) {
        soundButtonEnabled = drill->findChild<QPushButton *>("BitBtn8")->isEnabled();
        QTest::mouseClick(drill->findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
    });
    click("BitBtn2");
    EXPECT_FALSE(soundButtonEnabled);
    EXPECT_TRUE(sound.played.isEmpty());
}
