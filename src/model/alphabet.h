#pragma once
#include <vector>

#include "model/sequence.h"

namespace tesselo {

// The 21 letters every word, and so every fragment, is made of: fifteen fixed waveforms
// and six random ones, all of about the same energy (a sum of squares near 72000).
struct Alphabet {
  int AlSize = 0;
  int letterLength = 0;
  std::vector<Sequence> letters;  // letters[1..AlSize]; entry 0 unused
  int maxAmplitude = 0;           // no sample exceeds it in absolute value

  // Creates the letters. The random ones consume draws from the random source, so the
  // alphabet depends on its state when Build starts.
  void Build();
};

}  // namespace tesselo
