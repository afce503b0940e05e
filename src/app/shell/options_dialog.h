#pragma once
// FOptions: the three check-box preferences.

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace tolvane {

struct Preferences;

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit OptionsDialog(QWidget* parent = nullptr);

  void LoadFrom(const Preferences& prefs);
  void StoreInto(Preferences& prefs) const;

  QCheckBox* chkStartOld;
  QCheckBox* chkWarnDupl;
  QCheckBox* chkHighCall;
  QPushButton* cmdClose;

 protected:
  // The close box only hides the dialog, so that its boxes are read back as after "&Close".
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
};

}  // namespace tolvane
