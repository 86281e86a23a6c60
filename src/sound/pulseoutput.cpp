#include "pulseoutput.h"

#include <QCoreApplication>

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>

namespace {

void signalMainloop(pa_context *, void *mainloop)
{
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop *>(mainloop), 0);
}

} // namespace

PulseConnection::Lock::Lock(PulseConnection &connection)
{
    if (!connection.m_mainloop) {
        connection.m_mainloop = pa_threaded_mainloop_new();
        pa_threaded_mainloop_start(connection.m_mainloop);
    }
    m_mainloop = connection.m_mainloop;
    pa_threaded_mainloop_lock(m_mainloop);
}

PulseConnection::Lock::~Lock()
{
    pa_threaded_mainloop_unlock(m_mainloop);
}

PulseConnection::~PulseConnection()
{
    if (!m_mainloop)
        return;
    pa_threaded_mainloop_lock(m_mainloop);
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    pa_threaded_mainloop_unlock(m_mainloop);
    pa_threaded_mainloop_stop(m_mainloop);
    pa_threaded_mainloop_free(m_mainloop);
}

bool PulseConnection::connect()
{
    if (m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY)
        return true;
    if (m_context) { // refused or lost: start afresh
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    QString name = QCoreApplication::applicationName();
    if (name.isEmpty())
        name = QStringLiteral("Quorvel");
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_mainloop), name.toUtf8().constData());
    pa_context_set_state_callback(m_context, signalMainloop, m_mainloop);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
        return false;
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(m_context);
        if (state == PA_CONTEXT_READY)
            return true;
        if (!PA_CONTEXT_IS_GOOD(state))
            return false;
        pa_threaded_mainloop_wait(m_mainloop);
    }
}

int PulseConnection::sinkCount()
{
    Lock lock(*this);
    if (!connect())
        return 0;
    struct Count
    {
        pa_threaded_mainloop *mainloop;
        int sinks = 0;
    } count{m_mainloop};
    const auto onSink = [](pa_context *, const pa_sink_info *, int last, void *data) {
        auto *count = static_cast<Count *>(data);
        if (last)
            pa_threaded_mainloop_signal(count->mainloop, 0);
        else
            ++count->sinks;
    };
    pa_operation *listing = pa_context_get_sink_info_list(m_context, onSink, &count);
    if (!listing)
        return 0;
    // A connection lost meanwhile cancels the listing, and the context's state change wakes us.
    while (pa_operation_get_state(listing) == PA_OPERATION_RUNNING)
        pa_threaded_mainloop_wait(m_mainloop);
    const bool done = pa_operation_get_state(listing) == PA_OPERATION_DONE;
    pa_operation_unref(listing);
    return done ? count.sinks : 0;
}

PulsePlayback::PulsePlayback(std::shared_ptr<PulseConnection> connection, QByteArray samples, int sampleRate, int channels)
    : m_connection(std::move(connection)), m_samples(std::move(samples)), m_sampleRate(sampleRate), m_channels(channels)
{
}

PulsePlayback::~PulsePlayback()
{
    stop();
}

PulsePlayback::Start PulsePlayback::start()
{
    PulseConnection::Lock lock(*m_connection);
    if (!m_connection->connect()) {
        m_ended = true;
        return Start::NoServer;
    }
    const pa_sample_spec spec{PA_SAMPLE_S16NE, uint32_t(m_sampleRate), uint8_t(m_channels)};
    if (m_channels <= 0 || m_channels > PA_CHANNELS_MAX || !pa_sample_spec_valid(&spec)) {
        m_ended = true;
        m_failed = true;
        return Start::Failed;
    }
    m_stream = pa_stream_new(m_connection->m_context, "sound", &spec, nullptr);
    if (!m_stream) {
        m_ended = true;
        m_failed = true;
        return Start::Failed;
    }
    pa_stream_set_state_callback(m_stream, onState, this);
    pa_stream_set_write_callback(m_stream, onWritable, this);
    // The server's own buffer sizes, as given for -1: with those the server may rewind what a
    // sink has already rendered ahead (up to about 2 s on a null sink) and mix the sound in at
    // once. A short latency would shrink that rewind and leave the sound waiting behind the
    // silence already rendered. libpulse's own default (a null attribute) asks for 250 ms.
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(-1);
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0) {
        release();
        m_failed = true;
        return Start::Failed;
    }
    return Start::Playing;
}

void PulsePlayback::onState(pa_stream *stream, void *self)
{
    auto *playback = static_cast<PulsePlayback *>(self);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_FAILED:
        playback->m_failed = true;
        playback->m_ended = true;
        break;
    case PA_STREAM_TERMINATED:
        playback->m_ended = true;
        break;
    default:
        break;
    }
}

void PulsePlayback::onWritable(pa_stream *, size_t bytes, void *self)
{
    static_cast<PulsePlayback *>(self)->write(bytes);
}

void PulsePlayback::write(size_t bytes)
{
    // The first write hands over the whole sound, as far as half the stream's buffer takes it,
    // not just the little the server asks for: a busy program or server cannot then starve the
    // sound. A longer sound goes on at the server's pace.
    qsizetype wanted = qsizetype(bytes);
    if (m_written == 0) {
        if (const pa_buffer_attr *buffer = pa_stream_get_buffer_attr(m_stream))
            wanted = std::max(wanted, qsizetype(buffer->maxlength / 2));
    }
    const qsizetype count = std::min(wanted, m_samples.size() - m_written);
    if (count > 0) {
        if (pa_stream_write(m_stream, m_samples.constData() + m_written, size_t(count), nullptr, 0, PA_SEEK_RELATIVE) < 0) {
            m_failed = true;
            m_ended = true;
            pa_stream_disconnect(m_stream);
            return;
        }
        m_written += count;
    }
    if (m_written == m_samples.size() && !m_drain)
        m_drain = pa_stream_drain(m_stream, onDrained, this);
}

void PulsePlayback::onDrained(pa_stream *stream, int success, void *self)
{
    auto *playback = static_cast<PulsePlayback *>(self);
    if (!success)
        playback->m_failed = true;
    playback->m_ended = true;
    // Every sample has been played: the stream goes now, so the sink can fall idle.
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream);
}

void PulsePlayback::stop()
{
    if (!m_stream)
        return;
    PulseConnection::Lock lock(*m_connection);
    release();
}

void PulsePlayback::release()
{
    if (m_drain) {
        if (pa_operation_get_state(m_drain) == PA_OPERATION_RUNNING)
            pa_operation_cancel(m_drain);
        pa_operation_unref(m_drain);
        m_drain = nullptr;
    }
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        if (PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream)))
            pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    m_ended = true;
}
