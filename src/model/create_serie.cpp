// The generator of one experiment: the number of fragments, their starts, the division
// into series, the noise-free synthesis and the noisy observation. The draws happen in a
// fixed order (count, first gap, further gaps, repairs, series ends, then two per noise
// sample), so a run is reproducible from the state of the random source before it.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/int_math.h"
#include "model/random_source.h"
#include "model/series_model.h"

namespace tesselo {
namespace {

// A draw reduced modulo a positive bound that may exceed the 32-bit range.
Int64 DrawBelow(Int64 bound) { return random_source::Draw() % bound; }

// Flags L - 1 distinct fragments in 1..M-1 as the last of their series, then lists them in
// increasing order; the last series ends with fragment M.
std::vector<int> DrawSeriesEnds(int M, int L) {
  std::vector<int> seriesEnds(L + 1, 0);
  std::vector<char> flagged(M + 1, 0);
  for (int drawn = 0; drawn < L - 1;) {
    const int v = static_cast<int>(1 + DrawBelow(M - 1));
    if (!flagged[v]) {
      flagged[v] = 1;
      ++drawn;
    }
  }
  int e = 0;
  for (int j = 1; j < M; ++j)
    if (flagged[j]) seriesEnds[++e] = j;
  seriesEnds[L] = M;
  return seriesEnds;
}

}  // namespace

bool SeriesModel::Generate(const Alphabet& alphabet) {
  const int L = word->length;
  unobservable.starts.assign(M_max + 1, 0);
  if (!unobservable.DrawCount(*this, L)) return false;
  int left = 0;
  int right = 0;
  if (!Omega(M, left, right)) return false;
  unobservable.seriesEnds = DrawSeriesEnds(M, L);
  unobservable.length = N;
  unobservable.count = M;
  unobservable.Synthesize(alphabet, *word);
  return true;
}

bool FragmentSequence::DrawCount(SeriesModel& model, int L) {
  // Every letter needs a fragment of its own; with no count left there is nothing to draw.
  const int lo = std::max(model.M_min, L);
  if (lo > model.M_max) return false;
  model.M = static_cast<int>(lo + DrawBelow(Int64{model.M_max} - lo + 1));
  DrawStarts(model);
  return true;
}

void FragmentSequence::DrawStarts(SeriesModel& model) {
  const int M = model.M;
  count = M;
  const Int64 firstCeiling = Int64{model.A_plus} - model.A_minus;
  const Int64 stepRange = Int64{model.T_max} - model.T_min + 1;

  // gap[1] is the first start's distance from A-, gap[i] the distance from start i-1 to i.
  std::vector<Int64> gap(M + 1, 0);
  gap[1] = DrawBelow(firstCeiling + 1);
  for (int i = 2; i <= M; ++i) gap[i] = model.T_min + DrawBelow(stepRange);
  Int64 total = 0;  // the last start, A- being 0
  for (int i = 1; i <= M; ++i) total += gap[i];

  // Random repairs move the last start into B-..B. They can succeed only when the gaps'
  // bounds let the last start reach that window; otherwise the layout is left as drawn
  // (the caller then finds no admissible start for fragment M) instead of looping forever.
  const Int64 lowest = (Int64{M} - 1) * model.T_min;
  const Int64 highest = firstCeiling + (Int64{M} - 1) * model.T_max;
  const bool reachable = std::max(lowest, Int64{model.B_minus}) <= std::min(highest, Int64{model.B});
  while (reachable && (total < model.B_minus || total > model.B)) {
    const int c = static_cast<int>(1 + DrawBelow(M));
    if (total > model.B) {
      const Int64 floor = c == 1 ? 0 : model.T_min;
      if (gap[c] > floor) {
        const Int64 e = 1 + DrawBelow(gap[c] - floor);
        gap[c] -= e;
        total -= e;
      }
    } else {
      const Int64 ceiling = c == 1 ? firstCeiling : model.T_max;
      if (gap[c] < ceiling) {
        const Int64 e = 1 + DrawBelow(ceiling - gap[c]);
        gap[c] += e;
        total += e;
      }
    }
  }

  starts.resize(std::max<std::size_t>(starts.size(), M + 1));
  starts[0] = 0;
  Int64 start = model.A_minus;
  for (int i = 1; i <= M; ++i) {
    start += gap[i];
    starts[i] = SaturateToInt(start);
  }
}

void FragmentSequence::Synthesize(const Alphabet& alphabet, const Word& word) {
  const int letterLength = alphabet.letterLength;
  samples.assign(length, 0);
  if (count < 1) return;
  int j = 0;  // current fragment
  int e = 1;  // current series
  for (int i = std::max(starts[1], 0); i < length; ++i) {
    if (j < count && i == starts[j + 1]) {
      ++j;
      if (j == seriesEnds[e] + 1) ++e;  // the previous fragment closed series e
    }
    const int d = i - starts[j];
    if (d >= 0 && d < letterLength) samples[i] = alphabet.letters[word.letters[e]].samples[d];
  }
}

void Sequence::MakeObservation(double sigma, const FragmentSequence& unobservable,
                               Sequence& noise) {
  constexpr double kTwoPi = 6.283185307179586;
  length = noise.length = unobservable.length;
  samples.assign(length, 0);
  noise.samples.assign(length, 0);
  for (int i = 0; i < length; ++i) {
    double u1 = 0.0;
    do {
      u1 = random_source::Draw() / 32767.0;
    } while (u1 == 0.0);
    const double u2 = random_source::Draw() / 32767.0;
    const double f = i % 2 == 0 ? std::sin(kTwoPi * u2) : std::cos(kTwoPi * u2);
    // Saturation keeps huge noise levels inside the sample range instead of overflowing.
    noise.samples[i] = TruncateToInt(std::sqrt(-2 * std::log(u1)) * sigma * f);
    samples[i] = SaturateToInt(Int64{unobservable.samples[i]} + noise.samples[i]);
  }
}

}  // namespace tesselo
