#include "estimation/placement.h"

#include <utility>

namespace tesselo {

FragmentSequence EstimatedSequence(int N, Placement placement, const Alphabet& alphabet,
                                   const Word& word) {
  FragmentSequence estimation;
  estimation.length = N;
  estimation.count = placement.Count();
  estimation.starts = std::move(placement.starts);
  estimation.seriesEnds = std::move(placement.seriesEnds);
  estimation.Synthesize(alphabet, word);
  return estimation;
}

}  // namespace tesselo
