// aeriton-calc started by a Greek user (LC_ALL / LANG el_GR.UTF-8): it reads
// a data file with decimals and writes its results with "." and no grouping.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "CalcProcess.h"
#include "TestSupport.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"

using namespace aeriton;

namespace {

using test::CalcRun;
using test::crlfLines;
using test::runCalc;

}  // namespace

TEST(GreekCalc, SummerAndWinterDataFilesGiveTheSameResultsAsUnderC) {
  test::ProgramFolderFixture fx;
  // Summer: 36 / 20.9 °C outside, 26 / 18.4 °C inside, kcal/h loads with decimals.
  test::writeAll(fx.path("summer.dat"),
                 crlfLines({"\"AAA_NA\",0", "36,20.9,25", "26,18.4,50.5", "30000.5,2500.5",
                            "1250.5,0", "1,1,0,-100000,0", "1,0,0,0,\"C\"", "1250.5"}));
  // Winter: -2.5 / -3.5 °C outside, 20.5 / 13.5 °C inside, coil outlet 45 °C.
  test::writeAll(fx.path("winter.dat"),
                 crlfLines({"\"AAA_NA\",0", "-2.5,-3.5,82.5", "20.5,13.5,45.5", "10748.62,0",
                            "350.5,0", "1,0,1,45,0", "1,0,0,0,\"C\"", "350.5"}));
  for (const char* name : {"summer.dat", "winter.dat"}) {
    const CalcRun greek =
        runCalc({fx.path(name)}, QStringLiteral(AERITON_CALC_EXE), QStringLiteral("el_GR.UTF-8"));
    const CalcRun c =
        runCalc({fx.path(name)}, QStringLiteral(AERITON_CALC_EXE), QStringLiteral("C.UTF-8"));
    ASSERT_EQ(greek.exitCode, 0) << name << ": " << greek.err.toStdString();
    ASSERT_EQ(c.exitCode, 0) << name << ": " << c.err.toStdString();
    EXPECT_EQ(greek.out, c.out) << name;
    const QList<QByteArray> l = greek.out.split('\n');
    ASSERT_EQ(l.size(), 15) << name;
    EXPECT_EQ(l[1], name[0] == 's' ? "36,20.9,25\r" : "-2.5,-3.5,82.5\r") << name;
    StudyState back;
    EXPECT_TRUE(readResultsFile(greek.out, back)) << name;
    // Every number of the 14 lines is a plain "." number: the record holds as
    // many fields as the layout, no more.
    EXPECT_EQ(l[8].count(',') + 1, 5) << name;
    EXPECT_EQ(l[13].count(',') + 1, 27) << name;
  }
}
