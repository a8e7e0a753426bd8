#pragma once
#include "views/my_wnd.h"

namespace tesselo {

// The alphabet window: the 21 letters as a grid of waveforms, clicked to type words.
class CAlphWnd : public CMyWnd {
  Q_OBJECT

 public:
  CAlphWnd(QWidget* parent, int childId) : CMyWnd(parent, childId) {}

  int HotLetter = 0;  // the letter under the pressed left button, 0 for none

 private:
  void PaintClient(QPainter&) override {}
};

}  // namespace tesselo
