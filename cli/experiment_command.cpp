#include "cli/experiment_command.h"

#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "app/experiment_run.h"
#include "app/parameter_checks.h"
#include "app/start_state.h"
#include "cli/options.h"
#include "cli/report.h"
#include "model/random_source.h"
#include "views/dictionary.h"

namespace tesselo::cli {
namespace {

// A run that the experiment refused; its message ends the command.
struct Refused {
  std::string message;
};

// The dictionary as typed into the desktop program: each word finished, then the pattern
// chosen by its number (a number with no word is kept, and the run refuses it).
DicTable TypedDictionary(const ExperimentOptions& options) {
  DicTable dictionary;
  for (const std::vector<int>& word : options.words) dictionary.AddWord(word);
  if (options.pattern) dictionary.ChoosePattern(*options.pattern);
  return dictionary;
}

// One press of "Create": with a single word and no pattern, word 1 becomes the pattern.
ExperimentOutcome Create(DicTable& dictionary, const ExperimentOptions& options, int noiseLevel) {
  dictionary.DefaultSinglePattern();
  ExperimentOutcome outcome =
      RunExperiment(dictionary, options.known, noiseLevel, options.paramsChoice);
  if (outcome.refusal) throw Refused{*outcome.refusal};
  return outcome;
}

void ReportSingleRun(std::ostream& out, DicTable& dictionary, const ExperimentOptions& options) {
  const ExperimentOutcome outcome = Create(dictionary, options, options.noiseLevels.front());
  const RunReport report{options.seed, options.known, Model(), outcome};
  if (options.json)
    out << RunJson(report).dump() << "\n";
  else
    PrintRun(out, report);
}

void ShowProgress(std::ostream& error, int noiseLevel, int trial, int trials) {
  error << "\rnoise level " << noiseLevel << ": run " << trial << " of " << trials << "   "
        << std::flush;
}

void ReportBatch(std::ostream& out, std::ostream& error, bool showProgress, DicTable& dictionary,
                 const ExperimentOptions& options) {
  std::vector<BatchRow> rows;
  for (const int noiseLevel : options.noiseLevels) {
    BatchRow& row = rows.emplace_back();
    row.noiseLevel = noiseLevel;
    for (int trial = 1; trial <= options.trials; ++trial) {
      if (showProgress) ShowProgress(error, noiseLevel, trial, options.trials);
      row.Add(Model(), Create(dictionary, options, noiseLevel));
    }
  }
  if (showProgress) error << "\r" << std::string(60, ' ') << "\r" << std::flush;
  if (options.json)
    out << BatchJson(options.seed, rows).dump() << "\n";
  else
    PrintBatch(out, options.seed, rows);
}

}  // namespace

int RunExperimentCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& error,
                         bool showProgress) {
  std::variant<ExperimentOptions, EarlyExit> parsed = ParseExperimentOptions(argc, argv);
  if (const EarlyExit* exit = std::get_if<EarlyExit>(&parsed)) {
    out << exit->out;
    error << exit->error;
    return exit->status;
  }
  ExperimentOptions& options = std::get<ExperimentOptions>(parsed);

  ResetToStartState(Model());
  DicTable dictionary = TypedDictionary(options);
  if (options.custom) {
    const auto refused =
        CheckSeriesParameters(*options.custom, Model().A_minus, Model().q, dictionary.PatLen);
    if (refused) {
      error << *refused << "\n";
      return kBadCommandLine;
    }
    StoreSeriesParameters(Model(), *options.custom);
    options.paramsChoice = params_choice::kAnother;
  }
  random_source::Seed(options.seed);

  std::ostringstream report;  // written out only once every run has completed
  try {
    if (options.IsBatch())
      ReportBatch(report, error, showProgress, dictionary, options);
    else
      ReportSingleRun(report, dictionary, options);
  } catch (const Refused& refused) {
    if (showProgress) error << "\n";
    error << refused.message << "\n";
    return kRunRefused;
  }
  out << report.str();
  return kCompleted;
}

}  // namespace tesselo::cli
