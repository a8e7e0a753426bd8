#include "app/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include "gui/program_fixture.h"

namespace tesselo {
namespace {

TEST(ShowMessage, IsAModalBoxCaptionedTesseloWithAnOkButton) {
  QString caption, text;
  QMessageBox::StandardButtons buttons;
  test_support::WhenModal<QMessageBox>([&](QMessageBox& box) {
    caption = box.windowTitle();
    text = box.text();
    buttons = box.standardButtons();
    QTest::mouseClick(box.buttons().front(), Qt::LeftButton);
  });
  ShowMessage("Не выбран словарь!!!");
  EXPECT_EQ(caption, "Tesselo");
  EXPECT_EQ(text, "Не выбран словарь!!!");
  EXPECT_EQ(buttons, QMessageBox::Ok);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(MessageRecorder, TheInnermostRecorderCollectsUntilItEnds) {
  MessageRecorder outer;
  {
    MessageRecorder inner;
    ShowMessage("first");
    EXPECT_EQ(inner.Messages(), QStringList{"first"});
  }
  ShowMessage("second");
  EXPECT_EQ(outer.Messages(), QStringList{"second"});
}

}  // namespace
}  // namespace tesselo
