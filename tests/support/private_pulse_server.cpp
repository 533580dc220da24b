#include "tests/support/private_pulse_server.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcessEnvironment>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <signal.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kSink = QStringLiteral("kq_null");

// Ends the process `pid` and reaps it: SIGTERM, then SIGKILL if it is still there after 5 s.
void endProcess(pid_t pid) {
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 500; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        QThread::msleep(10);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

} // namespace

std::int64_t steadyNowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t RecordedSound::timeOf(double index) const {
    if (blockStartNs.empty())
        return 0;
    const double perSample = 1e9 / kRecordRate;
    const auto last = static_cast<std::int64_t>(blockStartNs.size()) - 1;
    const auto block = std::clamp<std::int64_t>(
        static_cast<std::int64_t>(std::floor(index / kTimedBlock)), 0, last);
    const double from = static_cast<double>(block * kTimedBlock);
    if (block == last || index < 0)
        return blockStartNs[static_cast<std::size_t>(block)] +
               std::llround((index - from) * perSample);
    const double share = (index - from) / kTimedBlock;
    const auto a = static_cast<double>(blockStartNs[static_cast<std::size_t>(block)]);
    const auto b = static_cast<double>(blockStartNs[static_cast<std::size_t>(block + 1)]);
    return std::llround(a + share * (b - a));
}

std::int64_t RecordedSound::indexAt(std::int64_t ns) const {
    // The last sample played at or before `ns`.
    std::int64_t low = -std::int64_t{kRecordRate} * 100;
    std::int64_t high = static_cast<std::int64_t>(samples.size()) + std::int64_t{kRecordRate} * 100;
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        (timeOf(static_cast<double>(middle)) <= ns ? low : high) = middle;
    }
    return low;
}

PrivatePulseServer::~PrivatePulseServer() {
    stop();
}

QString PrivatePulseServer::address() const {
    return QStringLiteral("unix:") + m_dir.filePath(QStringLiteral("native"));
}

std::vector<std::pair<QString, QString>> PrivatePulseServer::clientEnvironment() const {
    return {{QStringLiteral("PULSE_SERVER"), address()},
            {QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home"))},
            {QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("runtime"))}};
}

pid_t PrivatePulseServer::spawn(const QStringList& arguments, int stdoutFd, int stderrFd) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : clientEnvironment())
        environment.insert(name, value);
    std::vector<QByteArray> strings;
    for (const QString& argument : arguments)
        strings.push_back(argument.toLocal8Bit());
    const std::size_t argumentCount = strings.size();
    for (const QString& entry : environment.toStringList())
        strings.push_back(entry.toLocal8Bit());
    std::vector<char*> argv;
    std::vector<char*> envp;
    for (std::size_t i = 0; i < strings.size(); ++i)
        (i < argumentCount ? argv : envp).push_back(strings[i].data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);

    const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    int execFailed[2];
    if (devNull < 0 || ::pipe2(execFailed, O_CLOEXEC) != 0) {
        m_error = QStringLiteral("no /dev/null or pipe");
        return -1;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Only what is safe between fork and exec. The child ends with the test, even when the
        // test is killed.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(stdoutFd >= 0 ? stdoutFd : devNull, STDOUT_FILENO);
        ::dup2(stderrFd >= 0 ? stderrFd : devNull, STDERR_FILENO);
        ::execvpe(argv[0], argv.data(), envp.data());
        const int error = errno;
        [[maybe_unused]] const ssize_t written = ::write(execFailed[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(devNull);
    ::close(execFailed[1]);
    int error = 0;
    const ssize_t got = pid > 0 ? ::read(execFailed[0], &error, sizeof error) : 0;
    ::close(execFailed[0]);
    if (pid < 0 || got > 0) {
        if (pid > 0)
            ::waitpid(pid, nullptr, 0);
        m_error = QStringLiteral("cannot run %1: %2 (scripts/test installs pulseaudio and "
                                 "pulseaudio-utils)")
                      .arg(arguments.first(),
                           QString::fromLocal8Bit(std::strerror(pid < 0 ? errno : error)));
        return -1;
    }
    return pid;
}

bool PrivatePulseServer::start() {
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    for (const char* folder : {"home", "runtime"})
        QDir(m_dir.path()).mkdir(QString::fromLatin1(folder));
    int logFds[2];
    if (::pipe2(logFds, O_CLOEXEC) != 0) {
        m_error = QStringLiteral("no pipe");
        return false;
    }
    // -n: no default configuration, only the two modules given; a root user (as in CI) is
    // allowed, the server only warns. Its log tells when a client ran short of samples.
    m_server =
        spawn({QStringLiteral("pulseaudio"), QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
               QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
               QStringLiteral("--system=no"), QStringLiteral("--log-target=stderr"),
               QStringLiteral("--log-level=debug"), QStringLiteral("-L"),
               QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") +
                   m_dir.filePath(QStringLiteral("native")),
               QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=") + kSink},
              -1, logFds[1]);
    ::close(logFds[1]);
    if (m_server < 0) {
        ::close(logFds[0]);
        return false;
    }
    m_logReader = std::thread([this, fd = logFds[0]] { readLog(fd); });
    bool listening = false;
    for (int i = 0; i < 200 && !listening; ++i) {
        QLocalSocket probe;
        probe.connectToServer(m_dir.filePath(QStringLiteral("native")));
        listening = probe.waitForConnected(50);
        if (!listening)
            QThread::msleep(50);
        if (::waitpid(m_server, nullptr, WNOHANG) == m_server) {
            m_server = -1;
            break;
        }
    }
    if (!listening) {
        m_error = QStringLiteral("the PulseAudio server did not start");
        return false;
    }

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        m_error = QStringLiteral("no pipe");
        return false;
    }
    // Small fragments, so that each arrives soon after the sink plays it: the arrival times
    // place the recording on the steady clock.
    m_recorder = spawn({QStringLiteral("parec"),
                        QStringLiteral("--device=") + kSink + QStringLiteral(".monitor"),
                        QStringLiteral("--rate=%1").arg(kRecordRate),
                        QStringLiteral("--channels=1"), QStringLiteral("--format=float32le"),
                        QStringLiteral("--latency-msec=5"), QStringLiteral("--raw")},
                       pipeFds[1], -1);
    ::close(pipeFds[1]);
    if (m_recorder < 0) {
        ::close(pipeFds[0]);
        return false;
    }
    m_reader = std::thread([this, fd = pipeFds[0]] { readRecorder(fd); });
    // The recorder runs once the first samples come in.
    for (int i = 0; i < 200; ++i) {
        {
            const std::lock_guard lock(m_mutex);
            if (!m_samples.empty())
                return true;
        }
        QThread::msleep(25);
    }
    m_error = QStringLiteral("parec records nothing from the private server");
    return false;
}

void PrivatePulseServer::readRecorder(int fd) {
    std::vector<char> buffer(4096);
    std::vector<char> pending;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        const std::int64_t arrived = steadyNowNs();
        pending.insert(pending.end(), buffer.begin(), buffer.begin() + n);
        const std::size_t whole = pending.size() / sizeof(float);
        const std::lock_guard lock(m_mutex);
        const std::size_t before = m_samples.size();
        m_samples.resize(before + whole);
        std::memcpy(m_samples.data() + before, pending.data(), whole * sizeof(float));
        pending.erase(pending.begin(), pending.begin() + static_cast<long>(whole * sizeof(float)));
        const auto count = static_cast<std::int64_t>(m_samples.size());
        m_arrivals.emplace_back(
            count,
            arrived - static_cast<std::int64_t>(static_cast<double>(count) * 1e9 / kRecordRate));
    }
    ::close(fd);
}

void PrivatePulseServer::readLog(int fd) {
    char buffer[4096];
    std::string line;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n; ++i) {
            if (buffer[i] != '\n') {
                line += buffer[i];
                continue;
            }
            // "Implicit underrun of ...", "Requesting rewind due to end of underrun."
            if (line.find("nderrun") != std::string::npos) {
                const std::lock_guard lock(m_mutex);
                m_underruns.push_back(steadyNowNs());
            }
            line.clear();
        }
    }
    ::close(fd);
}

void PrivatePulseServer::stop() {
    endProcess(m_recorder);
    m_recorder = -1;
    if (m_reader.joinable())
        m_reader.join();
    endProcess(m_server);
    m_server = -1;
    if (m_logReader.joinable())
        m_logReader.join();
}

std::vector<std::int64_t> PrivatePulseServer::blockStarts() const {
    constexpr std::int64_t kBlock = RecordedSound::kTimedBlock;
    // Arrivals this near: enough that some came promptly even while the recorder waited for the
    // processor, few enough that the drift of the recording against the clock stays under 1 ms.
    constexpr std::int64_t kNear = kRecordRate * 3;
    const auto count = static_cast<std::int64_t>(m_samples.size());
    std::vector<std::int64_t> starts;
    // The earliest of the arrivals in a window that slides on: their indices, earliest first.
    std::deque<std::size_t> window;
    std::size_t next = 0;
    for (std::int64_t block = 0; block * kBlock < std::max<std::int64_t>(count, 1); ++block) {
        for (; next < m_arrivals.size() && m_arrivals[next].first <= (block + 1) * kBlock + kNear;
             ++next) {
            while (!window.empty() && m_arrivals[window.back()].second >= m_arrivals[next].second)
                window.pop_back();
            window.push_back(next);
        }
        while (!window.empty() && m_arrivals[window.front()].first < block * kBlock - kNear)
            window.pop_front();
        // Nothing arrived near it: as the block before.
        const std::int64_t earliest =
            !window.empty()  ? m_arrivals[window.front()].second
            : starts.empty() ? 0
                             : starts.back() - (block - 1) * kBlock * 1000000000 / kRecordRate;
        starts.push_back(earliest + block * kBlock * 1000000000 / kRecordRate);
    }
    return starts;
}

bool PrivatePulseServer::waitUntilRecorded(std::int64_t ns, int timeoutMs) const {
    const std::int64_t deadline = steadyNowNs() + std::int64_t{timeoutMs} * 1000000;
    while (steadyNowNs() < deadline) {
        {
            const std::lock_guard lock(m_mutex);
            RecordedSound timing;
            timing.blockStartNs = blockStarts();
            if (!m_samples.empty() && timing.timeOf(double(m_samples.size())) > ns)
                return true;
        }
        QThread::msleep(10);
    }
    return false;
}

std::vector<std::int64_t> PrivatePulseServer::underruns() const {
    const std::lock_guard lock(m_mutex);
    return m_underruns;
}

RecordedSound PrivatePulseServer::recording() const {
    const std::lock_guard lock(m_mutex);
    return RecordedSound{m_samples, blockStarts()};
}
