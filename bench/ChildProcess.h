#pragma once

// A program started by the start-up and memory benchmarks, with the frame log that it writes at
// each top-level window's first frame (bench/FirstFrameLog.h).

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

class ChildProcess {
public:
    // Starts the program with the frame log variable set; the start time is read just before.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    Clock::time_point Started() const { return started_; }
    // The times of the first `count` frames, oldest first; nullopt when the program ended or
    // the frames had not come within the patience given.
    std::optional<std::vector<Clock::time_point>> WaitForFrames(std::size_t count,
                                                                Clock::duration patience);
    // The peak resident set so far (VmHWM), in kibibytes.
    std::int64_t PeakResidentKiB() const;

private:
    std::vector<Clock::time_point> ReadFrames() const;
    bool Running();

    std::string logPath_;
    pid_t pid_ = -1;
    bool reaped_ = false;
    Clock::time_point started_;
};

} // namespace bench
