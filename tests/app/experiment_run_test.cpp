#include "app/experiment_run.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/parameter_checks.h"
#include "app/start_state.h"
#include "model/random_source.h"
#include "support/experiment_setup.h"
#include "support/literal_estimation.h"

namespace tesselo {
namespace {

using test_support::Letters;
using test_support::SeriesBounds;

constexpr std::uint32_t kSeed = 2718;
const std::vector<Letters> kDictionary = {{5, 18, 21}, {3, 11, 16}, {3, 16}};

// The model as the program starts, the random source seeded, and a dictionary to type.
class ExperimentRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetToStartState(model);
    random_source::Seed(kSeed);
  }

  // Types the words into a fresh dictionary, each finished, and chooses the pattern (0: none).
  void Type(const std::vector<Letters>& words, int pattern) {
    dictionary = DicTable{};
    for (const Letters& word : words) dictionary.AddWord(word);
    if (pattern) dictionary.ChoosePattern(pattern);
  }

  SeriesModel& model = Model();
  DicTable dictionary;
};

// What a run leaves of the last experiment, and the random source's next draw.
struct LastExperiment {
  int M;
  FragmentSequence unobservable;
  Sequence observable;
  Sequence noise;
  FragmentSequence estimation;

  explicit LastExperiment(const SeriesModel& m)
      : M(m.M),
        unobservable(m.unobservable),
        observable(m.observable),
        noise(m.noise),
        estimation(m.estimation) {}

  void ExpectKeptIn(const SeriesModel& m) const {
    EXPECT_EQ(m.M, M);
    EXPECT_EQ(m.unobservable.samples, unobservable.samples);
    EXPECT_EQ(m.unobservable.starts, unobservable.starts);
    EXPECT_EQ(m.unobservable.seriesEnds, unobservable.seriesEnds);
    EXPECT_EQ(m.unobservable.count, unobservable.count);
    EXPECT_EQ(m.observable.samples, observable.samples);
    EXPECT_EQ(m.noise.samples, noise.samples);
    EXPECT_EQ(m.estimation.samples, estimation.samples);
    EXPECT_EQ(m.estimation.starts, estimation.starts);
    EXPECT_EQ(m.estimation.count, estimation.count);
  }
};

void ExpectSameSeries(const FragmentSequence& actual, const FragmentSequence& expected) {
  EXPECT_EQ(actual.count, expected.count);
  EXPECT_EQ(actual.starts, expected.starts);
  EXPECT_EQ(actual.seriesEnds, expected.seriesEnds);
  EXPECT_EQ(actual.samples, expected.samples);
}

TEST_F(ExperimentRun, GeneratesObservesAndFindsTheWordAsTheStepsDoOneByOne) {
  for (const int known : {1, 0}) {
    for (const int noise : {0, 60, 400}) {
      SCOPED_TRACE(testing::Message() << "known " << known << ", noise " << noise);
      SetUp();
      Type(kDictionary, 2);
      dictionary.AddLetter(7, false);  // an open word: the run finishes it
      const ExperimentOutcome outcome = RunExperiment(dictionary, known, noise, "200 (Standard)");
      const int nextDraw = random_source::Draw();

      std::vector<Letters> typed = kDictionary;
      typed.push_back({7});
      const SeriesModel replay =
          test_support::Experiment(SeriesBounds::Preset(200), typed, 2, kSeed, noise);
      EXPECT_EQ(random_source::Draw(), nextDraw) << "the run draws only in generation";
      const literal::FoundWord expected = literal::FindWord(replay, *model.alphabet, known);

      EXPECT_TRUE(outcome.presetApplied);
      EXPECT_FALSE(outcome.refusal.has_value());
      EXPECT_EQ(dictionary.WordOpen, 0);
      EXPECT_EQ(dictionary.MinLen, 1);
      EXPECT_EQ(model.noiseLevel, noise);
      EXPECT_EQ(model.PatNum, 2);
      EXPECT_EQ(model.word->letters, (std::vector<int>{0, 3, 11, 16}));
      ASSERT_EQ(model.words->count, 4);
      EXPECT_EQ(model.words->maxLength, 3);
      EXPECT_EQ(model.words->words[4].letters, (std::vector<int>{0, 7}));
      EXPECT_EQ(model.M, replay.M);
      ExpectSameSeries(model.unobservable, replay.unobservable);
      EXPECT_EQ(model.noise.samples, replay.noise.samples);
      EXPECT_EQ(model.observable.samples, replay.observable.samples);
      if (noise == 0) {
        EXPECT_EQ(model.observable.samples, model.unobservable.samples);
      }

      EXPECT_EQ(outcome.foundWord, expected.number);
      EXPECT_EQ(model.estimation.count, expected.placement.Count());
      EXPECT_EQ(outcome.wordCosts.size(), 5u);
      EXPECT_EQ(outcome.wordCosts[expected.number], expected.placement.cost);
      if (noise == 0) {
        EXPECT_EQ(outcome.foundWord, 2);
      }
    }
  }
}

TEST_F(ExperimentRun, SuccessiveRunsContinueOneRandomStream) {
  Type(kDictionary, 1);
  RunExperiment(dictionary, 1, 30, "600 (Standard)");
  const FragmentSequence first = model.unobservable;
  RunExperiment(dictionary, 1, 30, "600 (Standard)");

  SeriesModel replay =
      test_support::Experiment(SeriesBounds::Preset(600), kDictionary, 1, kSeed, 30);
  ExpectSameSeries(first, replay.unobservable);
  replay.Generate(*model.alphabet);
  replay.observable.MakeObservation(30, replay.unobservable, replay.noise);
  ExpectSameSeries(model.unobservable, replay.unobservable);
  EXPECT_EQ(model.observable.samples, replay.observable.samples);
  EXPECT_NE(model.unobservable.samples, first.samples);
}

// Which steps a refused run got through before it stopped.
enum class Stage { BeforeCopy, AfterCopy, AfterPatNum };

struct Refusal {
  const char* what;
  std::vector<Letters> words;
  int pattern;
  const char* params;
  std::string_view message;
  Stage stage;
  int N;  // the model's length afterwards
};

const Refusal kRefusals[] = {
    {"empty dictionary", {}, 0, "600 (Standard)", refusal::kNoPattern, Stage::BeforeCopy, 600},
    {"two words, no pattern",
     {{1}, {2}},
     0,
     "Another",
     refusal::kNoPattern,
     Stage::BeforeCopy,
     200},
    {"every word longer than M_max = 5",
     {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 7}},
     1,
     "200 (Standard)",
     refusal::kWordsTooLong,
     Stage::AfterCopy,
     200},
    {"pattern longer than M_max = 5",
     {{1, 2, 3, 4, 5, 6}, {4}},
     1,
     "200 (Standard)",
     refusal::kPatternTooLong,
     Stage::AfterPatNum,
     200},
};

// Each refusal after a completed run (pattern 2 of two words): what it changed, and that
// the completed run's sequences, estimate and random stream are untouched.
TEST_F(ExperimentRun, RefusalsKeepTheLastExperimentAndWhatTheStepsBeforeChanged) {
  for (const Refusal& r : kRefusals) {
    SCOPED_TRACE(r.what);
    SetUp();
    Type({{3, 16}, {3, 11, 16}}, 2);
    ASSERT_FALSE(RunExperiment(dictionary, 1, 30, "200 (Standard)").refusal);
    const LastExperiment last(model);
    random_source::Seed(99);
    const int nextDraw = random_source::Draw();
    random_source::Seed(99);

    Type(r.words, r.pattern);
    dictionary.WordOpen = 1;
    const ExperimentOutcome outcome = RunExperiment(dictionary, 0, 77, r.params);

    ASSERT_EQ(outcome.refusal, std::string(r.message));
    EXPECT_EQ(outcome.presetApplied, PresetLength(r.params).has_value());
    EXPECT_EQ(dictionary.WordOpen, 0);
    EXPECT_EQ(model.noiseLevel, 77);
    EXPECT_EQ(model.N, r.N);
    last.ExpectKeptIn(model);
    EXPECT_EQ(random_source::Draw(), nextDraw);
    if (r.stage == Stage::BeforeCopy) {
      EXPECT_EQ(model.words->words[1].letters, (std::vector<int>{0, 3, 16}));
      EXPECT_EQ(model.word->letters, (std::vector<int>{0, 3, 11, 16}));
    } else {
      EXPECT_EQ(model.words->words[1].length, 6);
      EXPECT_EQ(model.word->length, kUnfilledWordLength);
    }
    EXPECT_EQ(model.PatNum, r.stage == Stage::AfterPatNum ? 1 : 2);
  }
}

TEST_F(ExperimentRun, AnEmptyDictionaryTakesMinLenZeroOnTheWay) {
  const ExperimentOutcome outcome = RunExperiment(dictionary, 1, 0, "Another");
  EXPECT_EQ(outcome.refusal, std::string(refusal::kNoPattern));
  EXPECT_FALSE(outcome.presetApplied);
  EXPECT_EQ(dictionary.MinLen, 0);
}

TEST_F(ExperimentRun, CustomBoundsTakeEffectUntilAPresetIsChosen) {
  const Letters tenLetters = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  Type({tenLetters, {4}}, 1);
  StoreSeriesParameters(model, {40, 135, 115, 245, 380});

  ExperimentOutcome outcome = RunExperiment(dictionary, 1, 45, "Another");
  EXPECT_FALSE(outcome.presetApplied);
  ASSERT_FALSE(outcome.refusal);
  EXPECT_EQ(model.N, 400);
  EXPECT_EQ(model.M_max, 10);
  EXPECT_EQ(model.M_min, 2);
  EXPECT_EQ(model.unobservable.length, 400);
  EXPECT_EQ(model.M, 10);
  EXPECT_EQ(model.noiseLevel, 45);

  // Text that names no preset keeps the model's bounds as "Another" does.
  outcome = RunExperiment(dictionary, 1, 45, "400 (Custom)");
  EXPECT_FALSE(outcome.presetApplied);
  EXPECT_FALSE(outcome.refusal);
  EXPECT_EQ(model.N, 400);

  outcome = RunExperiment(dictionary, 1, 45, "1200 (Standard)");
  EXPECT_TRUE(outcome.presetApplied);
  EXPECT_FALSE(outcome.refusal);
  EXPECT_EQ(model.N, 1200);
  EXPECT_EQ(model.B_minus, 1065);
  EXPECT_EQ(model.M_max, 30);

  outcome = RunExperiment(dictionary, 1, 45, "200 (Standard)");
  EXPECT_TRUE(outcome.presetApplied);
  EXPECT_EQ(outcome.refusal, std::string(refusal::kPatternTooLong));
  EXPECT_EQ(model.B, 180);
}

TEST(PresetLength, NamesTheThreeStandardLengths) {
  EXPECT_EQ(PresetLength("200 (Standard)"), 200);
  EXPECT_EQ(PresetLength("600 (Standard)"), 600);
  EXPECT_EQ(PresetLength("1200 (Standard)"), 1200);
  EXPECT_EQ(PresetLength("Another"), std::nullopt);
  EXPECT_EQ(PresetLength("200"), std::nullopt);
}

// Runs that need more memory than allowed: the run is refused and the last experiment
// stays, whether the sequences themselves or the estimation's tables would be too large.
TEST_F(ExperimentRun, RunsBeyondTheMemoryBudgetAreRefusedAndKeepTheLastExperiment) {
  struct Case {
    const char* what;
    SeriesParameters bounds;
    bool draws;  // whether the generation ran before the refusal
  };
  const Case cases[] = {
      {"sequences of 2^31 samples", {40, 135, 115, INT_MAX - 200, INT_MAX - 20}, false},
      {"up to 50000 fragments", {40, 1'000'000, 1'000'000, 1'000'000, 1'999'980}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    Type({{3, 16}, {1}}, 2);
    ASSERT_FALSE(RunExperiment(dictionary, 1, 30, "200 (Standard)").refusal);
    const LastExperiment last(model);
    random_source::Seed(99);
    const int nextDraw = random_source::Draw();
    random_source::Seed(99);

    StoreSeriesParameters(model, c.bounds);
    const ExperimentOutcome outcome = RunExperiment(dictionary, 1, 30, "Another");
    EXPECT_EQ(outcome.refusal, std::string(refusal::kOutOfMemory));
    EXPECT_EQ(outcome.foundWord, 0);
    EXPECT_TRUE(outcome.wordCosts.empty());
    EXPECT_EQ(model.N, c.bounds.B + 20);
    last.ExpectKeptIn(model);
    EXPECT_EQ(random_source::Draw() != nextDraw, c.draws);
  }
}

}  // namespace
}  // namespace tesselo
