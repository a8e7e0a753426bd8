#pragma once
#include <optional>

#include "model/sequence.h"

namespace tesselo {

// The noise-to-signal energy ratios of an experiment: over the samples inside the hidden
// sequence's fragments, and over the whole sequence. A ratio has no value when its signal
// energy is 0.
struct NoiseRatios {
  std::optional<double> fragments;
  std::optional<double> all;
};

// The ratios of `noise` to `unobservable` over their first N samples (fewer when either
// sequence is shorter), for fragments of q samples. The sums of squares are exact: they
// neither overflow nor round, however large the samples.
NoiseRatios NoiseToSignal(const FragmentSequence& unobservable, const Sequence& noise, int N,
                          int q);

}  // namespace tesselo
