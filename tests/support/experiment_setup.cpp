#include "support/experiment_setup.h"

#include <memory>
#include <random>
#include <utility>

#include "model/random_source.h"

namespace tesselo::test_support {

const Alphabet& StartAlphabet() {
  static const Alphabet alphabet = [] {
    random_source::Seed(1);
    Alphabet built;
    built.Build();
    return built;
  }();
  return alphabet;
}

SeriesBounds SeriesBounds::Preset(int N) {
  SeriesBounds bounds;
  bounds.name = "Preset" + std::to_string(N);
  bounds.N = N;
  return bounds;
}

SeriesBounds SeriesBounds::Custom(std::string name, int N, int aPlus, int bMinus, int tMin,
                                  int tMax) {
  return {std::move(name), N, false, aPlus, bMinus, tMin, tMax};
}

void SeriesBounds::ApplyTo(SeriesModel& m) const {
  if (preset)
    m.SetParameters(N, 40, 135, 20);
  else
    m.SetRanges(N, A_plus, B_minus, T_min, T_max, 20);
}

SeriesModel Experiment(const SeriesBounds& bounds, const std::vector<Letters>& dictionary,
                       int pattern, std::uint32_t seed, double sigma) {
  SeriesModel m;
  bounds.ApplyTo(m);
  m.words = std::make_unique<WordList>();
  m.words->count = static_cast<int>(dictionary.size());
  m.words->words.resize(dictionary.size() + 1);
  for (std::size_t i = 0; i < dictionary.size(); ++i) {
    m.words->words[i + 1].Assign(dictionary[i]);
    m.words->maxLength = std::max<int>(m.words->maxLength, dictionary[i].size());
  }
  m.PatNum = pattern;
  m.word = std::make_unique<Word>(m.words->words[pattern]);
  const Alphabet& alphabet = StartAlphabet();  // built before seeding: it draws too
  random_source::Seed(seed);
  if (m.Generate(alphabet)) m.observable.MakeObservation(sigma, m.unobservable, m.noise);
  return m;
}

std::vector<Letters> RandomDictionary(std::uint32_t seed, int count, int maxLength) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> letter(1, 21);
  std::uniform_int_distribution<int> length(1, maxLength);
  std::vector<Letters> dictionary(count);
  for (Letters& word : dictionary) {
    word.resize(length(random));
    for (int& l : word) l = letter(random);
  }
  return dictionary;
}

}  // namespace tesselo::test_support
