#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QSize>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

#include "app/control_panel.h"
#include "app/main_frame.h"
#include "app/message_box.h"

class QAbstractButton;
class QComboBox;

// Test failures show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace tesselo::test_support {

inline constexpr QSize kScreen1280x1024{1280, 1024};

// Starts the program as at a fresh process start (model empty, random source in its initial
// state) on a screen of the given size; MainFrame is the new frame.
void StartProgram(QSize screen);

// The program started on a 1280 x 1024 screen, its messages collected instead of shown.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartProgram(kScreen1280x1024);
    ASSERT_NE(MainFrame, nullptr);
  }
  void TearDown() override { delete MainFrame; }

  rDataDlg& Panel() const { return *MainFrame->Panel; }
  QAbstractButton* Button(int id) const;
  QComboBox* Box(int id) const;
  // Clicks a panel control with the mouse, as a person would.
  void Click(int id) const;
  // Types finished words into the dictionary.
  void TypeWords(const std::vector<std::vector<int>>& words) const;

  MessageRecorder messages;
};

// Runs `action` on the modal dialog of type Dialog as soon as one is open; the code that
// opens it comes after this call.
template <typename Dialog>
void WhenModal(std::function<void(Dialog&)> action) {
  QTimer::singleShot(0, [action] {
    auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "no modal dialog of the expected type is open";
    action(*dialog);
  });
}

}  // namespace tesselo::test_support
