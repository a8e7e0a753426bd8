#include "views/my_wnd.h"

#include <QPainter>

namespace tesselo {

CMyWnd::CMyWnd(QWidget* parent, int childId) : QFrame(parent), childId_(childId) {
  // A raised edge on either side of a band: 1 + 2 + 1 pixels.
  setFrameStyle(QFrame::Box | QFrame::Raised);
  setLineWidth(1);
  setMidLineWidth(kSizingBorder - 2);
  setGeometry(0, 0, 0, 0);
  show();
}

QPoint CMyWnd::ClientPoint(QPoint widgetPosition) const {
  return widgetPosition - contentsRect().topLeft();
}

bool CMyWnd::SetLogicalCoordinates(QPainter& painter, int Wx, int Wy, int originY) const {
  if (Wx <= 0 || Wy <= 0) return false;
  const QRect client = contentsRect();
  painter.setWindow(0, 0, Wx, Wy);
  painter.setViewport(client.left(), client.top() + originY, client.width(), -client.height());
  return true;
}

void CMyWnd::FillClient(QPainter& painter, const QColor& colour) const {
  painter.fillRect(contentsRect(), colour);
}

void CMyWnd::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    // A fresh drawing context fills with a white brush, as the letter boxes expect.
    painter.setBrush(Qt::white);
    PaintClient(painter);
  }
  QFrame::paintEvent(event);
}

}  // namespace tesselo
