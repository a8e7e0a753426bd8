#pragma once
#include <ostream>

namespace tesselo::cli {

// The exit statuses of `tesselo-experiment`.
inline constexpr int kCompleted = 0;
inline constexpr int kBadCommandLine = 2;
inline constexpr int kRunRefused = 3;

// The whole command: reads the command line, puts the model where the desktop program
// starts, runs the experiment once or as a batch and reports on `out`; messages go to
// `error`, and so does a batch's progress when `showProgress` is set. Returns the exit
// status; nothing is written to `out` unless the command completes.
int RunExperimentCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& error,
                         bool showProgress);

}  // namespace tesselo::cli
