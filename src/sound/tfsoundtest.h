#pragma once

#include "soundcontext.h"

#include <QWidget>

class QProgressBar;

// The small "Testing..." window shown, without blocking, while the start-up check opens each
// file of the sequence.
class TFSoundTest : public QWidget, public SoundTestView
{
    Q_OBJECT

public:
    explicit TFSoundTest(QWidget *parent = nullptr);

    void showTesting() override;
    void setTestingProgress(int value) override;
    void closeTesting() override;
    bool testingShown() const override;

private:
    QProgressBar *PB1;
};
