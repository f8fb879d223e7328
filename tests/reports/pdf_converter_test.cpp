// Rendering a filled workbook to PDF: with the real LibreOffice (one page, the
// study title in its text), without any (a clear status, nothing hangs), and
// with converters that fail or hang (stand-in scripts).
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "ReportTestSupport.h"
#include "TestSupport.h"
#include "reports/DiagramWorkbook.h"
#include "reports/PdfConverter.h"
#include "reports/ReportWorkbook.h"
#include "reports/ResultWorkbook.h"
#include "summer/results_study.h"

using namespace aeriton;
using namespace aeriton::reports;

namespace {

// Restores the converter settings after a test.
struct ConverterSettings {
  ~ConverterSettings() {
    setConverterProgram(QString());
    setConversionTimeoutMs(kDefaultConversionTimeoutMs);
  }
};

// A stand-in converter: a shell script with the given body.
QString script(const QTemporaryDir& dir, const QString& body) {
  const QString path = dir.filePath("fake-soffice");
  test::writeAll(path, ("#!/bin/sh\n" + body + "\n").toUtf8());
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

// Text and page count of a PDF, by poppler's tools.
QString run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput());
}
int pages(const QString& pdf) {
  const QString info = run("pdfinfo", {pdf});
  for (const QString& line : info.split('\n'))
    if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
  return -1;
}

bool haveLibreOffice() {
  return !converterProgram().isEmpty() && !QStandardPaths::findExecutable("pdfinfo").isEmpty();
}

}  // namespace

// A missing program: NoConverter, the program named, at once.
TEST(PdfConverter, MissingProgramIsReportedNotRun) {
  ConverterSettings restore;
  setConverterProgram("/nonexistent/libreoffice/soffice");
  EXPECT_TRUE(converterProgram().isEmpty());
  QElapsedTimer t;
  t.start();
  const ConversionResult r = convertWorkbookToPdf("PK", "LD_PS_MS.xlsx");
  EXPECT_EQ(r.status, ConversionStatus::NoConverter);
  EXPECT_TRUE(r.detail.contains("/nonexistent/libreoffice/soffice"));
  EXPECT_LT(t.elapsed(), 2000);
}

// A converter that ends without writing the PDF: Failed, with what it said.
TEST(PdfConverter, NoPdfIsAFailureWithTheConvertersWords) {
  ConverterSettings restore;
  QTemporaryDir dir;
  setConverterProgram(script(dir, "echo 'Error: source file could not be loaded'; exit 0"));
  const ConversionResult r = convertWorkbookToPdf("PK", "LD_PS_MS.xlsx");
  EXPECT_EQ(r.status, ConversionStatus::Failed);
  EXPECT_TRUE(r.detail.contains("source file could not be loaded")) << r.detail.toStdString();
}

// A converter that hangs is killed at its time limit, with the process it
// started, and the next conversion does not wait for it.
TEST(PdfConverter, HangingConverterIsKilledAtTheTimeLimit) {
  ConverterSettings restore;
  QTemporaryDir dir;
  const QString pidFile = dir.filePath("child.pid");
  // The launcher starts the office process as its child, like LibreOffice's.
  setConverterProgram(script(dir, QStringLiteral("sleep 60 & echo $! > '%1'; wait").arg(pidFile)));
  setConversionTimeoutMs(1500);
  QElapsedTimer t;
  t.start();
  const ConversionResult r = convertWorkbookToPdf("PK", "LD_PS_MS.xlsx");
  EXPECT_EQ(r.status, ConversionStatus::TimedOut);
  EXPECT_LT(t.elapsed(), 10000);
  const QString child = QString::fromLatin1(test::readAll(pidFile)).trimmed();
  ASSERT_FALSE(child.isEmpty());
  // The child is gone (or a zombie about to be reaped by init).
  QElapsedTimer wait;
  wait.start();
  bool gone = false;
  while (!gone && wait.elapsed() < 5000) {
    const QByteArray stat = test::readAll("/proc/" + child + "/stat");
    gone = stat.isEmpty() || stat.contains(") Z ");
    if (!gone) QThread::msleep(50);
  }
  EXPECT_TRUE(gone) << "pid " << child.toStdString();
}

// A converter that writes the PDF: its bytes come back and the job folder is
// removed.
TEST(PdfConverter, PdfBytesComeBackAndTheJobFolderGoes) {
  ConverterSettings restore;
  QTemporaryDir dir;
  // Arguments: ... --outdir DIR FILE: write DIR/<stem>.pdf.
  setConverterProgram(script(dir,
                             "for a; do last=$a; done; "
                             "out=$(dirname \"$last\"); stem=$(basename \"$last\" .xlsx); "
                             "printf '%%PDF-1.4 fake' > \"$out/$stem.pdf\"; "
                             "echo \"$out\" > '" +
                                 dir.filePath("job") + "'"));
  const ConversionResult r = convertWorkbookToPdf("PK", "W_HU.xlsx");
  ASSERT_EQ(r.status, ConversionStatus::Ok) << r.detail.toStdString();
  EXPECT_EQ(r.pdf, "%PDF-1.4 fake");
  const QString job = QString::fromLocal8Bit(test::readAll(dir.filePath("job"))).trimmed();
  ASSERT_FALSE(job.isEmpty());
  EXPECT_FALSE(QDir(job).exists());
}

// The real LibreOffice: a filled result workbook becomes one page whose text
// holds the study title, the designer and the results.
TEST(LibreOffice, FilledResultWorkbookIsOnePageWithTheTitle) {
  if (!haveLibreOffice()) GTEST_SKIP() << "LibreOffice or poppler-utils not installed";
  test::ProgramFolderFixture fx;
  test::copyTemplates();
  test::SummerStudy st;
  st.loadUnit = "WATT";
  st.envDB = 35, st.envWB = 24, st.spaDB = 26, st.spaWB = 18.5f;
  st.sens = 10000, st.lat = 2000, st.fresh = 600;
  study().Title = QStringLiteral("Γραφεία Ζωγράφου");
  ASSERT_EQ(test::runSummerStudy(st), 0);
  ResultWorkbookInput in;
  ASSERT_TRUE(resultInputFromProgramFolder(in));
  in.loadUnit = "WATT";
  in.title = study().Title;
  in.designer = QStringLiteral("Ε. Κωνσταντίνου");
  const ResultWorkbook wb = WriteResultWorkbook(in);
  ReportWorkbook book;
  ASSERT_EQ(book.open(wb.templateName), ReportWorkbook::Opened);
  ASSERT_TRUE(book.setCells(wb.cells));
  const ConversionResult r = book.renderPdf();
  ASSERT_EQ(r.status, ConversionStatus::Ok) << r.detail.toStdString();
  const QString pdf = fx.path("report.pdf");
  test::writeAll(pdf, r.pdf);
  EXPECT_EQ(pages(pdf), 1);
  const QString text = run("pdftotext", {"-layout", pdf, "-"});
  EXPECT_TRUE(text.contains("Γραφεία Ζωγράφου")) << text.toStdString();
  EXPECT_TRUE(text.contains("Ε. Κωνσταντίνου"));
  EXPECT_TRUE(text.contains("2,652") || text.contains("2.652")) << text.toStdString();
}

// The diagram workbooks render as one page too.
TEST(LibreOffice, DiagramWorkbookIsOnePage) {
  if (!haveLibreOffice()) GTEST_SKIP() << "LibreOffice or poppler-utils not installed";
  test::ProgramFolderFixture fx;
  test::copyTemplates({"S_RY.xlsx"});
  DiagramData d;
  d.kind = DiagramKind::Reh;
  d.M = {28.1, 20.2, 17.77, true};
  d.T = {14.7, 13.9, 9.46, true};
  d.S = {21.0, 16.2, 11.2, true};
  ReportWorkbook book;
  ASSERT_EQ(book.open("S_RY.xlsx"), ReportWorkbook::Opened);
  ASSERT_TRUE(book.setCells(Print_By_Excel_Reh(d, "Ε. Κωνσταντίνου", "Κατάστημα")));
  const ConversionResult r = book.renderPdf();
  ASSERT_EQ(r.status, ConversionStatus::Ok) << r.detail.toStdString();
  const QString pdf = fx.path("diagram.pdf");
  test::writeAll(pdf, r.pdf);
  EXPECT_EQ(pages(pdf), 1);
  EXPECT_TRUE(run("pdftotext", {pdf, "-"}).contains("Κατάστημα"));
}
