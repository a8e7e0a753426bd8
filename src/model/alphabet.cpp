#include "model/alphabet.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "model/int_math.h"
#include "model/random_source.h"

namespace tesselo {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kRandomEnergy = 72000;  // sum of squares a random letter is scaled to
constexpr int kClipLimit = 150;       // random samples beyond it are redrawn near it

enum Shape {
  kConstant = 0,
  kHalfSine = 1,
  kDampedSine = 2,
  kAlternating = 3,
  kRamp = 4,
  kRandomPositive = 5,
  kRandomEitherSign = 6,
  kRandomNegative = 7,
  kPeak = 8,
  kRiseAndDecay = 9,
};

int FixedSample(int shape, int i, int length, int amplitude, double coef) {
  switch (shape) {
    case kConstant:
      return amplitude;
    case kHalfSine:
      return TruncateToInt(std::sin(i * kPi / (length - 1)) * amplitude);
    case kDampedSine:
      return TruncateToInt(std::sin(4 * i * kPi / (length - 1)) * amplitude * std::exp(-i * coef));
    case kAlternating:
      return i % 2 == 0 ? -amplitude : amplitude;
    case kRamp:
      return TruncateToInt(i * coef) + amplitude;
    case kPeak:
      return (amplitude * 10) / ((i - 10) * (i - 10) + 15);
    case kRiseAndDecay:
      return TruncateToInt(std::atan(i * coef) * amplitude / (0.09 * i * i + 0.4));
    default:
      return 0;  // not a waveform: a silent letter
  }
}

// A random letter: raw draws 0..299 (with a random sign for shape 6) scaled to a sum of
// squares of about 72000, samples beyond +-150 redrawn just inside. The draws happen in
// exactly this order, sample by sample.
void FillRandom(int shape, std::vector<int>& samples) {
  std::vector<int> raw(samples.size());
  std::int64_t energy = 0;
  for (int& v : raw) {
    v = random_source::Draw() % 300;
    if (shape == kRandomEitherSign && random_source::Draw() % 2 == 1) v = -v;
    energy += std::int64_t{v} * v;
  }
  // With every raw draw 0 there is nothing to scale: the letter stays silent.
  const double scale = energy > 0 ? std::sqrt(static_cast<double>(kRandomEnergy) / energy) : 0.0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    int sample = shape == kRandomNegative ? TruncateToInt(-raw[i] * scale)
                                          : TruncateToInt(raw[i] * scale);
    if (shape != kRandomNegative && sample > kClipLimit)
      sample = kClipLimit - random_source::Draw() % 30;
    if (shape != kRandomPositive && sample < -kClipLimit)
      sample = random_source::Draw() % 30 - kClipLimit;
    samples[i] = sample;
  }
}

struct LetterRecipe {
  int shape;
  int amplitude;
  double coef;
};

// Letters 1..21 in order.
constexpr LetterRecipe kRecipes[] = {
    {kConstant, 60, 0},          {kConstant, -60, 0},
    {kHalfSine, 87, 0},          {kHalfSine, -87, 0},
    {kDampedSine, 173, 0.1},     {kDampedSine, -173, 0.1},
    {kRamp, -104, 10.4},         {kRamp, 104, -10.4},
    {kRamp, 30, 2.91},           {kRamp, -30, -2.91},
    {kPeak, 165, 0},             {kPeak, -165, 0},
    {kRiseAndDecay, 196, 0.3},   {kRiseAndDecay, -196, 0.3},
    {kAlternating, 60, 0},       {kRandomPositive, 0, 0},
    {kRandomPositive, 0, 0},     {kRandomEitherSign, 0, 0},
    {kRandomEitherSign, 0, 0},   {kRandomNegative, 0, 0},
    {kRandomNegative, 0, 0},
};

}  // namespace

void Sequence::MakeShape(int shape, int sampleCount, int shapeAmplitude, double coef) {
  amplitude = shapeAmplitude;
  length = sampleCount;
  samples.assign(sampleCount, 0);
  if (shape >= kRandomPositive && shape <= kRandomNegative) {
    FillRandom(shape, samples);
    return;
  }
  for (int i = 0; i < sampleCount; ++i)
    samples[i] = FixedSample(shape, i, sampleCount, shapeAmplitude, coef);
}

void Alphabet::Build() {
  AlSize = 21;
  letterLength = 20;
  letters.assign(AlSize + 1, Sequence{});
  for (int n = 1; n <= AlSize; ++n) {
    const LetterRecipe& recipe = kRecipes[n - 1];
    letters[n].MakeShape(recipe.shape, letterLength, recipe.amplitude, recipe.coef);
  }
  maxAmplitude = 150;
}

}  // namespace tesselo
