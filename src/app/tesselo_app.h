#pragma once
#include <QApplication>
#include <QPointer>
#include <QSize>

namespace tesselo {

class CMainFrame;

// The application: start-up creates the main frame over the whole screen; the About
// command is the application's own.
class CTesseloApp : public QApplication {
  Q_OBJECT

 public:
  CTesseloApp(int& argc, char** argv);
  ~CTesseloApp() override;

  // Creates the main frame, covering a screen of the given size, and shows it. Without a
  // size, the primary screen's.
  bool InitInstance(QSize screen);
  bool InitInstance();

  void OnAppAbout();

 private:
  QPointer<CMainFrame> frame_;
};

}  // namespace tesselo
