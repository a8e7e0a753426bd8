#pragma once
#include <QColor>
#include <QPen>
#include <QPointF>
#include <Qt>

class QPainter;
class QString;

namespace tesselo {

struct DicTable;
struct DicWord;

// The colours the drawing windows share.
namespace colours {
inline const QColor kAxes{200, 200, 200};        // frames and axes in every letter box
inline const QColor kInk{0, 0, 0};               // ordinary letters, the result's lines
inline const QColor kPattern{0, 0, 255};         // pressed letter, pattern word, overlay
inline const QColor kBackground{255, 255, 255};  // dictionary, result, statistics windows
inline const QColor kFoundBand{150, 150, 150};   // behind the found word
inline const QColor kSeriesBandA{255, 255, 55};  // alternating behind the series
inline const QColor kSeriesBandB{55, 255, 255};
}  // namespace colours

// Letter boxes are this many logical units wide and high in every window showing letters.
inline constexpr int kLetterBoxWidth = 200;
inline constexpr int kLetterBoxHeight = 300;

// A pen of `width` logical units: the mapping's horizontal scale turns it into pixels, and
// no pen is thinner than one pixel.
QPen LogicalPen(const QPainter& painter, Qt::PenStyle style, int width, const QColor& colour);

// Draws letter `letter` of the model's alphabet as a waveform in the box with logical
// corners (left, lower) and (right, upper): grey axes, the box outlined twice and filled
// with the painter's brush when `framed` is 1, the waveform in the given pen and colour
// (only the low 8 bits of each component count). The painter's pen is kept; a letter the
// alphabet does not have draws nothing.
void DrawLetter(QPainter& dc, int letter, int left, int lower, int right, int upper, int framed,
                Qt::PenStyle penStyle, int penWidth, int red, int green, int blue);

// Draws a dictionary word as row `row` (from 1) of unframed letter boxes: black, or as the
// pattern in blue, five times over shifted by +2, -2, +1, -1 and 0 units so it looks bold.
void DrawWord(QPainter& dc, const DicWord& word, int row, bool isPattern);

// Draws every word of the dictionary as its own row, word 1 at the bottom: the ordinary
// words first, the pattern (if any) last so that it lies on top.
void DrawDictionary(QPainter& dc, const DicTable& dictionary);

// Writes a text upright in the painter's font at its own size, whatever the mapping, with
// its top-left corner at the logical point.
void DrawTextAt(QPainter& dc, QPointF logical, const QString& text);

}  // namespace tesselo
