// The placement programmes and the word-finding driver on hand-made observations, and
// their behaviour on inputs that the generator never produces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "estimation/tables.h"
#include "model/int_math.h"
#include "model/series_model.h"
#include "support/experiment_setup.h"
#include "support/literal_estimation.h"

namespace tesselo {
namespace {

using test_support::Experiment;
using test_support::Letters;
using test_support::SeriesBounds;
using test_support::StartAlphabet;

constexpr int kQ = 20;

// Letters 1 and 2 both all 2s (energy 80), letter 3 all -2s; the others silent.
Alphabet FlatAlphabet() {
  Alphabet alphabet;
  alphabet.AlSize = 21;
  alphabet.letterLength = kQ;
  alphabet.letters.resize(22);
  for (Sequence& letter : alphabet.letters) letter.samples.assign(kQ, 0);
  alphabet.letters[1].samples.assign(kQ, 2);
  alphabet.letters[2].samples.assign(kQ, 2);
  alphabet.letters[3].samples.assign(kQ, -2);
  return alphabet;
}

// The 200 preset with the count M, the current word, and an observation of zeros except
// for the given samples.
SeriesModel HandMadeModel(int M, const Letters& word,
                          const std::vector<std::pair<int, int>>& ones) {
  SeriesModel m;
  m.SetParameters(200, 40, 135, kQ);
  m.M = M;
  m.word = std::make_unique<Word>();
  m.word->Assign(word);
  m.observable.length = m.N;
  m.observable.samples.assign(m.N, 0);
  for (const auto& [first, last] : ones)
    for (int i = first; i <= last; ++i) m.observable.samples[i] = 1;
  return m;
}

std::vector<int> Entries(const std::vector<int>& values, int count) {
  return {values.begin() + 1, values.begin() + count + 1};
}

TEST(PlaceKnownCount, TiesKeepTheLowestStartsAndTheFragmentInItsSeries) {
  // On a silent observation every placement of flat letters costs 80 a fragment.
  struct Case {
    int M;
    Letters word;
    std::vector<int> starts;
    std::vector<int> seriesEnds;
  };
  const Alphabet alphabet = FlatAlphabet();
  for (const Case& c : {Case{1, {1}, {65}, {1}},                     // the lowest start of Omega(1)
                        Case{3, {1}, {0, 40, 80}, {3}},              // one series
                        Case{3, {1, 2}, {0, 40, 80}, {1, 3}},        // not {2, 3}
                        Case{3, {1, 2, 1}, {0, 40, 80}, {1, 2, 3}},  // one fragment a series
                        Case{5, {2, 1, 2}, {0, 40, 80, 120, 160}, {1, 2, 5}}}) {
    SeriesModel m = HandMadeModel(c.M, c.word, {});
    EXPECT_EQ(m.PlaceKnownCount(alphabet), 80 * c.M);
    EXPECT_EQ(m.estimation.count, c.M);
    EXPECT_EQ(Entries(m.estimation.starts, c.M), c.starts) << c.M;
    EXPECT_EQ(Entries(m.estimation.seriesEnds, m.word->length), c.seriesEnds) << c.M;
    EXPECT_EQ(literal::PlaceKnownCount(m, *m.word, alphabet).seriesEnds[1], c.seriesEnds[0]);
  }
}

TEST(DividePattern, AChainCostingExactlyZeroIsContinued) {
  // A fragment of letter 1 at 0 fits ones at 0..19 exactly (cost 0); at 65 it costs 80.
  // From 0 to 65 is a valid step, so the chain 0, 65 costs 80 as much as 65 alone: the
  // tie continues the chain. Ones at 0..18 make the fragment at 0 cost 4, and 65 alone wins.
  struct Case {
    int lastOne;
    std::vector<int> starts;
  };
  const Alphabet alphabet = FlatAlphabet();
  for (const Case& c : {Case{19, {0, 65}}, Case{18, {65}}}) {
    SeriesModel m = HandMadeModel(0, {1}, {{0, c.lastOne}});
    EXPECT_EQ(m.DividePattern(alphabet), 80);
    EXPECT_EQ(Entries(m.estimation.starts, m.estimation.count), c.starts) << c.lastOne;
    EXPECT_EQ(Entries(m.estimation.seriesEnds, 1), std::vector<int>{m.estimation.count});
    EXPECT_EQ(literal::DividePattern(m, *m.word, alphabet).starts.size(), c.starts.size() + 1);
  }
}

TEST(DividePattern, OnASilentObservationEachLetterTakesOneFragment) {
  // Every fragment costs 80, so the fewest fragments win: one per letter, even when the
  // letters are the same.
  SeriesModel m = HandMadeModel(0, {3, 3}, {});
  const Alphabet alphabet = FlatAlphabet();
  EXPECT_EQ(m.DividePattern(alphabet), 160);
  EXPECT_EQ(m.estimation.count, 2);
  EXPECT_EQ(Entries(m.estimation.seriesEnds, 2), (std::vector<int>{1, 2}));
}

// The cost of a placement is the squared distance between the observation and the
// estimated sequence, less the squared norm of the observation.
Int64 FitCost(const SeriesModel& m) {
  Int64 cost = 0;
  for (int i = 0; i < m.N; ++i) {
    const Int64 s = m.estimation.samples[i];
    cost += s * s - 2 * s * m.observable.samples[i];
  }
  return cost;
}

TEST(Estimation, CostsAtHighNoiseAreExactBeyondThe32BitRange) {
  const Letters word = {3, 11, 16, 5, 18, 21, 7, 9, 1, 2, 14, 20};
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    SeriesModel m = Experiment(SeriesBounds::Preset(1200), {word}, 1, seed, 1e6);
    ASSERT_EQ(m.observable.length, m.N);
    const Int64 known = m.PlaceKnownCount(StartAlphabet());
    EXPECT_EQ(known, FitCost(m));
    EXPECT_LT(known, kIntMin) << "the sum must leave the 32-bit range for this test to bite";
    const Int64 unknown = m.DividePattern(StartAlphabet());
    EXPECT_EQ(unknown, FitCost(m));
    EXPECT_LE(unknown, known);  // a free count can only do better
  }
}

TEST(PlaceKnownCount, ACountWithNoAdmissibleStartsFindsNothing) {
  // With M = 6 at the 200 preset no fragment has an admissible start. Each stage reports it,
  // as the step-by-step programme does.
  struct Case {
    Letters word;
    int reports;
  };
  const Alphabet alphabet = FlatAlphabet();
  for (const Case& c : {Case{{1}, 7}, Case{{1, 2}, 12}}) {
    SeriesModel m = HandMadeModel(6, c.word, {{0, 30}});
    std::string expected;
    for (int i = 0; i < c.reports; ++i) expected += "something wrong with Omega";
    ::testing::internal::CaptureStdout();
    const Placement reference = literal::PlaceKnownCount(m, *m.word, alphabet);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), expected);
    EXPECT_FALSE(reference.Found());

    ::testing::internal::CaptureStdout();
    EXPECT_EQ(m.PlaceKnownCount(alphabet), kUnreachable);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), expected);
    EXPECT_EQ(m.estimation.count, 0);
    EXPECT_EQ(m.estimation.samples, std::vector<int>(m.N, 0));

    // Such a word can never be the found one.
    m.words = std::make_unique<WordList>();
    m.words->count = 1;
    m.words->words = {Word{}, *m.word};
    m.PatNum = 1;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(m.FindWord(alphabet, 1), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), expected);
  }
}

// A model with the given dictionary, after a seeded experiment with pattern `pattern`.
SeriesModel DictionaryModel(const std::vector<Letters>& dictionary, int pattern,
                            std::uint32_t seed) {
  SeriesModel m = Experiment(SeriesBounds::Preset(200), dictionary, pattern, seed, 40);
  EXPECT_EQ(m.observable.length, m.N);
  return m;
}

TEST(FindWord, EqualCostsKeepTheEarlierWord) {
  for (int known : {1, 0}) {
    SeriesModel m = DictionaryModel({{5, 9}, {5, 9}, {9}}, 2, 3);
    EXPECT_EQ(m.FindWord(StartAlphabet(), known), 1) << known;
    EXPECT_EQ(m.word->letters, m.words->words[2].letters);
  }
}

TEST(FindWord, WordsLongerThanTheKnownCountAreNotConsidered) {
  SeriesModel m = DictionaryModel({{4, 4, 4, 4, 4}, {4}}, 2, 1);
  ASSERT_LT(m.M, 5);
  EXPECT_EQ(m.FindWord(StartAlphabet(), 1), 2);
}

TEST(FindWord, NoWordThatFitsLeavesAnEmptyEstimation) {
  // Every word longer than the greatest count: nothing is placed, nothing is read from the
  // missing word 0, and the pattern is the current word again.
  SeriesModel m = DictionaryModel({{4}}, 1, 1);
  m.words->words[1].Assign(std::vector<int>{1, 2, 3, 4, 5, 6});
  for (int known : {1, 0}) {
    EXPECT_EQ(m.FindWord(StartAlphabet(), known), 0);
    EXPECT_EQ(m.estimation.count, 0);
    EXPECT_EQ(m.estimation.length, m.N);
    EXPECT_EQ(m.estimation.samples, std::vector<int>(m.N, 0));
    EXPECT_EQ(m.word->length, 6);
  }
}

TEST(FindWord, WithoutNoiseThePatternAndItsLayoutAreRecoveredExactly) {
  // Without noise the hidden sequence itself is the only placement of least cost, so both
  // counting modes must find the pattern, its starts and its series ends.
  const std::vector<Letters> dictionary = {{5, 18, 21}, {3, 11, 16}, {3, 16}, {9}, {12, 4, 12, 7}};
  for (int N : {200, 600, 1200}) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
      const int pattern = 1 + static_cast<int>(seed) % 5;
      SeriesModel m = Experiment(SeriesBounds::Preset(N), dictionary, pattern, seed, 0);
      ASSERT_EQ(m.observable.length, m.N);
      for (int known : {1, 0}) {
        SCOPED_TRACE(::testing::Message() << "N " << N << ", seed " << seed << ", known " << known);
        EXPECT_EQ(m.FindWord(StartAlphabet(), known), pattern);
        EXPECT_EQ(m.estimation.count, m.M);
        EXPECT_EQ(Entries(m.estimation.starts, m.M), Entries(m.unobservable.starts, m.M));
        EXPECT_EQ(m.estimation.seriesEnds, m.unobservable.seriesEnds);
        EXPECT_EQ(m.estimation.samples, m.unobservable.samples);
      }
    }
  }
}

// A series far too long for the memory budget: custom bounds of `N` samples with an
// observation of zeros, the current and only dictionary word having `letters` letters.
SeriesModel HugeModel(int N, int tMax, int letters) {
  SeriesModel m;
  m.SetRanges(N, tMax, N - tMax, 40, tMax, kQ);
  m.M = letters;
  m.observable.length = N;
  m.observable.samples.assign(N, 0);
  m.words = std::make_unique<WordList>();
  m.words->count = 1;
  m.words->words.resize(2);
  m.words->words[1].Assign(Letters(letters, 1));
  m.PatNum = 1;
  m.word = std::make_unique<Word>(m.words->words[1]);
  m.estimation.length = 3;  // a previous result, to be kept
  m.estimation.count = 1;
  m.estimation.starts = {0, 1};
  return m;
}

TEST(Estimation, TablesOverTheMemoryBudgetEndTheOperationAndKeepTheResult) {
  SeriesModel unknown = HugeModel(5'000'000, 135, 99);
  SeriesModel known = HugeModel(2'000'000, 1'000'000, 50);
  known.M = 1000;
  auto expectKept = [](const SeriesModel& m) {
    EXPECT_EQ(m.estimation.length, 3);
    EXPECT_EQ(m.estimation.starts, (std::vector<int>{0, 1}));
    EXPECT_EQ(m.word->letters, m.words->words[1].letters);
  };
  EXPECT_THROW(unknown.DividePattern(StartAlphabet()), EstimationMemoryError);
  expectKept(unknown);
  EXPECT_THROW(unknown.FindWord(StartAlphabet(), 0), EstimationMemoryError);
  expectKept(unknown);
  EXPECT_THROW(known.PlaceKnownCount(StartAlphabet()), EstimationMemoryError);
  expectKept(known);
  EXPECT_THROW(known.FindWord(StartAlphabet(), 1), EstimationMemoryError);
  expectKept(known);
}

}  // namespace
}  // namespace tesselo
