#pragma once
#include <span>

#include "estimation/letter_costs.h"
#include "estimation/placement.h"
#include "estimation/tables.h"
#include "model/series_model.h"

namespace tesselo {

// Places a word when the number of fragments is not known: chooses the number together with
// the starts and the division into series, at admissible starts only, so that the sum of
// letter costs is least. A first-letter fragment begins a new chain when every chain that
// could lead to it costs more than 0. Among equal costs it takes the lowest starts, and
// prefers opening the fragment's series to continuing it.
class PatternDivider {
 public:
  PatternDivider(const SeriesModel& model, const Word& word);

  // The memory the programme's tables take, in bytes.
  Int64 TableBytes() const;

  // The best placement; not found when no chain of admissible starts carries the word.
  Placement Place(const LetterCosts& costs) const;

 private:
  struct Tables;
  struct Predecessors;

  Predecessors PredecessorsOfPlace(int e) const;
  void PlaceFirstLetter(std::span<const Cost> letter, Tables& t) const;
  void PlaceLaterLetter(int e, std::span<const Cost> letter, Tables& t) const;
  Placement Backtrack(int lastStart, const Tables& t) const;

  const SeriesModel& model_;
  const Word& word_;
  int L_;
  bool feasible_;
};

}  // namespace tesselo
