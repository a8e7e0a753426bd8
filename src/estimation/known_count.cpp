#include "estimation/known_count.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <span>
#include <utility>

#include "estimation/min_search.h"
#include "estimation/sliding_minimum.h"
#include "estimation/tables.h"

namespace tesselo {

// The least predecessor cost, and its start, for every start of a fragment.
struct KnownCountPlacer::WindowMinima {
  explicit WindowMinima(int width) : value(width), arg(width) {}
  std::vector<Cost> value;
  std::vector<int> arg;
};

// Costs of the current and the previous fragment, one column of N starts per letter place
// kept, filled at the starts in Omega only; the minima of two predecessor columns; and for
// backtracking, per fragment, letter place and start, the start before it and the link.
struct KnownCountPlacer::Tables {
  explicit Tables(const KnownCountPlacer& placer)
      : N(placer.model_.N),
        before(std::make_unique_for_overwrite<Cost[]>(StageSize(placer))),
        current(std::make_unique_for_overwrite<Cost[]>(StageSize(placer))),
        from(placer.M_ + 1, placer.maxPlaces_, placer.maxWidth_),
        link(placer.M_ + 1, placer.maxPlaces_, placer.maxWidth_),
        lower(placer.maxWidth_),
        same(placer.maxWidth_) {}

  static std::size_t StageSize(const KnownCountPlacer& placer) {
    return static_cast<std::size_t>(placer.maxPlaces_) * static_cast<std::size_t>(placer.model_.N);
  }

  // The costs of letter place e of a fragment's stage.
  std::span<Cost> Column(const std::unique_ptr<Cost[]>& costs, int e, const Stage& stage) const {
    return {costs.get() + static_cast<std::size_t>(e - stage.firstPlace) * N,
            static_cast<std::size_t>(N)};
  }

  int N;
  std::unique_ptr<Cost[]> before;
  std::unique_ptr<Cost[]> current;
  Table3D<int> from;
  Table3D<Link> link;
  WindowMinima lower;  // over the previous fragment's place e - 1
  WindowMinima same;   // over its place e
  SlidingMinimum window;
};

KnownCountPlacer::KnownCountPlacer(const SeriesModel& model, const Word& word)
    : model_(model), word_(word), M_(model.M), L_(word.length) {
  CheckMemoryBudget(tesselo::TableBytes({Int64{M_} + 1}, sizeof(Stage)));
  stages_.resize(std::max(M_, 0) + 1);
  feasible_ = M_ >= 1;
  for (int k = 1; k <= M_; ++k) {
    Stage& s = stages_[k];
    if (!model.Omega(k, s.left, s.right)) {
      // Every stage that looks at fragment k asks for its window: one per letter place up
      // to k, and the final choice once more.
      emptyOmegaReports_ += std::min(k, L_) + (k == M_ ? 1 : 0);
      feasible_ = false;
    }
    s.firstPlace = std::max(1, L_ - (M_ - k));
    s.lastPlace = std::min(k, L_);
    if (s.firstPlace > s.lastPlace) feasible_ = false;
    maxWidth_ = std::max(maxWidth_, s.Width());
    maxPlaces_ = std::max(maxPlaces_, s.lastPlace - s.firstPlace + 1);
  }
}

Int64 KnownCountPlacer::TableBytes() const {
  if (!feasible_) return 0;
  const Int64 links = tesselo::TableBytes({M_ + 1, maxPlaces_, maxWidth_}, sizeof(int) + 1);
  const Int64 stageCosts = tesselo::TableBytes({2, maxPlaces_, model_.N}, sizeof(Cost));
  const Int64 sweeps = tesselo::TableBytes({2, maxWidth_}, sizeof(Cost) + sizeof(int));
  const Int64 window = tesselo::TableBytes({model_.N}, sizeof(int));
  return TotalBytes({links, stageCosts, sweeps, window});
}

void KnownCountPlacer::SweepColumn(std::span<const Cost> column, int k, SlidingMinimum& window,
                                   WindowMinima& out) const {
  const Stage& stage = stages_[k];
  const Stage& before = stages_[k - 1];
  // For a fragment k in Omega(k), the starts of fragment k - 1 that Gamma allows all lie in
  // Omega(k - 1), and those are the starts T_min..T_max before it there.
  window.Reset(column);
  const std::span<Cost> value = out.value;
  const std::span<int> arg = out.arg;
  for (int p = stage.left; p <= stage.right; ++p) {
    window.MoveTo(std::max(before.left, p - model_.T_max),
                  std::min(before.right, p - model_.T_min));
    value[p - stage.left] = window.Value();
    arg[p - stage.left] = window.Arg();
  }
}

Placement KnownCountPlacer::Place(const LetterCosts& costs) const {
  for (int i = 0; i < emptyOmegaReports_; ++i) std::cout << "something wrong with Omega";
  if (!feasible_) return {};
  Tables t(*this);
  const Stage& first = stages_[1];
  const std::span<const Cost> firstLetter = costs.Of(word_.letters[1]);
  const std::span<Cost> firstColumn = t.Column(t.current, 1, first);
  for (int p = first.left; p <= first.right; ++p) firstColumn[p] = firstLetter[p];
  for (int k = 2; k <= M_; ++k) {
    std::swap(t.before, t.current);
    PlaceFragment(k, costs, t);
  }

  const Stage& last = stages_[M_];
  const auto lastColumn = t.Column(t.current, L_, last);
  int lastStart = 0;
  const Cost cost =
      MinOverStarts(last.left, last.right, lastStart, [&](int p) { return lastColumn[p]; });
  if (cost == kUnreachable) return {};
  Placement placement = Backtrack(lastStart, t);
  placement.cost = cost;
  return placement;
}

void KnownCountPlacer::PlaceFragment(int k, const LetterCosts& costs, Tables& t) const {
  const Stage& stage = stages_[k];
  const Stage& previous = stages_[k - 1];
  auto sweep = [&](int place, WindowMinima& out) {
    SweepColumn(t.Column(t.before, place, previous), k, t.window, out);
  };
  if (stage.firstPlace - 1 >= previous.firstPlace) sweep(stage.firstPlace - 1, t.lower);
  for (int e = stage.firstPlace; e <= stage.lastPlace; ++e) {
    const bool fromLower = e - 1 >= previous.firstPlace;  // a new series can open here
    const bool fromSame = e <= previous.lastPlace;        // the series can go on
    if (fromSame) sweep(e, t.same);
    const std::span<const Cost> letter = costs.Of(word_.letters[e]);
    const auto out = t.Column(t.current, e, stage);
    const int row = e - stage.firstPlace;
    const std::span<const Cost> lowerCost = t.lower.value;
    const std::span<const Cost> sameCost = t.same.value;
    for (int i = 0; i < stage.Width(); ++i) {
      // Equal costs keep the fragment in the series of the one before it.
      const bool opens = fromLower && (!fromSame || lowerCost[i] < sameCost[i]);
      out[stage.left + i] = Extend(letter[stage.left + i], opens ? lowerCost[i] : sameCost[i]);
      t.from(k, row, i) = opens ? t.lower.arg[i] : t.same.arg[i];
      t.link(k, row, i) = opens ? Link::NewSeries : Link::SameSeries;
    }
    std::swap(t.lower, t.same);  // the minima over place e serve place e + 1
  }
}

Placement KnownCountPlacer::Backtrack(int lastStart, const Tables& t) const {
  Placement placement;
  placement.starts.assign(M_ + 1, 0);
  placement.seriesEnds.assign(L_ + 1, 0);
  placement.starts[M_] = lastStart;
  placement.seriesEnds[L_] = M_;
  for (int k = M_, e = L_, start = lastStart; k > 1; --k) {
    const Stage& stage = stages_[k];
    const int row = e - stage.firstPlace;
    const int i = start - stage.left;
    if (t.link(k, row, i) == Link::NewSeries) placement.seriesEnds[--e] = k - 1;
    start = t.from(k, row, i);
    placement.starts[k - 1] = start;
  }
  return placement;
}

}  // namespace tesselo
