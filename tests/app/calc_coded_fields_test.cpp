// aeriton-calc on data files whose coded fields hold values no screen writes:
// refused as malformed (exit 3) with the file and the line named, whichever
// season's path the file would take, and nothing written.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "TestSupport.h"

using namespace aeriton;

namespace calc_coded_fields_tests {
namespace {

struct CalcRun {
  int exitCode = -1;
  QByteArray out, err;
};

CalcRun calc(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(AERITON_CALC_EXE), args);
  CalcRun r;
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

QByteArray lines(std::initializer_list<const char*> ls) {
  QByteArray b;
  for (const char* l : ls) b.append(l).append("\r\n");
  return b;
}

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
       lines({"\"AAA_NA\",0", "0,-2,80", "20,12,40", "8598.555,0", "300,0", "1,0,1,45,0",
              "1,0,0,0,\"P-inf\"", "300"}),
       u8"γραμμή 7: ο τρόπος του νωπού αέρα πρέπει να είναι \"C\" ή \"P\" (βρέθηκε \"P-inf\")"},
      {"winter kind",
       lines({"\"MIXED\",0", "0,-2,80", "20,12,40", "8598.555,0", "300,0", "1,0,1,45,0",
              "1,0,0,0,\"C\"", "300"}),
       u8"γραμμή 1: άγνωστο είδος συστήματος \"MIXED\""},
      {"winter flags",
       lines({"\"AAA_NA\",0", "0,-2,80", "20,12,40", "8598.555,0", "300,0", "1,0,1,45,0",
              "1,0,1,2,\"C\"", "300"}),
       u8"γραμμή 7: οι σημαίες 1, 0, 1, 2 δεν ορίζουν είδος συστήματος"},
      // A summer screen's file.
      {"summer units",
       lines({"\"AAA_NA\",1", "95,75,40", "78,65,50", "100000,20000", "1000,0", "1,1,0,-100000,0",
              "1,0,0,0,\"C\"", "1000"}),
       u8"γραμμές 1 και 6: άγνωστο σύστημα μονάδων (1, 1)"},
  };
  for (const Case& c : cases) {
    test::ProgramFolderFixture fx;
    test::writeAll(fx.path("study.dat"), c.file);
    const CalcRun r = calc({fx.path("study.dat"), QStringLiteral("-o"), fx.path("out.res")});
    EXPECT_EQ(r.exitCode, 3) << c.name << ": " << r.err.toStdString();
    const QString err = QString::fromUtf8(r.err);
    EXPECT_TRUE(err.contains(fx.path("study.dat"))) << c.name << ": " << err.toStdString();
    EXPECT_TRUE(err.contains(QString::fromUtf8(c.says))) << c.name << ": " << err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << c.name;
    EXPECT_FALSE(QFile::exists(fx.path("out.res"))) << c.name;
  }
}

}  // namespace calc_coded_fields_tests
