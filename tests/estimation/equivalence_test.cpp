// The fast estimation against the literal one, over many seeded experiments.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <vector>

#include "support/experiment_setup.h"
#include "support/literal_estimation.h"
#include "model/series_model.h"

namespace tesselo {
namespace {

using test_support::Experiment;
using test_support::Letters;
using test_support::RandomDictionary;
using test_support::SeriesBounds;
using test_support::StartAlphabet;

std::vector<int> Used(const std::vector<int>& entries, int count) {
  return {entries.begin(), entries.begin() + std::min<int>(count + 1, entries.size())};
}

void ExpectSamePlacement(const FragmentSequence& fast, const Placement& literal, int L) {
  ASSERT_EQ(fast.count, literal.Count());
  EXPECT_EQ(Used(fast.starts, fast.count), literal.starts);
  if (literal.Found()) {
    EXPECT_EQ(Used(fast.seriesEnds, L), literal.seriesEnds);
  }
}

// Every word of the model's dictionary placed by both programmes, then found by both
// drivers, in both counting modes.
void ExpectFastMatchesLiteral(SeriesModel& m) {
  const Alphabet& alphabet = StartAlphabet();
  ASSERT_EQ(m.observable.length, m.N) << "the generator found no layout";
  // Every word's literal cost, for the unknown [0] and the known [1] count.
  SeriesModel::WordCosts literalCosts[2] = {SeriesModel::WordCosts(m.words->count + 1),
                                            SeriesModel::WordCosts(m.words->count + 1)};
  for (int i = 1; i <= m.words->count; ++i) {
    const Word& word = m.words->words[i];
    SCOPED_TRACE(::testing::Message()
                 << "word " << i << ", " << word.length << " letters, M " << m.M);
    if (word.length > m.M_max) continue;
    m.word = std::make_unique<Word>(word);
    const Placement divided = literal::DividePattern(m, word, alphabet);
    EXPECT_EQ(m.DividePattern(alphabet), divided.cost);
    ExpectSamePlacement(m.estimation, divided, word.length);
    literalCosts[0][i] = divided.cost;
    if (word.length > m.M) continue;
    const Placement placed = literal::PlaceKnownCount(m, word, alphabet);
    EXPECT_EQ(m.PlaceKnownCount(alphabet), placed.cost);
    ExpectSamePlacement(m.estimation, placed, word.length);
    literalCosts[1][i] = placed.cost;
  }
  for (int known : {1, 0}) {
    SCOPED_TRACE(known ? "known count" : "unknown count");
    const literal::FoundWord expected = literal::FindWord(m, alphabet, known);
    SeriesModel::WordCosts costs;
    EXPECT_EQ(m.FindWord(alphabet, known, &costs), expected.number);
    EXPECT_EQ(costs, literalCosts[known]);
    const int L = expected.number ? m.words->words[expected.number].length : 0;
    ExpectSamePlacement(m.estimation, expected.placement, L);
    EXPECT_EQ(m.word->letters, m.words->words[m.PatNum].letters);
  }
}

struct Case {
  SeriesBounds bounds;
  int experiments;  // seeded experiments, each with its own dictionary
  int maxWordLength;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.bounds.name; }

class Equivalence : public ::testing::TestWithParam<Case> {};

// Random dictionaries, the pattern among them, noise from none (where ties abound) to far
// above the letters' amplitude.
TEST_P(Equivalence, RandomDictionariesAtEveryNoiseLevel) {
  const Case& c = GetParam();
  const double levels[] = {0, 30, 300, 100000};
  for (int seed = 1; seed <= c.experiments; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    SeriesModel probe;
    c.bounds.ApplyTo(probe);
    const std::vector<Letters> dictionary =
        RandomDictionary(seed, 1 + seed % 4, std::min(c.maxWordLength, probe.M_max));
    const int pattern = 1 + seed % static_cast<int>(dictionary.size());
    SeriesModel m = Experiment(c.bounds, dictionary, pattern, seed, levels[seed % 4]);
    ExpectFastMatchesLiteral(m);
  }
}

// Words of one letter repeated, where series of equal fragments meet and costs tie.
TEST_P(Equivalence, RepeatedLetterWords) {
  const Case& c = GetParam();
  SeriesModel probe;
  c.bounds.ApplyTo(probe);
  const int longest = std::min(c.maxWordLength, probe.M_max);
  const std::vector<Letters> dictionary = {
      Letters(longest, 7), Letters(1, 7), Letters(std::max(1, longest / 2), 7), {7, 12}};
  for (int seed = 1; seed <= 4; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    SeriesModel m = Experiment(c.bounds, dictionary, 1 + seed % 3, 100 + seed, seed % 2 ? 0 : 50);
    ExpectFastMatchesLiteral(m);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, Equivalence,
    ::testing::Values(Case{SeriesBounds::Preset(200), 120, 5},
                      Case{SeriesBounds::Preset(600), 40, 8},
                      Case{SeriesBounds::Preset(1200), 8, 6},
                      Case{SeriesBounds::Custom("ShortGaps", 400, 60, 300, 21, 60), 40, 12},
                      Case{SeriesBounds::Custom("FixedGap", 300, 25, 250, 25, 25), 40, 12},
                      Case{SeriesBounds::Custom("WideWindows", 500, 200, 300, 30, 200), 30, 10}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.bounds.name; });

}  // namespace
}  // namespace tesselo
