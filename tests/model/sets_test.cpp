#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "model/series_model.h"

namespace tesselo {
namespace {

using Interval = std::optional<std::pair<int, int>>;

SeriesModel Preset(int N, int M = 0) {
  SeriesModel m;
  m.SetParameters(N, 40, 135, 20);
  m.M = M;
  return m;
}

template <typename Operation>
Interval Query(Operation operation) {
  int left = 0;
  int right = 0;
  if (!operation(left, right)) return std::nullopt;
  return std::make_pair(left, right);
}

Interval OmegaOf(const SeriesModel& m, int k) {
  return Query([&](int& l, int& r) { return m.Omega(k, l, r); });
}

TEST(Omega, StartWindowsOfTheDefaultSeries) {
  EXPECT_EQ(OmegaOf(Preset(200, 1), 1), std::make_pair(65, 115));
  const SeriesModel m = Preset(200, 3);
  EXPECT_EQ(OmegaOf(m, 1), std::make_pair(0, 100));
  EXPECT_EQ(OmegaOf(m, 2), std::make_pair(40, 140));
  EXPECT_EQ(OmegaOf(m, 3), std::make_pair(80, 180));
  EXPECT_EQ(OmegaOf(m, 0), std::nullopt);
  EXPECT_EQ(OmegaOf(m, 4), std::nullopt);
}

TEST(Gamma, NeedsAnEarlierFragment) {
  const SeriesModel single = Preset(200, 1);
  for (int k = 0; k <= 3; ++k)
    EXPECT_EQ(Query([&](int& l, int& r) { return single.Gamma(100, k, l, r); }), std::nullopt);

  const SeriesModel m = Preset(200, 3);
  EXPECT_EQ(Query([&](int& l, int& r) { return m.Gamma(100, 1, l, r); }), std::nullopt);
  // Fragment 3 at 180: fragment 2 lies 40..135 back and at most 135 + 115 from 0.
  EXPECT_EQ(Query([&](int& l, int& r) { return m.Gamma(180, 3, l, r); }), std::make_pair(45, 140));
  EXPECT_EQ(Query([&](int& l, int& r) { return m.Gamma(60, 2, l, r); }), std::make_pair(0, 20));
}

TEST(OmegaFree, AcceptsZeroButNotPastTheLargestCount) {
  const SeriesModel m = Preset(200);
  Interval zero = Query([&](int& l, int& r) { return m.OmegaFree(0, l, r); });
  ASSERT_TRUE(zero.has_value());
  EXPECT_EQ(zero->second, 180);
  EXPECT_EQ(Query([&](int& l, int& r) { return m.OmegaFree(5, l, r); }), std::make_pair(160, 180));
  EXPECT_EQ(Query([&](int& l, int& r) { return m.OmegaFree(6, l, r); }), std::nullopt);
}

TEST(GammaFree, IntersectsTheFreeWindowWithTheStepRange) {
  const SeriesModel m = Preset(600);  // M_max 15
  // OmegaFree(2) = max(40, 465 - 13 * 135) .. 580 = 40..580.
  EXPECT_EQ(Query([&](int& l, int& r) { return m.GammaFree(300, 2, l, r); }), std::make_pair(165, 260));
  EXPECT_EQ(Query([&](int& l, int& r) { return m.GammaFree(60, 2, l, r); }), std::nullopt);
}

TEST(GammaFree, CountOutOfRangeIsAnEmptyWindow) {
  const SeriesModel m = Preset(200);
  for (int k : {0, 6}) {
#ifdef NDEBUG
    EXPECT_EQ(Query([&](int& l, int& r) { return m.GammaFree(100, k, l, r); }), std::nullopt) << k;
#else
    int left = 0;
    int right = 0;
    EXPECT_DEATH(m.GammaFree(100, k, left, right), "") << k;
#endif
  }
}

TEST(StartRanges, SplitTheDefaultSeriesAtTheSecondFragment) {
  const SeriesModel m = Preset(200);
  EXPECT_EQ(Query([&](int& l, int& r) { return m.FirstOnlyRange(l, r); }), std::make_pair(0, 39));
  EXPECT_EQ(Query([&](int& l, int& r) { return m.FirstOrSecondRange(l, r); }), std::make_pair(40, 115));
  EXPECT_EQ(Query([&](int& l, int& r) { return m.SecondOnlyRange(l, r); }), std::make_pair(116, 180));
}

TEST(CountAdmissibleStarts, ClassifiesTheBounds) {
  struct Case {
    int a0, a1, b0, b1, t0, t1, expected;
  };
  const Case cases[] = {
      {0, 115, 65, 180, 40, 135, 1},
      {0, 115, 465, 580, 40, 135, 1},
      {0, 115, 1065, 1180, 40, 135, 1},
      {0, 0, 60, 70, 40, 45, 0},  // reachable: 40..45, 80..90, ... none in 60..70
      {0, 10, 100, 180, 40, 50, 2},
      {0, 115, INT_MAX - 200, INT_MAX, 40, 135, 1},  // every one of 2^31 positions
      {0, 0, INT_MAX - 200, INT_MAX, 40, 135, 2},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SeriesModel::CountAdmissibleStarts(c.a0, c.a1, c.b0, c.b1, c.t0, c.t1), c.expected)
        << c.a1 << " " << c.b0 << " " << c.b1 << " " << c.t0 << " " << c.t1;
}

// Positions reachable by whole numbers of T_min..T_max steps, found by plain search.
struct ReachableSets {
  std::vector<std::vector<bool>> fromFirst;  // [j][p]: fragment j+1 can start at p
  std::vector<std::vector<bool>> toLast;     // [i][p]: i steps lead from p into B-..B
};

ReachableSets Search(const SeriesModel& m, int steps) {
  const int size = m.B + 1;
  ReachableSets sets;
  std::vector<bool> forward(size), backward(size);
  for (int p = m.A_minus; p <= std::min(m.A_plus, m.B); ++p) forward[p] = true;
  for (int p = m.B_minus; p <= m.B; ++p) backward[p] = true;
  for (int j = 0; j <= steps; ++j) {
    sets.fromFirst.push_back(forward);
    sets.toLast.push_back(backward);
    std::vector<bool> nextForward(size), nextBackward(size);
    for (int p = 0; p < size; ++p)
      for (int t = m.T_min; t <= m.T_max; ++t) {
        if (forward[p] && p + t < size) nextForward[p + t] = true;
        if (backward[p] && p - t >= 0) nextBackward[p - t] = true;
      }
    forward = std::move(nextForward);
    backward = std::move(nextBackward);
  }
  return sets;
}

SeriesModel RandomBounds(std::mt19937& rng) {
  auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  SeriesModel m;
  const int tMin = uniform(21, 50);
  const int tMax = uniform(tMin, 90);
  const int B = uniform(tMin, 320);
  m.SetRanges(B + 20, uniform(0, B), uniform(0, B), tMin, tMax, 20);
  return m;
}

TEST(AdmissibleSets, AgreeWithAPlainSearchOverRandomBounds) {
  std::mt19937 rng(2024);
  for (int trial = 0; trial < 300; ++trial) {
    SeriesModel m = RandomBounds(rng);
    const ReachableSets sets = Search(m, m.M_max);
    SCOPED_TRACE(testing::Message() << "A+ " << m.A_plus << ", B- " << m.B_minus << ", B " << m.B
                                    << ", T " << m.T_min << ".." << m.T_max);
    int admissible = 0;
    for (int p = m.A_minus; p <= m.B; ++p) {
      bool expected = false;
      for (int j = 0; j <= m.M_max; ++j)
        for (int i = 0; i <= m.M_max; ++i) expected = expected || (sets.fromFirst[j][p] && sets.toLast[i][p]);
      ASSERT_EQ(m.IsAdmissibleStart(p), expected) << "p = " << p;
      admissible += expected;
    }
    const int all = m.B - m.A_minus + 1;
    EXPECT_EQ(SeriesModel::CountAdmissibleStarts(m.A_minus, m.A_plus, m.B_minus, m.B, m.T_min, m.T_max),
              admissible == 0 ? 0 : admissible == all ? 1 : 2);

    for (m.M = 1; m.M <= m.M_max + 1; ++m.M) {
      for (int k = 1; k <= m.M; ++k) {
        // Fragment k: k - 1 steps from the first window, M - k steps to the last.
        Interval expected;
        for (int p = 0; p <= m.B; ++p) {
          if (!sets.fromFirst[k - 1][p] || !sets.toLast[m.M - k][p]) continue;
          expected = std::make_pair(expected ? expected->first : p, p);
        }
        ASSERT_EQ(OmegaOf(m, k), expected) << "M = " << m.M << ", k = " << k;
      }
    }
  }
}

TEST(AdmissibleSets, StartRangesCoverTheSeriesWithoutOverlap) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 300; ++trial) {
    const SeriesModel m = RandomBounds(rng);
    const Interval ranges[] = {Query([&](int& l, int& r) { return m.FirstOnlyRange(l, r); }),
                               Query([&](int& l, int& r) { return m.FirstOrSecondRange(l, r); }),
                               Query([&](int& l, int& r) { return m.SecondOnlyRange(l, r); })};
    int lowestSecond = 0;
    int unused = 0;
    m.OmegaFree(2, lowestSecond, unused);
    for (int p = m.A_minus; p <= m.B; ++p) {
      int covering = 0;
      for (const Interval& range : ranges) covering += range && range->first <= p && p <= range->second;
      const bool inGap = p > m.A_plus && p < lowestSecond;
      EXPECT_EQ(covering, inGap ? 0 : 1) << "p = " << p;
    }
  }
}

TEST(AdmissibleSets, LongSeriesStayInsideTheIntegerRange) {
  SeriesModel m;
  m.SetRanges(2147483647, 0, 2147483600, 21, 2147483647, 20);
  m.M = m.M_max;  // 102261126 fragments
  EXPECT_EQ(OmegaOf(m, m.M), std::make_pair(2147483625, 2147483627));
  EXPECT_EQ(OmegaOf(m, 1), std::make_pair(0, 0));
  EXPECT_TRUE(m.IsAdmissibleStart(2147483627));
  EXPECT_EQ(Query([&](int& l, int& r) { return m.GammaFree(2147483627, m.M_max - 1, l, r); }),
            std::make_pair(2147483604, 2147483606));
  EXPECT_EQ(SeriesModel::CountAdmissibleStarts(0, 115, 99865, 100000, 21, 2147483647), 1);
}

}  // namespace
}  // namespace tesselo
