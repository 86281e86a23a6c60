#pragma once

#include "answerlog.h"

#include <QtGlobal>

// One stored answer: what the engine judged, when, and how long the child thought.
struct AnswerRecord
{
    qint64 moment = 0; // milliseconds since 1970 UTC, when the verdict was given
    JudgedAnswer judged;
    qint64 thinkingMs = 0; // from the operation being shown to the verdict
};

// Where answer records go; the history store is the real one, tests use a fake.
class AnswerSink
{
public:
    virtual ~AnswerSink() = default;
    // False when the record could not be stored.
    virtual bool append(const AnswerRecord &record) = 0;
};
