// The estimation operations of the series model: placing the current word, and finding the
// dictionary word that explains the observation best.
#include <algorithm>
#include <cassert>
#include <memory>
#include <new>
#include <span>
#include <utility>
#include <vector>

#include "estimation/known_count.h"
#include "estimation/pattern_division.h"
#include "estimation/tables.h"
#include "model/series_model.h"

namespace tesselo {
namespace {

// Runs an estimation step, turning a failed allocation into the estimation's own error.
template <typename Step>
auto WithinMemory(Step step) {
  try {
    return step();
  } catch (const std::bad_alloc&) {
    throw EstimationMemoryError();
  }
}

// The observed samples x[0..N-1]; the estimation runs on a fresh observation of N samples.
std::span<const int> Observation(const SeriesModel& m) {
  assert(m.observable.samples.size() >= static_cast<std::size_t>(std::max(m.N, 0)));
  return std::span<const int>(m.observable.samples).first(std::max(m.N, 0));
}

std::span<const int> LettersOf(const Word& word) {
  return std::span<const int>(word.letters).subspan(1, std::max(word.length, 0));
}

// The costs of the given letters (each counted once) over the observation, checked against
// the budget before they are computed; `bytes` receives their size.
LetterCosts CostsOfLetters(const SeriesModel& m, const Alphabet& alphabet, std::vector<int> letters,
                           Int64& bytes) {
  std::sort(letters.begin(), letters.end());
  letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
  bytes = LetterCosts::Bytes(m.N, m.q, static_cast<Int64>(letters.size()));
  CheckMemoryBudget(bytes);
  return LetterCosts(alphabet, Observation(m), m.q, letters);
}

// The best placement of `word` by one programme, whose tables are checked against the
// budget, together with the letter costs of `costBytes`, before they are built.
template <typename Placer>
Placement PlaceWith(const SeriesModel& m, const Word& word, const LetterCosts& costs,
                    Int64 costBytes) {
  const Placer placer(m, word);
  CheckMemoryBudget(TotalBytes({costBytes, placer.TableBytes()}));
  return placer.Place(costs);
}

template <typename Placer>
Int64 PlaceCurrentWord(SeriesModel& m, const Alphabet& alphabet) {
  return WithinMemory([&] {
    const Word& word = *m.word;
    Int64 costBytes = 0;
    const auto letters = LettersOf(word);
    const LetterCosts costs =
        CostsOfLetters(m, alphabet, {letters.begin(), letters.end()}, costBytes);
    Placement placement = PlaceWith<Placer>(m, word, costs, costBytes);
    const Cost cost = placement.cost;
    m.estimation = EstimatedSequence(m.N, std::move(placement), alphabet, word);
    return cost;
  });
}

}  // namespace

Int64 SeriesModel::PlaceKnownCount(const Alphabet& alphabet) {
  return PlaceCurrentWord<KnownCountPlacer>(*this, alphabet);
}

Int64 SeriesModel::DividePattern(const Alphabet& alphabet) {
  return PlaceCurrentWord<PatternDivider>(*this, alphabet);
}

int SeriesModel::FindWord(const Alphabet& alphabet, int known, WordCosts* costs) {
  return WithinMemory([&] {
    // Words longer than the greatest count, or in the known mode than the count itself,
    // cannot be placed.
    const int mostLetters = known ? std::min(M, M_max) : M_max;
    std::vector<int> candidates;
    std::vector<int> letters;
    for (int i = 1; i <= words->count; ++i) {
      const Word& candidate = words->words[i];
      if (candidate.length > mostLetters) continue;
      candidates.push_back(i);
      const auto its = LettersOf(candidate);
      letters.insert(letters.end(), its.begin(), its.end());
    }
    Int64 costBytes = 0;
    const LetterCosts letterCosts =
        CostsOfLetters(*this, alphabet, std::move(letters), costBytes);

    Placement best;
    int bestWord = 0;
    WordCosts wordCosts(words->count + 1);
    for (int i : candidates) {
      const Word& candidate = words->words[i];
      Placement placement =
          known ? PlaceWith<KnownCountPlacer>(*this, candidate, letterCosts, costBytes)
                : PlaceWith<PatternDivider>(*this, candidate, letterCosts, costBytes);
      wordCosts[i] = placement.cost;
      if (placement.cost < best.cost) {
        best = std::move(placement);
        bestWord = i;
      }
    }

    // Nothing is committed until everything that can fail has been done.
    const Word none;
    FragmentSequence found = EstimatedSequence(N, std::move(best), alphabet,
                                               bestWord != 0 ? words->words[bestWord] : none);
    std::unique_ptr<Word> pattern = PatNum >= 1 && PatNum <= words->count
                                        ? std::make_unique<Word>(words->words[PatNum])
                                        : nullptr;
    estimation = std::move(found);
    if (pattern) word = std::move(pattern);
    if (costs) *costs = std::move(wordCosts);
    return bestWord;
  });
}

}  // namespace tesselo
