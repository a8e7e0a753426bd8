#include "app/series_parameters_dialog.h"

#include <QAbstractButton>

#include "app/data_exchange.h"
#include "app/dialog_template.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "app/parameter_checks.h"
#include "app/utf8_text.h"
#include "model/series_model.h"
#include "views/dic_wnd.h"
#include "views/dlg_wnd.h"

namespace tesselo {

namespace {

const DialogTemplate& Template131() {
  using enum ControlKind;
  static const DialogTemplate dialogTemplate{
      131,
      119,
      168,
      {{param_ids::kA_plus, kEdit, "", {48, 11, 40, 14}},
       {kStaticId, kLabel, "A+", {20, 14, 10, 8}},
       {kStaticId, kLabel, "B-", {20, 33, 8, 8}},
       {kStaticId, kLabel, "B", {20, 54, 8, 8}},
       {param_ids::kB_minus, kEdit, "", {47, 30, 40, 14}},
       {param_ids::kB, kEdit, "", {47, 50, 40, 14}},
       {param_ids::kT_min, kEdit, "", {48, 69, 40, 14}},
       {kStaticId, kLabel, "T_min", {18, 73, 22, 8}},
       {param_ids::kT_max, kEdit, "", {48, 89, 40, 14}},
       {kStaticId, kLabel, "T_max", {19, 92, 23, 8}},
       {param_ids::kOk, kDefaultButton, "Ok", {31, 111, 50, 14}},
       {param_ids::kCancel, kPushButton, "Cancel", {30, 134, 50, 14}}}};
  return dialogTemplate;
}

}  // namespace

ParamDlg::ParamDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Series Parametres"));
  controls_ = CreateDialogControls(*this, Template131());
  connect(controls_.As<QAbstractButton>(param_ids::kOk), &QAbstractButton::clicked, this,
          &ParamDlg::OnOK);
  connect(controls_.As<QAbstractButton>(param_ids::kCancel), &QAbstractButton::clicked, this,
          &QDialog::reject);
}

int ParamDlg::DoModal() {
  OnInitDialog();
  return exec();
}

void ParamDlg::OnInitDialog() {
  SeriesModel& model = Model();
  // The named preset is applied at once, and stays applied when the dialog is cancelled.
  if (PresetN != 0) model.SetParameters(PresetN, 40, 135, 20);
  B = model.B;
  A_plus = model.A_plus;
  B_minus = model.B_minus;
  T_max = model.T_max;
  T_min = model.T_min;
  PatLen = MainFrame->DicWnd->dictionary.PatLen;
  DoDataExchange(false);
}

bool ParamDlg::DoDataExchange(bool saveAndValidate) {
  return DataExchange(saveAndValidate)
      .Int(GetDlgItem(param_ids::kT_min), T_min)
      .Int(GetDlgItem(param_ids::kT_max), T_max)
      .Int(GetDlgItem(param_ids::kA_plus), A_plus)
      .Int(GetDlgItem(param_ids::kB_minus), B_minus)
      .Int(GetDlgItem(param_ids::kB), B)
      .Succeeded();
}

void ParamDlg::OnOK() {
  // A field that is not a whole number has had its prompt: the dialog stays open.
  if (!DoDataExchange(true)) return;
  SeriesModel& model = Model();
  const SeriesParameters edited{T_min, T_max, A_plus, B_minus, B};
  if (const auto message = CheckSeriesParameters(edited, model.A_minus, model.q, PatLen)) {
    ShowMessage(Utf8(*message));
    return;
  }
  StoreSeriesParameters(model, edited);
  MainFrame->DlgWnd->PresetFlag = 0;
  accept();
}

}  // namespace tesselo
