#include "gui/program_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

#include "app/tesselo_app.h"
#include "model/random_source.h"
#include "model/series_model.h"
#include "views/dic_wnd.h"

namespace tesselo::test_support {

void StartProgram(QSize screen) {
  random_source::Seed(1);
  Model() = SeriesModel{};
  static_cast<CTesseloApp*>(QApplication::instance())->InitInstance(screen);
}

QAbstractButton* ProgramTest::Button(int id) const {
  return qobject_cast<QAbstractButton*>(Panel().GetDlgItem(id));
}

QComboBox* ProgramTest::Box(int id) const {
  return qobject_cast<QComboBox*>(Panel().GetDlgItem(id));
}

void ProgramTest::Click(int id) const {
  QWidget* control = Panel().GetDlgItem(id);
  QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void ProgramTest::TypeWords(const std::vector<std::vector<int>>& words) const {
  DicTable& dictionary = MainFrame->DicWnd->dictionary;
  for (const std::vector<int>& word : words) dictionary.AddWord(word);
}

}  // namespace tesselo::test_support
