#pragma once
#include <QDialog>

#include "app/dialog_template.h"

namespace tesselo {

// The control identifiers of the series parameters dialog.
namespace param_ids {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kA_plus = 1013;
inline constexpr int kB_minus = 1019;
inline constexpr int kB = 1020;
inline constexpr int kT_min = 1021;
inline constexpr int kT_max = 1022;
}  // namespace param_ids

// The series parameters dialog: the researcher's own bounds T_min, T_max, A+, B- and B.
// It opens on the model's values after applying the preset the control panel names, and
// stores edited values only when they pass every check.
class ParamDlg : public QDialog {
  Q_OBJECT

 public:
  explicit ParamDlg(QWidget* parent);

  int T_min = 0;
  int T_max = 0;
  int A_plus = 0;
  int B_minus = 0;
  int B = 0;
  int PresetN = 0;  // N of the preset the control panel names, 0 for "Another"
  int PatLen = 0;   // the dictionary's pattern length

  // Initialises the dialog from the model and runs it modally; returns its result.
  int DoModal();
  QWidget* GetDlgItem(int id) const { return controls_.Item(id); }
  // "Ok": checks the edited values and stores them when they pass.
  void OnOK();

 private:
  void OnInitDialog();
  bool DoDataExchange(bool saveAndValidate);

  DialogControls controls_;
};

}  // namespace tesselo
