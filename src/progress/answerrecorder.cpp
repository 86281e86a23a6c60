#include "answerrecorder.h"

AnswerRecorder::AnswerRecorder(AnswerSink &sink, Clock clock, std::function<void()> storingFailed)
    : m_sink(sink), m_clock(std::move(clock)), m_storingFailed(std::move(storingFailed))
{
}

void AnswerRecorder::operationShown()
{
    m_shownAt = m_clock();
}

void AnswerRecorder::answerJudged(const JudgedAnswer &judged)
{
    if (m_failed)
        return;
    AnswerRecord record;
    record.moment = m_clock();
    record.judged = judged;
    // A clock set back during the drill must not give a negative time.
    record.thinkingMs = m_shownAt < 0 ? 0 : qMax<qint64>(0, record.moment - m_shownAt);
    if (m_sink.append(record))
        return;
    m_failed = true;
    if (m_storingFailed)
        m_storingFailed();
}
