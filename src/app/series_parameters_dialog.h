#pragma once
#include <QDialog>
#include <map>

namespace tesselo {

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
  QWidget* GetDlgItem(int id) const;
  // "Ok": checks the edited values and stores them when they pass.
  void OnOK();

 private:
  void OnInitDialog();
  bool DoDataExchange(bool saveAndValidate);

  std::map<int, QWidget*> controls_;
};

}  // namespace tesselo
