#include "views/dic_wnd.h"

#include <QPainter>

#include "app/main_frame.h"
#include "views/drawing.h"
#include "views/show_dic_wnd.h"

namespace tesselo {

CDicWnd::CDicWnd(QWidget* parent, int childId) : CMyWnd(parent, childId) {
  dictionary.SetObserver([this](DicTable::Repaint what) {
    update();
    if (what == DicTable::Repaint::DictionaryAndStatistics && MainFrame->ShowDicWnd != nullptr)
      MainFrame->ShowDicWnd->update();
  });
}

void CDicWnd::PaintClient(QPainter& painter) { FillClient(painter, colours::kBackground); }

}  // namespace tesselo
