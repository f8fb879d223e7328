#pragma once
// The messages of the designer register and its password window. Every one is
// sounded with two beeps; questions are answered "YES" or "NO".

#include <QString>

#include "study/MessageService.h"

namespace aeriton::designer {

enum RegisterCode : int {
  kMsgAddName = 1,          // add the new name to the list? (Yes/No)
  kMsgNoPassword = 2,       // the password has not been given
  kMsgWrongPassword = 3,    // the password is not valid
  kMsgDeleteName = 4,       // delete the highlighted name? (Yes/No, critical)
  kMsgOnlyEntry = 5,        // the only entry cannot be deleted
  kMsgCorrectName = 6,      // store the corrected name? (Yes/No)
  kMsgChooseName = 7,       // choose this designer? (Yes/No)
  kMsgNameTooLong = 8,      // more than 50 characters cannot be printed
  kMsgPasswordsDiffer = 9,  // the new password and its repeat differ
  kMsgNoProtection = 10,    // an empty new password: leave the register open? (Yes/No)
  kMsgDamaged = 11,         // the register file cannot be read
  kMsgNotWritten = 12,      // the register file cannot be written
};

// The title of the refusals.
QString registerAlertTitle();

// Messages 1-10; `name` fills message 7.
Message registerMessage(int code, const QString& name = QString());
// The register file exists but cannot be used; `reason` says why.
Message damagedRegisterMessage(const QString& path, const QString& reason);
// The register file could not be written; `reason` is the system's.
Message registerNotWrittenMessage(const QString& path, const QString& reason);

}  // namespace aeriton::designer
