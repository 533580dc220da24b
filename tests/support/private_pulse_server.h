#pragma once

#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <mutex>
#include <sys/types.h>
#include <thread>
#include <vector>

/// Sample rate of the recording, the rate of the game's sounds.
inline constexpr int kRecordRate = 22050;

/// Nanoseconds on the steady clock (CLOCK_MONOTONIC), the time base of a recording.
std::int64_t steadyNowNs();

/// What the sink played, mono, kRecordRate samples a second, and when, on the steady clock. A
/// sample arrives from the server never before it is played, so the earliest arrivals near it,
/// less the samples since, place it in time. Only those near it: against the clock, the
/// recording gains or loses a few samples a minute.
struct RecordedSound {
    static constexpr std::int64_t kTimedBlock = kRecordRate / 4;
    std::vector<float> samples;
    std::vector<std::int64_t> blockStartNs; ///< when sample k * kTimedBlock was played

    /// The sample played at `ns` on the steady clock (may lie outside the recording).
    std::int64_t indexAt(std::int64_t ns) const;
    /// The steady-clock time at which sample `index` was played.
    std::int64_t timeOf(double index) const;
};

/// A PulseAudio server of the test's own: a null sink, reached on a private socket, with its
/// own home and runtime folders, so no sound card and no desktop server is involved. The sink's
/// monitor is recorded from the start by parec. Both are stopped by their process ids.
class PrivatePulseServer {
public:
    PrivatePulseServer() = default;
    ~PrivatePulseServer();
    PrivatePulseServer(const PrivatePulseServer&) = delete;
    PrivatePulseServer& operator=(const PrivatePulseServer&) = delete;

    /// Starts the server and the recorder; false, with error(), when either cannot run.
    bool start();
    /// Stops the recorder and the server.
    void stop();
    QString error() const { return m_error; }

    /// The server's address, for PULSE_SERVER.
    QString address() const;
    /// The environment a client of this server needs: PULSE_SERVER, HOME, XDG_RUNTIME_DIR.
    std::vector<std::pair<QString, QString>> clientEnvironment() const;

    /// Waits until the recording reaches the steady-clock time `ns`; false after `timeoutMs`.
    bool waitUntilRecorded(std::int64_t ns, int timeoutMs) const;
    /// What is recorded so far.
    RecordedSound recording() const;
    /// When so far (steady clock) a client ran short of samples and the sink played silence for
    /// it: on a busy machine, the client's threads did not get the processor in time.
    std::vector<std::int64_t> underruns() const;

private:
    pid_t spawn(const QStringList& arguments, int stdoutFd, int stderrFd);
    void readRecorder(int fd);
    void readLog(int fd);

    QTemporaryDir m_dir;
    QString m_error;
    pid_t m_server = -1;
    pid_t m_recorder = -1;
    std::thread m_reader;
    std::thread m_logReader;
    std::vector<std::int64_t> m_underruns;

    mutable std::mutex m_mutex;
    std::vector<float> m_samples;
    // For each read from the recorder: the samples recorded by then, and its arrival less them.
    std::vector<std::pair<std::int64_t, std::int64_t>> m_arrivals;

    std::vector<std::int64_t> blockStarts() const;
};
