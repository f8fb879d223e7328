#include "register/Designer.h"

namespace aeriton::designer {
namespace {
QString& chosen() {
  static QString name;
  return name;
}
}  // namespace

QString current() {
  return chosen().isEmpty() ? defaultName() : chosen();
}

void choose(const QString& name) {
  chosen() = name.trimmed();
}

QString defaultName() {
  return QStringLiteral("Μελετητής");
}

}  // namespace aeriton::designer
