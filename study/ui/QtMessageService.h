#pragma once
// The desktop message service: a modal message box with the Greek title and
// text, the icon and buttons asked for, after the requested beeps.
//
// The box is as wide as its title and its longest line, so that a unit or a
// "..." never wraps onto a line of its own and the title is never cut. Its
// buttons answer to the keys a Greek user presses: Ναι to Ν (Greek layout) and
// Y (Latin), Όχι to Ο (Greek) and N (Latin), Άκυρο to Escape and Α; Enter
// presses the default button; Escape gives Άκυρο where there is one, else Όχι,
// else OK.

#include <QDialog>
#include <QWidget>

#include "study/MessageService.h"

class QLabel;
class QPushButton;

namespace aeriton {

class QtMessageService : public MessageService {
 public:
  MsgAnswer show(const Message& message) override;
};

// The box itself (public for the tests).
class MessageDialog : public QDialog {
  Q_OBJECT
 public:
  MessageDialog(const Message& message, QWidget* parent);
  MsgAnswer answer() const { return answer_; }
  // The answer a key gives in this box (Ok when the key means nothing here).
  bool answerForKey(QChar key, MsgAnswer& answer) const;
  QLabel* textLabel() const { return text_; }
  // Escape and the window frame: the safest answer the box offers.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void finish(MsgAnswer a);
  QPushButton* addButton(MsgAnswer a, const QString& text, QChar mnemonic);

  Message message_;
  QLabel* text_ = nullptr;
  MsgAnswer answer_ = MsgAnswer::Ok;
  MsgAnswer escapeAnswer_ = MsgAnswer::Ok;
  bool hasYes_ = false, hasNo_ = false, hasCancel_ = false, hasOk_ = false;
};

// Centres a top-level window on its screen; extraDown moves it down instead
// (the 200 and 600 twips of the original layout are 13 and 40 pixels).
void centreWindow(QWidget* window, int extraDown = 0);

}  // namespace aeriton
