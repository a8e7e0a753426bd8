#include "app/control_panel.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "app/dialog_template.h"
#include "app/experiment_run.h"
#include "app/panel_templates.h"
#include "app/parameter_checks.h"
#include "app/series_parameters_dialog.h"
#include "app/start_state.h"
#include "gui/program_fixture.h"
#include "model/random_source.h"
#include "views/alph_wnd.h"
#include "views/dic_wnd.h"
#include "views/dlg_wnd.h"
#include "views/result_wnd.h"
#include "views/show_dic_wnd.h"

namespace tesselo {
namespace {

using namespace panel_ids;
using test_support::ProgramTest;

const std::vector<int> kWord3_11_16 = {3, 11, 16};

class ControlPanelTest : public ProgramTest {
 protected:
  DicTable& Dictionary() const { return MainFrame->DicWnd->dictionary; }
  void SetText(int box, const QString& text) const { Box(box)->setEditText(text); }

  // Which windows show and which buttons are enabled: the view and the panel's state.
  void ExpectDictionaryView() const {
    EXPECT_TRUE(MainFrame->AlphWnd->isVisible());
    EXPECT_TRUE(MainFrame->DicWnd->isVisible());
    EXPECT_FALSE(MainFrame->ResultWnd->isVisible());
    EXPECT_FALSE(MainFrame->ShowDicWnd->isVisible());
    ExpectButtons({kCreate, kShowParams, kUnselectLast, kResetDic, kNextWord}, {kSetDictionary});
  }
  void ExpectResultView() const {
    EXPECT_FALSE(MainFrame->AlphWnd->isVisible());
    EXPECT_FALSE(MainFrame->DicWnd->isVisible());
    EXPECT_TRUE(MainFrame->ResultWnd->isVisible());
    EXPECT_TRUE(MainFrame->ShowDicWnd->isVisible());
    ExpectButtons({kCreate, kShowParams, kSetDictionary}, {kUnselectLast, kResetDic, kNextWord});
  }
  void ExpectButtons(const std::vector<int>& enabled, const std::vector<int>& disabled) const {
    for (const int id : enabled) EXPECT_TRUE(Button(id)->isEnabled()) << id;
    for (const int id : disabled) EXPECT_FALSE(Button(id)->isEnabled()) << id;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const QString& message : messages.Messages()) texts.push_back(message.toStdString());
    return texts;
  }
};

TEST_F(ControlPanelTest, StartsWithNoiseZeroThe200PresetKnownCountAndSetDictionaryDisabled) {
  EXPECT_EQ(Box(kNoiseLevel)->currentText(), "0");
  EXPECT_EQ(Box(kParameters)->currentText(), "200 (Standard)");
  EXPECT_TRUE(Button(kKnown)->isChecked());
  EXPECT_FALSE(Button(kUnknown)->isChecked());
  EXPECT_EQ(Panel().NoiseLevel, 0);
  EXPECT_EQ(Panel().ParamsChoice, "200 (Standard)");
  ExpectDictionaryView();
  const auto items = [](const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
    return texts;
  };
  EXPECT_EQ(items(Box(kNoiseLevel)),
            QStringList({"0", "30", "60", "90", "120", "150", "180", "210"}));
  EXPECT_EQ(items(Box(kParameters)),
            QStringList({"200 (Standard)", "600 (Standard)", "1200 (Standard)", "Another"}));
}

// Every template holds the same controls; template 130 has the shorter labels.
TEST_F(ControlPanelTest, EachTemplatePlacesEveryControlInDialogUnits) {
  const QSize baseUnits = DialogBaseUnits(DialogFont());
  for (const int templateId : {135, 134, 132, 130}) {
    SCOPED_TRACE(templateId);
    rDataDlg panel(templateId, MainFrame->DlgWnd);
    const DialogTemplate& layout = PanelTemplate(templateId);
    EXPECT_EQ(panel.size(), MapDialogRect({0, 0, layout.width, layout.height}, baseUnits).size());
    for (const ControlTemplate& control : layout.controls) {
      if (control.id == kStaticId) continue;
      const QWidget* widget = panel.GetDlgItem(control.id);
      ASSERT_NE(widget, nullptr) << control.id;
      const QRect expected = MapDialogRect(control.rect, baseUnits);
      EXPECT_EQ(widget->pos(), expected.topLeft()) << control.id;
      EXPECT_EQ(widget->width(), expected.width()) << control.id;
    }
    const bool small = templateId == 130;
    EXPECT_EQ(qobject_cast<QAbstractButton*>(panel.GetDlgItem(kShowParams))->text(),
              small ? "Show/Change Params" : "Show/Change Parameters");
  }
  EXPECT_EQ(MainFrame->Panel, nullptr) << "a deleted panel clears the frame's pointer";
}

TEST_F(ControlPanelTest, MapsDialogUnitsWithTheFontsAverageWidthAndHeight) {
  // Base units 6 x 13: x * 6 / 4 and y * 13 / 8, each corner rounded to the nearest pixel.
  EXPECT_EQ(MapDialogRect({35, 180, 94, 14}, {6, 13}), QRect(53, 293, 141, 22));
  EXPECT_EQ(MapDialogRect({0, 0, 167, 202}, {6, 13}), QRect(0, 0, 251, 328));
  EXPECT_EQ(MapDialogRect({3, 1, 111, 23}, {7, 16}), QRect(5, 2, 195, 46));
}

// Seed 12345, the word 3 11 16 at noise 60: the layout the independent reference gives.
TEST_F(ControlPanelTest, CreateWithASingleWordMakesItThePatternRunsAndShowsTheResult) {
  TypeWords({kWord3_11_16});
  SetText(kNoiseLevel, "60");
  random_source::Seed(12345);
  Click(kCreate);

  const SeriesModel& model = Model();
  EXPECT_TRUE(messages.Messages().isEmpty());
  EXPECT_EQ(Dictionary().PatNum, 1);
  EXPECT_EQ(model.noiseLevel, 60);
  EXPECT_EQ(Panel().NoiseLevel, 60);
  ASSERT_EQ(model.unobservable.count, 3);
  EXPECT_EQ(std::vector<int>(model.unobservable.starts.begin() + 1,
                             model.unobservable.starts.begin() + 4),
            (std::vector<int>{10, 56, 130}));
  EXPECT_EQ(model.observable.samples[16], 219);
  EXPECT_EQ(MainFrame->ShowDicWnd->FoundWord, 1);
  EXPECT_EQ(MainFrame->DlgWnd->PresetFlag, 1);
  ExpectResultView();

  // Again from the result view: a new series from the same stream, the view unchanged.
  Click(kCreate);
  EXPECT_NE(model.unobservable.starts[1], 10);
  ExpectResultView();

  Click(kSetDictionary);
  ExpectDictionaryView();
  EXPECT_EQ(Dictionary().NWords, 1);
  EXPECT_EQ(Dictionary().Words[1].Len, 3);
}

// The radio buttons choose the estimation: the outcome equals the experiment run's own.
TEST_F(ControlPanelTest, TheCheckedRadioButtonTellsTheRunWhetherTheCountIsKnown) {
  const std::vector<std::vector<int>> words = {{5, 18, 21}, {3, 11, 16}, {3, 16}};
  for (const int known : {1, 0}) {
    SCOPED_TRACE(known);
    Click(known ? kKnown : kUnknown);
    Dictionary() = DicTable{};
    TypeWords(words);
    Dictionary().ChoosePattern(2);
    SetText(kNoiseLevel, "150");
    SetText(kParameters, "600 (Standard)");
    random_source::Seed(31);
    Click(kCreate);
    const FragmentSequence shown = Model().estimation;
    const int found = MainFrame->ShowDicWnd->FoundWord;

    DicTable replayed;
    for (const auto& word : words) replayed.AddWord(word);
    replayed.ChoosePattern(2);
    ResetToStartState(Model());
    random_source::Seed(31);
    const ExperimentOutcome outcome = RunExperiment(replayed, known, 150, "600 (Standard)");
    EXPECT_EQ(found, outcome.foundWord);
    EXPECT_EQ(shown.count, Model().estimation.count);
    EXPECT_EQ(shown.starts, Model().estimation.starts);
    EXPECT_EQ(Model().N, 600);
    Click(kSetDictionary);
  }
}

struct NoiseTyping {
  const char* typed;
  std::vector<std::string> prompts;
  int runsWith;
  const char* paramsRead;  // the parameters text the run used
};

// The noise box is exchanged first, then its range is checked, then the parameters box:
// the first failure shows its prompt and leaves the members after it as they were.
TEST_F(ControlPanelTest, DataExchangePromptsForBadNoiseAndTheRunGoesOn) {
  const std::string kInteger = "Please enter an integer.";
  const std::string kRange = "Please enter an integer between 0 and 2147483647.";
  const NoiseTyping cases[] = {
      {"45", {}, 45, "600 (Standard)"},
      {"  45\t", {}, 45, "600 (Standard)"},
      {"+45", {}, 45, "600 (Standard)"},
      {"-5", {kRange}, -5, "200 (Standard)"},
      {"abc", {kInteger}, 30, "200 (Standard)"},
      {"4 5", {kInteger}, 30, "200 (Standard)"},
      {"", {kInteger}, 30, "200 (Standard)"},
      {"2147483648", {kInteger}, 30, "200 (Standard)"},
      {"2147483647", {}, 2147483647, "600 (Standard)"},
  };
  TypeWords({kWord3_11_16});
  for (const NoiseTyping& c : cases) {
    SCOPED_TRACE(c.typed);
    Panel().NoiseLevel = 30;
    Panel().ParamsChoice = "200 (Standard)";
    SetText(kNoiseLevel, c.typed);
    SetText(kParameters, "600 (Standard)");
    messages.Clear();
    Click(kCreate);
    EXPECT_EQ(Messages(), c.prompts);
    EXPECT_EQ(Model().noiseLevel, c.runsWith);
    EXPECT_EQ(Panel().ParamsChoice.toStdString(), c.paramsRead);
    EXPECT_EQ(Model().N, c.paramsRead == std::string("600 (Standard)") ? 600 : 200);
  }
}

TEST_F(ControlPanelTest, ARefusedCreateShowsItsMessageAndChangesNoViewButSetsThePresetFlag) {
  MainFrame->DlgWnd->PresetFlag = 0;
  Click(kCreate);
  EXPECT_EQ(Messages(), std::vector<std::string>{std::string(refusal::kNoPattern)});
  EXPECT_EQ(MainFrame->DlgWnd->PresetFlag, 1);
  ExpectDictionaryView();

  // From the result view the last result stays on show.
  TypeWords({kWord3_11_16});
  Click(kCreate);
  const std::vector<int> shownStarts = Model().unobservable.starts;
  Dictionary().ResetDictionary();
  messages.Clear();
  Click(kCreate);
  EXPECT_EQ(Messages(), std::vector<std::string>{std::string(refusal::kNoPattern)});
  EXPECT_EQ(MainFrame->ShowDicWnd->FoundWord, 1);
  EXPECT_EQ(Model().unobservable.starts, shownStarts);
  ExpectResultView();
}

// Accepted bounds whose sequences would not fit in memory: the run refuses like any other.
TEST_F(ControlPanelTest, AnExperimentOutOfMemoryIsRefusedWithItsMessage) {
  TypeWords({kWord3_11_16});
  Click(kCreate);
  const std::vector<int> shownStarts = Model().unobservable.starts;
  Click(kSetDictionary);
  StoreSeriesParameters(Model(), {40, 135, 115, 65, 2147483627});
  SetText(kParameters, "Another");
  messages.Clear();
  Click(kCreate);
  EXPECT_EQ(Messages(), std::vector<std::string>{std::string(refusal::kOutOfMemory)});
  EXPECT_EQ(Model().unobservable.starts, shownStarts);
  ExpectDictionaryView();
}

TEST_F(ControlPanelTest, DictionaryButtonsEditTheDictionary) {
  TypeWords({{1, 2}, {3}});
  Dictionary().AddLetter(4, false);  // an open third word
  Click(kNextWord);
  EXPECT_EQ(Dictionary().WordOpen, 0);
  EXPECT_EQ(Dictionary().PatNum, 1);
  Click(kUnselectLast);
  EXPECT_EQ(Dictionary().NWords, 2);
  Click(kResetDic);
  EXPECT_EQ(Dictionary().NWords, 0);
  EXPECT_TRUE(messages.Messages().isEmpty());
}

// Neither Enter nor Escape closes the panel or changes anything, whatever has the focus.
TEST_F(ControlPanelTest, EnterAndEscapeLeaveThePanelAsItIs) {
  TypeWords({kWord3_11_16});
  MainFrame->activateWindow();
  for (const int focus : {kNoiseLevel, kParameters, kCreate, kShowParams}) {
    SCOPED_TRACE(focus);
    SetText(kNoiseLevel, "45");
    Panel().GetDlgItem(focus)->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
      QTest::keyClick(Panel().GetDlgItem(focus), key);
    EXPECT_TRUE(Panel().isVisible());
    EXPECT_EQ(Box(kNoiseLevel)->currentText(), "45");
    EXPECT_EQ(Box(kNoiseLevel)->count(), 8);
    EXPECT_EQ(Model().noiseLevel, 0) << "no run was made";
    ExpectDictionaryView();
  }
  EXPECT_TRUE(messages.Messages().isEmpty());
}

TEST_F(ControlPanelTest, ShowParamsWithoutADictionaryClosesTheWordAndRefuses) {
  Panel().ParamsChoice = "600 (Standard)";
  Click(kShowParams);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Не выбран словарь!!!"});
  EXPECT_EQ(Box(kParameters)->currentText(), "200 (Standard)");
  EXPECT_EQ(Model().N, 200);
}

// Opening applies the named preset at once, and a cancelled dialog keeps it.
TEST_F(ControlPanelTest, ShowParamsAppliesThePresetEvenWhenCancelled) {
  TypeWords({kWord3_11_16});
  Dictionary().AddLetter(5, false);
  SetText(kParameters, "600 (Standard)");
  std::vector<QString> shown;
  test_support::WhenModal<ParamDlg>([&shown](ParamDlg& dialog) {
    for (const int id : {param_ids::kT_min, param_ids::kT_max, param_ids::kA_plus,
                         param_ids::kB_minus, param_ids::kB})
      shown.push_back(qobject_cast<QLineEdit*>(dialog.GetDlgItem(id))->text());
    dialog.reject();
  });
  Click(kShowParams);
  EXPECT_EQ(shown, (std::vector<QString>{"40", "135", "115", "465", "580"}));
  EXPECT_EQ(Dictionary().WordOpen, 0);
  EXPECT_EQ(Model().B, 580);
  EXPECT_EQ(Model().B_minus, 465);
  EXPECT_EQ(MainFrame->DlgWnd->PresetFlag, 1);
  EXPECT_EQ(Box(kParameters)->currentText(), "600 (Standard)");
}

// Custom bounds make the box say "Another"; the run then takes N = B + 20, until a preset
// is chosen again.
TEST_F(ControlPanelTest, AcceptedCustomBoundsShowAsAnotherAndDriveTheNextRun) {
  TypeWords({kWord3_11_16});
  test_support::WhenModal<ParamDlg>([](ParamDlg& dialog) {
    qobject_cast<QLineEdit*>(dialog.GetDlgItem(param_ids::kB))->setText("280");
    qobject_cast<QLineEdit*>(dialog.GetDlgItem(param_ids::kB_minus))->setText("150");
    QTest::mouseClick(dialog.GetDlgItem(param_ids::kOk), Qt::LeftButton);
  });
  Click(kShowParams);
  EXPECT_TRUE(messages.Messages().isEmpty());
  EXPECT_EQ(MainFrame->DlgWnd->PresetFlag, 0);
  EXPECT_EQ(Box(kParameters)->currentText(), "Another");
  Click(kCreate);
  EXPECT_EQ(Model().N, 300);
  EXPECT_EQ(MainFrame->DlgWnd->PresetFlag, 0);

  // A cancelled dialog while custom bounds are in force still names them "Another".
  Click(kSetDictionary);
  SetText(kParameters, "Another");
  test_support::WhenModal<ParamDlg>([](ParamDlg& dialog) { dialog.reject(); });
  Click(kShowParams);
  EXPECT_EQ(Box(kParameters)->currentText(), "Another");
  EXPECT_EQ(Model().B, 280);

  SetText(kParameters, "200 (Standard)");
  Click(kCreate);
  EXPECT_EQ(Model().N, 200);
  EXPECT_EQ(MainFrame->DlgWnd->PresetFlag, 1);
}

}  // namespace
}  // namespace tesselo
