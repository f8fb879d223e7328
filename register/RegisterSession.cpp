#include "register/RegisterSession.h"

#include "register/RegisterMessages.h"
#include "study/Cp1253.h"

namespace aeriton::designer {
namespace {

QString& given() {
  static QString password;
  return password;
}

// Text as the file will give it back: trimmed, in Windows-1253 (characters the
// code page lacks become '?'), cut to the field width. Keeping the names and
// the password in this form keeps the window's list equal to the file.
QString storedForm(const QString& text, int width) {
  return fromCp1253(toCp1253(text.trimmed()).left(width)).trimmed();
}

}  // namespace

QString givenPassword() {
  return given();
}

void setGivenPassword(const QString& password) {
  given() = storedForm(password, kPasswordWidth);
}

RegisterSession::RegisterSession(const QString& path) : path_(path) {}

int RegisterSession::open() {
  contents_ = RegisterContents{};
  damageReason_.clear();
  const ReadResult read = readRegister(path_);
  switch (read.status) {
    case ReadStatus::Ok:
      contents_ = read.contents;
      return 0;
    case ReadStatus::Missing:
      return 0;
    case ReadStatus::BadLength:
      damageReason_ = QStringLiteral(
                          "Το μήκος του αρχείου (%1 bytes) δεν είναι πολλαπλάσιο "
                          "των %2 bytes μιας εγγραφής.")
                          .arg(read.length)
                          .arg(kRecordLength);
      break;
    case ReadStatus::Garbage:
      damageReason_ =
          QStringLiteral("Η εγγραφή %1 δεν περιέχει αναγνώσιμο όνομα.").arg(read.badRecord);
      break;
    case ReadStatus::ReadError:
      damageReason_ = read.error;
      break;
  }
  return kMsgDamaged;
}

bool RegisterSession::passwordGiven() const {
  return !isProtected() || given() == contents_.password;
}

int RegisterSession::givePassword(const QString& typed) {
  setGivenPassword(typed);
  if (given().isEmpty()) return isProtected() ? kMsgNoPassword : 0;
  return given() == contents_.password ? 0 : kMsgWrongPassword;
}

int RegisterSession::store(const RegisterContents& next) {
  writeError_.clear();
  if (!writeRegister(path_, next, &writeError_)) return kMsgNotWritten;
  contents_ = next;
  return 0;
}

int RegisterSession::append(const QString& name) {
  if (!passwordGiven()) return kMsgNoPassword;
  RegisterContents next = contents_;
  next.names << storedForm(name, kNameWidth);
  return store(next);
}

int RegisterSession::correct(int index, const QString& name) {
  if (!passwordGiven()) return kMsgNoPassword;
  if (index < 0 || index >= contents_.names.size()) return 0;
  RegisterContents next = contents_;
  next.names[index] = storedForm(name, kNameWidth);
  return store(next);
}

int RegisterSession::remove(int index) {
  if (!passwordGiven()) return kMsgNoPassword;
  if (contents_.names.size() <= 1) return kMsgOnlyEntry;
  if (index < 0 || index >= contents_.names.size()) return 0;
  RegisterContents next = contents_;
  next.names.removeAt(index);
  return store(next);
}

int RegisterSession::setPassword(const QString& password) {
  if (!passwordGiven()) return kMsgNoPassword;
  RegisterContents next = contents_;
  next.password = storedForm(password, kPasswordWidth);
  if (next.names.isEmpty()) {
    // Nothing on disk to protect yet: the first name added carries it.
    contents_ = next;
  } else if (const int code = store(next)) {
    return code;
  }
  setGivenPassword(next.password);
  return 0;
}

int RegisterSession::choiceRefusal(const QString& name) {
  return name.trimmed().size() > kMaxPrintedName ? kMsgNameTooLong : 0;
}

}  // namespace aeriton::designer
