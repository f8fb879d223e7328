#pragma once
// The study-title window: one text box (Text1) with the study title and an OK
// button (CmdOK). OK makes the text the study title, rewrites the companion
// title file of the current study file, shows the title in the current data
// screen's LblThema label and raises the title-entered flag.

#include <QDialog>

class QLineEdit;

namespace aeriton::shell {

class FrmThemaInd : public QDialog {
  Q_OBJECT
 public:
  explicit FrmThemaInd(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void onOk();
  QLineEdit* text_;
};

}  // namespace aeriton::shell
