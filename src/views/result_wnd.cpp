#include "views/result_wnd.h"

#include <QPainter>
#include <ctime>

#include "model/random_source.h"
#include "views/drawing.h"

namespace tesselo {

CResultWnd::CResultWnd(QWidget* parent, int childId) : CMyWnd(parent, childId) {
  random_source::Seed(static_cast<std::uint32_t>(std::time(nullptr)));
}

void CResultWnd::PaintClient(QPainter& painter) { FillClient(painter, colours::kBackground); }

}  // namespace tesselo
