// Until the windows exist, the program demonstrates its core headless: one seeded
// experiment's hidden layout and observation, and the words and layouts the estimation
// finds, printed as text.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "model/random_source.h"
#include "model/series_model.h"

namespace {

void PrintList(const char* title, const std::vector<int>& values, int first, int last) {
  std::printf("%s:", title);
  for (int i = first; i <= last; ++i) std::printf(" %d", values[i]);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tesselo;
  const unsigned seed =
      argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : 12345;
  constexpr int kNoiseLevel = 60;
  const std::vector<std::vector<int>> dictionary = {{5, 18, 21}, {3, 11, 16}, {3, 16}};
  constexpr int kPatNum = 2;

  SeriesModel& model = Model();
  model.alphabet = std::make_unique<Alphabet>();
  model.alphabet->Build();
  model.SetParameters(200, 40, 135, 20);
  model.words = std::make_unique<WordList>();
  model.words->count = static_cast<int>(dictionary.size());
  model.words->words.resize(dictionary.size() + 1);
  for (std::size_t i = 0; i < dictionary.size(); ++i)
    model.words->words[i + 1].Assign(dictionary[i]);
  model.PatNum = kPatNum;
  model.word = std::make_unique<Word>(model.words->words[kPatNum]);
  random_source::Seed(seed);
  model.Generate(*model.alphabet);
  model.observable.MakeObservation(kNoiseLevel, model.unobservable, model.noise);

  const FragmentSequence& hidden = model.unobservable;
  std::printf("Tesselo core demonstration: seed %u, N = %d, T_min = %d, T_max = %d, noise %d\n",
              seed, model.N, model.T_min, model.T_max, kNoiseLevel);
  PrintList("pattern letters", model.word->letters, 1, model.word->length);
  std::printf("fragments: %d\n", hidden.count);
  PrintList("starts", hidden.starts, 1, hidden.count);
  PrintList("series ends", hidden.seriesEnds, 1, model.word->length);
  PrintList("unobservable", hidden.samples, 0, hidden.length - 1);
  PrintList("observable", model.observable.samples, 0, model.observable.length - 1);

  for (const int known : {1, 0}) {
    const int found = model.FindWord(*model.alphabet, known);
    const FragmentSequence& estimate = model.estimation;
    std::printf("%s count: found word %d of %d\n", known ? "known" : "unknown", found,
                model.words->count);
    if (found == 0) continue;
    PrintList("  starts", estimate.starts, 1, estimate.count);
    PrintList("  series ends", estimate.seriesEnds, 1, model.words->words[found].length);
  }
  return 0;
}
