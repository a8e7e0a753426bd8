#pragma once
#include <cstdint>
#include <vector>

#include "estimation/cost.h"
#include "model/alphabet.h"
#include "model/sequence.h"
#include "model/word.h"

namespace tesselo {

// How the fragment at a state of a placement programme follows the one before it.
enum class Link : std::uint8_t {
  First,       // there is none: the fragment is the first
  NewSeries,   // the one before closes the previous series
  SameSeries,  // the one before belongs to the same series
};

// The best placement of a word found by a placement programme: the fragments' starts and
// the last fragment of every series. A placement that was not found has no fragment and
// the unreachable cost.
struct Placement {
  Cost cost = kUnreachable;
  std::vector<int> starts{0};      // starts[1..count]; entry 0 is 0
  std::vector<int> seriesEnds{0};  // seriesEnds[1..L]; entry 0 is 0

  int Count() const { return static_cast<int>(starts.size()) - 1; }
  bool Found() const { return cost != kUnreachable; }
};

// The estimated sequence of N samples that a placement of `word` describes.
FragmentSequence EstimatedSequence(int N, Placement placement, const Alphabet& alphabet,
                                   const Word& word);

}  // namespace tesselo
