#include "study/MessageService.h"

#include "study/StudyState.h"

namespace aeriton {
namespace {

class SilentService : public MessageService {
 public:
  MsgAnswer show(const Message& message) override { return message.defaultButton; }
};

MessageService*& current() {
  static SilentService silent;
  static MessageService* service = &silent;
  return service;
}

}  // namespace

Message okMessage(int code, const QString& title, const QString& text, MsgIcon icon, int beeps) {
  Message m;
  m.code = code;
  m.title = title;
  m.text = text;
  m.icon = icon;
  m.buttons = MsgButtons::Ok;
  m.defaultButton = MsgAnswer::Ok;
  m.beeps = beeps;
  return m;
}

MessageService& messages() {
  return *current();
}

void setMessageService(MessageService* service) {
  static SilentService silent;
  current() = service ? service : &silent;
}

QString answerText(MsgAnswer answer) {
  switch (answer) {
    case MsgAnswer::Yes:
      return QStringLiteral("YES");
    case MsgAnswer::No:
      return QStringLiteral("NO");
    case MsgAnswer::Cancel:
      return QStringLiteral("CANCEL");
    case MsgAnswer::Ok:
      break;
  }
  return QString();
}

MsgAnswer showMessage(const Message& message) {
  MsgAnswer a = messages().show(message);
  if (message.buttons == MsgButtons::YesNo || message.buttons == MsgButtons::YesNoCancel)
    study().UserAnswer = answerText(a);
  return a;
}

MsgAnswer ScriptedMessageService::show(const Message& message) {
  shown_.push_back(message);
  if (script_.empty()) return message.defaultButton;
  MsgAnswer a = script_.front();
  script_.pop_front();
  return a;
}

}  // namespace aeriton
