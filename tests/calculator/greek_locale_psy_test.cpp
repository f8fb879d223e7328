// The calculator's ".psy" file under Greek regional settings: "." and no
// grouping in the file, the same values read back.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "calculator/PsFile.h"
#include "study/Cp1253.h"

using namespace aeriton;
using namespace aeriton::calculator;

TEST(GreekPsyFile, WrittenWithAPointAndReadBack) {
  test::GreekLocale greek;
  ASSERT_TRUE(test::GreekLocale::cLibraryUsesComma());
  PsyFile p;
  p.metricUnits = -1, p.showKcal = -1, p.summer = true;
  const float values[kBoxCount] = {1250.5f, 36.f,  20.9f, 25.f,  9.26f,    14.25f,  13.6f,
                                   13.1f,   95.5f, 9.15f, 8.75f, 30000.5f, -2500.5f};
  for (int b = 1; b <= kBoxCount; ++b) p.values[b] = values[b - 1];
  p.title = QStringLiteral("Αίθουσα 2,5 m");
  p.rhInGiven = -1;
  const QByteArray bytes = psyFileBytes(p);
  EXPECT_EQ(bytes,
            "-1,\"Metric\",-1,0,0,\"Summer\"\r\n"
            "1250.5,36,20.9,25,9.26,14.25\r\n"
            "13.6,13.1,95.5,9.15,8.75\r\n"
            "30000.5,-2500.5\r\n\"" +
                toCp1253(QStringLiteral("Αίθουσα 2,5 m")) + "\",-1,0\r\n");
  const PsyReadResult back = readPsyFile(bytes);
  ASSERT_TRUE(back.ok) << back.reason.toStdString();
  for (int b = 1; b <= kBoxCount; ++b) EXPECT_FLOAT_EQ(back.file.values[b], values[b - 1]) << b;
  EXPECT_EQ(back.file.title, p.title);
}
