#pragma once
#include <QMainWindow>
#include <QRect>
#include <QSize>

class QAction;

namespace tesselo {

class CAlphWnd;
class CResultWnd;
class CDicWnd;
class CDlgWnd;
class rDataDlg;
class CShowDicWnd;

// The main window: the menu, and a client area with the drawing windows in a left column
// and the control panel, with the statistics window under it, in a right column.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // `screen` is the size of the screen the frame covers; the control panel's layout is
  // chosen against it.
  explicit CMainFrame(QSize screen);
  ~CMainFrame() override;

  // Creates the frame's window: its title and menu, then its child windows (OnCreate).
  void LoadFrame();
  int OnCreate();
  // Lays the child windows out for a client area of cx x cy pixels.
  void OnSize(int cx, int cy);

  // The two views of the left column.
  void ShowResultView();
  void ShowDictionaryView();

  QAction* AboutAction() const { return aboutAction_; }
  QAction* ExitAction() const { return exitAction_; }

  CAlphWnd* AlphWnd = nullptr;
  CResultWnd* ResultWnd = nullptr;
  CDicWnd* DicWnd = nullptr;
  CDlgWnd* DlgWnd = nullptr;
  rDataDlg* Panel = nullptr;  // written by the panel itself
  CShowDicWnd* ShowDicWnd = nullptr;
  QRect PanelRect;  // the kept panel's outer rectangle on the screen

 private:
  void PreCreateWindow();
  void CreateMenu();
  void ChooseControlPanel();

  QSize screen_;
  QWidget* client_;
  QAction* aboutAction_ = nullptr;
  QAction* exitAction_ = nullptr;
};

// The frame class start-up creates.
class CMainFrame_Tes : public CMainFrame {
  Q_OBJECT

 public:
  explicit CMainFrame_Tes(QSize screen) : CMainFrame(screen) {}
};

// The one main frame, through which every window and dialog reaches the others.
extern CMainFrame* MainFrame;

}  // namespace tesselo
