#include "views/result_wnd.h"

#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <vector>

#include "app/parameter_checks.h"
#include "gui/program_fixture.h"
#include "gui/window_picture.h"
#include "model/series_model.h"
#include "views/drawing.h"
#include "views/show_dic_wnd.h"

namespace tesselo {
namespace {

using test_support::ClientPicture;
using test_support::CountPixels;

// A sequence of `length` zero samples with fragments at the given starts (from fragment 1)
// and series ending at the given fragments (from series 1).
FragmentSequence Fragments(int length, const std::vector<int>& starts,
                           const std::vector<int>& seriesEnds) {
  FragmentSequence sequence;
  sequence.length = length;
  sequence.samples.assign(length, 0);
  sequence.count = static_cast<int>(starts.size());
  sequence.starts = {0};
  sequence.starts.insert(sequence.starts.end(), starts.begin(), starts.end());
  sequence.seriesEnds = {0};
  sequence.seriesEnds.insert(sequence.seriesEnds.end(), seriesEnds.begin(), seriesEnds.end());
  return sequence;
}

std::unique_ptr<Word> WordOfLength(int length) {
  auto word = std::make_unique<Word>();
  word->length = length;
  return word;
}

bool IsDark(const QColor& colour) {
  return colour.red() < 128 && colour.green() < 128 && colour.blue() < 128;
}

int CountDark(const QImage& picture, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += IsDark(picture.pixelColor(x, y));
  return count;
}

// The 200 preset (N 200, q 20) with a hand-made experiment, in a 480 x 550 client area: the
// logical width N + 40 = 240 at 2 pixels per unit and the height 1100 at half a pixel per
// unit, so logical (x, y) is client pixel (2x, 550 - y / 2) and sample i lies at x = 20 + i.
//
// The hidden sequence has three one-fragment series, starting at 10, 60 and 120: stripes
// over samples 0..30, 30..80 and 80..140, that is pixels 40..100, 100..200 and 200..320.
// Its second fragment is 40 high. The found word (2) has two series: fragments 1-2 at 40
// and 90, fragment 3 at 150, so stripes over pixels 40..260 and 260..380.
class ResultWindowTest : public test_support::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    SeriesModel& model = Model();
    model.unobservable = Fragments(200, {10, 60, 120}, {1, 2, 3});
    for (int i = 60; i < 80; ++i) model.unobservable.samples[i] = 40;
    model.observable = model.unobservable;
    model.estimation = Fragments(200, {40, 90, 150}, {2, 3});
    model.word = WordOfLength(3);
    model.words = std::make_unique<WordList>();
    model.words->count = 2;
    model.words->words = {Word{}, *WordOfLength(1), *WordOfLength(2)};
    MainFrame->ShowDicWnd->FoundWord = 2;
    MainFrame->ShowResultView();
    test_support::SetClientSize(Window(), {480, 550});
  }

  CResultWnd& Window() const { return *MainFrame->ResultWnd; }
  static int PixelX(double x) { return static_cast<int>(2 * x); }
  static int PixelY(double y) { return static_cast<int>(550 - y / 2); }
};

const QColor kYellow(255, 255, 55);
const QColor kCyan(55, 255, 255);
const QColor kWhite(255, 255, 255);

// Series 1 and every odd series yellow, every even one cyan; white beyond the last fragment
// and left of the margin.
TEST_F(ResultWindowTest, StripesAlternateYellowAndCyanOverTheSeriesSpans) {
  const QImage picture = ClientPicture(Window());
  const int unobservableRow = PixelY(1060);
  const int estimationRow = PixelY(40);
  const struct {
    int x, y;
    QColor colour;
  } cases[] = {
      {20, unobservableRow, kWhite},  {70, unobservableRow, kYellow},
      {150, unobservableRow, kCyan},  {260, unobservableRow, kYellow},
      {400, unobservableRow, kWhite}, {20, estimationRow, kWhite},
      {100, estimationRow, kYellow},  {250, estimationRow, kYellow},
      {300, estimationRow, kCyan},    {400, estimationRow, kWhite},
      {150, PixelY(700), kWhite},  // the observable band has no stripes
  };
  for (const auto& c : cases)
    EXPECT_EQ(picture.pixelColor(c.x, c.y), c.colour) << "at " << c.x << ", " << c.y;
  // The series outlines run along the stripes' edges.
  for (const int x : {40, 100, 200, 320})
    EXPECT_EQ(picture.pixelColor(x, unobservableRow), colours::kInk) << x;
  for (const int x : {40, 260, 380})
    EXPECT_EQ(picture.pixelColor(x, estimationRow), colours::kInk) << x;
  EXPECT_EQ(picture.pixelColor(70, PixelY(1080)), colours::kInk) << "the outline's top";
  EXPECT_EQ(picture.pixelColor(70, PixelY(830)), colours::kInk) << "the outline's bottom";
}

// The hidden sequence is drawn in black in its own band and three times in blue, at 550,
// 551 and 552, over the observation.
TEST_F(ResultWindowTest, TheHiddenSequenceLiesBlueOverTheObservation) {
  const QImage picture = ClientPicture(Window());
  const int insideFragment2 = PixelX(20 + 70);
  EXPECT_EQ(picture.pixelColor(insideFragment2, PixelY(990)), colours::kInk);
  for (const int y : {590, 592})
    EXPECT_EQ(picture.pixelColor(insideFragment2, PixelY(y)), colours::kPattern) << y;
  const int betweenFragments = PixelX(20 + 100);
  for (const int y : {550, 552})
    EXPECT_EQ(picture.pixelColor(betweenFragments, PixelY(y)), colours::kPattern) << y;
  EXPECT_EQ(picture.pixelColor(betweenFragments, PixelY(540)), kWhite);
}

// Labels and titles hang from their reference point: the text starts at it and runs down.
TEST_F(ResultWindowTest, StartLabelsAndTitlesHangBelowTheirPoints) {
  const QImage picture = ClientPicture(Window());
  // The estimated start 40 is printed at (20 + 40 - 5, 130); the title at (5, 695).
  const struct {
    const char* what;
    int x, y;
  } texts[] = {{"label 40", PixelX(55), PixelY(130)}, {"title", PixelX(5), PixelY(695)}};
  for (const auto& text : texts) {
    SCOPED_TRACE(text.what);
    EXPECT_GT(CountDark(picture, QRect(text.x, text.y, 14, 14)), 5);
    EXPECT_EQ(CountDark(picture, QRect(text.x, text.y - 6, 14, 5)), 0);
  }
  EXPECT_GT(CountDark(picture, QRect(PixelX(25), PixelY(930), 14, 14)), 5) << "true start 10";
}

// The true fragments are outlined dotted in the estimation band, from y 50 to 250.
TEST_F(ResultWindowTest, TrueFragmentsAreOutlinedDottedInTheEstimationBand) {
  const QImage picture = ClientPicture(Window());
  const QRect fragment1Left(PixelX(30), PixelY(240), 1, PixelY(160) - PixelY(240));
  const int black = CountPixels(picture, fragment1Left, colours::kInk);
  EXPECT_GT(black, fragment1Left.height() / 5);
  EXPECT_LT(black, fragment1Left.height() * 3 / 4) << "dotted, not solid";
  EXPECT_EQ(picture.pixelColor(PixelX(30), PixelY(260)), kYellow) << "ends at 250";
}

// A tick under the hidden sequence's baseline at every admissible start below B. With
// distances of 55..65 the first-start window 0..10 leads to 55..75, 110..140 and 165..205,
// the last-start window 170..180 back to 105..125, 40..70 and -25..15; only the starts in
// both are admissible.
TEST_F(ResultWindowTest, TicksMarkTheAdmissibleStartsBelowB) {
  SeriesModel& model = Model();
  model.SetRanges(200, 10, 170, 55, 65, 20);
  const QImage picture = ClientPicture(Window());
  int ticks = 0;
  for (int p = 0; p <= model.B; ++p) {
    if (p == 30 || p == 80 || p == 140) continue;  // the series outlines cross the ticks' row
    const QRect tick(PixelX(20 + p), PixelY(945), 1, 3);
    const bool ticked = CountPixels(picture, tick, colours::kInk) > 0;
    EXPECT_EQ(ticked, p < model.B && model.IsAdmissibleStart(p)) << p;
    ticks += ticked;
  }
  EXPECT_EQ(ticks, 11 + 16 + 16 + 10);
}

// With no word found, the estimation band keeps its baseline and title only.
TEST_F(ResultWindowTest, WithNoWordFoundTheEstimationBandHasOnlyItsBaselineAndTitle) {
  MainFrame->ShowDicWnd->FoundWord = 0;
  Model().estimation.samples.assign(200, 60);
  const QImage picture = ClientPicture(Window());
  // Right of the title, which hangs from (5, 305) into the band.
  const QRect aboveBaseline(150, PixelY(290), 330, PixelY(155) - PixelY(290));
  const QRect belowBaseline(0, PixelY(145), 480, 550 - PixelY(145));
  for (const QRect& area : {aboveBaseline, belowBaseline})
    EXPECT_EQ(CountPixels(picture, area, kWhite), area.width() * area.height());
  EXPECT_EQ(CountPixels(picture, QRect(PixelX(20), PixelY(150), PixelX(200), 1), colours::kInk),
            PixelX(200));
  EXPECT_GT(CountDark(picture, QRect(PixelX(5), PixelY(305), 40, 14)), 5) << "the title";
}

// A refused run can leave N, the word and the dictionary's copy out of step with the
// sequences: the picture reads no sample, start or series the sequences do not hold.
TEST_F(ResultWindowTest, AModelOutOfStepWithItsSequencesDrawsWhatTheSequencesHold) {
  SeriesModel& model = Model();
  model.SetParameters(400, 40, 135, 20);
  model.word = WordOfLength(kUnfilledWordLength);
  model.words->words[2].length = 7;
  model.unobservable.count = 9;
  model.estimation.samples.resize(50);
  const QImage picture = ClientPicture(Window());
  // Logical width 440 over 480 pixels: series 1 of the hidden sequence alone keeps its
  // stripe, the baselines run to 20 + 400.
  const auto x = [](double logical) { return static_cast<int>(logical * 480 / 440); };
  EXPECT_EQ(picture.pixelColor(x(35), PixelY(1060)), kYellow);
  EXPECT_EQ(picture.pixelColor(x(70), PixelY(1060)), kWhite);
  EXPECT_EQ(picture.pixelColor(x(170), PixelY(40)), kCyan);
  EXPECT_EQ(picture.pixelColor(x(415), PixelY(550)), colours::kInk);
}

// Bounds accepted by hand can make B as large as 2^31: one tick per pixel column stands for
// the admissible starts behind it.
TEST_F(ResultWindowTest, AHugeBTicksEveryPixelColumnOfItsAdmissibleStarts) {
  SeriesModel& model = Model();
  StoreSeriesParameters(model, {40, 135, 115, 65, 2147483627});
  // As a run with these bounds sets them before it finds no memory for them.
  model.SetRanges(2147483647, model.A_plus, model.B_minus, model.T_min, model.T_max, model.q);
  const QImage picture = ClientPicture(Window());
  const QRect ticks(10, PixelY(945), 460, 3);
  int tickedColumns = 0;
  for (int x = ticks.left(); x <= ticks.right(); ++x)
    tickedColumns += CountPixels(picture, QRect(x, ticks.top(), 1, 3), colours::kInk) > 0;
  EXPECT_EQ(tickedColumns, ticks.width());
}

}  // namespace
}  // namespace tesselo
