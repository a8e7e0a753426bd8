#include "app/main_frame.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <ctime>
#include <string>

#include "app/about_dlg.h"
#include "app/dialog_template.h"
#include "app/panel_templates.h"
#include "gui/program_fixture.h"
#include "model/random_source.h"
#include "support/experiment_setup.h"
#include "views/alph_wnd.h"
#include "views/dic_wnd.h"
#include "views/dlg_wnd.h"
#include "views/result_wnd.h"
#include "views/show_dic_wnd.h"

namespace tesselo {
namespace {

using test_support::ProgramTest;

using MainFrameTest = ProgramTest;

TEST_F(MainFrameTest, StartUpCreatesTheChildWindowsInOrderInTheDictionaryView) {
  const CMainFrame& frame = *MainFrame;
  EXPECT_EQ(frame.windowTitle().toStdString(),
            "Распознавание квазипериодической последовательности, включающей серии "
            "идентичных фрагментов.");
  const CMyWnd* const created[] = {frame.AlphWnd, frame.DicWnd, frame.DlgWnd, frame.ResultWnd,
                                   frame.ShowDicWnd};
  const QList<CMyWnd*> children =
      frame.centralWidget()->findChildren<CMyWnd*>(Qt::FindDirectChildrenOnly);
  ASSERT_EQ(children.size(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(children[i], created[i]) << "child " << i;
    EXPECT_EQ(created[i]->GetDlgCtrlID(), i);
    EXPECT_EQ(created[i]->parentWidget(), frame.centralWidget());
  }
  EXPECT_TRUE(frame.AlphWnd->isVisible());
  EXPECT_TRUE(frame.DicWnd->isVisible());
  EXPECT_TRUE(frame.DlgWnd->isVisible());
  EXPECT_FALSE(frame.ResultWnd->isVisible());
  EXPECT_FALSE(frame.ShowDicWnd->isVisible());
  EXPECT_EQ(frame.DlgWnd->PresetFlag, 1);
  EXPECT_EQ(frame.ShowDicWnd->FoundWord, 0);
  EXPECT_EQ(frame.AlphWnd->HotLetter, 0);
}

TEST_F(MainFrameTest, ThePanelKeptIsTheOnlyOneAndSitsAtTheContainersCorner) {
  const CMainFrame& frame = *MainFrame;
  ASSERT_NE(frame.Panel, nullptr);
  EXPECT_EQ(frame.findChildren<rDataDlg*>().size(), 1);
  EXPECT_EQ(frame.Panel->parentWidget(), frame.DlgWnd);
  EXPECT_EQ(frame.Panel->pos(), QPoint(0, 0));
  EXPECT_TRUE(frame.Panel->isVisible());
  EXPECT_EQ(frame.PanelRect.size(), frame.Panel->size());
}

// The alphabet is built before the result window seeds the random source with the time,
// from the source's initial state; the parameters are the 200 preset's.
TEST(MainFrameStartUp, AlphabetComesFromTheInitialStateAndTheResultWindowSeedsWithTheTime) {
  const auto before = static_cast<std::uint32_t>(std::time(nullptr));
  test_support::StartProgram(test_support::kScreen1280x1024);
  const auto after = static_cast<std::uint32_t>(std::time(nullptr));
  const int draw = random_source::Draw();

  bool seededWithTheTime = false;
  for (std::uint32_t t = before; t <= after; ++t) {
    random_source::Seed(t);
    seededWithTheTime |= random_source::Draw() == draw;
  }
  EXPECT_TRUE(seededWithTheTime);

  const SeriesModel& model = Model();
  ASSERT_NE(model.alphabet, nullptr);
  const Alphabet& expected = test_support::StartAlphabet();
  ASSERT_EQ(model.alphabet->AlSize, expected.AlSize);
  for (int letter = 1; letter <= expected.AlSize; ++letter)
    EXPECT_EQ(model.alphabet->letters[letter].samples, expected.letters[letter].samples)
        << "letter " << letter;
  EXPECT_EQ(model.N, 200);
  EXPECT_EQ(model.T_min, 40);
  EXPECT_EQ(model.T_max, 135);
  EXPECT_EQ(model.q, 20);
  EXPECT_EQ(model.B, 180);
  EXPECT_EQ(model.A_plus, 115);
  EXPECT_EQ(model.B_minus, 65);
  EXPECT_EQ(model.noiseLevel, 0);
  delete MainFrame;
}

// The pixel size of a panel template with the dialog font of this machine.
QSize PanelPixels(int templateId) {
  const DialogTemplate& panel = PanelTemplate(templateId);
  return MapDialogRect({0, 0, panel.width, panel.height}, DialogBaseUnits(DialogFont())).size();
}

// A screen on which exactly the given template fits, when the larger ones do not.
QSize ScreenFitting(QSize panel) { return {4 * panel.width() + 3, 2 * panel.height() + 1}; }

struct TemplateChoice {
  std::string name;
  QSize screen;
  int expected;
};

TEST(MainFrameTemplateChoice, TakesTheLargestPanelFittingAQuarterWidthAndHalfHeight) {
  const QSize p135 = PanelPixels(135), p134 = PanelPixels(134), p132 = PanelPixels(132);
  ASSERT_EQ(p135.width(), p134.width());
  ASSERT_GT(p135.height(), p134.height());
  ASSERT_GT(p134.width(), p132.width());
  const std::vector<TemplateChoice> cases = {
      {"1280x1024", {1280, 1024}, 135},
      {"135 exactly", {4 * p135.width(), 2 * p135.height()}, 135},
      {"one pixel short of 135's height", {4 * p135.width(), 2 * p135.height() - 2}, 134},
      {"134 exactly", ScreenFitting(p134), 134},
      {"too narrow for 134", {4 * p134.width() - 1, 2 * p135.height()}, 132},
      {"132 exactly", {4 * p132.width(), 2 * p132.height()}, 132},
      {"too small for 132", {4 * p132.width() - 4, 2 * p132.height()}, 130},
      {"tiny: 130 whatever its size", {320, 200}, 130},
  };
  for (const TemplateChoice& c : cases) {
    SCOPED_TRACE(c.name);
    test_support::StartProgram(c.screen);
    EXPECT_EQ(MainFrame->Panel->TemplateId(), c.expected);
    EXPECT_EQ(MainFrame->PanelRect.size(), PanelPixels(c.expected));
    EXPECT_EQ(MainFrame->findChildren<rDataDlg*>().size(), 1);
    delete MainFrame;
  }
}

struct Placement {
  const char* window;
  QRect expected;
};

// With a panel of 300 x 400 pixels the container, with its 4-pixel sizing border, is
// 308 x 408. An odd client height rounds the alphabet's share down.
TEST_F(MainFrameTest, OnSizeLaysTheWindowsOutInTwoColumns) {
  CMainFrame& frame = *MainFrame;
  frame.PanelRect = QRect(100, 50, 300, 400);
  frame.OnSize(1280, 977);
  const Placement placements[] = {
      {"DlgWnd", {967, 5, 308, 403}},  {"DicWnd", {5, 488, 957, 478}},
      {"AlphWnd", {5, 5, 957, 468}},   {"ShowDicWnd", {967, 413, 308, 559}},
      {"ResultWnd", {5, 5, 957, 967}},
  };
  const CMyWnd* const windows[] = {frame.DlgWnd, frame.DicWnd, frame.AlphWnd, frame.ShowDicWnd,
                                   frame.ResultWnd};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(windows[i]->geometry(), placements[i].expected) << placements[i].window;
}

TEST_F(MainFrameTest, OnSizeClampsNegativeSizesToZero) {
  CMainFrame& frame = *MainFrame;
  frame.PanelRect = QRect(0, 0, 300, 400);
  frame.OnSize(0, 0);
  EXPECT_EQ(frame.DlgWnd->geometry(), QRect(-313, 5, 308, 403));
  EXPECT_EQ(frame.DicWnd->geometry(), QRect(5, 0, 0, 0));
  EXPECT_EQ(frame.AlphWnd->geometry(), QRect(5, 5, 0, 0));
  EXPECT_EQ(frame.ShowDicWnd->geometry(), QRect(-313, 413, 308, 0));
  EXPECT_EQ(frame.ResultWnd->geometry(), QRect(5, 5, 0, 0));
}

TEST_F(MainFrameTest, ResizingTheFrameKeepsTheRightColumnAtTheRightEdge) {
  CMainFrame& frame = *MainFrame;
  for (const QSize size : {QSize(1000, 700), QSize(1400, 900)}) {
    frame.resize(size);
    QApplication::processEvents();
    const QSize client = frame.centralWidget()->size();
    const int W = frame.PanelRect.width() + 2 * CMyWnd::kSizingBorder;
    EXPECT_EQ(frame.DlgWnd->geometry().right() + 1, client.width() - 5);
    EXPECT_EQ(frame.DlgWnd->width(), W);
    EXPECT_EQ(frame.ResultWnd->width(), client.width() - W - 15);
    EXPECT_EQ(frame.DicWnd->geometry().bottom() + 1,
              client.height() / 2 + static_cast<int>(client.height() * 0.5 - 10));
  }
}

struct MenuEntry {
  std::string text;
  int command;
  bool enabled;
};

std::vector<MenuEntry> MenuEntries(const QMenu& menu) {
  std::vector<MenuEntry> entries;
  for (const QAction* action : menu.actions())
    entries.push_back(
        action->isSeparator()
            ? MenuEntry{"-", 0, true}
            : MenuEntry{action->text().toStdString(), action->data().toInt(), action->isEnabled()});
  return entries;
}

bool operator==(const MenuEntry& a, const MenuEntry& b) {
  return a.text == b.text && a.command == b.command && a.enabled == b.enabled;
}

void PrintTo(const MenuEntry& e, std::ostream* os) {
  *os << '{' << e.text << ", " << e.command << ", " << e.enabled << '}';
}

TEST_F(MainFrameTest, MenuHasEveryItemAndOnlyExitAboutAndTheBarsAreEnabled) {
  const QList<QAction*> menus = MainFrame->menuBar()->actions();
  ASSERT_EQ(menus.size(), 4);
  const std::vector<std::pair<std::string, std::vector<MenuEntry>>> expected = {
      {"&File",
       {{"&New\tCtrl+N", 57600, false},
        {"&Open...\tCtrl+O", 57601, false},
        {"&Save\tCtrl+S", 57603, false},
        {"Save &As...", 57604, false},
        {"-", 0, true},
        {"&Print...\tCtrl+P", 57607, false},
        {"Print Pre&view", 57609, false},
        {"P&rint Setup...", 57606, false},
        {"-", 0, true},
        {"Recent File", 57616, false},
        {"-", 0, true},
        {"E&xit", 57665, true}}},
      {"&Edit",
       {{"&Undo\tCtrl+Z", 57643, false},
        {"-", 0, true},
        {"Cu&t\tCtrl+X", 57635, false},
        {"&Copy\tCtrl+C", 57634, false},
        {"&Paste\tCtrl+V", 57637, false}}},
      {"&View", {{"&Toolbar", 59392, true}, {"&Status Bar", 59393, true}}},
      {"&Help", {{"&About Tesselo...", 57664, true}}},
  };
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(menus[i]->text().toStdString(), expected[i].first);
    EXPECT_EQ(MenuEntries(*menus[i]->menu()), expected[i].second) << expected[i].first;
  }
}

TEST_F(MainFrameTest, ToolbarAndStatusBarDoNothing) {
  for (QAction* action : MainFrame->menuBar()->actions()[2]->menu()->actions()) action->trigger();
  QApplication::processEvents();
  ASSERT_NE(MainFrame, nullptr);
  EXPECT_TRUE(MainFrame->isVisible());
  EXPECT_TRUE(MainFrame->AlphWnd->isVisible());
  EXPECT_FALSE(MainFrame->ResultWnd->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainFrameTest, AboutShowsTheVersionUntilOkIsPressed) {
  bool shown = false;
  test_support::WhenModal<CAboutDlg>([&shown](CAboutDlg& about) {
    shown = true;
    EXPECT_EQ(about.windowTitle(), "About Tesselo");
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("Tesselo Version 1.0"));
    const QList<QAbstractButton*> buttons = about.findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), "OK");
    QTest::mouseClick(buttons[0], Qt::LeftButton);
  });
  MainFrame->AboutAction()->trigger();
  EXPECT_TRUE(shown);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainFrameTest, ExitDestroysTheFrameWithItsWindows) {
  const QPointer<CMainFrame> frame = MainFrame;
  const QPointer<rDataDlg> panel = MainFrame->Panel;
  MainFrame->ExitAction()->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(frame.isNull());
  EXPECT_TRUE(panel.isNull());
  EXPECT_EQ(MainFrame, nullptr);
}

}  // namespace
}  // namespace tesselo
