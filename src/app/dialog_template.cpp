#include "app/dialog_template.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <cstdint>

#include "app/utf8_text.h"

namespace tesselo {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero, as the platform's MulDiv.
int MulDiv(int a, int b, int c) {
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

QWidget* CreateControl(QWidget& dialog, const ControlTemplate& control) {
  const QString text = Utf8(control.text);
  switch (control.kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefaultButton: {
      auto* button = new QPushButton(text, &dialog);
      button->setDefault(control.kind == ControlKind::kDefaultButton);
      return button;
    }
    case ControlKind::kEdit:
      return new QLineEdit(&dialog);
    case ControlKind::kComboBox: {
      auto* box = new QComboBox(&dialog);
      box->setEditable(true);
      box->setInsertPolicy(QComboBox::NoInsert);  // typed texts do not join the list
      box->setCompleter(nullptr);                 // nor are they completed from it
      return box;
    }
    case ControlKind::kLabel: {
      auto* label = new QLabel(text, &dialog);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // static text starts at its corner
      return label;
    }
    case ControlKind::kGroupBox:
      return new QGroupBox(text, &dialog);
    case ControlKind::kRadioButton:
      return new QRadioButton(text, &dialog);
    case ControlKind::kIcon: {
      auto* icon = new QLabel(&dialog);
      icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
      return icon;
    }
  }
  return nullptr;
}

// A combo box's template height includes its drop-down list; the closed box keeps the
// height of its edit field.
QRect ControlGeometry(const QWidget& widget, const ControlTemplate& control, QSize baseUnits) {
  QRect geometry = MapDialogRect(control.rect, baseUnits);
  if (control.kind == ControlKind::kComboBox) geometry.setHeight(widget.sizeHint().height());
  if (control.kind == ControlKind::kIcon) geometry.setSize(QSize(32, 32));
  return geometry;
}

}  // namespace

QFont DialogFont() {
  QFont font(QStringLiteral("MS Shell Dlg"), 8);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QSize DialogBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int latinWidth = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(latinWidth / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const DialogRect& rect, QSize baseUnits) {
  const int left = MulDiv(rect.x, baseUnits.width(), 4);
  const int top = MulDiv(rect.y, baseUnits.height(), 8);
  const int right = MulDiv(rect.x + rect.width, baseUnits.width(), 4);
  const int bottom = MulDiv(rect.y + rect.height, baseUnits.height(), 8);
  return {left, top, right - left, bottom - top};
}

QWidget* DialogControls::Item(int id) const {
  const auto found = byId_.find(id);
  return found == byId_.end() ? nullptr : found->second;
}

DialogControls CreateDialogControls(QWidget& dialog, const DialogTemplate& dialogTemplate) {
  dialog.setFont(DialogFont());
  const QSize baseUnits = DialogBaseUnits(dialog.font());
  dialog.setFixedSize(
      MapDialogRect({0, 0, dialogTemplate.width, dialogTemplate.height}, baseUnits).size());
  DialogControls addressable;
  for (const ControlTemplate& control : dialogTemplate.controls) {
    QWidget* widget = CreateControl(dialog, control);
    widget->setGeometry(ControlGeometry(*widget, control, baseUnits));
    if (control.id != kStaticId) addressable.Add(control.id, widget);
  }
  return addressable;
}

}  // namespace tesselo
