#include "bench/ChildProcess.h"

#include "bench/FirstFrameLog.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace bench {
namespace {

constexpr auto kPollInterval = std::chrono::microseconds(200);

std::string NewLogPath() {
    char path[] = "/tmp/quorvane-frames-XXXXXX";
    const int descriptor = mkstemp(path);
    if (descriptor < 0) {
        throw std::runtime_error("cannot make a frame log file");
    }
    close(descriptor);
    return path;
}

} // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments)
    : logPath_(NewLogPath()) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    // The platform's notes on standard error would only clutter the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    setenv(kFrameLogVariable, logPath_.c_str(), 1);
    started_ = Clock::now();
    const int failed = posix_spawn(&pid_, program.c_str(), &quiet, nullptr, argv.data(), environ);
    unsetenv(kFrameLogVariable);
    posix_spawn_file_actions_destroy(&quiet);
    if (failed != 0) {
        std::remove(logPath_.c_str());
        throw std::runtime_error("cannot start " + program);
    }
}

ChildProcess::~ChildProcess() {
    if (!reaped_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    std::remove(logPath_.c_str());
}

std::optional<std::vector<Clock::time_point>>
ChildProcess::WaitForFrames(std::size_t count, Clock::duration patience) {
    const auto deadline = Clock::now() + patience;
    for (;;) {
        std::vector<Clock::time_point> frames = ReadFrames();
        if (frames.size() >= count) {
            frames.resize(count);
            return frames;
        }
        if (!Running() || Clock::now() > deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

std::vector<Clock::time_point> ChildProcess::ReadFrames() const {
    std::ifstream log(logPath_);
    std::vector<Clock::time_point> frames;
    std::int64_t nanoseconds = 0;
    std::string size;
    while (log >> nanoseconds >> size) {
        frames.emplace_back(std::chrono::nanoseconds(nanoseconds));
    }
    return frames;
}

bool ChildProcess::Running() {
    if (!reaped_ && waitpid(pid_, nullptr, WNOHANG) == pid_) {
        reaped_ = true;
    }
    return !reaped_;
}

std::int64_t ChildProcess::PeakResidentKiB() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            std::int64_t kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    throw std::runtime_error("no VmHWM for process " + std::to_string(pid_));
}

} // namespace bench
