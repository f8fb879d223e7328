// The workbook runner, the preview window, printing and the print dialog,
// driven through their controls. LibreOffice is stood in for by a script that
// hands back a prepared PDF, so nothing here depends on it (the real
// conversion is tested in the logic suite).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPdfDocument>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include "../ReportTestSupport.h"
#include "FakeConverter.h"
#include "TestSupport.h"
#include "register/Designer.h"
#include "reports/PdfConverter.h"
#include "reports/ReportMessages.h"
#include "reports/ResultWorkbook.h"
#include "reports/ui/FrmPSPrn.h"
#include "reports/ui/FrmPreview.h"
#include "reports/ui/PdfPrinting.h"
#include "reports/ui/WorkbookRunner.h"
#include "summer/results_study.h"

using namespace aeriton;
using namespace aeriton::reports;

namespace {

int pdfPages(const QString& path) {
  QPdfDocument doc;
  doc.load(path);
  return doc.status() == QPdfDocument::Status::Ready ? doc.pageCount() : -1;
}

// The office study computed, its results as the print dialog receives them.
ResultWorkbookInput officeInput() {
  test::SummerStudy st;
  st.loadUnit = "WATT";
  st.envDB = 35, st.envWB = 24, st.spaDB = 26, st.spaWB = 18.5f;
  st.sens = 10000, st.lat = 2000, st.fresh = 600;
  EXPECT_EQ(test::runSummerStudy(st), 0);
  ResultWorkbookInput in;
  EXPECT_TRUE(resultInputFromProgramFolder(in));
  in.loadUnit = "WATT";
  in.title = study().Title;
  return in;
}

// Runs `check` on the next modal window and closes it.
void onNextModal(const std::function<void(QWidget*)>& check) {
  QTimer::singleShot(0, [check] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) {
      QTimer::singleShot(20, [check] { onNextModal(check); });
      return;
    }
    check(w);
  });
}

class RunnerTest : public ::testing::Test {
 protected:
  void SetUp() override { test::copyTemplates(); }
  void TearDown() override {
    setSaveNameChooser(nullptr);
    designer::choose(QString());
  }
  test::ProgramFolderFixture fx;
};

}  // namespace

// A template that is not in the program folder: the one message, exactly, and
// nothing else happens.
TEST_F(RunnerTest, MissingTemplateMessage) {
  QFile::remove(fx.path("LD_PS_MS.xlsx"));
  CellMap cells;
  setText(cells, "A1", "x");
  OutputOptions options;
  options.saveAs = fx.path("out.xlsx");
  for (OutputMode mode : {OutputMode::Preview, OutputMode::Print, OutputMode::Save}) {
    fx.messages.clear();
    EXPECT_FALSE(runWorkbook(nullptr, "LD_PS_MS.xlsx", cells, mode, options));
    ASSERT_EQ(fx.messages.shown().size(), 1u);
    const Message& m = fx.messages.shown().front();
    EXPECT_EQ(m.code, kMissingTemplate);
    EXPECT_EQ(m.title, "Η ΕΚΤΥΠΩΣΗ - μέσω του Microsoft Excel - ΔΕΝ ΕΙΝΑΙ ΔΥΝΑΤΗ");
    EXPECT_EQ(m.text, "... Λείπει κάποιο βασικό Αρχείο ...");
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
  }
  EXPECT_FALSE(QFile::exists(fx.path("out.xlsx")));
}

// Preview and print without LibreOffice: a message that says what to install;
// saving still works.
TEST_F(RunnerTest, NoLibreOfficeSaysWhatToInstallAndSavingStillWorks) {
  setConverterProgram("/nonexistent/soffice");
  CellMap cells;
  setText(cells, "A4", "Μελέτη");
  OutputOptions options;
  EXPECT_FALSE(runWorkbook(nullptr, "LD_PS_MS.xlsx", cells, OutputMode::Preview, options));
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.last()->code, kNoConverter);
  EXPECT_TRUE(fx.messages.last()->text.contains("LibreOffice"));
  EXPECT_TRUE(fx.messages.last()->text.contains("libreoffice-calc"));
  options.printerName = "Any";
  EXPECT_FALSE(runWorkbook(nullptr, "LD_PS_MS.xlsx", cells, OutputMode::Print, options));
  EXPECT_EQ(fx.messages.last()->code, kNoConverter);
  options.saveAs = fx.path("saved.xlsx");
  EXPECT_TRUE(runWorkbook(nullptr, "LD_PS_MS.xlsx", cells, OutputMode::Save, options));
  EXPECT_EQ(test::XlsxReader(fx.path("saved.xlsx")).text("A4"), "Μελέτη");
  setConverterProgram(QString());
}

// A conversion that fails or hangs: its message, never a hang or silence.
TEST_F(RunnerTest, ConversionFailureAndTimeOutAreTold) {
  QTemporaryDir dir;
  const QString failing = dir.filePath("failing");
  test::writeAll(failing, "#!/bin/sh\necho 'Error: source file could not be loaded'\nexit 1\n");
  const QString hanging = dir.filePath("hanging");
  test::writeAll(hanging, "#!/bin/sh\nsleep 30\n");
  for (const QString& s : {failing, hanging})
    QFile::setPermissions(s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  setConverterProgram(failing);
  EXPECT_FALSE(runWorkbook(nullptr, "LD_PS_MS.xlsx", {}, OutputMode::Preview, {}));
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.last()->code, kConversionFailed);
  EXPECT_TRUE(fx.messages.last()->text.contains("source file could not be loaded"));

  setConverterProgram(hanging);
  setConversionTimeoutMs(1000);
  QElapsedTimer t;
  t.start();
  EXPECT_FALSE(runWorkbook(nullptr, "LD_PS_MS.xlsx", {}, OutputMode::Print, {}));
  EXPECT_LT(t.elapsed(), 10000);
  EXPECT_EQ(fx.messages.last()->code, kConversionTimedOut);
  EXPECT_TRUE(fx.messages.last()->text.contains("1 δευτερόλεπτα"));
  setConversionTimeoutMs(kDefaultConversionTimeoutMs);
  setConverterProgram(QString());
}

// A folder that cannot take the file: the message names it, nothing is left.
TEST_F(RunnerTest, UnwritableSaveFolder) {
  test::writeAll(fx.path("blocker"), "file");
  OutputOptions options;
  options.saveAs = fx.path("blocker/sub/out.xlsx");
  EXPECT_FALSE(runWorkbook(nullptr, "LD_PS_MS.xlsx", {}, OutputMode::Save, options));
  ASSERT_NE(fx.messages.last(), nullptr);
  EXPECT_EQ(fx.messages.last()->code, kSaveFailed);
  EXPECT_TRUE(fx.messages.last()->text.contains("out.xlsx"));
  EXPECT_FALSE(QFile::exists(options.saveAs));
}

// Printing: copies 0 prints one; two copies of a two-page report, collated.
TEST_F(RunnerTest, CopiesZeroPrintsOne) {
  test::FakeConverter converter(2);
  OutputOptions options;
  options.copies = 0;
  options.printToFile = fx.path("printed.pdf");
  EXPECT_TRUE(runWorkbook(nullptr, "LD_PS_MS.xlsx", {}, OutputMode::Print, options));
  EXPECT_EQ(pdfPages(options.printToFile), 2);
  options.copies = 2;
  options.printToFile = fx.path("printed2.pdf");
  EXPECT_TRUE(runWorkbook(nullptr, "LD_PS_MS.xlsx", {}, OutputMode::Print, options));
  EXPECT_EQ(pdfPages(options.printToFile), 4);
  EXPECT_TRUE(fx.messages.shown().empty());
  EXPECT_EQ(effectiveCopies(0), 1);
  EXPECT_EQ(effectiveCopies(-3), 1);
  EXPECT_EQ(effectiveCopies(3), 3);
}

// A printer that is not there is named in the message.
TEST_F(RunnerTest, UnknownPrinter) {
  PrintTarget target;
  target.printerName = "Γραφείο-HP-404";
  EXPECT_FALSE(printWithMessages(test::makePdf(1), target));
  ASSERT_NE(fx.messages.last(), nullptr);
  EXPECT_EQ(fx.messages.last()->code, kNoPrinter);
  EXPECT_TRUE(fx.messages.last()->text.contains("Γραφείο-HP-404"));
}

// The preview window shows the rendered pages and closes.
TEST_F(RunnerTest, PreviewShowsThePages) {
  test::FakeConverter converter(2);
  test::ModalWatchdog watchdog(5000);
  int pages = -1;
  QString label;
  onNextModal([&](QWidget* w) {
    auto* preview = qobject_cast<FrmPreview*>(w);
    ASSERT_NE(preview, nullptr);
    pages = preview->pageCount();
    label = preview->findChild<QLabel*>("LblPage")->text();
    QTest::mouseClick(preview->findChild<QPushButton*>("CmdNextPage"), Qt::LeftButton);
    EXPECT_EQ(preview->currentPage(), 1);
    EXPECT_FALSE(preview->findChild<QPushButton*>("CmdNextPage")->isEnabled());
    QTest::mouseClick(preview->findChild<QPushButton*>("CmdClose"), Qt::LeftButton);
  });
  EXPECT_TRUE(runWorkbook(nullptr, "LD_PS_MS.xlsx", {}, OutputMode::Preview, {}));
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(label, "Σελίδα 1 από 2");
  EXPECT_TRUE(watchdog.closed().isEmpty());
}

// The printer box: the installed printers with the default selected, then the
// PDF file; the system's default printer is only read.
TEST(PrinterBox, DefaultSelectedThenThePdfFile) {
  QComboBox box;
  PrinterList list;
  list.names = {"Λέιζερ", "Plotter"};
  list.defaultName = "Plotter";
  fillPrinterBox(&box, list);
  ASSERT_EQ(box.count(), 3);
  EXPECT_EQ(box.currentIndex(), 1);
  EXPECT_EQ(selectedPrinter(&box), "Plotter");
  EXPECT_EQ(box.itemText(2), pdfFileEntryText());
  box.setCurrentIndex(2);
  EXPECT_TRUE(isPdfFileEntry(&box));
  EXPECT_EQ(selectedPrinter(&box), "");
  fillPrinterBox(&box, PrinterList{});
  EXPECT_EQ(box.count(), 1);
  EXPECT_TRUE(isPdfFileEntry(&box));
}

// The print dialog's controls carry their names; the designer line shows the
// designer now in force, also after the register button.
TEST_F(RunnerTest, PrintDialogControls) {
  const ResultWorkbookInput in = officeInput();
  designer::choose("Α. Βασιλείου");
  FrmPSPrn dialog(nullptr, in);
  for (const char* name : {"SSCommand1", "SSCommand2", "Cmd_FName", "Cmd_Client", "CmdExit"})
    EXPECT_NE(dialog.findChild<QPushButton*>(name), nullptr) << name;
  auto* printers = dialog.findChild<QComboBox*>("Cbo_Printers");
  ASSERT_NE(printers, nullptr);
  EXPECT_EQ(printers->itemText(printers->count() - 1), pdfFileEntryText());
  EXPECT_EQ(dialog.findChild<QSpinBox*>("Txt_Copies")->value(), 1);
  EXPECT_FALSE(dialog.findChild<QCheckBox*>("Chk_XL")->isChecked());
  EXPECT_FALSE(dialog.findChild<QLabel*>("LblWait")->isVisible());
  EXPECT_EQ(dialog.findChild<QLabel*>("LblDesigner")->text(), "Μελετητής : Α. Βασιλείου");
  // The designer button opens the register; the name in force when it
  // closes is shown.
  test::ModalWatchdog watchdog(5000);
  QString opened;
  onNextModal([&](QWidget* w) {
    opened = w->objectName();
    designer::choose("Γ. Δημητρίου");
    w->close();
  });
  QTest::mouseClick(dialog.findChild<QPushButton*>("Cmd_Client"), Qt::LeftButton);
  EXPECT_EQ(opened, "FrmCLient");
  EXPECT_EQ(dialog.findChild<QLabel*>("LblDesigner")->text(), "Μελετητής : Γ. Δημητρίου");
  // The workbook is the one the study's units choose, with that designer.
  const ResultWorkbook wb = dialog.workbook();
  EXPECT_EQ(wb.templateName, "LD_PS_MSWa.xlsx");
  EXPECT_EQ(wb.cells.front().text, "Μελετητής : Γ. Δημητρίου");
}

// The file name: an existing workbook asks first (exact texts); "NO" keeps no
// name; "YES" keeps it without extension, announces the workbook, ticks the
// box, and the print button then saves it there.
TEST_F(RunnerTest, FileNameAsksBeforeReplacingThenSaves) {
  const ResultWorkbookInput in = officeInput();
  FrmPSPrn dialog(nullptr, in);
  test::writeAll(fx.path("Πελάτης_PSS.xlsx"), "old");
  setSaveNameChooser([&](QWidget*, const QString&, const QString&, const QString& filter) {
    EXPECT_EQ(filter, "Excel_Like Files (*.xlsx)");
    return fx.path("Πελάτης.xlsx");
  });
  fx.messages.answer(MsgAnswer::No);
  QTest::mouseClick(dialog.findChild<QPushButton*>("Cmd_FName"), Qt::LeftButton);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& q = fx.messages.shown().front();
  EXPECT_EQ(q.code, kOverwriteQuestion);
  EXPECT_EQ(q.title, "  ! !  ΠΡΟΣΟΧΗ  ! ! ");
  EXPECT_EQ(q.text,
            "... To Αρχείο < Πελάτης_PSS.xlsx >, υπάρχει ήδη ...\n"
            "... ΘΕΛΕΤΕ ΝΑ ΤΟ ΑΝΤΙΚΑΤΑΣΤΗΣΩ ?? ...");
  EXPECT_EQ(q.buttons, MsgButtons::YesNo);
  EXPECT_TRUE(dialog.chosenName().isEmpty());
  EXPECT_FALSE(dialog.findChild<QCheckBox*>("Chk_XL")->isChecked());

  fx.messages.clear();
  fx.messages.answer(MsgAnswer::Yes);
  QTest::mouseClick(dialog.findChild<QPushButton*>("Cmd_FName"), Qt::LeftButton);
  ASSERT_EQ(fx.messages.shown().size(), 2u);
  EXPECT_EQ(fx.messages.shown()[1].code, kWorkbookNotice);
  EXPECT_EQ(fx.messages.shown()[1].text, "... Θα δημιουργηθεί Αρχείο του < Microsoft Excel > ...");
  EXPECT_EQ(dialog.chosenName(), fx.path("Πελάτης"));
  EXPECT_TRUE(dialog.findChild<QCheckBox*>("Chk_XL")->isChecked());
  EXPECT_EQ(dialog.savePath(), fx.path("Πελάτης_PSS.xlsx"));

  fx.messages.clear();
  QTest::mouseClick(dialog.findChild<QPushButton*>("SSCommand2"), Qt::LeftButton);
  const test::XlsxReader r(fx.path("Πελάτης_PSS.xlsx"));
  ASSERT_TRUE(r.ok());
  EXPECT_NEAR(r.number("B47"), 2652, 1e-6);
  EXPECT_EQ(r.protection().value("objects"), "1");
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.last()->code, kSavedNotice);
}

// With the box ticked the preview button saves too; without a chosen name the
// study file's stem names it in "AIRFiles/ASCII/", a folder made for it.
TEST_F(RunnerTest, PreviewButtonSavesUnderTheStudyName) {
  const ResultWorkbookInput in = officeInput();
  study().StudyFileName = "/studies/Κατάστημα.AIR";
  FrmPSPrn dialog(nullptr, in);
  dialog.findChild<QCheckBox*>("Chk_XL")->setChecked(true);
  EXPECT_TRUE(dialog.SSCommand1_Click());
  EXPECT_TRUE(test::XlsxReader(fx.path("AIRFiles/ASCII/Κατάστημα_PSS.xlsx")).ok());
}

// No study file and no name: the file dialog is asked; cancelling it saves nothing.
TEST_F(RunnerTest, SaveWithoutAnyNameAsksForOne) {
  const ResultWorkbookInput in = officeInput();
  study().StudyFileName.clear();
  FrmPSPrn dialog(nullptr, in);
  dialog.findChild<QCheckBox*>("Chk_XL")->setChecked(true);
  int asked = 0;
  setSaveNameChooser([&](QWidget*, const QString&, const QString&, const QString&) {
    ++asked;
    return QString();
  });
  EXPECT_FALSE(dialog.SSCommand2_Click());
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(fx.messages.shown().empty());
}

// Printing from the dialog into a PDF file, with copies 0: one copy.
TEST_F(RunnerTest, PrintDialogPrintsIntoAPdfFile) {
  test::FakeConverter converter(1);
  const ResultWorkbookInput in = officeInput();
  FrmPSPrn dialog(nullptr, in);
  auto* printers = dialog.findChild<QComboBox*>("Cbo_Printers");
  printers->setCurrentIndex(printers->count() - 1);
  dialog.findChild<QSpinBox*>("Txt_Copies")->setValue(0);
  setSaveNameChooser(
      [&](QWidget*, const QString&, const QString&, const QString&) { return fx.path("out"); });
  EXPECT_TRUE(dialog.SSCommand2_Click());
  EXPECT_EQ(pdfPages(fx.path("out.pdf")), 1);
  EXPECT_TRUE(fx.messages.shown().empty());
}
