#pragma once
#include "views/my_wnd.h"

class QMouseEvent;

namespace tesselo {

// The alphabet window: the 21 letters as a grid of waveforms, 3 rows of 7, and the keyboard
// of the dictionary. Pressing the left button on a letter highlights it; releasing it adds
// the letter under the cursor, and with Shift held also finishes the word.
class CAlphWnd : public CMyWnd {
  Q_OBJECT

 public:
  static constexpr int kRows = 3;
  static constexpr int kColumns = 7;

  CAlphWnd(QWidget* parent, int childId) : CMyWnd(parent, childId) {}

  // The letter at a client position: row y / (height / 3) from the top, column 7x / width
  // from the left, in whole pixels. 0 where the grid has no letter: off the client area,
  // the pixel rows left under the grid, and a client area too small to divide.
  int LetterAt(QPoint client) const;

  int HotLetter = 0;  // the letter under the pressed left button, 0 for none

 private:
  void PaintClient(QPainter& painter) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tesselo
