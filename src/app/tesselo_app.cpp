#include "app/tesselo_app.h"

#include <QAction>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "app/about_dlg.h"
#include "app/main_frame.h"
#include "app/message_box.h"

namespace tesselo {

namespace {

// The application's icon: a waveform on a white square.
QIcon ApplicationIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 0, 255), 2));
  painter.drawPolyline(QPolygon({{3, 16}, {8, 6}, {13, 26}, {18, 8}, {23, 24}, {28, 16}}));
  return QIcon(pixmap);
}

}  // namespace

CTesseloApp::CTesseloApp(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QString::fromUtf8(kApplicationTitle));
  // Where the settings would go; the program stores none.
  setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  setWindowIcon(ApplicationIcon());
}

CTesseloApp::~CTesseloApp() { delete frame_; }

bool CTesseloApp::InitInstance() { return InitInstance(primaryScreen()->size()); }

bool CTesseloApp::InitInstance(QSize screen) {
  // The frame's window is created only once MainFrame points at it: the control panel,
  // created with the frame's children, stores itself through it.
  auto* frame = new CMainFrame_Tes(screen);
  MainFrame = frame;
  frame_ = frame;
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->LoadFrame();
  connect(frame->AboutAction(), &QAction::triggered, this, &CTesseloApp::OnAppAbout);
  frame->move(0, 0);
  frame->resize(screen);
  frame->setWindowState(Qt::WindowMaximized);
  frame->show();
  return true;
}

void CTesseloApp::OnAppAbout() {
  CAboutDlg about(frame_);
  about.exec();
}

}  // namespace tesselo
