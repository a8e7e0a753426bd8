#pragma once
#include <QString>
#include <QStringList>

namespace tesselo {

// The caption of every message box of the program: the application's title.
inline constexpr char kApplicationTitle[] = "Tesselo";

// Shows a message as every message of the program is shown: a modal box with an OK button
// and the application's title as its caption. Returns when the box is closed.
void ShowMessage(const QString& text);

// While one of these lives, messages are collected here instead of being shown, so that
// tests can read them without a person closing a box.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  const QStringList& Messages() const { return messages_; }
  void Clear() { messages_.clear(); }

 private:
  friend void ShowMessage(const QString& text);
  QStringList messages_;
  MessageRecorder* previous_;
};

}  // namespace tesselo
