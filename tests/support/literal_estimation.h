#pragma once
#include "estimation/placement.h"
#include "model/series_model.h"

// The estimation programmes written out literally, every predecessor interval scanned entry
// by entry into full tables: slow, and the reference the fast programmes must agree with.
// They differ from the original only where it would break: costs are 64-bit, an unreachable
// predecessor keeps its state unreachable, and a count with no admissible last start (or a
// backtracking walk longer than its buffers) finds nothing.
namespace tesselo::literal {

// The known-count programme for `word` with the model's count M.
Placement PlaceKnownCount(const SeriesModel& m, const Word& word, const Alphabet& alphabet);

// The pattern-division programme for `word`.
Placement DividePattern(const SeriesModel& m, const Word& word, const Alphabet& alphabet);

struct FoundWord {
  int number = 0;
  Placement placement;
};

// The word-finding driver over the model's `words`.
FoundWord FindWord(const SeriesModel& m, const Alphabet& alphabet, int known);

}  // namespace tesselo::literal
