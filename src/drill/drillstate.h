#pragma once

#include <QString>

// The drill's record for the whole run; it survives closing and reopening the drill window.
struct DrillState
{
    qint16 Expected = 0;   // the answer judged right
    qint16 Multiplier = 0; // drawn multiplier; while replaying, the first operand shown
    qint16 Table = 0;      // drawn table; while replaying, the second operand shown
    qint32 OpCount = 0;    // operations presented since the last reset
    qint32 ErrCount = 0;   // errors since the last reset
    double Mark = 0;       // last mark out of 10
    QString MarkText;      // Mark as shown; empty until the first mark
    QString FirstText;     // operand left of the operator
    QString SecondText;    // operand right of the operator
    bool Mental = false;   // mental-calculation mode
    qint8 RecCount = 0;    // operations or errors counted by the recording
    qint8 PrevMultiplier = 0;
    bool Replaying = false;
    QString Operator;      // "x" or the division sign; empty at program start
};
