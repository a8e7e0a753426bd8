#include "views/result_wnd.h"

#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <ctime>
#include <vector>

#include "app/main_frame.h"
#include "model/random_source.h"
#include "model/series_model.h"
#include "views/drawing.h"
#include "views/series_spans.h"
#include "views/show_dic_wnd.h"

namespace tesselo {
namespace {

// Logical layout: sample i of every sequence at x = m + i over a width of N + 2m, the bands
// stacked in a height of 1100, y upwards.
constexpr int kMargin = 20;  // m
constexpr int kHeight = 1100;

// The y range of a band's stripes and series outlines.
struct StripeRange {
  int low;
  int high;
};
constexpr StripeRange kUnobservableStripes{830, 1080};
constexpr StripeRange kEstimationStripes{30, 280};

constexpr int kUnobservableBaseline = 950;
constexpr int kObservableBaseline = 550;
constexpr int kEstimationBaseline = 150;

// Fragment starts are printed this far under the baseline, and this far left of the start.
constexpr int kLabelDrop = 20;
constexpr int kLabelShift = 5;

double X(Int64 position) { return kMargin + static_cast<double>(position); }

QPen PixelPen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(colour, 1, style);
  pen.setCosmetic(true);
  return pen;
}

// A closed line around the rectangle, from its lower-left corner upwards.
QPolygonF ClosedRectangle(double left, double low, double right, double high) {
  return QPolygonF({{left, low}, {left, high}, {right, high}, {right, low}, {left, low}});
}

void FillStripe(QPainter& dc, const std::vector<SeriesSpan>& spans, std::size_t series,
                StripeRange range, const QColor& colour) {
  if (series > spans.size()) return;
  const SeriesSpan& span = spans[series - 1];
  dc.fillRect(QRectF(QPointF(X(span.from), range.low), QPointF(X(span.to), range.high)), colour);
}

// Series first, first + 2, first + 4, ...
void FillEverySecondStripe(QPainter& dc, const std::vector<SeriesSpan>& spans, std::size_t first,
                           StripeRange range, const QColor& colour) {
  for (std::size_t series = first; series <= spans.size(); series += 2)
    FillStripe(dc, spans, series, range, colour);
}

void OutlineSeries(QPainter& dc, const std::vector<SeriesSpan>& spans, StripeRange range) {
  for (const SeriesSpan& span : spans)
    dc.drawPolyline(ClosedRectangle(X(span.from), range.low, X(span.to), range.high));
}

// The first N samples (fewer if the sequence is shorter), from a vertical stroke at x = m
// between the baseline and the first value.
void DrawCurve(QPainter& dc, const Sequence& sequence, int N, int baseline) {
  const std::size_t count =
      std::min(static_cast<std::size_t>(std::max(N, 0)), sequence.samples.size());
  QPolygonF curve;
  curve.reserve(static_cast<qsizetype>(count) + 1);
  curve << QPointF(kMargin, baseline);
  for (std::size_t i = 0; i < count; ++i)
    curve << QPointF(X(static_cast<Int64>(i)), baseline + static_cast<double>(sequence.samples[i]));
  dc.drawPolyline(curve);
}

void DrawStartLabels(QPainter& dc, const FragmentSequence& sequence, int baseline) {
  for (int k = 1; k <= sequence.RecordedCount(); ++k) {
    const int start = sequence.starts[k];
    DrawTextAt(dc, QPointF(X(start) - kLabelShift, baseline - kLabelDrop), QString::number(start));
  }
}

// Dotted boxes over the estimation band where the true fragments lie.
void OutlineTrueFragments(QPainter& dc, const FragmentSequence& unobservable, int q) {
  for (int k = 1; k <= unobservable.RecordedCount(); ++k) {
    const Int64 start = unobservable.starts[k];
    dc.drawPolyline(ClosedRectangle(X(start), 50, X(start + q), 250));
  }
}

// A tick under the hidden sequence's baseline at every admissible start 0..B-1 within the
// window's width. Starts less than a pixel apart would draw the same tick again: after each
// tick the starts less than a pixel to its right are passed over, so that the work follows
// the window's width, not B.
void DrawAdmissibleTicks(QPainter& dc, const SeriesModel& model) {
  const double unitsPerPixel = 1.0 / std::abs(dc.combinedTransform().m11());
  const Int64 step = std::max<Int64>(1, static_cast<Int64>(unitsPerPixel));
  const Int64 end = std::min(Int64{model.B}, Int64{model.N} + kMargin + 1);
  for (Int64 p = 0; p < end;) {
    if (!model.IsAdmissibleStart(static_cast<int>(p))) {
      ++p;
      continue;
    }
    dc.drawLine(QPointF(X(p), 940), QPointF(X(p), 945));
    p += step;
  }
}

// The number of letters of word w of the model's copy of the dictionary; 0 for no word.
int WordLength(const SeriesModel& model, int w) {
  if (model.words == nullptr || w < 1 || w >= static_cast<int>(model.words->words.size())) return 0;
  return model.words->words[w].length;
}

}  // namespace

CResultWnd::CResultWnd(QWidget* parent, int childId) : CMyWnd(parent, childId) {
  random_source::Seed(static_cast<std::uint32_t>(std::time(nullptr)));
}

// The picture of the last experiment. With no word found the estimation band keeps only its
// baseline and title.
void CResultWnd::PaintClient(QPainter& painter) {
  const SeriesModel& model = Model();
  FillClient(painter, colours::kBackground);
  painter.setBackgroundMode(Qt::TransparentMode);
  if (!SetLogicalCoordinates(painter, SaturateToInt(Int64{model.N} + 2 * kMargin), kHeight,
                             ClientSize().height()))
    return;
  const int foundWord = MainFrame->ShowDicWnd->FoundWord;
  const bool estimated = foundWord != 0;
  const std::vector<SeriesSpan> unobservableSeries =
      SeriesSpans(model.unobservable, model.word ? model.word->length : 0, model.q);
  const std::vector<SeriesSpan> estimationSeries =
      estimated ? SeriesSpans(model.estimation, WordLength(model, foundWord), model.q)
                : std::vector<SeriesSpan>{};

  FillEverySecondStripe(painter, estimationSeries, 2, kEstimationStripes, colours::kSeriesBandB);
  FillEverySecondStripe(painter, estimationSeries, 3, kEstimationStripes, colours::kSeriesBandA);
  FillEverySecondStripe(painter, unobservableSeries, 2, kUnobservableStripes,
                        colours::kSeriesBandB);
  FillEverySecondStripe(painter, unobservableSeries, 3, kUnobservableStripes,
                        colours::kSeriesBandA);
  FillStripe(painter, unobservableSeries, 1, kUnobservableStripes, colours::kSeriesBandA);
  FillStripe(painter, estimationSeries, 1, kEstimationStripes, colours::kSeriesBandA);

  painter.setPen(PixelPen(colours::kInk));
  DrawCurve(painter, model.unobservable, model.N, kUnobservableBaseline);
  DrawCurve(painter, model.observable, model.N, kObservableBaseline);
  if (estimated) DrawCurve(painter, model.estimation, model.N, kEstimationBaseline);
  for (const int baseline : {kEstimationBaseline, kUnobservableBaseline, kObservableBaseline})
    painter.drawLine(QPointF(kMargin, baseline), QPointF(X(model.N), baseline));

  DrawStartLabels(painter, model.unobservable, kUnobservableBaseline);
  if (estimated) DrawStartLabels(painter, model.estimation, kEstimationBaseline);
  DrawTextAt(painter, {5, 1105}, "Unobservable Sequence");
  DrawTextAt(painter, {5, 695}, "Observable Sequence");
  DrawTextAt(painter, {5, 305}, "Estimation");

  painter.setPen(PixelPen(colours::kPattern));
  for (const int baseline : {kObservableBaseline, kObservableBaseline + 1, kObservableBaseline + 2})
    DrawCurve(painter, model.unobservable, model.N, baseline);

  painter.setPen(PixelPen(colours::kInk));
  OutlineSeries(painter, estimationSeries, kEstimationStripes);
  OutlineSeries(painter, unobservableSeries, kUnobservableStripes);

  painter.setPen(PixelPen(colours::kInk, Qt::DotLine));
  if (estimated) OutlineTrueFragments(painter, model.unobservable, model.q);
  DrawAdmissibleTicks(painter, model);
}

}  // namespace tesselo
