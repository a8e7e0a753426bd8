#pragma once
#include "views/dictionary.h"
#include "views/my_wnd.h"

namespace tesselo {

// The dictionary window: the words typed so far, one row each, the pattern in bold blue.
// It holds the dictionary itself.
class CDicWnd : public CMyWnd {
  Q_OBJECT

 public:
  CDicWnd(QWidget* parent, int childId);

  DicTable dictionary;

 private:
  void PaintClient(QPainter& painter) override;
};

}  // namespace tesselo
