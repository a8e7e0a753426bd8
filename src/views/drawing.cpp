#include "views/drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>

#include "model/series_model.h"
#include "views/dictionary.h"

namespace tesselo {

namespace {

const Sequence* LetterSamples(int letter) {
  const Alphabet* alphabet = Model().alphabet.get();
  if (alphabet == nullptr || letter < 1 || letter > alphabet->AlSize) return nullptr;
  return &alphabet->letters[letter];
}

void DrawLetterFrame(QPainter& dc, int left, int lower, int right, int upper) {
  dc.drawRect(QRectF(QPointF(left, lower), QPointF(right, upper)).normalized());
  dc.drawPolyline(QPolygon({{left + 5, lower + 5},
                            {right - 5, lower + 5},
                            {right - 5, upper - 5},
                            {left + 5, upper - 5},
                            {left + 5, lower + 5}}));
}

}  // namespace

QPen LogicalPen(const QPainter& painter, Qt::PenStyle style, int width, const QColor& colour) {
  const double xScale = std::abs(painter.combinedTransform().m11());
  QPen pen(colour, std::max(1.0, std::round(width * xScale)), style);
  pen.setCosmetic(true);
  return pen;
}

void DrawLetter(QPainter& dc, int letter, int left, int lower, int right, int upper, int framed,
                Qt::PenStyle penStyle, int penWidth, int red, int green, int blue) {
  const Sequence* samples = LetterSamples(letter);
  if (samples == nullptr) return;
  const Alphabet& alphabet = *Model().alphabet;
  dc.setBackgroundMode(Qt::TransparentMode);
  const QPen kept = dc.pen();

  dc.setPen(LogicalPen(dc, Qt::SolidLine, 1, colours::kAxes));
  if (framed == 1) DrawLetterFrame(dc, left, lower, right, upper);
  const int x0 = left + 10;
  dc.drawLine(x0, lower + 10, x0, upper - 10);
  const int mid = lower + static_cast<int>((upper - lower) * 0.5);
  const int xstep = 180 / alphabet.letterLength;
  const int ystep = 190 / alphabet.maxAmplitude;
  dc.drawLine(x0, mid, right - 10, mid);

  dc.setPen(LogicalPen(dc, penStyle, penWidth, QColor(red & 0xFF, green & 0xFF, blue & 0xFF)));
  QPolygon waveform;
  waveform << QPoint(x0, mid);
  for (int i = 0; i < alphabet.letterLength; ++i)
    waveform << QPoint(x0 + xstep * i, mid + ystep * samples->samples[i]);
  waveform << QPoint(x0 + xstep * (alphabet.letterLength - 1), mid);
  dc.drawPolyline(waveform);

  dc.setPen(kept);
}

void DrawWord(QPainter& dc, const DicWord& word, int row, bool isPattern) {
  static constexpr int kPatternShifts[] = {2, -2, 1, -1, 0};
  for (int j = 1; j <= word.Len; ++j) {
    const int left = (j - 1) * kLetterBoxWidth;
    const int lower = (row - 1) * kLetterBoxHeight;
    if (!isPattern) {
      DrawLetter(dc, word.Letters[j], left, lower, left + kLetterBoxWidth, lower + kLetterBoxHeight,
                 0, Qt::SolidLine, 1, 0, 0, 0);
      continue;
    }
    for (const int shift : kPatternShifts)
      DrawLetter(dc, word.Letters[j], left, lower + shift, left + kLetterBoxWidth,
                 lower + kLetterBoxHeight + shift, 0, Qt::SolidLine, 1, 0, 0, 255);
  }
}

void DrawDictionary(QPainter& dc, const DicTable& dictionary) {
  for (int w = 1; w <= dictionary.NWords; ++w)
    if (w != dictionary.PatNum) DrawWord(dc, dictionary.Words[w], w, false);
  if (dictionary.HasPattern())
    DrawWord(dc, dictionary.Words[dictionary.PatNum], dictionary.PatNum, true);
}

void DrawTextAt(QPainter& dc, QPointF logical, const QString& text) {
  const QPointF topLeft = dc.combinedTransform().map(logical);
  dc.save();
  dc.resetTransform();
  dc.drawText(topLeft + QPointF(0, QFontMetrics(dc.font()).ascent()), text);
  dc.restore();
}

}  // namespace tesselo
