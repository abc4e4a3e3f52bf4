// Start-up and memory of the program against the least a Qt Widgets program of its kind costs (a
// window with a menu bar and a few lines of text: bare_window), run the same way, turn about, in
// the same run:
// - the time from starting the process to the first painted frame of its first window (the
//   program's splash; the bare program's window of the About window's size), median of the runs;
// - the peak resident set once the splash has handed over to the converter window (the bare
//   program: one window of the converter window's size), read a moment after that window's first
//   frame, median of the runs.
// Both programs log their first frames (bench/FirstFrameLog.h); the program is started as
// framed_quorvane, its start-up with that log, since the shipped one carries none.
// Exits with 1 when a target is missed.
// Usage: launch_bench FRAMED_QUORVANE BARE_WINDOW [--runs=N] [--memory-runs=N]

#include "bench/ChildProcess.h"
#include "shell/Attribution.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using bench::ChildProcess;
using bench::Clock;
using namespace std::chrono_literals;

constexpr double kStartTarget = 1.10;
constexpr double kMemoryTarget = 1.15;
// The splash hands over after 4 s; the rest is room for a slow machine.
constexpr auto kPatience = 10s;
// Time for the converter window's first frame to settle before the peak is read.
constexpr auto kSettle = 500ms;
// The bare program's line along its foot: the splash's own.
const std::string kLine(kAttributionLine);

struct Program {
    std::string path;
    std::vector<std::string> arguments;
    // The frame that marks the state to measure: the first, or the converter window's.
    std::size_t frame;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double MillisecondsToFirstFrame(const Program& program) {
    ChildProcess child(program.path, program.arguments);
    const auto frames = child.WaitForFrames(1, kPatience);
    if (!frames) {
        throw std::runtime_error(program.path + " showed no frame");
    }
    return std::chrono::duration<double, std::milli>(frames->front() - child.Started()).count();
}

double PeakMebibytes(const Program& program) {
    ChildProcess child(program.path, program.arguments);
    if (!child.WaitForFrames(program.frame, kPatience)) {
        throw std::runtime_error(program.path + " never reached the window to measure");
    }
    std::this_thread::sleep_for(kSettle);
    return static_cast<double>(child.PeakResidentKiB()) / 1024;
}

// Runs the programs in turn, one untimed start of each first, and gives their medians in the
// order given.
template <class Measure>
std::vector<double> Medians(const std::vector<Program>& programs, int runs, Measure measure) {
    for (const Program& program : programs) {
        measure(program);
    }
    std::vector<std::vector<double>> values(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            values[i].push_back(measure(programs[i]));
        }
    }
    std::vector<double> medians;
    for (const auto& programValues : values) {
        medians.push_back(Median(programValues));
    }
    return medians;
}

// The first median is the program's, the second the bare program's.
bool Report(const char* what, const char* unit, const std::vector<double>& medians, int runs,
            double target) {
    const double ratio = medians[0] / medians[1];
    const bool met = ratio <= target;
    std::printf("%s (median of %d): quorvane %.1f %s, bare Qt %.1f %s, ratio %.2f (target <= "
                "%.2f) %s\n",
                what, runs, medians[0], unit, medians[1], unit, ratio, target,
                met ? "met" : "MISSED");
    return met;
}

int Option(const std::vector<std::string_view>& words, std::string_view name, int fallback) {
    for (std::string_view word : words) {
        if (word.starts_with(name) && word.size() > name.size()) {
            return std::atoi(std::string(word.substr(name.size())).c_str());
        }
    }
    return fallback;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: launch_bench FRAMED_QUORVANE BARE_WINDOW [--runs=N] "
                             "[--memory-runs=N]\n");
        return 2;
    }
    const std::vector<std::string_view> words(argv + 3, argv + argc);
    const int runs = std::max(1, Option(words, "--runs=", 21));
    const int memoryRuns = std::max(1, Option(words, "--memory-runs=", 5));
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform: %s\n", platform != nullptr ? platform : "(Qt's default)");

    const std::string ours = argv[1];
    const std::string bare = argv[2];
    const bool startMet = Report(
        "start to first frame", "ms",
        Medians({{ours, {}, 1}, {bare, {"334", "200", kLine}, 1}}, runs, MillisecondsToFirstFrame),
        runs, kStartTarget);
    const bool memoryMet = Report(
        "peak resident after hand-over", "MiB",
        Medians({{ours, {}, 2}, {bare, {"535", "445", kLine}, 1}}, memoryRuns, PeakMebibytes),
        memoryRuns, kMemoryTarget);
    return startMet && memoryMet ? 0 : 1;
}
