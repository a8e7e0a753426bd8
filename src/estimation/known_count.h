#pragma once
#include <span>
#include <vector>

#include "estimation/letter_costs.h"
#include "estimation/placement.h"
#include "estimation/sliding_minimum.h"
#include "model/series_model.h"

namespace tesselo {

// Places a word as exactly M fragments (the model's count): picks the start of every
// fragment and the fragment that closes every series so that the sum of letter costs is
// least. Among equal costs it takes the lowest starts, and keeps a fragment in the series of
// the one before it rather than opening a new series.
//
// Fragment k can only start in Omega(k), and at fragment k only the letter places from
// L - (M - k) to k can still lead to place L at fragment M; the programme keeps states for
// those alone.
class KnownCountPlacer {
 public:
  // Throws EstimationMemoryError when the count is too large to lay out its stages.
  KnownCountPlacer(const SeriesModel& model, const Word& word);

  // The memory the programme's tables take, in bytes.
  Int64 TableBytes() const;

  // The best placement; not found when some fragment has no admissible start (reported on
  // standard output) or the word has more letters than fragments.
  Placement Place(const LetterCosts& costs) const;

 private:
  struct Stage {
    int left = 0;  // Omega(k)
    int right = -1;
    int firstPlace = 1;  // the letter places kept for fragment k
    int lastPlace = 0;
    int Width() const { return right - left + 1; }
  };
  struct WindowMinima;
  struct Tables;

  void PlaceFragment(int k, const LetterCosts& costs, Tables& t) const;
  Placement Backtrack(int lastStart, const Tables& t) const;
  void SweepColumn(std::span<const Cost> column, int k, SlidingMinimum& window,
                   WindowMinima& out) const;

  const SeriesModel& model_;
  const Word& word_;
  int M_;
  int L_;
  std::vector<Stage> stages_;  // stages_[k] for fragment k = 1..M
  int emptyOmegaReports_ = 0;
  bool feasible_ = true;
  int maxWidth_ = 0;
  int maxPlaces_ = 0;
};

}  // namespace tesselo
