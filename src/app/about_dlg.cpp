#include "app/about_dlg.h"

#include <QAbstractButton>

#include "app/dialog_template.h"

namespace tesselo {

namespace {

const DialogTemplate& Template100() {
  using enum ControlKind;
  static const DialogTemplate dialogTemplate{
      100,
      235,
      55,
      {{kStaticId, kIcon, "", {11, 17, 20, 20}},
       {kStaticId, kLabel, "Tesselo Version 1.0", {40, 10, 119, 8}},
       {kStaticId, kLabel, "Series of identical fragments in noise", {40, 25, 140, 8}},
       {1, kDefaultButton, "OK", {178, 7, 50, 14}}}};
  return dialogTemplate;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Tesselo"));
  const auto controls = CreateDialogControls(*this, Template100());
  connect(controls.As<QAbstractButton>(1), &QAbstractButton::clicked, this, &QDialog::accept);
}

}  // namespace tesselo
