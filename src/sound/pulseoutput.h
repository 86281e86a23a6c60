#pragma once

#include <QByteArray>

#include <atomic>
#include <memory>

struct pa_context;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;

// The connection to the PulseAudio server, shared by every player of the run. Nothing happens
// until its first use; a refused or lost connection is tried again at the next use.
class PulseConnection
{
public:
    PulseConnection() = default;
    ~PulseConnection();
    PulseConnection(const PulseConnection &) = delete;
    PulseConnection &operator=(const PulseConnection &) = delete;

    // The server's sinks; 0 when no server answers.
    int sinkCount();

private:
    friend class PulsePlayback;

    // Holds the mainloop's lock; the mainloop thread is started at the first lock.
    class Lock
    {
    public:
        explicit Lock(PulseConnection &connection);
        ~Lock();
        Lock(const Lock &) = delete;
        Lock &operator=(const Lock &) = delete;

    private:
        pa_threaded_mainloop *m_mainloop;
    };

    // With the lock held: connects when not connected; true once the server has answered.
    bool connect();

    pa_threaded_mainloop *m_mainloop = nullptr;
    pa_context *m_context = nullptr;
};

// One sound sent to the server: the samples are handed over as fast as the server takes them,
// then the stream is drained, and the sound has ended when the server reports the drain done.
class PulsePlayback
{
public:
    enum class Start { Playing, NoServer, Failed };

    // 'samples' are 16-bit, interleaved, in the machine's byte order.
    PulsePlayback(std::shared_ptr<PulseConnection> connection, QByteArray samples, int sampleRate, int channels);
    ~PulsePlayback();
    PulsePlayback(const PulsePlayback &) = delete;
    PulsePlayback &operator=(const PulsePlayback &) = delete;

    Start start();
    // Drops what the server has not played yet; the sound counts as ended.
    void stop();
    // True once the sound has ended, been stopped or failed; may be asked from any thread.
    bool ended() const { return m_ended; }
    bool failed() const { return m_failed; }

private:
    // Callbacks of the mainloop thread, run with the lock held.
    static void onState(pa_stream *stream, void *self);
    static void onWritable(pa_stream *stream, size_t bytes, void *self);
    static void onDrained(pa_stream *stream, int success, void *self);
    void write(size_t bytes);
    void release();

    std::shared_ptr<PulseConnection> m_connection;
    const QByteArray m_samples;
    const int m_sampleRate;
    const int m_channels;
    qsizetype m_written = 0;
    pa_stream *m_stream = nullptr;
    pa_operation *m_drain = nullptr;
    std::atomic<bool> m_ended = false;
    std::atomic<bool> m_failed = false;
};
