#pragma once
// The password window of the designer register ("ΕΞΟΥΣΙΟΔΟΤΗΣΗ"). Asking for
// the existing password it shows one box (TxtPass); asking for a new one it
// shows the box and its repeat (TxtPassOK) and does not close until the two
// agree, asking first whether an empty password (no protection) is meant.

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace aeriton::designer {

class FrmCLPass : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { Existing, New };
  explicit FrmCLPass(Mode mode, QWidget* parent = nullptr);

  Mode mode() const { return mode_; }
  // The password typed (trimmed), once the window was closed with CmdOK.
  QString password() const;

  // Shows the window modally; nullopt when it was closed without CmdOK.
  static std::optional<QString> ask(Mode mode, QWidget* parent);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void onOk();

  Mode mode_;
  QLabel* prompt_;
  QLabel* repeatPrompt_;
  QLineEdit* pass_;
  QLineEdit* repeat_;
  QPushButton* ok_;
};

}  // namespace aeriton::designer
