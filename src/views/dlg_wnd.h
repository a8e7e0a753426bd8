#pragma once
#include "views/my_wnd.h"

namespace tesselo {

// The blank container at the top right of the main frame that holds the control panel. It
// remembers whether the series parameters come from a standard preset (1) or were set by
// hand in the series parameters dialog (0).
class CDlgWnd : public CMyWnd {
  Q_OBJECT

 public:
  CDlgWnd(QWidget* parent, int childId) : CMyWnd(parent, childId) {}

  int PresetFlag = 1;

 private:
  void PaintClient(QPainter&) override {}
};

}  // namespace tesselo
