#include "views/show_dic_wnd.h"

#include <QPainter>

#include "views/drawing.h"

namespace tesselo {

void CShowDicWnd::PaintClient(QPainter& painter) { FillClient(painter, colours::kBackground); }

}  // namespace tesselo
