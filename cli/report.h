#pragma once
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <vector>

#include "app/experiment_run.h"
#include "model/series_model.h"

namespace tesselo::cli {

using Json = nlohmann::ordered_json;

// One completed run as the model and the outcome leave it.
struct RunReport {
  std::uint32_t seed;
  int known;
  const SeriesModel& model;
  const ExperimentOutcome& outcome;
};

Json RunJson(const RunReport& run);
void PrintRun(std::ostream& out, const RunReport& run);

// The figures of one noise level of a batch.
struct BatchRow {
  int noiseLevel = 0;
  int trials = 0;
  int recognized = 0;   // runs whose found word is the pattern
  int countFound = 0;   // runs whose estimate has the hidden number of fragments
  int layoutExact = 0;  // recognized runs whose starts and series ends are all exact

  // Counts one completed run.
  void Add(const SeriesModel& model, const ExperimentOutcome& outcome);

  double Rate() const { return trials ? static_cast<double>(recognized) / trials : 0; }
  // The mean distance of an estimated start from the hidden one, over the runs with the
  // count found; nothing without such runs.
  std::optional<double> MeanStartError() const;
  // The mean fragment noise-to-signal ratio, over the runs that have one.
  std::optional<double> MeanNsr() const;

 private:
  double startErrorSum_ = 0;
  double nsrSum_ = 0;
  int nsrRuns_ = 0;
};

Json BatchJson(std::uint32_t seed, const std::vector<BatchRow>& rows);
void PrintBatch(std::ostream& out, std::uint32_t seed, const std::vector<BatchRow>& rows);

}  // namespace tesselo::cli
