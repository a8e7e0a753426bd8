#include "views/series_spans.h"

#include <algorithm>
#include <cstddef>

#include "model/sequence.h"

namespace tesselo {

std::vector<SeriesSpan> SeriesSpans(const FragmentSequence& sequence, int L, int q) {
  const std::size_t series = static_cast<std::size_t>(std::max(L, 1));
  std::vector<SeriesSpan> spans;
  Int64 from = 0;
  for (std::size_t i = 1; i <= series && i < sequence.seriesEnds.size(); ++i) {
    const int lastFragment = sequence.seriesEnds[i];
    if (lastFragment < 1 || static_cast<std::size_t>(lastFragment) >= sequence.starts.size()) break;
    const Int64 to = Int64{sequence.starts[lastFragment]} + q;
    spans.push_back({from, to});
    from = to;
  }
  return spans;
}

}  // namespace tesselo
