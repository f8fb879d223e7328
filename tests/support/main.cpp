// Test entry: every suite runs inside a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

#include "study/ui/Style.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // QApplication switches the C library to the user's locale; the record files
  // are written and read with the C library's number routines and always use
  // "." (the screens take their separators from QLocale, not from here).
  std::setlocale(LC_NUMERIC, "C");
  // The screens are tested with the look and the keys the program gives them.
  aeriton::style::applyApplicationStyle();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
