#pragma once
// The designer register window: the list of designer names (Lst_Names), the
// name box (Txt_Client) with its action label and character counter, and the
// buttons to add (Cmd_New), correct (Cmd_COR), delete (Cmd_Del), store the
// typed name (Cmd_Copy), confirm or choose (Cmd_OK), set the password
// (Cmd_Lock) and close (Cmd_Exit). The rules live in RegisterSession; this
// window asks the questions and shows the outcome.

#include <QDialog>

#include "register/RegisterSession.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace aeriton::designer {

class FrmCLient : public QDialog {
  Q_OBJECT
 public:
  explicit FrmCLient(QWidget* parent = nullptr, const QString& path = registerPath());

  // Reads the register and fills the list. False (after the message) when the
  // file exists but cannot be used: the window is then not to be shown.
  bool load();
  // Asks for the password of a protected register (the password window), as
  // the window does before it is shown.
  void askPassword();

  RegisterSession& session() { return session_; }

  enum class Mode { Choice, NewName, Correct };
  Mode mode() const { return mode_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void onNew();
  void onCorrect();
  void onDelete();
  void onCopy();
  void onOk();
  void onLock();
  void onRowChanged(int row);
  void onTextChanged(const QString& text);

  // Steps 1-3 of the confirmation: the password, then a new or corrected name.
  // True when the box held a name being entered (whatever the answer).
  bool storeTypedName();
  void chooseHighlighted();
  void setMode(Mode mode);
  void fillList(int highlight);
  void showDesigner();
  // Shows a refusal of the session; false when there was none.
  bool refused(int code);

  RegisterSession session_;
  Mode mode_ = Mode::Choice;
  int editRow_ = -1;

  QLabel* designer_;
  QListWidget* list_;
  QLabel* action_;
  QLineEdit* text_;
  QLabel* count_;
};

}  // namespace aeriton::designer
