#include "app/experiment_run.h"

#include <memory>
#include <new>
#include <span>
#include <utility>

#include "estimation/tables.h"
#include "model/int_math.h"

namespace tesselo {
namespace {

std::span<const int> LettersOf(const DicWord& word) {
  return std::span<const int>(word.Letters).subspan(1, word.Len);
}

// The model's copy of the dictionary: words 1..NWords; the current word left unfilled.
void CopyDictionary(SeriesModel& model, const DicTable& dictionary) {
  model.words = std::make_unique<WordList>();
  model.word = std::make_unique<Word>();
  WordList& list = *model.words;
  list.count = dictionary.NWords;
  list.maxLength = dictionary.MaxLen;
  list.words.resize(dictionary.NWords + 1);
  for (int w = 1; w <= dictionary.NWords; ++w) list.words[w].Assign(LettersOf(dictionary.Words[w]));
}

// The last experiment's count and sequences, kept aside while a new one is generated so
// that they can come back if its estimation fails (the estimate itself is only replaced
// when the estimation succeeds).
struct LastExperiment {
  int M = 0;
  FragmentSequence unobservable;
  Sequence observable;
  Sequence noise;

  static LastExperiment TakeFrom(SeriesModel& model) {
    return {model.M, std::move(model.unobservable), std::move(model.observable),
            std::move(model.noise)};
  }
  void PutBack(SeriesModel& model) && {
    model.M = M;
    model.unobservable = std::move(unobservable);
    model.observable = std::move(observable);
    model.noise = std::move(noise);
  }
};

// The memory the generation takes: the four sequences of N samples and the fragment
// starts and flags of up to M_max fragments.
Int64 GenerationBytes(const SeriesModel& model) {
  return TotalBytes({TableBytes({4, model.N}, sizeof(int)),
                     TableBytes({3, Int64{model.M_max} + 1}, sizeof(int))});
}

// Generates and observes a series for the pattern, then finds the word. When memory runs
// short the last experiment is put back and false is returned.
bool GenerateAndEstimate(SeriesModel& model, int known, ExperimentOutcome& outcome) {
  LastExperiment previous = LastExperiment::TakeFrom(model);
  try {
    CheckMemoryBudget(GenerationBytes(model));
    model.Generate(*model.alphabet);
    model.observable.MakeObservation(model.noiseLevel, model.unobservable, model.noise);
    outcome.foundWord = model.FindWord(*model.alphabet, known, &outcome.wordCosts);
    return true;
  } catch (const EstimationMemoryError&) {
  } catch (const std::bad_alloc&) {
  }
  std::move(previous).PutBack(model);
  return false;
}

}  // namespace

std::optional<int> PresetLength(std::string_view paramsChoice) {
  if (paramsChoice == params_choice::kPreset200) return 200;
  if (paramsChoice == params_choice::kPreset600) return 600;
  if (paramsChoice == params_choice::kPreset1200) return 1200;
  return std::nullopt;
}

ExperimentOutcome RunExperiment(DicTable& dictionary, int known, int NoiseLevel,
                                std::string_view ParamsChoice) {
  SeriesModel& model = Model();
  ExperimentOutcome outcome;
  const auto refuse = [&outcome](std::string_view message) {
    outcome.refusal = std::string(message);
    return outcome;
  };

  dictionary.FinishWord();
  model.noiseLevel = NoiseLevel;
  if (const std::optional<int> N = PresetLength(ParamsChoice)) {
    outcome.presetApplied = true;
    model.SetParameters(*N, 40, 135, 20);
  }
  if (!dictionary.HasPattern()) return refuse(refusal::kNoPattern);

  CopyDictionary(model, dictionary);
  model.SetRanges(SaturateToInt(Int64{model.B} + model.q), model.A_plus, model.B_minus, model.T_min,
                  model.T_max, 20);
  if (dictionary.MinLen > model.M_max) return refuse(refusal::kWordsTooLong);
  model.PatNum = dictionary.PatNum;
  const DicWord& pattern = dictionary.Words[dictionary.PatNum];
  if (pattern.Len > model.M_max) return refuse(refusal::kPatternTooLong);
  model.word->Assign(LettersOf(pattern));

  if (!GenerateAndEstimate(model, known, outcome)) return refuse(refusal::kOutOfMemory);
  dictionary.CloseWord();
  return outcome;
}

}  // namespace tesselo
