// Admissible intervals of fragment starts. After j steps of T_min..T_max from a start in
// a..b the reachable positions are exactly a + j*T_min .. b + j*T_max; every interval
// below intersects such a forward range with the matching backward range from the
// last-start window. Products of a count and a distance are formed in 64 bits: long
// custom series take them past the 32-bit range.
#include <algorithm>
#include <cassert>
#include <cstdint>
#include <optional>
#include <utility>

#include "model/int_math.h"
#include "model/series_model.h"

namespace tesselo {
namespace {

// Writes an interval computed in 64 bits and tells whether it holds any position.
bool StoreInterval(Int64 lo, Int64 hi, int& left, int& right) {
  left = SaturateToInt(lo);
  right = SaturateToInt(hi);
  return lo <= hi;
}

struct StartBounds {
  Int64 aMinus, aPlus, bMinus, b, tMin, tMax;
};

// Some number of steps leads from the first-start window to p, and some number from p
// into the last-start window. Division truncates toward zero; for p in A-..B that gives
// the same verdict as floor division.
bool IsAdmissible(const StartBounds& s, Int64 p) {
  const bool front = (p - s.aMinus) / s.tMin >= (p - s.aPlus + s.tMax - 1) / s.tMax;
  const bool back = (s.b - p) / s.tMin >= (s.bMinus - p + s.tMax - 1) / s.tMax;
  return front && back;
}

using Interval = std::pair<Int64, Int64>;

// The least number of steps after which the ranges reached by successive steps of
// T_min..T_max overlap or touch, when the first range is `width` positions wide (they stay
// so from there on, as each range is wider than the one before); none when they never do.
std::optional<Int64> StepsUntilContiguous(Int64 width, Int64 tMin, Int64 tMax) {
  const Int64 shortfall = tMin - width;  // the gap between the first two ranges, plus one
  if (shortfall <= 0) return 0;
  if (tMax == tMin) return std::nullopt;
  return (shortfall + (tMax - tMin) - 1) / (tMax - tMin);
}

// Positions p..q in A-..B that are all admissible: from p on every position is reached
// from the first-start window, up to q every position leads into the last-start window.
// Nothing when no such stretch is known; only for well-formed bounds.
std::optional<Interval> AdmissibleThroughout(const StartBounds& s) {
  if (s.tMin < 1 || s.tMax < s.tMin || s.aPlus < s.aMinus || s.b < s.bMinus) return std::nullopt;
  const std::optional<Int64> forward = StepsUntilContiguous(s.aPlus - s.aMinus + 1, s.tMin, s.tMax);
  const std::optional<Int64> backward = StepsUntilContiguous(s.b - s.bMinus + 1, s.tMin, s.tMax);
  if (!forward || !backward) return std::nullopt;
  const Int64 span = s.b - s.aMinus;  // no stretch starts or ends beyond it
  if (*forward > span / s.tMin || *backward > span / s.tMin) return std::nullopt;
  const Int64 from = s.aMinus + *forward * s.tMin;
  const Int64 to = s.b - *backward * s.tMin;
  if (from > to) return std::nullopt;
  return Interval{from, to};
}

// The least start a second (or any later) fragment can have: the left end of OmegaFree(2).
Int64 LeastSecondStart(const SeriesModel& m) {
  return std::max(Int64{m.A_minus} + m.T_min, m.B_minus - (Int64{m.M_max} - 2) * m.T_max);
}

}  // namespace

bool SeriesModel::Omega(int k, int& left, int& right) const {
  if (k > M || k < 1) return false;
  const Int64 before = k - 1;  // fragments before k
  const Int64 after = M - k;   // fragments after k
  return StoreInterval(std::max(before * T_min + A_minus, B_minus - after * T_max),
                       std::min(before * T_max + A_plus, B - after * T_min), left, right);
}

bool SeriesModel::Gamma(int p, int k, int& leftGam, int& rightGam) const {
  if (M < 2 || k < 2 || k > M) return false;
  const Int64 before = k - 2;  // fragments before fragment k - 1
  return StoreInterval(std::max(before * T_min + A_minus, Int64{p} - T_max),
                       std::min(before * T_max + A_plus, Int64{p} - T_min), leftGam, rightGam);
}

bool SeriesModel::OmegaFree(int k, int& left, int& right) const {
  if (k < 0 || k > M_max) return false;
  // The backward bound is taken for the largest count, the loosest one.
  return StoreInterval(std::max(Int64{k - 1} * T_min + A_minus,
                                B_minus - (Int64{M_max} - k) * T_max),
                       B, left, right);
}

bool SeriesModel::GammaFree(int p, int k, int& left, int& right) const {
  assert(k >= 1 && k <= M_max);
  int leftOm = 0;  // an empty window stands for a k out of range
  int rightOm = -1;
  if (k >= 1) OmegaFree(k, leftOm, rightOm);  // its flag is not needed: an empty window
                                               // makes the intersection empty too
  return StoreInterval(std::max(Int64{leftOm}, Int64{p} - T_max),
                       std::min(Int64{rightOm}, Int64{p} - T_min), left, right);
}

bool SeriesModel::FirstOnlyRange(int& lo, int& hi) const {
  return StoreInterval(A_minus, std::min(LeastSecondStart(*this) - 1, Int64{A_plus}), lo, hi);
}

bool SeriesModel::FirstOrSecondRange(int& lo, int& hi) const {
  return StoreInterval(LeastSecondStart(*this), A_plus, lo, hi);
}

bool SeriesModel::SecondOnlyRange(int& lo, int& hi) const {
  return StoreInterval(std::max(Int64{A_plus} + 1, LeastSecondStart(*this)), B, lo, hi);
}

bool SeriesModel::IsAdmissibleStart(int p) const {
  return IsAdmissible({A_minus, A_plus, B_minus, B, T_min, T_max}, p);
}

int SeriesModel::CountAdmissibleStarts(int a0, int a1, int b0, int b1, int t0, int t1) {
  const StartBounds bounds{a0, a1, b0, b1, t0, t1};
  const std::optional<Interval> surelyAdmissible = AdmissibleThroughout(bounds);
  bool someAdmissible = false;
  bool someNot = false;
  // The verdict is known once both kinds have been seen.
  for (Int64 p = a0; p <= b1 && !(someAdmissible && someNot); ++p) {
    if (surelyAdmissible && p == surelyAdmissible->first) {
      someAdmissible = true;
      p = surelyAdmissible->second;
      continue;
    }
    (IsAdmissible(bounds, p) ? someAdmissible : someNot) = true;
  }
  if (!someAdmissible) return 0;
  return someNot ? 2 : 1;
}

}  // namespace tesselo
