// Test entry: every suite runs inside a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "study/ui/Style.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The screens are tested with the look and the keys the program gives them.
  aeriton::style::applyApplicationStyle();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
