#pragma once
#include <algorithm>
#include <vector>

namespace tesselo {

struct Alphabet;
struct FragmentSequence;
struct SeriesModel;
struct Word;

// A run of integer samples: a letter of the alphabet, or one of the model's sequences.
struct Sequence {
  int length = 0;
  std::vector<int> samples;  // `length` samples, indexed from 0
  int amplitude = 0;         // the amplitude a letter was shaped with

  // Shapes a letter: `length` samples following waveform `shape` (0..9). Shapes 5..7
  // draw from the random source. An unknown shape gives a silent (all-zero) letter.
  void MakeShape(int shape, int length, int amplitude, double coef);

  // Becomes `unobservable` plus Gaussian noise of standard deviation `sigma`; the noise
  // itself goes to `noise`. Draws two numbers per sample, even for sigma 0.
  void MakeObservation(double sigma, const FragmentSequence& unobservable, Sequence& noise);
};

// A sequence with its fragment layout: fragment k (1..count) starts at starts[k], and
// series e holds fragments seriesEnds[e-1]+1 .. seriesEnds[e].
struct FragmentSequence : Sequence {
  int count = 0;
  std::vector<int> starts;
  std::vector<int> seriesEnds;

  // The fragments 1..RecordedCount() have a start: `count`, or fewer when a sequence left
  // from an earlier experiment records fewer starts.
  int RecordedCount() const { return std::min(count, static_cast<int>(starts.size()) - 1); }

  // Draws the number of fragments for a word of L letters into model.M, then the starts.
  // Returns false, drawing nothing, when no admissible count exists.
  bool DrawCount(SeriesModel& model, int L);

  // Draws model.M starts obeying the model's first-start window, last-start window and
  // distance bounds.
  void DrawStarts(SeriesModel& model);

  // Builds the samples: each fragment a copy of its series' letter, zero elsewhere.
  void Synthesize(const Alphabet& alphabet, const Word& word);
};

}  // namespace tesselo
