// Start to menu, measured from outside the process: from just before the program is started to
// its first top-level window mapped on the X server, so that the dynamic loader's work before
// main() counts too. The game and a bare one-label Qt window run in turns on a private Xvfb, at
// scale 1 and 2 (QT_SCALE_FACTOR), so that the machine's drift touches both alike. Prints the
// medians, the game against the bare window (goal: at most 1.05) and the game's peak resident
// memory. Usage: ui_start_bench [RUNS] (15 by default).
//
// ui_start_bench RUNS GOAL -- GAME_COMMAND... -- BARE_COMMAND... measures two given commands the
// same way, once each turn, in this process's environment but for DISPLAY (scripts/windows: the
// Windows game and a bare window cross-built the same way, both under Wine).
#include <X11/Xlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/select.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// After its window maps, a program runs this long before it is ended, so that its peak
// resident memory includes what it does once the window is up.
constexpr auto kSettle = std::chrono::milliseconds(300);
constexpr double kMapTimeoutMs = 20000;

double nowMs() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A private X server on a free display: Xvfb writes the display's number when it is ready.
struct PrivateX {
    pid_t pid = -1;
    std::string display;

    bool start() {
        int fds[2];
        if (::pipe(fds) != 0)
            return false;
        pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            const int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "2560x1600x24",
                     "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        char buffer[32] = {};
        std::size_t got = 0;
        while (got < sizeof buffer - 1) {
            const ssize_t n = ::read(fds[0], buffer + got, sizeof buffer - 1 - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
            if (std::memchr(buffer, '\n', got))
                break;
        }
        ::close(fds[0]);
        if (got == 0)
            return false;
        display = ':';
        display += std::to_string(std::atoi(buffer));
        return true;
    }
    ~PrivateX() {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

long peakRssKb(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, file))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            kb = std::strtol(line + 6, nullptr, 10);
    std::fclose(file);
    return kb;
}

void end(pid_t pid) {
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

struct Run {
    double mapMs = -1; ///< -1: no window mapped
    long rssKb = -1;
};

// One start of `program` in a clean environment (as a desktop's launcher gives it), to its
// first top-level window mapped: MapNotify on the root window, waited for without polling.
Run startToMap(Display* x, const std::vector<std::string>& command,
               const std::vector<std::string>& environment) {
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    const std::string& program = command.front();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    while (XPending(x)) {
        XEvent stale;
        XNextEvent(x, &stale);
    }
    Run run;
    pid_t pid = -1;
    const double start = nowMs();
    if (posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return run;
    }
    posix_spawn_file_actions_destroy(&actions);
    const int fd = ConnectionNumber(x);
    while (run.mapMs < 0 && nowMs() - start < kMapTimeoutMs) {
        while (run.mapMs < 0 && XPending(x)) {
            XEvent event;
            XNextEvent(x, &event);
            if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(x) &&
                !event.xmap.override_redirect)
                run.mapMs = nowMs() - start;
        }
        if (run.mapMs >= 0 || ::waitpid(pid, nullptr, WNOHANG) == pid)
            break;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 20000};
        ::select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    if (run.mapMs >= 0) {
        std::this_thread::sleep_for(kSettle);
        run.rssKb = peakRssKb(pid);
    }
    end(pid);
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    std::string name;
    std::vector<std::string> command;
    std::string scale;
    std::vector<double> mapMs{};
    std::vector<double> rssKb{};
};

} // namespace

extern char** environ;

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    // Two given commands, each after a "--".
    std::vector<std::vector<std::string>> given;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            given.emplace_back();
        else if (!given.empty())
            given.back().emplace_back(argv[i]);
    }
    if (argc > 3 && (given.size() != 2 || given[0].empty() || given[1].empty())) {
        std::fputs("usage: ui_start_bench RUNS GOAL -- GAME_COMMAND... -- BARE_COMMAND...\n",
                   stderr);
        return 2;
    }
    PrivateX server;
    if (!server.start()) {
        std::fputs("cannot start Xvfb (Debian package xvfb)\n", stderr);
        return 1;
    }
    Display* x = XOpenDisplay(server.display.c_str());
    if (!x) {
        std::fprintf(stderr, "cannot open the private display %s\n", server.display.c_str());
        return 1;
    }
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
    XSync(x, False);

    // A home and a runtime folder of the benchmark's own: no settings or caches of the user's.
    std::string home = (std::filesystem::temp_directory_path() / "kq-start-XXXXXX").string();
    if (!::mkdtemp(home.data()))
        return 1;
    const std::string runtime = home + "/runtime";
    ::mkdir(runtime.c_str(), 0700);

    std::vector<Series> series;
    if (given.empty()) {
        for (const char* scale : {"1", "2"}) {
            series.push_back({std::string("game (menu) at ") + scale, {KQ_GAME_EXECUTABLE}, scale});
            series.push_back({std::string("bare window at ") + scale, {KQ_BARE_EXECUTABLE}, scale});
        }
    } else {
        series.push_back({"game (menu)", given[0], {}});
        series.push_back({"bare window", given[1], {}});
    }
    const auto environment = [&](const Series& s) {
        if (s.scale.empty()) {
            std::vector<std::string> inherited{"DISPLAY=" + server.display};
            for (char** entry = environ; *entry; ++entry)
                if (std::strncmp(*entry, "DISPLAY=", 8) != 0)
                    inherited.emplace_back(*entry);
            return inherited;
        }
        return std::vector<std::string>{"PATH=/usr/bin:/bin",         "HOME=" + home,
                                        "XDG_RUNTIME_DIR=" + runtime, "DISPLAY=" + server.display,
                                        "QT_QPA_PLATFORM=xcb",        "QT_SCALE_FACTOR=" + s.scale};
    };
    // Two rounds unmeasured, so that the file cache holds both programs and their libraries.
    for (int round = -2; round < runs; ++round)
        for (Series& s : series) {
            const Run run = startToMap(x, s.command, environment(s));
            if (run.mapMs < 0) {
                std::fprintf(stderr, "%s: no window mapped\n", s.name.c_str());
                return 1;
            }
            if (round >= 0) {
                s.mapMs.push_back(run.mapMs);
                s.rssKb.push_back(static_cast<double>(run.rssKb));
            }
        }
    XCloseDisplay(x);
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);

    std::printf("start to first window mapped, median of %d runs each, in turns on a private "
                "Xvfb\n",
                runs);
    for (const Series& s : series)
        std::printf("  %s: %.1f ms, peak RSS %.0f MiB\n", s.name.c_str(), median(s.mapMs),
                    median(s.rssKb) / 1024);
    if (!given.empty()) {
        std::printf("game against the bare window (goal <= %s): %.2f\n", argv[2],
                    median(series[0].mapMs) / median(series[1].mapMs));
        return 0;
    }
    std::printf("game against the bare window (goal <= 1.05): at scale 1 %.2f, at scale 2 %.2f\n",
                median(series[0].mapMs) / median(series[1].mapMs),
                median(series[2].mapMs) / median(series[3].mapMs));
    return 0;
}
