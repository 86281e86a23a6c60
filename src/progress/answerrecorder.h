#pragma once

#include "answerrecord.h"

#include <functional>

// Turns what the drill engine reports into stored records: stamps the moment and the thinking
// time. When storing fails, it says so once and stores nothing more, so the drill goes on.
class AnswerRecorder final : public AnswerLog
{
public:
    using Clock = std::function<qint64()>; // milliseconds since 1970 UTC

    AnswerRecorder(AnswerSink &sink, Clock clock, std::function<void()> storingFailed);

    void operationShown() override;
    void answerJudged(const JudgedAnswer &judged) override;
    bool failed() const { return m_failed; }

private:
    AnswerSink &m_sink;
    Clock m_clock;
    std::function<void()> m_storingFailed;
    qint64 m_shownAt = -1;
    bool m_failed = false;
};
