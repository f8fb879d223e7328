// aeriton-calc --psy as its own process: the calculator's calculate button on
// a ".psy" file, the file the save button would write, and its refusals.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "CalcProcess.h"
#include "TestSupport.h"
#include "calculator/PsCalc.h"
#include "calculator/PsFile.h"
#include "engine/NumberEntry.h"
#include "study/Cp1253.h"

using namespace aeriton;

namespace calc_psy_tests {
namespace {

using test::CalcRun;
using test::runCalc;

QByteArray cp(const char* utf8) {
  return toCp1253(QString::fromUtf8(utf8));
}

// 1000 m³/h from 20 °C / 30 % to 22 °C / 50 %: the boxes the calculation
// fills are empty or 0, the season word is the one an earlier save left.
const QByteArray kMetricIn = QByteArray("-1,\"Metric\",1,0,0,\"Summer\"\r\n") +
                             "1000,20,,30,,0\r\n22,0,50,0,0\r\n0,0\r\n\"" +
                             cp("Αίθουσα Α, ύγρανση") + "\",-1,-1\r\n";
const QByteArray kMetricOut = QByteArray("-1,\"Metric\",-1,0,0,\"Winter\"\r\n") +
                              "1000,20,10.88,30,4.34,11.7\r\n22,15.44,50,8.23,14.54\r\n" +
                              "575.95,-2741.94\r\n\"" + cp("Αίθουσα Α, ύγρανση") + "\",-1,-1\r\n";

// 1000 CFM from 80 °F / 67 °F WB to 60 °F / 90 %, one field a line.
const QByteArray kEnglishIn =
    "0\n\"English\"\n0\n0\n0\n\"Summer\"\n1000\n80\n67\n0\n0\n0\n60\n0\n90\n0\n0\n0\n0\n\"\"\n0\n-"
    "1\n";
const QByteArray kEnglishOut =
    "0,\"English\",0,0,0,\"Summer\"\r\n1000,80,67,51.01,78.05,31.43\r\n"
    "60,58.21,90,69.44,25.2\r\n21600,5855.45\r\n\"\",0,-1\r\n";

class CalcPsy : public ::testing::Test {
 protected:
  void SetUp() override { setSeparators(Separators{'.', ','}); }
  QString write(const char* name, const QByteArray& bytes) {
    const QString path = folder.path(QLatin1String(name));
    test::writeAll(path, bytes);
    return path;
  }
  test::ProgramFolderFixture folder;
};

TEST_F(CalcPsy, MetricFileToStandardOutput) {
  const CalcRun r = runCalc({"--psy", write("metric.psy", kMetricIn)});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, kMetricOut);
  EXPECT_TRUE(r.err.isEmpty());
}

TEST_F(CalcPsy, EnglishFileToAFile) {
  const QString out = folder.path("english-out.psy");
  const CalcRun r = runCalc({"--psy", write("english.psy", kEnglishIn), "-o", out});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_EQ(test::readAll(out), kEnglishOut);
}

TEST_F(CalcPsy, OutputIsWhatTheScreenSaves) {
  // The screen's own path: the file opened, the computed boxes cleared, the
  // calculate button, the save button.
  calculator::CalcForm f;
  calculator::showPsyFile(calculator::readPsyFile(kMetricOut).file, f);
  calculator::invalidate(f);
  ASSERT_EQ(calculator::calcButton(f).kind, calculator::CalcOutcome::Done);
  EXPECT_EQ(calculator::psyFileBytes(calculator::saveAsFile(f)), kMetricOut);
}

struct Refusal {
  const char* name;
  QByteArray bytes;
  const char* head;
  const char* text;
};
class CalcPsyRefusals : public ::testing::TestWithParam<Refusal> {
 protected:
  test::ProgramFolderFixture folder;
};
TEST_P(CalcPsyRefusals, ExitOneWithTheMessageAndNoFile) {
  const Refusal c = GetParam();
  const QString in = folder.path("in.psy");
  test::writeAll(in, c.bytes);
  const QString out = folder.path("out.psy");
  const CalcRun r = runCalc({"--psy", in, "-o", out});
  EXPECT_EQ(r.exitCode, 1);
  const QString err = QString::fromUtf8(r.err);
  EXPECT_TRUE(err.contains(QString::fromUtf8(c.head))) << err.toStdString();
  EXPECT_TRUE(err.contains(QString::fromUtf8(c.text))) << err.toStdString();
  EXPECT_FALSE(QFile::exists(out));
  EXPECT_TRUE(r.out.isEmpty());
}
INSTANTIATE_TEST_SUITE_P(
    Files, CalcPsyRefusals,
    ::testing::Values(Refusal{"NoFlow",
                              QByteArray(kEnglishOut)
                                  .replace("1000,80", "0,80")
                                  .replace("51.01,78.05,31.43", "0,0,0")
                                  .replace("58.21,90,69.44,25.2", "0,90,0,0")
                                  .replace("21600,5855.45", "0,0"),
                              "μήνυμα 1 (TxtFlowRate)",
                              "!! Ελλιπή Στοιχεία ... ΔΕΝ θα γίνουν Υπολογισμοί ... !!"},
                      Refusal{"InletWithoutHumidity",
                              QByteArray(kMetricIn).replace("20,,30", "20,,0"),
                              "μήνυμα 1 (TxtRHin)", "ΔΕΝ θα γίνουν Υπολογισμοί"},
                      Refusal{"ResultsAlreadyThere", kMetricOut, "μήνυμα 11",
                              "... Έχουν, ήδη γίνει ΥΠΟΛΟΓΙΣΜΟΙ !..."},
                      Refusal{"WetBulbAboveDryBulb",
                              QByteArray(kEnglishIn).replace("\n67\n", "\n85\n"),
                              "μήνυμα 5 (TxtTDBin)", "Μη Αποδεκτή Κατάσταση Εισόδου"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalcPsy, FileErrors) {
  // Not a calculator file: exit 3, the field named.
  CalcRun r = runCalc({"--psy", write("foreign.psy", "\"AAA_NA\",0\r\n95,75,40\r\n")});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.err.contains("field 1")) << r.err.toStdString();
  r = runCalc({"--psy", write("short.psy", kMetricIn.left(40))});
  EXPECT_EQ(r.exitCode, 3);
  // A file that is not there, or a bad command line: exit 2.
  r = runCalc({"--psy", folder.path("missing.psy")});
  EXPECT_EQ(r.exitCode, 2);
  r = runCalc({"--psy"});
  EXPECT_EQ(r.exitCode, 2);
  r = runCalc({"--psy", write("a.psy", kMetricIn), "study.dat"});
  EXPECT_EQ(r.exitCode, 2);
  // An output that cannot be written: exit 2, nothing half-written.
  r = runCalc({"--psy", folder.path("a.psy"), "-o", folder.path("no/such/folder/out.psy")});
  EXPECT_EQ(r.exitCode, 2);
}

TEST_F(CalcPsy, HelpNamesTheOption) {
  const CalcRun r = runCalc({"--help"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.out.contains("--psy CALC_FILE"));
}

}  // namespace
}  // namespace calc_psy_tests
