#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/parameter_checks.h"

namespace tesselo::cli {

// What `tesselo-experiment` was asked to do.
struct ExperimentOptions {
  std::vector<std::vector<int>> words;  // the dictionary, letters 1..21, in order
  std::optional<int> pattern;           // the pattern word's number, as given
  std::vector<int> noiseLevels{0};
  std::string paramsChoice = "200 (Standard)";
  std::optional<SeriesParameters> custom;  // hand-set bounds, to be checked
  int known = 1;
  std::uint32_t seed = 0;
  int trials = 1;
  bool json = false;

  bool IsBatch() const { return trials > 1 || noiseLevels.size() > 1; }
};

// The end of the command before any run: `--help`, or a command line that cannot be used.
struct EarlyExit {
  int status;         // 0 after the help, 2 for a bad command line
  std::string out;    // for standard output (the help)
  std::string error;  // for standard error
};

// Reads the command line (argv[0] is the program). A missing --seed takes the current time.
std::variant<ExperimentOptions, EarlyExit> ParseExperimentOptions(int argc,
                                                                  const char* const* argv);

}  // namespace tesselo::cli
