// tesselo-experiment: the desktop program's experiment, headless and reproducible.
#include <unistd.h>

#include <iostream>

#include "cli/experiment_command.h"

int main(int argc, char** argv) {
  return tesselo::cli::RunExperimentCommand(argc, argv, std::cout, std::cerr,
                                            isatty(STDERR_FILENO) == 1);
}
