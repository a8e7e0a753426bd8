#pragma once
#include "views/my_wnd.h"

namespace tesselo {

// The dictionary statistics window: the dictionary with the found word marked, and the
// noise-to-signal ratios of the last experiment.
class CShowDicWnd : public CMyWnd {
  Q_OBJECT

 public:
  CShowDicWnd(QWidget* parent, int childId) : CMyWnd(parent, childId) {}

  int FoundWord = 0;  // the word the last estimation found, 0 for none

 private:
  void PaintClient(QPainter& painter) override;
};

}  // namespace tesselo
