#include "estimation/pattern_division.h"

#include <algorithm>
#include <utility>

#include "estimation/min_search.h"
#include "estimation/sliding_minimum.h"

namespace tesselo {

// Costs of the fragments of the current and the previous letter place, indexed by start;
// and for backtracking, per letter place and start, the start before it and how it links.
struct PatternDivider::Tables {
  Tables(const SeriesModel& m, int L)
      : admissible(m.B + 1),
        before(m.N, kUnreachable),
        current(m.N, kUnreachable),
        from(L + 1, m.N),
        link(L + 1, m.N) {
    for (int p = 0; p <= m.B; ++p) admissible[p] = m.IsAdmissibleStart(p);
  }

  std::vector<char> admissible;  // whether a valid series can have a fragment at 0..B
  std::vector<Cost> before;
  std::vector<Cost> current;
  Table2D<int> from;
  Table2D<Link> link;

  void Set(int e, int p, Cost cost, int fromStart, Link how) {
    current[p] = cost;
    from(e, p) = fromStart;
    link(e, p) = how;
  }
};

// The starts that a fragment of a given letter place can have when it comes just before a
// fragment at p: from the least start of the place, T_min..T_max before p (GammaFree).
struct PatternDivider::Predecessors {
  int least;
  int last;
  int tMin;
  int tMax;
  int Lo(int p) const { return std::max(least, p - tMax); }
  int Hi(int p) const { return std::min(last, p - tMin); }
};

PatternDivider::Predecessors PatternDivider::PredecessorsOfPlace(int e) const {
  int left = 0;
  int right = 0;
  model_.OmegaFree(e, left, right);
  return {left, right, model_.T_min, model_.T_max};
}

PatternDivider::PatternDivider(const SeriesModel& model, const Word& word)
    : model_(model),
      word_(word),
      L_(word.length),
      feasible_(L_ >= 1 && L_ <= model.M_max && model.B >= 0 && model.B < model.N) {}

Int64 PatternDivider::TableBytes() const {
  if (!feasible_) return 0;
  const Int64 backtracking = tesselo::TableBytes({L_ + 1, model_.N}, sizeof(int) + 1);
  const Int64 placeCosts = tesselo::TableBytes({2, model_.N}, sizeof(Cost));
  const Int64 windows = tesselo::TableBytes({2, model_.N}, sizeof(int));
  const Int64 admissible = model_.N;
  return TotalBytes({backtracking, placeCosts, windows, admissible});
}

void PatternDivider::PlaceFirstLetter(std::span<const Cost> letter, Tables& t) const {
  const SeriesModel& m = model_;
  const int B = m.B;
  SlidingMinimum chain;
  chain.Reset(t.current);
  // The least cost of a first-letter chain that a fragment at p can continue.
  const Predecessors before = PredecessorsOfPlace(1);
  auto bestChainBefore = [&](int p) {
    chain.MoveTo(before.Lo(p), before.Hi(p));
    return chain.Value();
  };
  int lo = 0;
  int hi = 0;
  if (m.FirstOnlyRange(lo, hi)) {
    for (int p = std::max(lo, 0); p <= std::min(hi, B); ++p)
      if (t.admissible[p]) t.Set(1, p, letter[p], -1, Link::First);
  }
  if (m.FirstOrSecondRange(lo, hi)) {
    for (int p = std::max(lo, 0); p <= std::min(hi, B); ++p) {
      if (!t.admissible[p]) continue;
      const Cost u = bestChainBefore(p);
      // A chain costing exactly 0 is continued.
      if (u <= 0)
        t.Set(1, p, Extend(letter[p], u), chain.Arg(), Link::SameSeries);
      else
        t.Set(1, p, letter[p], chain.Arg(), Link::First);
    }
  }
  if (m.SecondOnlyRange(lo, hi)) {
    for (int p = std::max(lo, 0); p <= std::min(hi, B); ++p) {
      if (!t.admissible[p]) continue;
      const Cost u = bestChainBefore(p);
      t.Set(1, p, Extend(letter[p], u), chain.Arg(), Link::SameSeries);
    }
  }
}

void PatternDivider::PlaceLaterLetter(int e, std::span<const Cost> letter, Tables& t) const {
  const SeriesModel& m = model_;
  SlidingMinimum opening;     // over the fragments of place e - 1
  SlidingMinimum continuing;  // over the fragments of place e, as they are filled
  opening.Reset(t.before);
  continuing.Reset(t.current);
  const Predecessors ofOpening = PredecessorsOfPlace(e - 1);
  const Predecessors ofSame = PredecessorsOfPlace(e);
  for (int p = std::max(ofSame.least, 0); p <= std::min(ofSame.last, m.B); ++p) {
    if (!t.admissible[p]) continue;
    opening.MoveTo(ofOpening.Lo(p), ofOpening.Hi(p));
    t.Set(e, p, Extend(letter[p], opening.Value()), opening.Arg(), Link::NewSeries);
    if (ofSame.Lo(p) > ofSame.Hi(p)) continue;
    continuing.MoveTo(ofSame.Lo(p), ofSame.Hi(p));
    const Cost goingOn = Extend(letter[p], continuing.Value());
    // Equal costs keep the new series.
    if (goingOn < t.current[p]) t.Set(e, p, goingOn, continuing.Arg(), Link::SameSeries);
  }
}

Placement PatternDivider::Place(const LetterCosts& costs) const {
  if (!feasible_) return {};
  const SeriesModel& m = model_;
  Tables t(m, L_);
  PlaceFirstLetter(costs.Of(word_.letters[1]), t);
  for (int e = 2; e <= L_; ++e) {
    std::swap(t.before, t.current);
    std::fill(t.current.begin(), t.current.end(), kUnreachable);
    PlaceLaterLetter(e, costs.Of(word_.letters[e]), t);
  }
  // Starts never reached hold the unreachable cost, so no admissibility test is needed.
  int lastStart = 0;
  const Cost cost =
      MinOverStarts(std::max(m.B_minus, 0), m.B, lastStart, [&](int p) { return t.current[p]; });
  if (cost == kUnreachable) return {};
  Placement placement = Backtrack(lastStart, t);
  placement.cost = cost;
  return placement;
}

Placement PatternDivider::Backtrack(int lastStart, const Tables& t) const {
  // Walking back, every step either lowers the letter place or moves to an earlier start,
  // so the walk ends, at the first fragment.
  std::vector<int> reverseStarts;
  std::vector<int> fragmentsOfPlace(L_ + 1, 0);
  for (int p = lastStart, e = L_;;) {
    reverseStarts.push_back(p);
    ++fragmentsOfPlace[e];
    const Link how = t.link(e, p);
    if (how == Link::First) break;
    p = t.from(e, p);
    if (how == Link::NewSeries) --e;
  }
  Placement placement;
  placement.starts.assign(reverseStarts.rbegin(), reverseStarts.rend());
  placement.starts.insert(placement.starts.begin(), 0);
  placement.seriesEnds.assign(L_ + 1, 0);
  placement.seriesEnds[L_] = placement.Count();
  for (int e = L_; e >= 2; --e)
    placement.seriesEnds[e - 1] = placement.seriesEnds[e] - fragmentsOfPlace[e];
  return placement;
}

}  // namespace tesselo
