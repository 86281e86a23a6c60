#pragma once

#include "calculatorui.h"
#include "drillwidgets.h"
#include "soundservice.h"
#include "tfcalculator.h"
#include "trecorddlg.h"
#include "userinterface.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// Counts the drill's sounds instead of playing them.
struct CountingSound : DrillSound
{
    QList<int> events;
    int beeps = 0;
    void makeSound(int event) override { events.append(event); }
    void playMentalSound() override {}
    void beep() override { ++beeps; }
    void applySoundOption() override {}
};

// The drill window and its recording dialogs over the installed data of the build tree and a
// temporary user folder; messages are collected instead of shown.
struct DrillWindow : ::testing::Test
{
    QTemporaryDir home;
    ProgramState state;
    CountingSound sound;
    QStringList messages;
    std::unique_ptr<TFCalculator> window;
    std::unique_ptr<TRecordDlg> record;
    std::unique_ptr<TAfterRecordDlg> afterRecord;

    explicit DrillWindow(const QString &language = QStringLiteral("en"))
    {
        state.folders = DataFolders::fromProgramFolder(QStringLiteral(QUORVEL_STAGE_DIR "/lib/quorvel"), home.path());
        state.settings.Language = language;
        state.settings.Range = 1;
        state.settings.Timer1 = 3;
        state.settings.Timer2 = 1;
        state.settings.Jauge = true;
        state.settings.Bouton = 1;
        state.settings.CalcColor = state.settings.Couleur = Settings::kDefaultColor;
        state.LBChoice = {"7"};
        state.LBRange = {"3"}; // one multiplier: every operation is 3 x 7 in multiply mode
        UserInterface::setOverrides({[this](const QString &text) { messages.append(text); }, {}});
        window = std::make_unique<TFCalculator>(state, sound, "Quorvel");
        record = std::make_unique<TRecordDlg>(state, window->session(), window.get());
        afterRecord = std::make_unique<TAfterRecordDlg>(state, window->session(), window.get());
        window->setRecordingDialogs(record.get(), afterRecord.get());
    }
    ~DrillWindow() override { UserInterface::setOverrides({}); }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        T *w = window->findChild<T *>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    QString text(const char *label) const { return find<QLabel>(label)->text(); }
    QLineEdit *answer() const { return find<QLineEdit>("Ans"); }
    void click(const char *button) { QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton); }
    void open()
    {
        window->show();
        QApplication::processEvents();
    }
    // Runs 'step' once the next modal dialog is on screen.
    static void whenModal(std::function<void(QWidget *)> step)
    {
        QTimer::singleShot(0, [step] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_TRUE(modal);
            step(modal);
        });
    }
};
