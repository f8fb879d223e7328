#pragma once
// The designer register while its window is open: the names of the file in
// record order, the password of record 1, and the rules that guard every
// change. The window only asks the questions and shows the answers; every write
// goes through here, so a protected register can never be changed without its
// password, whatever the window does.

#include <QString>
#include <QStringList>

#include "register/ClientRegister.h"

namespace aeriton::designer {

// The password given in the password window during this run (empty when none).
QString givenPassword();
void setGivenPassword(const QString& password);

// The longest designer name the printouts can hold.
inline constexpr int kMaxPrintedName = 50;

class RegisterSession {
 public:
  explicit RegisterSession(const QString& path = registerPath());

  // Reads the register. A missing or empty file opens an empty register (the
  // first name added creates it). Returns 0, or kMsgDamaged with the reason in
  // damageReason() when the file exists but cannot be used.
  int open();
  QString damageReason() const { return damageReason_; }

  const QString& path() const { return path_; }
  const QStringList& names() const { return contents_.names; }
  // The register password (record 1's, unscrambled and trimmed).
  QString password() const { return contents_.password; }
  bool isProtected() const { return !contents_.password.isEmpty(); }
  // True when the register is not protected or its password has been given.
  bool passwordGiven() const;

  // A password typed in the password window: it becomes the given password.
  // Returns 0 when it opens the register, kMsgNoPassword when it is empty and
  // kMsgWrongPassword when it differs from the register's password.
  int givePassword(const QString& typed);

  // The changes. Each returns 0 when done; kMsgNoPassword when the register is
  // protected and its password has not been given; kMsgNotWritten (reason in
  // writeError()) when the file cannot be written, with the register left as
  // it was on disk and in memory. Names are stored trimmed.
  int append(const QString& name);
  int correct(int index, const QString& name);
  // Removes the entry and writes the file anew (record k = entry k);
  // kMsgOnlyEntry when it is the only one.
  int remove(int index);
  // Makes `password` the register's password (empty: no protection) and the
  // given one. Written into every record; with no record yet it is kept and
  // written with the first name.
  int setPassword(const QString& password);

  QString writeError() const { return writeError_; }

  // kMsgNameTooLong when the name cannot be printed, else 0.
  static int choiceRefusal(const QString& name);

 private:
  int store(const RegisterContents& next);

  QString path_;
  RegisterContents contents_;
  QString damageReason_;
  QString writeError_;
};

}  // namespace aeriton::designer
