// The minimum searches, the sliding-window minimum and the cost arithmetic.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "estimation/cost.h"
#include "estimation/min_search.h"
#include "estimation/sliding_minimum.h"
#include "estimation/tables.h"

namespace tesselo {
namespace {

constexpr Cost X = kUnreachable;

Table2D<Cost> Column(const std::vector<Cost>& values, int col) {
  Table2D<Cost> table(static_cast<int>(values.size()), col + 1);
  for (int p = 0; p < static_cast<int>(values.size()); ++p) table(p, col) = values[p];
  return table;
}

TEST(MinOverStarts, TiesGoToTheLowestStart) {
  const std::vector<Cost> values = {9, 4, 7, 4, 2, 2, 8};
  const Table2D<Cost> table = Column(values, 1);
  Table3D<Cost> table3(static_cast<int>(values.size()), 2, 3);
  for (int a = 0; a < static_cast<int>(values.size()); ++a) table3(a, 1, 2) = values[a];
  struct Case {
    int lo, hi;
    Cost best;
    int arg;
  };
  for (const Case& c :
       {Case{0, 6, 2, 4}, Case{0, 3, 4, 1}, Case{2, 3, 4, 3}, Case{6, 6, 8, 6}, Case{5, 6, 2, 5}}) {
    int arg = -7;
    EXPECT_EQ(MinOverStarts2D(table, 1, c.lo, c.hi, arg), c.best) << c.lo << ".." << c.hi;
    EXPECT_EQ(arg, c.arg) << c.lo << ".." << c.hi;
    arg = -7;
    EXPECT_EQ(MinOverStarts3D(table3, 1, 2, c.lo, c.hi, arg), c.best) << c.lo << ".." << c.hi;
    EXPECT_EQ(arg, c.arg) << c.lo << ".." << c.hi;
  }
}

TEST(MinOverAdmissible2D, SkipsInadmissibleStartsAndUnreachableEntries) {
  SeriesModel m;
  m.SetRanges(200, 30, 150, 40, 50, 20);  // first starts 0..30, second ones 40..80
  ASSERT_FALSE(m.IsAdmissibleStart(35));
  ASSERT_TRUE(m.IsAdmissibleStart(40));
  std::vector<Cost> values(60, 100);
  values[35] = -50;  // the least, but no fragment can start there
  values[41] = X;
  values[42] = 7;
  values[44] = 7;
  const Table2D<Cost> table = Column(values, 2);
  int arg = 99;
  EXPECT_EQ(MinOverAdmissible2D(m, table, 2, 30, 45, arg), 7);
  EXPECT_EQ(arg, 42);
  EXPECT_EQ(MinOverAdmissible2D(m, table, 2, 41, 41, arg), X);  // only an unreachable entry
  EXPECT_EQ(arg, -1);
  EXPECT_EQ(MinOverAdmissible2D(m, table, 2, 31, 39, arg), X);  // no admissible start
  EXPECT_EQ(arg, -1);
  EXPECT_EQ(MinOverAdmissible2D(m, table, 2, 45, 44, arg), X);  // an empty interval
  EXPECT_EQ(arg, -1);
}

// A first-minimum scan skipping unreachable entries: what the sliding minimum must give.
std::pair<Cost, int> ScanWindow(const std::vector<Cost>& column, int lo, int hi) {
  Cost best = X;
  int arg = -1;
  for (int j = std::max(lo, 0); j <= std::min(hi, static_cast<int>(column.size()) - 1); ++j)
    if (column[j] < best) {
      best = column[j];
      arg = j;
    }
  return {best, arg};
}

TEST(SlidingMinimum, AgreesWithAScanOnEveryWindow) {
  std::mt19937 random(42);
  for (int trial = 0; trial < 300; ++trial) {
    const int size = 1 + static_cast<int>(random() % 80);
    std::vector<Cost> column(size);
    for (Cost& c : column) c = random() % 5 == 0 ? X : static_cast<Cost>(random() % 4) - 2;
    SlidingMinimum window;
    window.Reset(column);
    // Windows T_min..T_max before a moving position, as the programmes use them, plus
    // windows that are empty or reach past the column's ends.
    const int tMin = static_cast<int>(random() % 6) - 1;
    const int tMax = tMin + static_cast<int>(random() % 12);
    const int floor = static_cast<int>(random() % 5) - 2;
    for (int p = -3; p < size + 15; p += 1 + static_cast<int>(random() % 3)) {
      const int lo = std::max(floor, p - tMax);
      const int hi = p - tMin;
      window.MoveTo(lo, hi);
      const auto [best, arg] = ScanWindow(column, lo, hi);
      ASSERT_EQ(window.Value(), best) << "trial " << trial << " window " << lo << ".." << hi;
      ASSERT_EQ(window.Arg(), arg) << "trial " << trial << " window " << lo << ".." << hi;
    }
  }
}

TEST(Extend, UnreachableStaysUnreachableAndSumsSaturate) {
  EXPECT_EQ(Extend(-5, 12), 7);
  EXPECT_EQ(Extend(-5, X), X);
  EXPECT_EQ(Extend(X - 1, 5), X - 1);  // a reachable state never becomes unreachable
  EXPECT_EQ(Extend(1, X - 1), X - 1);
  EXPECT_EQ(Extend(kLeastCost, -1), kLeastCost);
  EXPECT_EQ(Extend(Cost{1} << 40, Cost{1} << 40), Cost{1} << 41);
}

TEST(MemoryBudget, SizesSaturateAndTheBudgetHolds) {
  EXPECT_EQ(TableBytes({1200, 31, 11}, 4), 1200 * 31 * 11 * 4);
  EXPECT_EQ(TableBytes({0, 31, 11}, 4), 0);
  EXPECT_EQ(TableBytes({Int64{1} << 31, Int64{1} << 31, Int64{1} << 31}, 8), INT64_MAX);
  EXPECT_EQ(TotalBytes({INT64_MAX, 5}), INT64_MAX);
  EXPECT_NO_THROW(CheckMemoryBudget(kEstimationMemoryBudget));
  EXPECT_THROW(CheckMemoryBudget(kEstimationMemoryBudget + 1), EstimationMemoryError);
}

}  // namespace
}  // namespace tesselo
