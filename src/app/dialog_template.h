#pragma once
#include <QFont>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <map>
#include <string_view>
#include <vector>

namespace tesselo {

// A dialog described as the platform's dialog templates describe it: a size and controls
// placed in dialog units, which follow the dialog font (a horizontal unit is a quarter of
// its average character width, a vertical unit an eighth of its height).
struct DialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

enum class ControlKind {
  kPushButton,
  kDefaultButton,
  kEdit,
  kComboBox,
  kLabel,
  kGroupBox,
  kRadioButton,
  kIcon
};

inline constexpr int kStaticId = -1;  // the identifier of labels and frames nobody addresses

struct ControlTemplate {
  int id = kStaticId;
  ControlKind kind = ControlKind::kLabel;
  std::string_view text;
  DialogRect rect;
};

struct DialogTemplate {
  int id = 0;
  int width = 0;
  int height = 0;
  std::vector<ControlTemplate> controls;
};

// The font every template names, "MS Shell Dlg" at 8 points; where it is missing the
// system's sans-serif font stands in.
QFont DialogFont();

// The dialog base units of a font: its average character width, as the platform measures
// it over the Latin letters, and its height, in pixels.
QSize DialogBaseUnits(const QFont& font);

// Dialog units to pixels; each corner is converted on its own, rounding to the nearest pixel.
QRect MapDialogRect(const DialogRect& rect, QSize baseUnits);

// A dialog's addressable controls, by identifier.
class DialogControls {
 public:
  // The control with this identifier, null for none.
  QWidget* Item(int id) const;
  template <typename Control>
  Control* As(int id) const {
    return qobject_cast<Control*>(Item(id));
  }
  void Add(int id, QWidget* control) { byId_[id] = control; }

 private:
  std::map<int, QWidget*> byId_;
};

// Gives `dialog` the template's font and client size and creates its controls, in the
// template's order, as its children.
DialogControls CreateDialogControls(QWidget& dialog, const DialogTemplate& dialogTemplate);

}  // namespace tesselo
