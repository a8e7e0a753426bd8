#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "model/series_model.h"
#include "views/dictionary.h"

namespace tesselo {

// The texts of the "Parameters" box: three standard presets and the researcher's own bounds.
namespace params_choice {
inline constexpr std::string_view kPreset200 = "200 (Standard)";
inline constexpr std::string_view kPreset600 = "600 (Standard)";
inline constexpr std::string_view kPreset1200 = "1200 (Standard)";
inline constexpr std::string_view kAnother = "Another";
}  // namespace params_choice

// The sequence length N of a standard preset's text; nothing for "Another" or any other
// text, which keep the model's parameters.
std::optional<int> PresetLength(std::string_view paramsChoice);

// Why an experiment run stopped without generating (the first three), or after generating
// without an estimate (the last).
namespace refusal {
inline constexpr std::string_view kNoPattern =
    "Не выбран образец, /n для выбора нажмите правую кнопку мыши на выбранном слове.";
inline constexpr std::string_view kWordsTooLong = "Слишком длинные слова в словаре!!!";
inline constexpr std::string_view kPatternTooLong =
    "Выбранное слово слишком длино, чтобы быть образцом";
inline constexpr std::string_view kOutOfMemory = "Недостаточно памяти для проведения эксперимента.";
}  // namespace refusal

struct ExperimentOutcome {
  bool presetApplied = false;          // a standard preset was applied, refused or not
  std::optional<std::string> refusal;  // the message of a refusal; nothing when completed
  int foundWord = 0;                   // the word the estimation found, 0 for none
  SeriesModel::WordCosts wordCosts;    // what each dictionary word's placement cost
};

// One experiment on the global model, as the "Create" command runs it: the open word is
// closed, the noise level and the chosen preset are applied, the dictionary and its
// pattern become the model's, a series is generated and observed through noise, and the
// estimation finds the word that explains it best. A refusal keeps whatever the steps
// before it changed, and never touches the last experiment's sequences or estimate; the
// random source's stream simply goes on.
ExperimentOutcome RunExperiment(DicTable& dictionary, int known, int NoiseLevel,
                                std::string_view ParamsChoice);

}  // namespace tesselo
