#pragma once

#include "drillsession.h"
#include "fakes.h"

#include <gtest/gtest.h>


// Each kept text is its own key, so the tests see which text is shown.
inline Captions keyNames()
{
    QStringList texts;
    for (const CaptionKey &key : CaptionSections::FCalculator.keys)
        texts.append(QString::fromLatin1(key.key));
    return Captions(CaptionSections::FCalculator, texts);
}

// A drill engine with scripted randomness, manual timers and fake dialogs and sounds.
struct DrillRig
{
    Settings settings;
    QStringList tables{"7"};
    QStringList multipliers{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    ScriptedRandom random;
    FakeHost host;
    FakeSound sound;
    ManualTimer t1, t2, t3;
    DrillSession session{{settings, tables, multipliers, random, host, sound, t1, t2, t3}};
    const DrillDisplay &shown = session.display();
    const DrillState &state = session.state();

    DrillRig()
    {
        settings.Language = "en";
        settings.Range = 1;
        settings.Timer1 = 3;
        settings.Timer2 = 1;
        settings.Jauge = true;
        settings.Bouton = 1;
        session.setTexts(keyNames());
        session.setLocale(QLocale(QLocale::English));
        session.created();
        session.shown(0);
    }

    // Scripts the draws of the next operation, 'multiplier' × 7 in multiply mode; 0 scripts nothing.
    void next(int multiplier)
    {
        if (multiplier > 0)
            random.values << multiplier - 1 << 0;
    }
    void open(int multiplier)
    {
        next(multiplier);
        session.presentOperation();
    }
    void answer(const QString &text, int nextMultiplier)
    {
        session.setAnswerText(text);
        next(nextMultiplier);
        session.confirmAnswer();
    }
};

struct Drill : ::testing::Test, DrillRig
{
};
