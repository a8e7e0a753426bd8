#include "cli/report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "estimation/cost.h"
#include "views/noise_ratios.h"

namespace tesselo::cli {
namespace {

// Entries 1..count of a 1-based list (fewer when the list is shorter).
std::span<const int> FromOne(const std::vector<int>& list, int count) {
  if (list.empty()) return {};
  return std::span<const int>(list).subspan(1, std::clamp<std::size_t>(count, 0, list.size() - 1));
}

// The series ends of a sequence: its list holds one entry per series after entry 0.
std::span<const int> SeriesEnds(const FragmentSequence& s) {
  return FromOne(s.seriesEnds, static_cast<int>(s.seriesEnds.size()) - 1);
}

std::span<const int> Starts(const FragmentSequence& s) { return FromOne(s.starts, s.count); }

Json Layout(const FragmentSequence& s) {
  return {{"count", s.count},
          {"starts", Starts(s)},
          {"seriesEnds", SeriesEnds(s)},
          {"samples", s.samples}};
}

Json OrNull(const std::optional<double>& value) { return value ? Json(*value) : Json(nullptr); }

// A word's cost, or nothing when the word was skipped or has no placement.
std::optional<Int64> CostOf(const ExperimentOutcome& outcome, int w) {
  const auto& cost = outcome.wordCosts[w];
  if (!cost || *cost == kUnreachable) return std::nullopt;
  return cost;
}

Json Costs(const ExperimentOutcome& outcome) {
  Json costs = Json::array();
  for (std::size_t w = 1; w < outcome.wordCosts.size(); ++w) {
    const std::optional<Int64> cost = CostOf(outcome, static_cast<int>(w));
    costs.push_back(cost ? Json(*cost) : Json(nullptr));
  }
  return costs;
}

std::string Fixed(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%f", value);
  return text;
}

std::string FixedOrDash(const std::optional<double>& value) { return value ? Fixed(*value) : "-"; }

void PrintList(std::ostream& out, std::span<const int> values) {
  for (std::size_t i = 0; i < values.size(); ++i) out << (i ? " " : "") << values[i];
}

void PrintLayout(std::ostream& out, const char* title, const FragmentSequence& s) {
  out << title << ": " << s.count << " fragments; starts ";
  PrintList(out, Starts(s));
  out << "; series ends ";
  PrintList(out, SeriesEnds(s));
  out << "\n  samples: ";
  PrintList(out, s.samples);
  out << "\n";
}

void PrintSamples(std::ostream& out, const char* title, const Sequence& s) {
  out << title << ": ";
  PrintList(out, s.samples);
  out << "\n";
}

const char* CountName(int known) { return known ? "known" : "unknown"; }

}  // namespace

Json RunJson(const RunReport& run) {
  const SeriesModel& m = run.model;
  const NoiseRatios ratios = NoiseToSignal(m.unobservable, m.noise, m.N, m.q);
  return {{"seed", run.seed},
          {"parameters",
           {{"N", m.N},
            {"q", m.q},
            {"T_min", m.T_min},
            {"T_max", m.T_max},
            {"M_min", m.M_min},
            {"M_max", m.M_max},
            {"A_minus", m.A_minus},
            {"A_plus", m.A_plus},
            {"B_minus", m.B_minus},
            {"B", m.B}}},
          {"count", CountName(run.known)},
          {"noiseLevel", m.noiseLevel},
          {"pattern", m.PatNum},
          {"unobservable", Layout(m.unobservable)},
          {"noise", m.noise.samples},
          {"observable", m.observable.samples},
          {"estimation", Layout(m.estimation)},
          {"foundWord", run.outcome.foundWord},
          {"costs", Costs(run.outcome)},
          {"nsr", OrNull(ratios.fragments)},
          {"allNsr", OrNull(ratios.all)}};
}

void PrintRun(std::ostream& out, const RunReport& run) {
  const SeriesModel& m = run.model;
  out << "seed " << run.seed << "\n";
  out << "parameters: N = " << m.N << ", q = " << m.q << ", T_min = " << m.T_min
      << ", T_max = " << m.T_max << ", M_min = " << m.M_min << ", M_max = " << m.M_max
      << ", A- = " << m.A_minus << ", A+ = " << m.A_plus << ", B- = " << m.B_minus
      << ", B = " << m.B << "\n";
  out << "count " << CountName(run.known) << ", noise level " << m.noiseLevel << ", pattern word "
      << m.PatNum << "\n";
  PrintLayout(out, "unobservable", m.unobservable);
  PrintSamples(out, "noise", m.noise);
  PrintSamples(out, "observable", m.observable);
  PrintLayout(out, "estimation", m.estimation);
  const int found = run.outcome.foundWord;
  out << "found word " << found;
  if (found != 0) out << (found == m.PatNum ? " (the pattern)" : " (not the pattern)");
  out << "\ncosts:";
  for (std::size_t w = 1; w < run.outcome.wordCosts.size(); ++w) {
    const std::optional<Int64> cost = CostOf(run.outcome, static_cast<int>(w));
    out << " " << w << ": " << (cost ? std::to_string(*cost) : std::string("none"));
  }
  const NoiseRatios ratios = NoiseToSignal(m.unobservable, m.noise, m.N, m.q);
  out << "\nNSR = " << FixedOrDash(ratios.fragments) << "\n";
  out << "All NSR = " << FixedOrDash(ratios.all) << "\n";
}

void BatchRow::Add(const SeriesModel& model, const ExperimentOutcome& outcome) {
  const FragmentSequence& hidden = model.unobservable;
  const FragmentSequence& found = model.estimation;
  ++trials;
  const bool recognizedNow = outcome.foundWord == model.PatNum;
  recognized += recognizedNow;
  if (found.count == hidden.count) {
    ++countFound;
    const std::span<const int> trueStarts = Starts(hidden);
    const std::span<const int> foundStarts = Starts(found);
    double error = 0;
    for (std::size_t k = 0; k < trueStarts.size(); ++k)
      error += std::abs(foundStarts[k] - trueStarts[k]);
    if (!trueStarts.empty()) startErrorSum_ += error / trueStarts.size();
    const std::span<const int> trueEnds = SeriesEnds(hidden);
    const std::span<const int> foundEnds = SeriesEnds(found);
    layoutExact += recognizedNow && error == 0 &&
                   std::equal(trueEnds.begin(), trueEnds.end(), foundEnds.begin(), foundEnds.end());
  }
  if (const auto nsr = NoiseToSignal(hidden, model.noise, model.N, model.q).fragments) {
    nsrSum_ += *nsr;
    ++nsrRuns_;
  }
}

std::optional<double> BatchRow::MeanStartError() const {
  if (countFound == 0) return std::nullopt;
  return startErrorSum_ / countFound;
}

std::optional<double> BatchRow::MeanNsr() const {
  if (nsrRuns_ == 0) return std::nullopt;
  return nsrSum_ / nsrRuns_;
}

Json BatchJson(std::uint32_t seed, const std::vector<BatchRow>& rows) {
  Json table = Json::array();
  for (const BatchRow& row : rows)
    table.push_back({{"noiseLevel", row.noiseLevel},
                     {"trials", row.trials},
                     {"recognized", row.recognized},
                     {"rate", row.Rate()},
                     {"countFound", row.countFound},
                     {"layoutExact", row.layoutExact},
                     {"meanStartError", OrNull(row.MeanStartError())},
                     {"meanNsr", OrNull(row.MeanNsr())}});
  return {{"seed", seed}, {"rows", table}};
}

void PrintBatch(std::ostream& out, std::uint32_t seed, const std::vector<BatchRow>& rows) {
  char line[256];
  out << "seed " << seed << "\n";
  std::snprintf(line, sizeof line, "%11s %7s %10s %9s %11s %12s %16s %10s\n", "noise level",
                "trials", "recognized", "rate", "count found", "layout exact", "mean start error",
                "mean NSR");
  out << line;
  for (const BatchRow& row : rows) {
    std::snprintf(line, sizeof line, "%11d %7d %10d %9s %11d %12d %16s %10s\n", row.noiseLevel,
                  row.trials, row.recognized, Fixed(row.Rate()).c_str(), row.countFound,
                  row.layoutExact, FixedOrDash(row.MeanStartError()).c_str(),
                  FixedOrDash(row.MeanNsr()).c_str());
    out << line;
  }
}

}  // namespace tesselo::cli
