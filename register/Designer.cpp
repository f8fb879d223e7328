#include "register/Designer.h"

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

QString defaultName() {
  return QStringLiteral("Μελετητής");
}

}  // namespace aeriton::designer
