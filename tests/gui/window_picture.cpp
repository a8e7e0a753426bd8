#include "gui/window_picture.h"

#include <QPixmap>
#include <QTest>

namespace tesselo::test_support {
namespace {

QPoint WidgetPoint(const CMyWnd& window, QPoint client) {
  return client + window.contentsRect().topLeft();
}

}  // namespace

void SetClientSize(CMyWnd& window, QSize client) {
  const int border = 2 * CMyWnd::kSizingBorder;
  window.setGeometry(0, 0, client.width() + border, client.height() + border);
  window.show();
}

QImage ClientPicture(CMyWnd& window) {
  return window.grab(window.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
}

int CountPixels(const QImage& picture, const QRect& area, const QColor& colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += picture.pixelColor(x, y) == colour;
  return count;
}

void PressAt(CMyWnd& window, Qt::MouseButton button, QPoint client,
             Qt::KeyboardModifiers modifiers) {
  QTest::mousePress(&window, button, modifiers, WidgetPoint(window, client));
}

void ReleaseAt(CMyWnd& window, Qt::MouseButton button, QPoint client,
               Qt::KeyboardModifiers modifiers) {
  QTest::mouseRelease(&window, button, modifiers, WidgetPoint(window, client));
}

void ClickAt(CMyWnd& window, Qt::MouseButton button, QPoint client,
             Qt::KeyboardModifiers modifiers) {
  QTest::mouseClick(&window, button, modifiers, WidgetPoint(window, client));
}

}  // namespace tesselo::test_support
