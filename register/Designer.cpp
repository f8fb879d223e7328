#include "register/Designer.h"

#include "register/ClientRegister.h"
#include "study/StudyState.h"

namespace aeriton::designer {

// The choice lives in the study state's designer field, the one record of the
// run that every screen and workbook writer reads.

QString current() {
  const QString chosen = study().Designer.trimmed();
  return chosen.isEmpty() ? defaultName() : chosen;
}

void choose(const QString& name) {
  study().Designer = name.trimmed();
}

// Without a choice, the first name of the register stands for the
// installation: an office with one engineer registers the name once and it is
// printed on every sheet. Without a readable register the designer line stays
// blank, to be filled in by hand, rather than printing a made-up name.
QString defaultName() {
  const ReadResult r = readRegister(registerPath());
  if (r.status != ReadStatus::Ok || r.contents.names.isEmpty()) return QString();
  return r.contents.names.front().trimmed();
}

}  // namespace aeriton::designer
