#pragma once
#include <span>
#include <vector>

#include "estimation/cost.h"
#include "model/alphabet.h"

namespace tesselo {

// How well each letter fits the observation at each start: for letter w placed at start p,
// the sum over its q samples of w[j]^2 - 2 w[j] x[p + j]. Summed over the fragments of a
// placement this is the squared distance between the observation and the synthesised
// sequence, less the squared norm of the observation.
class LetterCosts {
 public:
  // Costs of the given letter numbers at starts 0..N-q of the observation x[0..N-1].
  LetterCosts(const Alphabet& alphabet, std::span<const int> x, int q,
              std::span<const int> letterNumbers);

  // The bytes that costs of `letterCount` letters over a sequence of N samples take.
  static Int64 Bytes(int N, int q, Int64 letterCount);

  // The cost of `letter` at every start, indexed by the start.
  std::span<const Cost> Of(int letter) const { return byLetter_[letter]; }

 private:
  std::vector<std::vector<Cost>> byLetter_;  // indexed by letter number
};

}  // namespace tesselo
