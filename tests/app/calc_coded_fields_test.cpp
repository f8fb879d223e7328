// aeriton-calc on data files whose coded fields hold values no screen writes:
// refused as malformed (exit 3) with the file and the line named, whichever
// season's path the file would take, and nothing written.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "CalcProcess.h"
#include "TestSupport.h"

using namespace aeriton;

namespace calc_coded_fields_tests {
namespace {

using test::CalcRun;
using test::crlfLines;
using test::runCalc;

struct Case {
  const char* name;
  QByteArray file;
  const char* says;
};

}  // namespace

TEST(CalcCodedFields, ForeignCodesAreMalformedWithTheLineNamed) {
  const Case cases[] = {
      // A winter screen's file (outdoor colder, a coil outlet temperature).
      {"winter mode",
       crlfLines({"\"AAA_NA\",0", "0,-2,80", "20,12,40", "8598.555,0", "300,0", "1,0,1,45,0",
                  "1,0,0,0,\"P-inf\"", "300"}),
       u8"γραμμή 7: ο τρόπος του νωπού αέρα πρέπει να είναι \"C\" ή \"P\" (βρέθηκε \"P-inf\")"},
      {"winter kind",
       crlfLines({"\"MIXED\",0", "0,-2,80", "20,12,40", "8598.555,0", "300,0", "1,0,1,45,0",
                  "1,0,0,0,\"C\"", "300"}),
       u8"γραμμή 1: άγνωστο είδος συστήματος \"MIXED\""},
      {"winter flags",
       crlfLines({"\"AAA_NA\",0", "0,-2,80", "20,12,40", "8598.555,0", "300,0", "1,0,1,45,0",
                  "1,0,1,2,\"C\"", "300"}),
       u8"γραμμή 7: οι σημαίες 1, 0, 1, 2 δεν ορίζουν είδος συστήματος"},
      // A summer screen's file.
      {"summer units",
       crlfLines({"\"AAA_NA\",1", "95,75,40", "78,65,50", "100000,20000", "1000,0",
                  "1,1,0,-100000,0", "1,0,0,0,\"C\"", "1000"}),
       u8"γραμμές 1 και 6: άγνωστο σύστημα μονάδων (1, 1)"},
  };
  for (const Case& c : cases) {
    test::ProgramFolderFixture fx;
    test::writeAll(fx.path("study.dat"), c.file);
    const CalcRun r = runCalc({fx.path("study.dat"), QStringLiteral("-o"), fx.path("out.res")});
    EXPECT_EQ(r.exitCode, 3) << c.name << ": " << r.err.toStdString();
    const QString err = QString::fromUtf8(r.err);
    EXPECT_TRUE(err.contains(fx.path("study.dat"))) << c.name << ": " << err.toStdString();
    EXPECT_TRUE(err.contains(QString::fromUtf8(c.says))) << c.name << ": " << err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << c.name;
    EXPECT_FALSE(QFile::exists(fx.path("out.res"))) << c.name;
  }
}

}  // namespace calc_coded_fields_tests
