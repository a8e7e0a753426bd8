#pragma once
#include <QString>

class QWidget;

namespace tesselo {

// The prompts of the dialogs' data exchange.
namespace exchange_prompts {
inline constexpr char kInteger[] = "Please enter an integer.";
inline constexpr char kIntegerRange[] = "Please enter an integer between %1 and %2.";
}  // namespace exchange_prompts

// One exchange between a dialog's controls and its members, in either direction. Saving
// reads each control into its member and checks it; the first failure shows its prompt,
// gives the control the focus and turns the steps after it into no-ops, so the members
// after it keep their contents. Loading writes the members into the controls.
class DataExchange {
 public:
  explicit DataExchange(bool saveAndValidate) : save_(saveAndValidate) {}

  DataExchange& Int(QWidget* control, int& member);
  // Checks the value that was just read into a member; it stays stored even when out of
  // range.
  DataExchange& MinMax(int value, int min, int max);
  DataExchange& Text(QWidget* control, QString& member);

  bool Succeeded() const { return !failed_; }

 private:
  void Fail(const QString& prompt);

  bool save_;
  bool failed_ = false;
  QWidget* lastControl_ = nullptr;
};

}  // namespace tesselo
