#pragma once
#include <QStringList>

#include "views/my_wnd.h"

class QMouseEvent;

namespace tesselo {

struct SeriesModel;

// The dictionary statistics window: the dictionary again, one row per word with word 1 at
// the bottom, the found word on a grey band, and above the words the sequence length, the
// distance bounds and the noise-to-signal ratios of the last experiment. A left-click on a
// row makes its word the pattern and runs the experiment again.
class CShowDicWnd : public CMyWnd {
  Q_OBJECT

 public:
  CShowDicWnd(QWidget* parent, int childId) : CMyWnd(parent, childId) {}

  int FoundWord = 0;  // the word the last estimation found, 0 for none

  // The four lines of figures over the words, from the top: N and the alphabet size, the
  // distance bounds, and the noise-to-signal ratios over the fragments and over the whole
  // sequence, "-" for a ratio whose signal has no energy.
  static QStringList Figures(const SeriesModel& model);

 private:
  void PaintClient(QPainter& painter) override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tesselo
