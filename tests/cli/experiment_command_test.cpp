#include "cli/experiment_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "app/experiment_run.h"
#include "app/parameter_checks.h"
#include "support/experiment_setup.h"
#include "support/literal_estimation.h"

namespace tesselo::cli {
namespace {

using nlohmann::json;
using test_support::Letters;
using test_support::SeriesBounds;

struct Result {
  int status;
  std::string out;
  std::string error;
};

Result Invoke(std::vector<std::string> args) {
  args.insert(args.begin(), "tesselo-experiment");
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::ostringstream out;
  std::ostringstream error;
  const int status =
      RunExperimentCommand(static_cast<int>(argv.size()), argv.data(), out, error, false);
  return {status, out.str(), error.str()};
}

const std::vector<std::string> kThreeWords = {"--word",  "5,18,21", "--word",
                                              "3,11,16", "--word",  "3,16"};

std::vector<std::string> ThreeWords(std::vector<std::string> more) {
  std::vector<std::string> args = kThreeWords;
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

std::string Repeated(const std::string& item, int times) {
  std::string text = item;
  for (int i = 1; i < times; ++i) text += "," + item;
  return text;
}

TEST(ExperimentCommand, BadCommandLinesNameTheOptionAndPrintNothing) {
  struct Case {
    std::vector<std::string> args;
    std::string named;  // what the message must mention
  };
  std::vector<std::string> hundredWords;
  for (int w = 0; w < 100; ++w) hundredWords.insert(hundredWords.end(), {"--word", "1"});
  const Case cases[] = {
      {{"--word", "1,22"}, "letter 22 is outside 1..21"},
      {{"--word", "0"}, "letter 0 is outside 1..21"},
      {{"--word", "1,x"}, "\"x\" is not a whole number"},
      {{"--word", ""}, "--word"},
      {{"--word", "1,,2"}, "--word"},
      {{"--word", Repeated("1", 100)}, "a word of 100 letters"},
      {hundredWords, "100 words"},
      {{"--word", "1", "2"}, "2"},
      {{"--word"}, "--word"},
      {{"--pattern"}, "--pattern"},
      {{"--pattern", "two"}, "--pattern"},
      {{"--pattern", "99999999999"}, "--pattern"},
      {{"--noise", "-5"}, "level -5 is outside 0..2147483647"},
      {{"--noise", "10,,20"}, "--noise"},
      {{"--noise", "2147483648"}, "--noise"},
      {{"--params", "300"}, "--params"},
      {{"--params", "600", "--custom", "115,65,180,40,135"}, "--"},
      {{"--custom", "115,65,180"}, "--custom"},
      {{"--custom", ""}, "--custom"},
      {{"--custom", "a,b,c,d,e"}, "--custom"},
      {{"--count", "maybe"}, "--count"},
      {{"--seed", "-1"}, "--seed"},
      {{"--seed", "4294967296"}, "--seed"},
      {{"--trials", "0"}, "--trials"},
      {{"--trials", "-3"}, "--trials"},
      {{"--json", "stray"}, "stray"},
  };
  for (const Case& c : cases) {
    const Result r = Invoke(c.args);
    const std::string shown = testing::PrintToString(c.args);
    EXPECT_EQ(r.status, kBadCommandLine) << shown;
    EXPECT_EQ(r.out, "") << shown;
    EXPECT_NE(r.error.find(c.named), std::string::npos) << shown << ": " << r.error;
  }
}

TEST(ExperimentCommand, RefusedCustomBoundsGiveTheChecksOwnMessage) {
  namespace msg = parameter_messages;
  const Result tMin = Invoke({"--word", "3,11", "--custom", "115,65,180,20,135"});
  EXPECT_EQ(tMin.status, kBadCommandLine);
  EXPECT_EQ(tMin.out, "");
  EXPECT_EQ(tMin.error, std::string(msg::kTMin) + "\n");
  // K_max = 5 is too few for the chosen pattern of six letters...
  const Result tooFew =
      Invoke({"--word", "1,2,3,4,5,6", "--pattern", "1", "--custom", "115,65,180,40,135"});
  EXPECT_EQ(tooFew.error, std::string(msg::kIncorrect) + "\n");
  // ...and the single word taken as the pattern by default is not yet chosen when the
  // bounds are checked, so they pass and the run refuses instead.
  const Result single = Invoke({"--word", "1,2,3,4,5,6", "--custom", "115,65,180,40,135"});
  EXPECT_EQ(single.status, kRunRefused);
  EXPECT_EQ(single.error, std::string(refusal::kWordsTooLong) + "\n");
}

TEST(ExperimentCommand, RefusedRunsExitWithTheRunsMessage) {
  struct Case {
    std::vector<std::string> args;
    std::string_view message;
  };
  const Case cases[] = {
      {{}, refusal::kNoPattern},
      {kThreeWords, refusal::kNoPattern},
      {ThreeWords({"--pattern", "4"}), refusal::kNoPattern},
      {ThreeWords({"--pattern", "0", "--trials", "5"}), refusal::kNoPattern},
      {{"--word", "1,2,3,4,5,6", "--word", "4", "--pattern", "1"}, refusal::kPatternTooLong},
      {{"--word", "1,2,3,4,5,6", "--word", "1,2,3,4,5,6,7", "--pattern", "1", "--noise", "0,30"},
       refusal::kWordsTooLong},
  };
  for (const Case& c : cases) {
    const Result r = Invoke(c.args);
    const std::string shown = testing::PrintToString(c.args);
    EXPECT_EQ(r.status, kRunRefused) << shown;
    EXPECT_EQ(r.out, "") << shown;
    EXPECT_EQ(r.error, std::string(c.message) + "\n") << shown;
  }
}

TEST(ExperimentCommand, ASingleWordIsThePatternWhateverTheNumberGiven) {
  for (const std::vector<std::string>& pattern :
       {std::vector<std::string>{}, {"--pattern", "7"}, {"--pattern", "-1"}}) {
    std::vector<std::string> args = {"--word", "3,11", "--seed", "5", "--json"};
    args.insert(args.end(), pattern.begin(), pattern.end());
    const Result r = Invoke(args);
    ASSERT_EQ(r.status, kCompleted) << r.error;
    EXPECT_EQ(json::parse(r.out)["pattern"], 1);
  }
}

TEST(ExperimentCommand, HelpGoesToStandardOutput) {
  const Result r = Invoke({"--help"});
  EXPECT_EQ(r.status, kCompleted);
  EXPECT_NE(r.out.find("--trials"), std::string::npos);
  EXPECT_EQ(r.error, "");
}

// Seed 12345, pattern 3 11 16 at noise 60: the layout, noise and ratios that the
// independent reference (tests/tools/reference_generator.py) derives from the drawing
// rules, and the estimate that the literal programmes find in the same observation.
TEST(ExperimentCommand, ASeededRunIsReproducedExactly) {
  const Result r =
      Invoke(ThreeWords({"--pattern", "2", "--noise", "60", "--seed", "12345", "--json"}));
  ASSERT_EQ(r.status, kCompleted) << r.error;
  EXPECT_EQ(r.error, "");
  const json run = json::parse(r.out);

  const auto inOrder = nlohmann::ordered_json::parse(r.out);
  std::vector<std::string> keys;
  for (const auto& item : inOrder.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"seed", "parameters", "count", "noiseLevel", "pattern",
                                            "unobservable", "noise", "observable", "estimation",
                                            "foundWord", "costs", "nsr", "allNsr"}));
  EXPECT_EQ(run["seed"], 12345);
  EXPECT_EQ(run["parameters"], json::parse(R"({"N": 200, "q": 20, "T_min": 40, "T_max": 135,
      "M_min": 1, "M_max": 5, "A_minus": 0, "A_plus": 115, "B_minus": 65, "B": 180})"));
  EXPECT_EQ(run["count"], "known");
  EXPECT_EQ(run["noiseLevel"], 60);
  EXPECT_EQ(run["pattern"], 2);

  const json& hidden = run["unobservable"];
  EXPECT_EQ(hidden["count"], 3);
  EXPECT_EQ(hidden["starts"], json({10, 56, 130}));
  EXPECT_EQ(hidden["seriesEnds"], json({1, 2, 3}));
  ASSERT_EQ(run["noise"].size(), 200u);
  EXPECT_EQ(std::vector<int>(run["noise"].begin(), run["noise"].begin() + 5),
            (std::vector<int>{40, -20, 27, -2, 18}));
  EXPECT_EQ(run["observable"][16], 219);
  EXPECT_NEAR(run["nsr"].get<double>(), 1.150793, 5e-7);
  EXPECT_NEAR(run["allNsr"].get<double>(), 3.370682, 5e-7);

  const std::vector<Letters> words = {{5, 18, 21}, {3, 11, 16}, {3, 16}};
  const SeriesModel replay =
      test_support::Experiment(SeriesBounds::Preset(200), words, 2, 12345, 60);
  EXPECT_EQ(hidden["samples"], json(replay.unobservable.samples));
  EXPECT_EQ(run["noise"], json(replay.noise.samples));
  EXPECT_EQ(run["observable"], json(replay.observable.samples));
  const literal::FoundWord found = literal::FindWord(replay, test_support::StartAlphabet(), 1);
  EXPECT_EQ(run["foundWord"], found.number);
  EXPECT_EQ(run["costs"].size(), 3u);
  EXPECT_EQ(run["costs"][found.number - 1], found.placement.cost);
  const std::vector<int> starts(found.placement.starts.begin() + 1, found.placement.starts.end());
  EXPECT_EQ(run["estimation"]["starts"], json(starts));
  EXPECT_EQ(run["estimation"]["count"], found.placement.Count());

  EXPECT_EQ(
      Invoke(ThreeWords({"--pattern", "2", "--noise", "60", "--seed", "12345", "--json"})).out,
      r.out);
}

TEST(ExperimentCommand, CustomBoundsAreStoredAndUsedLikeAnAcceptedDialog) {
  const Result r = Invoke({"--word", "1,2,3,4,5,6,7,8,9,10", "--custom", "115,245,380,40,135",
                           "--count", "unknown", "--seed", "3", "--json"});
  ASSERT_EQ(r.status, kCompleted) << r.error;
  const json run = json::parse(r.out);
  EXPECT_EQ(run["parameters"]["N"], 400);
  EXPECT_EQ(run["parameters"]["M_max"], 10);
  EXPECT_EQ(run["parameters"]["M_min"], 2);
  EXPECT_EQ(run["parameters"]["B_minus"], 245);
  EXPECT_EQ(run["count"], "unknown");
  EXPECT_EQ(run["unobservable"]["count"], 10);
  EXPECT_EQ(run["unobservable"]["samples"].size(), 400u);
}

TEST(ExperimentCommand, WordsThatCannotBePlacedHaveNoCost) {
  const Result r = Invoke({"--word", "3,11,16", "--word", "1,2,3,4,5,6", "--word", "3", "--pattern",
                           "1", "--seed", "12345", "--json"});
  ASSERT_EQ(r.status, kCompleted) << r.error;
  const json costs = json::parse(r.out)["costs"];
  ASSERT_EQ(costs.size(), 3u);
  EXPECT_TRUE(costs[0].is_number_integer());
  EXPECT_TRUE(costs[1].is_null());  // six letters, more than M_max = 5
  EXPECT_TRUE(costs[2].is_number_integer());
}

// A batch is the single runs one after another in one random stream: its figures are
// those of the runs repeated by hand.
TEST(ExperimentCommand, ABatchCountsTheRunsOfOneStream) {
  const Result r = Invoke(ThreeWords(
      {"--pattern", "2", "--noise", "0,150", "--trials", "4", "--seed", "77", "--json"}));
  ASSERT_EQ(r.status, kCompleted) << r.error;
  const json batch = json::parse(r.out);
  EXPECT_EQ(batch["seed"], 77);
  ASSERT_EQ(batch["rows"].size(), 2u);

  const std::vector<Letters> words = {{5, 18, 21}, {3, 11, 16}, {3, 16}};
  SeriesModel replay = test_support::Experiment(SeriesBounds::Preset(200), words, 2, 77, 0);
  int recognized[2] = {0, 0};
  int countFound[2] = {0, 0};
  for (int run = 0; run < 8; ++run) {
    const int level = run / 4;
    if (run > 0) {
      replay.Generate(test_support::StartAlphabet());
      replay.observable.MakeObservation(level * 150, replay.unobservable, replay.noise);
    }
    const literal::FoundWord found = literal::FindWord(replay, test_support::StartAlphabet(), 1);
    recognized[level] += found.number == 2;
    countFound[level] += found.placement.Count() == replay.unobservable.count;
  }
  for (int level = 0; level < 2; ++level) {
    const json& row = batch["rows"][level];
    EXPECT_EQ(row["noiseLevel"], level * 150);
    EXPECT_EQ(row["trials"], 4);
    EXPECT_EQ(row["recognized"], recognized[level]);
    EXPECT_EQ(row["rate"], recognized[level] / 4.0);
    EXPECT_EQ(row["countFound"], countFound[level]);
  }
  const json& silent = batch["rows"][0];
  EXPECT_EQ(silent["recognized"], 4);
  EXPECT_EQ(silent["layoutExact"], 4);
  EXPECT_EQ(silent["meanStartError"], 0.0);
  EXPECT_EQ(silent["meanNsr"], 0.0);
}

TEST(ExperimentCommand, PlainTextStatesTheSameFacts) {
  const Result run = Invoke(ThreeWords({"--pattern", "2", "--noise", "60", "--seed", "12345"}));
  ASSERT_EQ(run.status, kCompleted);
  for (const char* fact : {"seed 12345\n", "N = 200", "M_max = 5", "pattern word 2",
                           "unobservable: 3 fragments; starts 10 56 130; series ends 1 2 3",
                           "NSR = 1.150793\n", "All NSR = 3.370682\n"})
    EXPECT_NE(run.out.find(fact), std::string::npos) << fact;

  const Result batch =
      Invoke(ThreeWords({"--pattern", "2", "--noise", "0,150", "--trials", "4", "--seed", "77"}));
  ASSERT_EQ(batch.status, kCompleted);
  EXPECT_NE(batch.out.find("recognized"), std::string::npos);
  EXPECT_NE(batch.out.find("\n          0       4          4  1.000000"), std::string::npos)
      << batch.out;
}

}  // namespace
}  // namespace tesselo::cli
