#pragma once
#include <QDialog>

namespace tesselo {

// The About box: the application's icon, its name and version, and an "OK" button.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent);
};

}  // namespace tesselo
