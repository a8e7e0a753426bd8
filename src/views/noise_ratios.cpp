#include "views/noise_ratios.h"

#include <algorithm>
#include <cstddef>

namespace tesselo {
namespace {

// Squares of 32-bit samples summed over up to 2^31 samples need 93 bits.
__extension__ typedef unsigned __int128 EnergySum;

struct Energies {
  EnergySum noise = 0;
  EnergySum signal = 0;

  void Add(int noiseSample, int signalSample) {
    noise += Square(noiseSample);
    signal += Square(signalSample);
  }
  std::optional<double> Ratio() const {
    if (signal == 0) return std::nullopt;
    return static_cast<double>(noise) / static_cast<double>(signal);
  }
  static EnergySum Square(int sample) {
    const long long value = sample;
    return static_cast<EnergySum>(value * value);
  }
};

}  // namespace

NoiseRatios NoiseToSignal(const FragmentSequence& unobservable, const Sequence& noise, int N,
                          int q) {
  const int n = std::min(
      {N, static_cast<int>(unobservable.samples.size()), static_cast<int>(noise.samples.size())});
  const int count = unobservable.RecordedCount();
  Energies all;
  Energies fragments;
  int fragment = 0;  // the last fragment begun, 0 before the first
  for (int i = 0; i < n; ++i) {
    const int noiseSample = noise.samples[i];
    const int signalSample = unobservable.samples[i];
    all.Add(noiseSample, signalSample);
    if (fragment < count && unobservable.starts[fragment + 1] == i) ++fragment;
    const int offset = fragment >= 1 ? i - unobservable.starts[fragment] : -1;
    if (offset >= 0 && offset < q) fragments.Add(noiseSample, signalSample);
  }
  return {fragments.Ratio(), all.Ratio()};
}

}  // namespace tesselo
