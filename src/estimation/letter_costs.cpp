#include "estimation/letter_costs.h"

#include <algorithm>

#include "estimation/tables.h"

namespace tesselo {
namespace {

int StartCount(Int64 N, int q) { return static_cast<int>(std::max<Int64>(N - q + 1, 0)); }

std::vector<Cost> CostsOf(const Sequence& letter, std::span<const int> x, int q) {
  Cost energy = 0;
  for (int j = 0; j < q; ++j) energy += Cost{letter.samples[j]} * letter.samples[j];
  std::vector<Cost> costs(StartCount(static_cast<Int64>(x.size()), q));
  for (std::size_t p = 0; p < costs.size(); ++p) {
    Cost correlation = 0;
    for (int j = 0; j < q; ++j) correlation += Cost{letter.samples[j]} * x[p + j];
    costs[p] = energy - 2 * correlation;
  }
  return costs;
}

}  // namespace

LetterCosts::LetterCosts(const Alphabet& alphabet, std::span<const int> x, int q,
                         std::span<const int> letterNumbers)
    : byLetter_(alphabet.letters.size()) {
  for (int letter : letterNumbers)
    if (byLetter_[letter].empty()) byLetter_[letter] = CostsOf(alphabet.letters[letter], x, q);
}

Int64 LetterCosts::Bytes(int N, int q, Int64 letterCount) {
  return TableBytes({StartCount(N, q), letterCount}, sizeof(Cost));
}

}  // namespace tesselo
