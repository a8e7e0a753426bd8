#include "app/series_parameters_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "app/parameter_checks.h"
#include "gui/program_fixture.h"
#include "views/dic_wnd.h"
#include "views/dlg_wnd.h"

namespace tesselo {
namespace {

using test_support::ProgramTest;

using namespace param_ids;

// The edits, in the order the dialog exchanges them.
constexpr int kEdits[] = {kT_min, kT_max, kA_plus, kB_minus, kB};

class SeriesParametersDialogTest : public ProgramTest {
 protected:
  // Opens the dialog for a preset (0: "Another"), types into the edits, presses "Ok" and
  // records what it then shows; the dialog is closed with "Cancel" when it stayed open.
  struct Outcome {
    std::vector<std::string> messages;
    bool stayedOpen = false;
    int focusedEdit = 0;
  };
  Outcome TypeAndPressOk(int presetN, const std::vector<std::pair<int, const char*>>& typed) {
    Outcome outcome;
    test_support::WhenModal<ParamDlg>([&](ParamDlg& dialog) {
      for (const auto& [id, text] : typed) Edit(dialog, id)->setText(text);
      QTest::mouseClick(dialog.GetDlgItem(kOk), Qt::LeftButton);
      outcome.stayedOpen = dialog.isVisible();
      for (const int id : kEdits)
        if (dialog.focusWidget() == dialog.GetDlgItem(id)) outcome.focusedEdit = id;
      for (const QString& message : messages.Messages())
        outcome.messages.push_back(message.toStdString());
      if (outcome.stayedOpen) dialog.reject();
    });
    ParamDlg dialog(MainFrame);
    dialog.PresetN = presetN;
    dialog.DoModal();
    return outcome;
  }
  static QLineEdit* Edit(const ParamDlg& dialog, int id) {
    return qobject_cast<QLineEdit*>(dialog.GetDlgItem(id));
  }
  static SeriesParameters Stored() {
    const SeriesModel& m = Model();
    return {m.T_min, m.T_max, m.A_plus, m.B_minus, m.B};
  }
};

TEST_F(SeriesParametersDialogTest, OpensOnThePresetsValuesAndOkAcceptsThemUnchanged) {
  std::vector<QString> shown;
  QString caption;
  test_support::WhenModal<ParamDlg>([&](ParamDlg& dialog) {
    caption = dialog.windowTitle();
    for (const int id : kEdits) shown.push_back(Edit(dialog, id)->text());
    QTest::mouseClick(dialog.GetDlgItem(kOk), Qt::LeftButton);
  });
  MainFrame->DicWnd->dictionary.AddLetter(1, true);
  ParamDlg dialog(MainFrame);
  dialog.PresetN = 200;
  EXPECT_EQ(dialog.DoModal(), QDialog::Accepted);
  EXPECT_EQ(caption, "Series Parametres");
  EXPECT_EQ(shown, (std::vector<QString>{"40", "135", "115", "65", "180"}));
  EXPECT_TRUE(messages.Messages().isEmpty());
  EXPECT_EQ(Stored(), (SeriesParameters{40, 135, 115, 65, 180}));
  EXPECT_EQ(MainFrame->DlgWnd->PresetFlag, 0);
}

struct Refusal {
  std::string name;
  std::vector<std::pair<int, const char*>> typed;
  std::string_view message;
};

// Each refusal shows its message and keeps the dialog open with nothing stored.
TEST_F(SeriesParametersDialogTest, RefusedValuesShowTheirMessageAndStoreNothing) {
  using namespace parameter_messages;
  const Refusal cases[] = {
      {"T_min 0", {{kT_min, "0"}}, kIncorrect},       {"A+ -1", {{kA_plus, "-1"}}, kAMid},
      {"B- beyond B", {{kB_minus, "181"}}, kBMid},    {"T_min equal to q", {{kT_min, "20"}}, kTMin},
      {"T_max below T_min", {{kT_max, "30"}}, kTMax},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.name);
    messages.Clear();
    const SeriesParameters before = Stored();
    const Outcome outcome = TypeAndPressOk(0, c.typed);
    EXPECT_EQ(outcome.messages, std::vector<std::string>{std::string(c.message)});
    EXPECT_TRUE(outcome.stayedOpen);
    EXPECT_EQ(Stored(), before);
    EXPECT_EQ(MainFrame->DlgWnd->PresetFlag, 1);
  }
}

// The pattern chosen by a click must fit: B = 180 and T_min = 40 allow 5 fragments.
TEST_F(SeriesParametersDialogTest, ThePatternsLengthMustFitTheFragmentCount) {
  DicTable& dictionary = MainFrame->DicWnd->dictionary;
  for (const int letter : {1, 2, 3, 4, 5, 6}) dictionary.AddLetter(letter, letter == 6);
  dictionary.ChoosePattern(1);
  const Outcome outcome = TypeAndPressOk(200, {});
  EXPECT_EQ(outcome.messages,
            std::vector<std::string>{std::string(parameter_messages::kIncorrect)});
  EXPECT_TRUE(outcome.stayedOpen);
}

// A field that is not a whole number: its prompt, the focus on it, the dialog open and
// nothing stored, even though the fields before it were read.
TEST_F(SeriesParametersDialogTest, ANonIntegerFieldKeepsTheDialogOpenWithNothingStored) {
  const SeriesParameters before = Stored();
  const Outcome outcome = TypeAndPressOk(0, {{kT_min, "50"}, {kB, "18o"}});
  EXPECT_EQ(outcome.messages, std::vector<std::string>{"Please enter an integer."});
  EXPECT_TRUE(outcome.stayedOpen);
  EXPECT_EQ(outcome.focusedEdit, kB);
  EXPECT_EQ(Stored(), before);
  EXPECT_EQ(MainFrame->DlgWnd->PresetFlag, 1);
}

}  // namespace
}  // namespace tesselo
