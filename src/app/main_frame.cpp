#include "app/main_frame.h"

#include <QMenuBar>
#include <QResizeEvent>
#include <algorithm>
#include <memory>
#include <vector>

#include "app/control_panel.h"
#include "model/series_model.h"
#include "views/alph_wnd.h"
#include "views/dic_wnd.h"
#include "views/dlg_wnd.h"
#include "views/result_wnd.h"
#include "views/show_dic_wnd.h"

namespace tesselo {

CMainFrame* MainFrame = nullptr;

namespace {

constexpr char kFrameTitle[] =
    "Распознавание квазипериодической последовательности, включающей серии идентичных "
    "фрагментов.";

// The frame's client area; every size change lays the child windows out again.
class ClientArea : public QWidget {
 public:
  explicit ClientArea(CMainFrame& frame) : QWidget(&frame), frame_(frame) {}

 private:
  void resizeEvent(QResizeEvent* event) override {
    frame_.OnSize(event->size().width(), event->size().height());
  }
  CMainFrame& frame_;
};

// The menu's items and the commands they send. Items that no handler serves are shown
// disabled; an empty text is a separator.
enum class ItemAction { kNoHandler, kNoEffect, kExit, kAbout };
struct MenuItem {
  const char* text;
  int command;
  ItemAction action;
};
struct Menu {
  const char* title;
  std::vector<MenuItem> items;
};

constexpr MenuItem kSeparator{"", 0, ItemAction::kNoHandler};

const std::vector<Menu>& MenuResource() {
  static const std::vector<Menu> menus = {
      {"&File",
       {{"&New\tCtrl+N", 57600, ItemAction::kNoHandler},
        {"&Open...\tCtrl+O", 57601, ItemAction::kNoHandler},
        {"&Save\tCtrl+S", 57603, ItemAction::kNoHandler},
        {"Save &As...", 57604, ItemAction::kNoHandler},
        kSeparator,
        {"&Print...\tCtrl+P", 57607, ItemAction::kNoHandler},
        {"Print Pre&view", 57609, ItemAction::kNoHandler},
        {"P&rint Setup...", 57606, ItemAction::kNoHandler},
        kSeparator,
        {"Recent File", 57616, ItemAction::kNoHandler},
        kSeparator,
        {"E&xit", 57665, ItemAction::kExit}}},
      {"&Edit",
       {{"&Undo\tCtrl+Z", 57643, ItemAction::kNoHandler},
        kSeparator,
        {"Cu&t\tCtrl+X", 57635, ItemAction::kNoHandler},
        {"&Copy\tCtrl+C", 57634, ItemAction::kNoHandler},
        {"&Paste\tCtrl+V", 57637, ItemAction::kNoHandler}}},
      // The frame serves these two, but it has no tool bar and no status bar to show.
      {"&View",
       {{"&Toolbar", 59392, ItemAction::kNoEffect}, {"&Status Bar", 59393, ItemAction::kNoEffect}}},
      {"&Help", {{"&About Tesselo...", 57664, ItemAction::kAbout}}},
  };
  return menus;
}

// A child rectangle; a width or height that comes out negative is taken as zero.
QRect ChildRect(int x, int y, int width, int height) {
  return {x, y, std::max(0, width), std::max(0, height)};
}

void MoveWindow(QWidget* window, const QRect& rect) {
  if (window == nullptr) return;
  window->setGeometry(rect);
  window->update();
}

}  // namespace

CMainFrame::CMainFrame(QSize screen) : screen_(screen), client_(new ClientArea(*this)) {
  setCentralWidget(client_);
}

CMainFrame::~CMainFrame() {
  delete AlphWnd;
  delete DicWnd;
  delete ResultWnd;
  delete DlgWnd;  // with the control panel inside it
  delete ShowDicWnd;
  if (MainFrame == this) MainFrame = nullptr;
}

void CMainFrame::LoadFrame() {
  PreCreateWindow();
  CreateMenu();
  OnCreate();
}

void CMainFrame::PreCreateWindow() { setWindowTitle(QString::fromUtf8(kFrameTitle)); }

void CMainFrame::CreateMenu() {
  for (const Menu& menu : MenuResource()) {
    QMenu* popup = menuBar()->addMenu(QString::fromUtf8(menu.title));
    for (const MenuItem& item : menu.items) {
      if (*item.text == '\0') {
        popup->addSeparator();
        continue;
      }
      QAction* action = popup->addAction(QString::fromUtf8(item.text));
      action->setData(item.command);
      action->setEnabled(item.action != ItemAction::kNoHandler);
      if (item.action == ItemAction::kExit) exitAction_ = action;
      if (item.action == ItemAction::kAbout) aboutAction_ = action;
    }
  }
  connect(exitAction_, &QAction::triggered, this, &QWidget::close);
}

int CMainFrame::OnCreate() {
  AlphWnd = new CAlphWnd(client_, 0);
  DicWnd = new CDicWnd(client_, 1);
  // The alphabet comes before the result window, which seeds the random source: its random
  // letters are drawn from the source's initial state, the same at every start.
  SeriesModel& model = Model();
  model.alphabet = std::make_unique<Alphabet>();
  model.alphabet->Build();
  model.SetParameters(200, 40, 135, 20);
  DlgWnd = new CDlgWnd(client_, 2);
  ResultWnd = new CResultWnd(client_, 3);
  ResultWnd->hide();
  ShowDicWnd = new CShowDicWnd(client_, 4);
  ShowDicWnd->hide();
  ChooseControlPanel();
  return 0;
}

// The largest control panel that takes at most half the screen's height and a quarter of
// its width; the smallest one when none does.
void CMainFrame::ChooseControlPanel() {
  const int SX = screen_.width();
  const int SY = screen_.height();
  for (const int templateId : {135, 134, 132}) {
    auto* panel = new rDataDlg(templateId, DlgWnd);
    PanelRect = panel->ScreenRect();
    if (PanelRect.height() <= SY / 2 && PanelRect.width() <= SX / 4) return;
    delete panel;
  }
  new rDataDlg(130, DlgWnd);
  PanelRect = Panel->ScreenRect();
}

void CMainFrame::OnSize(int cx, int cy) {
  // The container's size: the panel's plus the container's sizing border.
  const QRect R = PanelRect.adjusted(-CMyWnd::kSizingBorder, -CMyWnd::kSizingBorder,
                                     CMyWnd::kSizingBorder, CMyWnd::kSizingBorder);
  const int W = R.width();
  const int H = R.height();
  const double f = 0.5;  // the alphabet window's share of the left column
  MoveWindow(DlgWnd, ChildRect(cx - W - 5, 5, W, H - 5));
  MoveWindow(DicWnd, ChildRect(5, static_cast<int>(cy * f), cx - W - 15,
                               static_cast<int>(cy * (1 - f) - 10)));
  MoveWindow(AlphWnd, ChildRect(5, 5, cx - W - 15, static_cast<int>(cy * f - 20)));
  MoveWindow(ShowDicWnd, ChildRect(cx - W - 5, H + 5, W, cy - H - 10));
  MoveWindow(ResultWnd, ChildRect(5, 5, cx - W - 15, cy - 10));
}

void CMainFrame::ShowResultView() {
  AlphWnd->hide();
  DicWnd->hide();
  ResultWnd->update();
  ResultWnd->show();
  ShowDicWnd->update();
  ShowDicWnd->show();
}

void CMainFrame::ShowDictionaryView() {
  ResultWnd->hide();
  AlphWnd->show();
  DicWnd->show();
  ShowDicWnd->hide();
}

}  // namespace tesselo
