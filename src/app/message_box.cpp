#include "app/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace tesselo {

namespace {
MessageRecorder* activeRecorder = nullptr;
}  // namespace

MessageRecorder::MessageRecorder() : previous_(activeRecorder) { activeRecorder = this; }

MessageRecorder::~MessageRecorder() { activeRecorder = previous_; }

void ShowMessage(const QString& text) {
  if (activeRecorder != nullptr) {
    activeRecorder->messages_.append(text);
    return;
  }
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kApplicationTitle), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

}  // namespace tesselo
