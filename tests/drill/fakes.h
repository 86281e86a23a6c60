#pragma once

#include "drillhost.h"
#include "drilltimer.h"
#include "randomsource.h"

#include <QList>
#include <functional>
#include <gtest/gtest.h>

// Hands out scripted values and remembers the range of every draw.
class ScriptedRandom : public RandomSource
{
public:
    QList<int> values;
    QList<int> ranges;
    int unscripted = 0;

    int random(int n) override
    {
        ranges.append(n);
        if (values.isEmpty()) {
            ADD_FAILURE() << "unexpected draw in 0.." << n - 1;
            return unscripted++ % n; // changing values, so a draw that avoids a repeat still ends
        }
        const int v = values.takeFirst();
        EXPECT_LT(v, n) << "scripted value out of range";
        return v;
    }
};

// A timer that only says whether it runs and with which interval; tests fire it by hand.
class ManualTimer : public TimerBackend
{
public:
    bool running = false;
    int interval = 0;
    int starts = 0;

    void start(int milliseconds) override
    {
        running = true;
        interval = milliseconds;
        ++starts;
    }
    void stop() override { running = false; }
};

class FakeHost : public DrillHost
{
public:
    int refreshes = 0;
    int processedEvents = 0;
    int eraseMessages = 0;
    bool recordVisible = false;
    bool afterVisible = false;
    int afterDialogsOpened = 0;
    std::function<void()> onRecordDialog; // the child's choice in the recording dialog
    std::function<void()> onAfterDialog;  // Review or Erase

    void refresh() override { ++refreshes; }
    void processEvents() override { ++processedEvents; }
    void openRecordDialog() override
    {
        recordVisible = true;
        if (onRecordDialog)
            onRecordDialog();
        recordVisible = false;
    }
    bool recordDialogVisible() const override { return recordVisible; }
    void closeRecordDialog() override { recordVisible = false; }
    void openAfterRecordDialog() override
    {
        ++afterDialogsOpened;
        afterVisible = true;
        if (onAfterDialog)
            onAfterDialog();
        afterVisible = false;
    }
    bool afterRecordDialogVisible() const override { return afterVisible; }
    void closeAfterRecordDialog() override { afterVisible = false; }
    void showEraseMessage() override { ++eraseMessages; }
};

class FakeSound : public DrillSound
{
public:
    QList<int> events;
    int mentalSounds = 0;
    int beeps = 0;
    int soundOptionReloads = 0;
    std::function<void(int)> onSound;

    void makeSound(int event) override
    {
        events.append(event);
        if (onSound)
            onSound(event);
    }
    void playMentalSound() override { ++mentalSounds; }
    void beep() override { ++beeps; }
    void applySoundOption() override { ++soundOptionReloads; }
};
