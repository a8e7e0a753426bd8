#include "views/alph_wnd.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/main_frame.h"
#include "views/dic_wnd.h"
#include "views/drawing.h"

namespace tesselo {

int CAlphWnd::LetterAt(QPoint client) const {
  const QSize size = ClientSize();
  const int rowHeight = size.height() / kRows;
  if (rowHeight == 0 || client.x() < 0 || client.y() < 0 || client.x() >= size.width()) return 0;
  const int row = client.y() / rowHeight;
  const int column = client.x() * kColumns / size.width();
  if (row >= kRows) return 0;
  return kColumns * row + column + 1;
}

// Logical x runs over 0..1400 and y over -450..450, the rows of boxes from the top down.
void CAlphWnd::PaintClient(QPainter& painter) {
  const int gridTop = kRows * kLetterBoxHeight / 2;
  if (!SetLogicalCoordinates(painter, kColumns * kLetterBoxWidth, kRows * kLetterBoxHeight,
                             ClientSize().height() / 2))
    return;
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      const int letter = kColumns * r + c + 1;
      const int left = kLetterBoxWidth * c;
      const int lower = gridTop - kLetterBoxHeight * (r + 1);
      const bool hot = letter == HotLetter;
      DrawLetter(painter, letter, left, lower, left + kLetterBoxWidth, lower + kLetterBoxHeight, 1,
                 Qt::SolidLine, hot ? 3 : 1, 0, 0, hot ? 255 : 0);
    }
  }
}

void CAlphWnd::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  HotLetter = LetterAt(ClientPoint(event->position().toPoint()));
  update();
}

// The letter added is the one under the cursor now, whichever was pressed.
void CAlphWnd::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  HotLetter = 0;
  update();
  const int letter = LetterAt(ClientPoint(event->position().toPoint()));
  if (letter == 0) return;
  MainFrame->DicWnd->dictionary.AddLetter(letter, event->modifiers().testFlag(Qt::ShiftModifier));
}

}  // namespace tesselo
