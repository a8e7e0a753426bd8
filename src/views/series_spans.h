#pragma once
#include <vector>

#include "model/int_math.h"

namespace tesselo {

struct FragmentSequence;

// The stretch of sample positions a series covers: series 1 from 0 to the end of its last
// fragment, every later series from the end of the previous series' last fragment to the
// end of its own, so that consecutive spans touch.
struct SeriesSpan {
  Int64 from = 0;
  Int64 to = 0;

  friend bool operator==(const SeriesSpan&, const SeriesSpan&) = default;
};

// The spans of series 1..L of `sequence` (series 1 even for L < 1), for fragments of q
// samples; spans[i - 1] is series i's. The list stops early at a series whose last fragment
// the sequence does not record.
std::vector<SeriesSpan> SeriesSpans(const FragmentSequence& sequence, int L, int q);

}  // namespace tesselo
