// aeriton-calc started by a Greek user (LC_ALL / LANG el_GR.UTF-8): it reads
// a data file with decimals and writes its results with "." and no grouping.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "TestSupport.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"

using namespace aeriton;

namespace {

QByteArray lines(std::initializer_list<const char*> ls) {
  QByteArray b;
  for (const char* l : ls) b.append(l).append("\r\n");
  return b;
}

struct CalcOutput {
  int exitCode = -1;
  QByteArray out, err;
};

CalcOutput calcUnder(const char* locale, const QStringList& args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LC_ALL", locale);
  env.insert("LANG", locale);
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(AERITON_CALC_EXE), args);
  CalcOutput r;
  if (!p.waitForFinished(30000)) {
    p.kill();
    p.waitForFinished();
    ADD_FAILURE() << "aeriton-calc did not finish";
    return r;
  }
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

}  // namespace

TEST(GreekCalc, SummerAndWinterDataFilesGiveTheSameResultsAsUnderC) {
  test::ProgramFolderFixture fx;
  // Summer: 36 / 20.9 °C outside, 26 / 18.4 °C inside, kcal/h loads with decimals.
  test::writeAll(fx.path("summer.dat"),
                 lines({"\"AAA_NA\",0", "36,20.9,25", "26,18.4,50.5", "30000.5,2500.5", "1250.5,0",
                        "1,1,0,-100000,0", "1,0,0,0,\"C\"", "1250.5"}));
  // Winter: -2.5 / -3.5 °C outside, 20.5 / 13.5 °C inside, coil outlet 45 °C.
  test::writeAll(fx.path("winter.dat"),
                 lines({"\"AAA_NA\",0", "-2.5,-3.5,82.5", "20.5,13.5,45.5", "10748.62,0", "350.5,0",
                        "1,0,1,45,0", "1,0,0,0,\"C\"", "350.5"}));
  for (const char* name : {"summer.dat", "winter.dat"}) {
    const CalcOutput greek = calcUnder("el_GR.UTF-8", {fx.path(name)});
    const CalcOutput c = calcUnder("C.UTF-8", {fx.path(name)});
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
