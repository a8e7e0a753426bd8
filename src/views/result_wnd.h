#pragma once
#include "views/my_wnd.h"

namespace tesselo {

// The result window: the outcome of the last experiment as three bands, from the top: the
// hidden sequence, its observation with the hidden sequence laid over it in blue, and the
// estimate. Coloured stripes behind the first and last band mark the series, every fragment
// start is printed under its sequence, the true fragments are outlined dotted in the
// estimation band, and ticks under the hidden sequence mark the admissible starts. Creating
// the window seeds the random source with the current time.
class CResultWnd : public CMyWnd {
  Q_OBJECT

 public:
  CResultWnd(QWidget* parent, int childId);

 private:
  void PaintClient(QPainter& painter) override;
};

}  // namespace tesselo
