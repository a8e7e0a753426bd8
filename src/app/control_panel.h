#pragma once
#include <QRect>
#include <QString>
#include <QWidget>

#include "app/dialog_template.h"

namespace tesselo {

// The control panel: the choice between a known and an unknown number of fragments, the
// noise level, the series parameters, the dictionary buttons, "Create" and "Set
// Dictionary". It lives inside the container window at the top right of the main frame.
// Enter and Escape leave it as it is.
class rDataDlg : public QWidget {
  Q_OBJECT

 public:
  // Stores itself as the main frame's panel and creates its controls from the template
  // (135, 134, 132 or 130) as a visible child of `parent`, at its top-left corner.
  rDataDlg(int templateId, QWidget* parent);
  ~rDataDlg() override;

  int NoiseLevel = 0;
  QString ParamsChoice;

  // Exchanges the members with the controls: reading them when `saveAndValidate`, with the
  // prompts of a failed exchange, and writing them otherwise. Returns whether it succeeded.
  bool UpdateData(bool saveAndValidate);

  // The control with this identifier, null for none.
  QWidget* GetDlgItem(int id) const { return controls_.Item(id); }
  int TemplateId() const { return templateId_; }
  // The panel's outer rectangle in screen coordinates.
  QRect ScreenRect() const;

  // The command handlers.
  void OnCreateSeries();
  void OnSetDictionary();
  void OnShowParams();
  void OnUnselectLast();
  void OnResetDic();
  void OnNextWord();

 private:
  void OnInitDialog();
  void ConnectCommands();
  void RunOnce(int known);
  void EnableButton(int id, bool enabled);
  bool IsChecked(int id) const;

  int templateId_;
  DialogControls controls_;
};

}  // namespace tesselo
