#pragma once

// For measuring start-up from outside the process: when the environment variable
// QUORVANE_FRAME_LOG names a file, each top-level window's first painted frame appends one line
// to it, "<steady-clock nanoseconds> <width>x<height>". The clock is the system's monotonic one,
// so a launcher that reads it before starting the process gets the time to each first frame.
// Without the variable nothing is installed and nothing is written. Only the benchmarks' own
// programs carry it: the program as it ships reads no environment and writes no file.

namespace bench {

inline constexpr const char* kFrameLogVariable = "QUORVANE_FRAME_LOG";

// Installs the recorder on the running application when the variable asks for it.
void InstallFirstFrameLogIfAsked();

} // namespace bench
