// aeriton-calc's result workbook, as its own process: from a data file just
// computed, from a saved study with its title file, a missing template, and
// the PDF through LibreOffice.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "../reports/XlsxTestReader.h"
#include "CalcProcess.h"
#include "TestSupport.h"
#include "files/StudyFileCore.h"
#include "reports/PdfConverter.h"
#include "study/ExchangeFiles.h"

using namespace aeriton;

namespace calc_workbook_tests {
namespace {

using test::CalcRun;
using test::runCalc;

// The office study as the summer screen writes it: outdoor 35/24 °C, room
// 26/18.5 °C, 10 kW + 2 kW (in kcal/h), 600 m³/h of fresh air, mixing.
QByteArray officeData() {
  return "\"AAA_NA\",0\r\n35,24,41.7\r\n26,18.5,48.5\r\n8598.555,1719.711\r\n600,0\r\n"
         "1,1,0,-100000,0\r\n1,0,0,0,\"C\"\r\n600\r\n";
}

StudyState readResults(const QString& path) {
  StudyState s;
  EXPECT_TRUE(readResultsFileAt(path, s).ok);
  return s;
}

}  // namespace

// From a data file: the results file as before, and the workbook of the
// template the print dialog would choose (W: kJ/kg, Watts).
TEST(CalcWorkbook, FromTheResultsJustComputed) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("office.dat"), officeData());
  const CalcRun r = runCalc({fx.path("office.dat"), "-o", fx.path("office.res"), "--workbook",
                             fx.path("office.xlsx"), "--designer", "Ε. Κωνσταντίνου", "--title",
                             "Γραφεία Ζωγράφου", "--load-unit", "WATT"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const StudyState f = readResults(fx.path("office.res"));
  const test::XlsxReader x(fx.path("office.xlsx"));
  ASSERT_TRUE(x.ok());
  EXPECT_EQ(x.text("A1"), "Μελετητής : Ε. Κωνσταντίνου");
  EXPECT_EQ(x.text("A4"), "Γραφεία Ζωγράφου");
  EXPECT_NEAR(x.number("B22"), 10000, 0.05);
  EXPECT_NEAR(x.number("B29"), 28.1, 1e-6);
  EXPECT_NEAR(x.number("B31"), 17.76619 * 4.18675, 1e-4);
  EXPECT_NEAR(x.number("B47"), 2652, 1e-6);
  EXPECT_NEAR(x.number("B49"), f.CoilLoad / 0.8598555, 1e-3 * f.CoilLoad);
  EXPECT_EQ(x.text("C22"), "[Watts]");  // the W template
  EXPECT_EQ(x.protection().value("sheet"), "1");
}

// From a saved study: the title and load unit of its title file.
TEST(CalcWorkbook, FromASavedStudyWithItsTitleFile) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("office.dat"), officeData());
  ASSERT_EQ(runCalc({fx.path("office.dat"), "-o", fx.path("Γραφεία.AIR")}).exitCode, 0);
  test::writeAll(fx.path("Γραφεία.TAS"), files::titleFileBytes("Κτίριο Γραφείων Α", "KW"));
  const CalcRun r = runCalc({"--results", fx.path("Γραφεία.AIR"), "--workbook", fx.path("k.xlsx")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const test::XlsxReader x(fx.path("k.xlsx"));
  EXPECT_EQ(x.text("A4"), "Κτίριο Γραφείων Α");
  EXPECT_EQ(x.text("C22"), "[Kw]");
  EXPECT_NEAR(x.number("B22"), 10.0, 1e-4);
  // The title file is only read.
  EXPECT_EQ(test::readAll(fx.path("Γραφεία.TAS")),
            files::titleFileBytes("Κτίριο Γραφείων Α", "KW"));
}

// Command-line and file errors: exit 2; a damaged results file: exit 3.
TEST(CalcWorkbook, Errors) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("office.dat"), officeData());
  EXPECT_EQ(runCalc({fx.path("office.dat"), "--title", "x"}).exitCode, 2);  // no --workbook
  EXPECT_EQ(runCalc({"--psy", fx.path("a.psy"), "--workbook", fx.path("x.xlsx")}).exitCode, 2);
  EXPECT_EQ(runCalc({fx.path("office.dat"), "--results", fx.path("x.res"), "--workbook",
                     fx.path("x.xlsx")})
                .exitCode,
            2);
  EXPECT_EQ(runCalc({"--results", fx.path("none.res"), "--workbook", fx.path("x.xlsx")}).exitCode,
            2);
  test::writeAll(fx.path("bad.res"), "\"AAA_NA\",0\r\nnot numbers\r\n");
  const CalcRun bad = runCalc({"--results", fx.path("bad.res"), "--workbook", fx.path("x.xlsx")});
  EXPECT_EQ(bad.exitCode, 3);
  EXPECT_TRUE(bad.err.contains("bad.res"));
  EXPECT_FALSE(QFile::exists(fx.path("x.xlsx")));
  const CalcRun unit = runCalc({fx.path("office.dat"), "-o", fx.path("o.res"), "--workbook",
                                fx.path("x.xlsx"), "--load-unit", "HP"});
  EXPECT_EQ(unit.exitCode, 2);
  EXPECT_FALSE(QFile::exists(fx.path("x.xlsx")));
}

// A program folder without the templates: the program's message, exit 2,
// nothing written.
TEST(CalcWorkbook, MissingTemplate) {
  test::ProgramFolderFixture fx;
  QTemporaryDir bare;
  const QString exe = bare.filePath("aeriton-calc");
  ASSERT_TRUE(QFile::copy(QStringLiteral(AERITON_CALC_EXE), exe));
  QFile::setPermissions(exe, QFile::ReadOwner | QFile::ExeOwner);
  test::writeAll(fx.path("office.dat"), officeData());
  const CalcRun r = runCalc(
      {fx.path("office.dat"), "-o", fx.path("o.res"), "--workbook", fx.path("x.xlsx")}, exe);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(QString::fromUtf8(r.err).contains("... Λείπει κάποιο βασικό Αρχείο ..."));
  EXPECT_TRUE(r.err.contains("LD_PS_MS.xlsx")) << r.err.toStdString();
  EXPECT_FALSE(QFile::exists(fx.path("x.xlsx")));
}

// The PDF through LibreOffice: one page with the title.
TEST(CalcWorkbook, PdfThroughLibreOffice) {
  if (reports::converterProgram().isEmpty() ||
      QStandardPaths::findExecutable("pdftotext").isEmpty())
    GTEST_SKIP() << "LibreOffice or poppler-utils not installed";
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("office.dat"), officeData());
  const CalcRun r = runCalc({fx.path("office.dat"), "-o", fx.path("o.res"), "--pdf",
                             fx.path("o.pdf"), "--title", "Κατάστημα Κηφισιάς"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  QProcess text;
  text.start("pdftotext", {fx.path("o.pdf"), "-"});
  text.waitForFinished(60000);
  EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput()).contains("Κατάστημα Κηφισιάς"));
  QProcess info;
  info.start("pdfinfo", {fx.path("o.pdf")});
  info.waitForFinished(60000);
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                  .contains(QRegularExpression("Pages:\\s+1\\n")));
}

}  // namespace calc_workbook_tests
