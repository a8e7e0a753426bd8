#pragma once
#include <memory>
#include <optional>
#include <vector>

#include "model/alphabet.h"
#include "model/int_math.h"
#include "model/sequence.h"
#include "model/word.h"

namespace tesselo {

// Everything that describes one experiment: the series parameters and the bounds derived
// from them, the current word, the noise level, the four sequences of the last experiment,
// the alphabet and the model's copy of the dictionary.
//
// A series x[0..N-1] holds M fragments of q samples; consecutive starts are T_min..T_max
// apart, the first start lies in A_minus..A_plus and the last in B_minus..B.
struct SeriesModel {
  int N = 0;
  int M_min = 0;
  int M_max = 0;
  int T_min = 0;
  int T_max = 0;
  int M = 0;
  int q = 0;
  int A_minus = 0;
  int A_plus = 0;
  int B_minus = 0;
  int B = 0;
  std::unique_ptr<Word> word;  // the pattern, or the candidate word during an estimation
  int PatNum = 0;
  int noiseLevel = 0;
  FragmentSequence unobservable;
  Sequence observable;
  Sequence noise;
  FragmentSequence estimation;
  std::unique_ptr<Alphabet> alphabet;
  std::unique_ptr<WordList> words;

  // Parameter setters; both derive M_min, M_max and the start windows, leave M alone and
  // return 1.
  int SetParameters(int N, int T_min, int T_max, int q);
  int SetRanges(int N, int A_plus, int B_minus, int T_min, int T_max, int q);

  // Admissible start intervals, each returned as left..right (both included) with a flag
  // telling whether it is non-empty. Omega and Gamma are for the count M, the *Free ones
  // for an unknown count (up to M_max).
  bool Omega(int k, int& left, int& right) const;
  bool Gamma(int p, int k, int& leftGam, int& rightGam) const;
  bool OmegaFree(int k, int& left, int& right) const;
  bool GammaFree(int p, int k, int& left, int& right) const;
  bool FirstOnlyRange(int& lo, int& hi) const;
  bool FirstOrSecondRange(int& lo, int& hi) const;
  bool SecondOnlyRange(int& lo, int& hi) const;

  // Whether some valid series, of any number of fragments, has a fragment starting at p.
  bool IsAdmissibleStart(int p) const;

  // For the bounds A- = a0, A+ = a1, B- = b0, B = b1, T_min = t0, T_max = t1: 0 when no
  // position in a0..b1 is admissible, 1 when every one is, 2 otherwise.
  static int CountAdmissibleStarts(int a0, int a1, int b0, int b1, int t0, int t1);

  // Draws the count, the starts and the series ends for the current word and synthesises
  // the unobservable sequence. Returns false when the drawn count has no admissible last
  // start.
  bool Generate(const Alphabet& alphabet);

  // Estimation. Letter costs and costs are 64-bit; a cost of INT64_MAX means that no
  // placement exists. Each operation throws EstimationMemoryError, leaving `estimation` and
  // `word` as they were, when its tables would exceed the estimation memory budget or memory
  // runs out.

  // Places the current word as exactly M fragments in `observable`; writes the placement
  // to `estimation` and returns its cost. Expects the word to have at most M letters.
  Int64 PlaceKnownCount(const Alphabet& alphabet);

  // Places the current word in `observable` choosing the number of fragments as well;
  // writes the placement to `estimation` and returns its cost.
  Int64 DividePattern(const Alphabet& alphabet);

  // The cost each word's placement came to, at [w] for word w (entry 0 unused); no value
  // for a word that was not placed.
  using WordCosts = std::vector<std::optional<Int64>>;

  // Places every word of `words` that can fit (with exactly M fragments when `known` is 1,
  // any number when 0) and returns the number of the one of least cost, the earlier on
  // equal costs; `estimation` receives its placement, and `costs`, when given, every
  // word's cost. Returns 0, and leaves `estimation` with no fragment, when no word fits.
  // The pattern word (PatNum) is the current word afterwards.
  int FindWord(const Alphabet& alphabet, int known, WordCosts* costs = nullptr);
};

// The one model of the process.
SeriesModel& Model();

}  // namespace tesselo
