// Aeriton: psychrometric design of the central air-handling unit.
#include <QApplication>

#include "study/ui/QtMessageService.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Aeriton"));
  static aeriton::QtMessageService service;
  aeriton::setMessageService(&service);
  return 0;
}
