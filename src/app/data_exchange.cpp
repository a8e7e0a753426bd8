#include "app/data_exchange.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/message_box.h"
#include "app/whole_number.h"

namespace tesselo {

namespace {

// The text of an edit field or of an editable combo box, and how to set it.
QString ControlText(const QWidget* control) {
  if (const auto* box = qobject_cast<const QComboBox*>(control)) return box->currentText();
  if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
  return {};
}

void SetControlText(QWidget* control, const QString& text) {
  if (auto* box = qobject_cast<QComboBox*>(control)) box->setEditText(text);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(text);
}

}  // namespace

DataExchange& DataExchange::Int(QWidget* control, int& member) {
  if (failed_) return *this;
  lastControl_ = control;
  if (!save_) {
    SetControlText(control, QString::number(member));
    return *this;
  }
  const std::optional<int> value = ParseWholeNumber(ControlText(control).toStdString());
  if (value)
    member = *value;
  else
    Fail(QString::fromUtf8(exchange_prompts::kInteger));
  return *this;
}

DataExchange& DataExchange::MinMax(int value, int min, int max) {
  if (failed_ || !save_) return *this;
  if (value < min || value > max)
    Fail(QString::fromUtf8(exchange_prompts::kIntegerRange).arg(min).arg(max));
  return *this;
}

DataExchange& DataExchange::Text(QWidget* control, QString& member) {
  if (failed_) return *this;
  lastControl_ = control;
  if (save_)
    member = ControlText(control);
  else
    SetControlText(control, member);
  return *this;
}

void DataExchange::Fail(const QString& prompt) {
  failed_ = true;
  ShowMessage(prompt);
  if (lastControl_ != nullptr) lastControl_->setFocus();
}

}  // namespace tesselo
