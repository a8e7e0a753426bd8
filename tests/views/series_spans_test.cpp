#include "views/series_spans.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/sequence.h"

namespace tesselo {

void PrintTo(const SeriesSpan& span, std::ostream* os) { *os << span.from << ".." << span.to; }

namespace {

// Fragments at 10, 60, 120 and 170 of q = 20, in series of fragments 1, 2-3 and 4.
FragmentSequence FourFragmentsInThreeSeries() {
  FragmentSequence sequence;
  sequence.count = 4;
  sequence.starts = {0, 10, 60, 120, 170};
  sequence.seriesEnds = {0, 1, 3, 4};
  return sequence;
}

TEST(SeriesSpans, EachSeriesRunsFromThePreviousOnesEndToTheEndOfItsLastFragment) {
  const FragmentSequence sequence = FourFragmentsInThreeSeries();
  const struct {
    int L;
    std::vector<SeriesSpan> spans;
  } cases[] = {
      {3, {{0, 30}, {30, 140}, {140, 190}}},
      {2, {{0, 30}, {30, 140}}},
      {1, {{0, 30}}},
      {0, {{0, 30}}},                         // series 1 is always drawn
      {-9999, {{0, 30}}},                     // an unfilled word
      {5, {{0, 30}, {30, 140}, {140, 190}}},  // no more series than recorded
  };
  for (const auto& c : cases) EXPECT_EQ(SeriesSpans(sequence, c.L, 20), c.spans) << c.L;
}

TEST(SeriesSpans, StopAtASeriesWhoseLastFragmentHasNoStart) {
  FragmentSequence sequence = FourFragmentsInThreeSeries();
  sequence.seriesEnds = {0, 1, 7, 4};
  EXPECT_EQ(SeriesSpans(sequence, 3, 20), (std::vector<SeriesSpan>{{0, 30}}));
  EXPECT_TRUE(SeriesSpans(FragmentSequence{}, 3, 20).empty());
}

}  // namespace
}  // namespace tesselo
