#pragma once
#include "views/my_wnd.h"

namespace tesselo {

// The result window: the hidden sequence, its observation and the estimate, one above the
// other. Creating it seeds the random source with the current time.
class CResultWnd : public CMyWnd {
  Q_OBJECT

 public:
  CResultWnd(QWidget* parent, int childId);

 private:
  void PaintClient(QPainter& painter) override;
};

}  // namespace tesselo
