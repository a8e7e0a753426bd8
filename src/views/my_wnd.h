#pragma once
#include <QFrame>

class QPainter;

namespace tesselo {

// The frame shared by the program's five child windows: a sizing border around a client
// area. Each window paints its client area in logical coordinates of its own.
class CMyWnd : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kSizingBorder = 4;  // pixels on each side of the client area

  // Creates the window visible, with an empty rectangle, as child `childId` of `parent`.
  CMyWnd(QWidget* parent, int childId);

  int GetDlgCtrlID() const { return childId_; }
  QSize ClientSize() const { return contentsRect().size(); }
  // A widget position as a client-area position.
  QPoint ClientPoint(QPoint widgetPosition) const;
  // Whether a widget position lies in the client area rather than on the sizing border.
  bool InClient(QPoint widgetPosition) const { return contentsRect().contains(widgetPosition); }

 protected:
  // Paints the client area; the painter is clipped to it and still in widget pixels.
  virtual void PaintClient(QPainter& painter) = 0;

  // The anisotropic mapping of logical (0, 0)..(Wx, Wy) onto the whole client area, x to
  // the right and y upwards, with the logical origin at client pixel (0, originY). Returns
  // false, leaving the painter as it was, when an extent is not positive.
  bool SetLogicalCoordinates(QPainter& painter, int Wx, int Wy, int originY) const;

  void FillClient(QPainter& painter, const QColor& colour) const;

 private:
  void paintEvent(QPaintEvent* event) override;

  int childId_;
};

}  // namespace tesselo
