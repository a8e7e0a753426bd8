#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/series_model.h"

// Builds seeded experiments for the estimation tests and benchmarks: series bounds, a
// dictionary, a pattern, a generated series and its noisy observation.
namespace tesselo::test_support {

// The alphabet as at program start, built once from the random source's initial state.
const Alphabet& StartAlphabet();

// Series bounds: a standard preset of length N (T_min 40, T_max 135, q 20), or custom
// bounds as the series parameters dialog stores them.
struct SeriesBounds {
  std::string name;
  int N = 200;
  bool preset = true;
  int A_plus = 0;
  int B_minus = 0;
  int T_min = 40;
  int T_max = 135;

  static SeriesBounds Preset(int N);
  static SeriesBounds Custom(std::string name, int N, int aPlus, int bMinus, int tMin, int tMax);
  void ApplyTo(SeriesModel& m) const;
};

using Letters = std::vector<int>;

// A model with the given bounds and dictionary, the pattern word current, after one seeded
// generation and observation at noise level sigma. The observation stays empty when the
// generation finds no admissible layout.
SeriesModel Experiment(const SeriesBounds& bounds, const std::vector<Letters>& dictionary,
                       int pattern, std::uint32_t seed, double sigma);

// `count` words of random letters with lengths in 1..maxLength, drawn from `seed`.
std::vector<Letters> RandomDictionary(std::uint32_t seed, int count, int maxLength);

}  // namespace tesselo::test_support
