#include "app/control_panel.h"

#include <QAbstractButton>
#include <QComboBox>

#include "app/data_exchange.h"
#include "app/experiment_run.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "app/panel_templates.h"
#include "app/series_parameters_dialog.h"
#include "app/utf8_text.h"
#include "model/int_math.h"
#include "model/series_model.h"
#include "views/dic_wnd.h"
#include "views/dlg_wnd.h"
#include "views/show_dic_wnd.h"

namespace tesselo {

namespace {

constexpr char kNoDictionary[] = "Не выбран словарь!!!";

DicTable& Dictionary() { return MainFrame->DicWnd->dictionary; }

}  // namespace

rDataDlg::rDataDlg(int templateId, QWidget* parent) : QWidget(parent), templateId_(templateId) {
  MainFrame->Panel = this;
  controls_ = CreateDialogControls(*this, PanelTemplate(templateId));
  using namespace params_choice;
  controls_.As<QComboBox>(panel_ids::kNoiseLevel)
      ->addItems({"0", "30", "60", "90", "120", "150", "180", "210"});
  controls_.As<QComboBox>(panel_ids::kParameters)
      ->addItems({Utf8(kPreset200), Utf8(kPreset600), Utf8(kPreset1200), Utf8(kAnother)});
  EnableButton(panel_ids::kSetDictionary, false);
  ConnectCommands();
  move(0, 0);
  OnInitDialog();
  show();
}

rDataDlg::~rDataDlg() {
  if (MainFrame != nullptr && MainFrame->Panel == this) MainFrame->Panel = nullptr;
}

QRect rDataDlg::ScreenRect() const { return {mapToGlobal(QPoint(0, 0)), size()}; }

void rDataDlg::ConnectCommands() {
  const std::pair<int, void (rDataDlg::*)()> commands[] = {
      {panel_ids::kCreate, &rDataDlg::OnCreateSeries},
      {panel_ids::kSetDictionary, &rDataDlg::OnSetDictionary},
      {panel_ids::kShowParams, &rDataDlg::OnShowParams},
      {panel_ids::kUnselectLast, &rDataDlg::OnUnselectLast},
      {panel_ids::kResetDic, &rDataDlg::OnResetDic},
      {panel_ids::kNextWord, &rDataDlg::OnNextWord},
  };
  for (const auto& [id, handler] : commands)
    connect(controls_.As<QAbstractButton>(id), &QAbstractButton::clicked, this, handler);
}

void rDataDlg::OnInitDialog() {
  NoiseLevel = 0;
  ParamsChoice = Utf8(params_choice::kPreset200);
  controls_.As<QAbstractButton>(panel_ids::kKnown)->setChecked(true);
  // The main frame has just set the derived bounds with the same values.
  SeriesModel& model = Model();
  model.N = 200;
  model.T_min = 40;
  model.T_max = 135;
  model.noiseLevel = 0;
  UpdateData(false);
}

bool rDataDlg::UpdateData(bool saveAndValidate) {
  return DataExchange(saveAndValidate)
      .Int(GetDlgItem(panel_ids::kNoiseLevel), NoiseLevel)
      .MinMax(NoiseLevel, 0, kIntMax)
      .Text(GetDlgItem(panel_ids::kParameters), ParamsChoice)
      .Succeeded();
}

void rDataDlg::EnableButton(int id, bool enabled) { GetDlgItem(id)->setEnabled(enabled); }

bool rDataDlg::IsChecked(int id) const { return controls_.As<QAbstractButton>(id)->isChecked(); }

void rDataDlg::OnCreateSeries() {
  Dictionary().DefaultSinglePattern();
  // The two radio buttons form one group: exactly one of them is checked.
  if (IsChecked(panel_ids::kUnknown)) RunOnce(0);
  if (IsChecked(panel_ids::kKnown)) RunOnce(1);
}

// One experiment with the panel's values; a bad value in a box has its prompt shown, and
// the run goes on with what the members then hold.
void rDataDlg::RunOnce(int known) {
  UpdateData(true);
  const ExperimentOutcome outcome =
      RunExperiment(Dictionary(), known, NoiseLevel, ParamsChoice.toStdString());
  if (outcome.presetApplied) MainFrame->DlgWnd->PresetFlag = 1;
  if (outcome.refusal) {
    ShowMessage(Utf8(*outcome.refusal));
    return;
  }
  MainFrame->ShowDicWnd->FoundWord = outcome.foundWord;
  MainFrame->ShowResultView();
  EnableButton(panel_ids::kSetDictionary, true);
  EnableButton(panel_ids::kResetDic, false);
  EnableButton(panel_ids::kUnselectLast, false);
  EnableButton(panel_ids::kNextWord, false);
}

void rDataDlg::OnSetDictionary() {
  MainFrame->ShowDictionaryView();
  EnableButton(panel_ids::kSetDictionary, false);
  EnableButton(panel_ids::kUnselectLast, true);
  EnableButton(panel_ids::kNextWord, true);
  EnableButton(panel_ids::kResetDic, true);
}

void rDataDlg::OnShowParams() {
  UpdateData(true);
  DicTable& dictionary = Dictionary();
  dictionary.CloseWord();
  if (dictionary.NWords < 1) {
    ShowMessage(Utf8(kNoDictionary));
    return;
  }
  // A typed text that names no preset keeps the model's parameters, as the run does.
  ParamDlg dialog(MainFrame);
  dialog.PresetN = PresetLength(ParamsChoice.toStdString()).value_or(0);
  dialog.DoModal();
  if (MainFrame->DlgWnd->PresetFlag == 0) ParamsChoice = Utf8(params_choice::kAnother);
  UpdateData(false);
}

void rDataDlg::OnUnselectLast() { Dictionary().RemoveLastWord(); }

void rDataDlg::OnResetDic() { Dictionary().ResetDictionary(); }

void rDataDlg::OnNextWord() { Dictionary().NextWord(); }

}  // namespace tesselo
