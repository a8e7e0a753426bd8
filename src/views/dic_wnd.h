#pragma once
#include "views/dictionary.h"
#include "views/my_wnd.h"

class QMouseEvent;

namespace tesselo {

// The dictionary window: the words typed so far, one row each with word 1 at the bottom,
// the pattern in bold blue. A right-click on a row makes its word the pattern. It holds the
// dictionary itself.
class CDicWnd : public CMyWnd {
  Q_OBJECT

 public:
  // The confirmation of a pattern chosen with the mouse, filled with the click's client
  // position and the word's number.
  static constexpr char kPatternChosen[] =
      "Данное слово будет выбрано в качестве образца: \n x = %d, y = %d, PatNum = %d";

  CDicWnd(QWidget* parent, int childId);

  DicTable dictionary;

 private:
  void PaintClient(QPainter& painter) override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tesselo
