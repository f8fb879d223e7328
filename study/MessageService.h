#pragma once
// Every message box of the program goes through one service. Screens build a
// Message (code, Greek title and text, icon, buttons) and hand it over; the
// desktop program shows a modal box, tests install a ScriptedMessageService
// that records what was shown and answers as told.

#include <QString>
#include <deque>
#include <vector>

namespace aeriton {

enum class MsgIcon { None, Critical, Exclamation, Information, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct Message {
  int code = 0;  // the MessageCode the message belongs to (0 when none)
  QString title;
  QString text;
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
  MsgAnswer defaultButton = MsgAnswer::Ok;
  int beeps = 0;  // beeps sounded before the box appears
};

class MessageService {
 public:
  virtual ~MessageService() = default;
  // Shows the message modally and returns the button pressed.
  virtual MsgAnswer show(const Message& message) = 0;
};

// A message with an OK button: a refusal (critical icon) or a notice, sounded
// with the given beeps.
Message okMessage(int code, const QString& title, const QString& text,
                  MsgIcon icon = MsgIcon::Critical, int beeps = 2);

// The service in force. Without one installed, messages are answered with
// their default button (nothing is shown).
MessageService& messages();
// Installs a service (nullptr restores the silent default). Not owned.
void setMessageService(MessageService* service);

// "YES", "NO", "CANCEL" for questions; empty for OK.
QString answerText(MsgAnswer answer);

// Shows a message and, for a question, stores the answer in the study's
// UserAnswer. Returns the button pressed.
MsgAnswer showMessage(const Message& message);

// Test double: records every message and answers from a script (the default
// button once the script is exhausted).
class ScriptedMessageService : public MessageService {
 public:
  MsgAnswer show(const Message& message) override;
  void answer(MsgAnswer a) { script_.push_back(a); }
  const std::vector<Message>& shown() const { return shown_; }
  const Message* last() const { return shown_.empty() ? nullptr : &shown_.back(); }
  void clear() {
    shown_.clear();
    script_.clear();
  }

 private:
  std::vector<Message> shown_;
  std::deque<MsgAnswer> script_;
};

}  // namespace aeriton
