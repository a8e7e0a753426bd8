#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <climits>
#include <ctime>
#include <sstream>
#include <string_view>

#include "views/dictionary.h"

namespace tesselo::cli {
namespace {

// A command-line value that cannot be used; its text names the option and the value.
struct BadValue {
  std::string message;
};

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The comma-separated whole numbers of an option's value, each within 32 bits.
std::vector<int> WholeNumbers(std::string_view option, std::string_view text) {
  std::vector<int> numbers;
  std::size_t begin = 0;
  while (true) {
    const std::size_t end = std::min(text.find(',', begin), text.size());
    const std::string_view item = text.substr(begin, end - begin);
    int value = 0;
    const auto [rest, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (item.empty() || error != std::errc() || rest != item.data() + item.size())
      throw BadValue{std::string(option) + " " + Quoted(text) + ": " + Quoted(item) +
                     " is not a whole number within 32 bits"};
    numbers.push_back(value);
    if (end == text.size()) return numbers;
    begin = end + 1;
  }
}

std::vector<int> Word(std::string_view text) {
  std::vector<int> letters = WholeNumbers("--word", text);
  for (const int letter : letters)
    if (letter < 1 || letter > 21)
      throw BadValue{"--word " + Quoted(text) + ": letter " + std::to_string(letter) +
                     " is outside 1..21"};
  if (letters.size() > static_cast<std::size_t>(DicWord::kMaxLetters))
    throw BadValue{"--word: a word of " + std::to_string(letters.size()) +
                   " letters; a word has at most 99"};
  return letters;
}

std::vector<std::vector<int>> Dictionary(const std::vector<std::string>& texts) {
  if (texts.size() > static_cast<std::size_t>(DicTable::kMaxWords))
    throw BadValue{"--word: " + std::to_string(texts.size()) +
                   " words; the dictionary holds at most 99"};
  std::vector<std::vector<int>> words;
  for (const std::string& text : texts) words.push_back(Word(text));
  return words;
}

std::vector<int> NoiseLevels(std::string_view text) {
  std::vector<int> levels = WholeNumbers("--noise", text);
  for (const int level : levels)
    if (level < 0)
      throw BadValue{"--noise " + Quoted(text) + ": level " + std::to_string(level) +
                     " is outside 0..2147483647"};
  return levels;
}

SeriesParameters CustomBounds(std::string_view text) {
  const std::vector<int> v = WholeNumbers("--custom", text);
  if (v.size() != 5)
    throw BadValue{"--custom " + Quoted(text) +
                   ": expected five whole numbers A+,B-,B,T_min,T_max"};
  SeriesParameters bounds;
  bounds.A_plus = v[0];
  bounds.B_minus = v[1];
  bounds.B = v[2];
  bounds.T_min = v[3];
  bounds.T_max = v[4];
  return bounds;
}

// The raw command line, as CLI11 reads it.
struct RawOptions {
  std::vector<std::string> words;
  std::optional<int> pattern;
  std::string noise = "0";
  std::string params = "200";
  std::optional<std::string> custom;
  std::string count = "known";
  std::optional<std::uint32_t> seed;
  int trials = 1;
  bool json = false;
};

void Describe(CLI::App& app, RawOptions& raw) {
  app.description(
      "Runs the experiment of the Tesselo desktop program headless: hides the pattern word in "
      "a random series, observes it through Gaussian noise and finds the dictionary word that "
      "explains the observation best. It starts from the desktop program's own state, so a "
      "seed reproduces a run exactly.");
  app.add_option("--word", raw.words,
                 "One dictionary word as letter numbers 1..21, e.g. 3,11,16; repeat for each "
                 "word, in dictionary order (at most 99 words of at most 99 letters)")
      ->expected(1)
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.add_option("--pattern", raw.pattern,
                 "The pattern word's number; with exactly one word, word 1 by default");
  app.add_option("--noise", raw.noise, "Noise level(s), whole numbers: S or S1,S2,...")
      ->capture_default_str();
  auto* params = app.add_option("--params", raw.params, "A standard preset: the length N")
                     ->check(CLI::IsMember({"200", "600", "1200"}))
                     ->capture_default_str();
  app.add_option("--custom", raw.custom,
                 "Hand-set bounds A+,B-,B,T_min,T_max, checked as the parameters dialog checks "
                 "them; the sequence length is then B + 20")
      ->excludes(params);
  app.add_option("--count", raw.count, "Whether the number of fragments is known")
      ->check(CLI::IsMember({"known", "unknown"}))
      ->capture_default_str();
  app.add_option("--seed", raw.seed,
                 "The random source's seed (unsigned 32-bit); by default the current time");
  app.add_option("--trials", raw.trials, "Runs per noise level, in one random stream")
      ->check(CLI::Range(1, INT_MAX))
      ->capture_default_str();
  app.add_flag("--json", raw.json, "Machine-readable output");
}

ExperimentOptions Interpret(const RawOptions& raw) {
  ExperimentOptions options;
  options.words = Dictionary(raw.words);
  options.pattern = raw.pattern;
  options.noiseLevels = NoiseLevels(raw.noise);
  options.paramsChoice = raw.params + " (Standard)";
  if (raw.custom) options.custom = CustomBounds(*raw.custom);
  options.known = raw.count == "known" ? 1 : 0;
  options.seed = raw.seed ? *raw.seed : static_cast<std::uint32_t>(std::time(nullptr));
  options.trials = raw.trials;
  options.json = raw.json;
  return options;
}

}  // namespace

std::variant<ExperimentOptions, EarlyExit> ParseExperimentOptions(int argc,
                                                                  const char* const* argv) {
  CLI::App app(std::string(), "tesselo-experiment");
  RawOptions raw;
  Describe(app, raw);
  try {
    app.parse(argc, argv);
    return Interpret(raw);
  } catch (const CLI::ParseError& e) {
    std::ostringstream out;
    std::ostringstream error;
    const int status = app.exit(e, out, error);
    return EarlyExit{status == 0 ? 0 : 2, out.str(), error.str()};
  } catch (const BadValue& bad) {
    return EarlyExit{2, std::string(), bad.message + "\n"};
  }
}

}  // namespace tesselo::cli
