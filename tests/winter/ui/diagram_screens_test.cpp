// The process-diagram screens, opened from the results screen's diagram button
// on results of real calculations: which screen, the fields with their units,
// preview and print of the diagram workbook, a cancelled printer choice.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "../../reports/ReportTestSupport.h"
#include "../../reports/ui/FakeConverter.h"
#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "register/Designer.h"
#include "reports/PdfConverter.h"
#include "reports/ReportMessages.h"
#include "reports/ui/FrmPSPrn.h"
#include "reports/ui/PdfPrinting.h"
#include "study/ExchangeFiles.h"
#include "summer/results_study.h"
#include "summer/ui/FrmPSRes.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRun.h"
#include "winter/ui/FrmPSDiagram.h"

using namespace aeriton;
using namespace aeriton::winter;

namespace {

// Runs `check` on the next modal window (it must close it).
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

QString field(QWidget* w, const char* name) {
  auto* e = w->findChild<QLineEdit*>(QString::fromLatin1(name));
  EXPECT_NE(e, nullptr) << name;
  return e ? e->text() : QString();
}

// Outdoor 35/24 °C, room 26/18.5 °C, 10 kW + 2 kW, 600 m³/h: mixed 28.1 °C /
// 17.76619 kcal/kg, coil outlet 14.7/13.9 °C, 13.52451 kcal/kg, no reheat.
test::SummerStudy office(const QString& unit) {
  test::SummerStudy st;
  st.loadUnit = unit;
  st.envDB = 35, st.envWB = 24, st.spaDB = 26, st.spaWB = 18.5f;
  st.sens = unit == "KCAL" ? 8598.55f : 10000, st.lat = unit == "KCAL" ? 1719.71f : 2000;
  st.fresh = 600;
  return st;
}

void runMetricWinter() {
  WinterEntries e;
  e.unitIndex = kUnitWatt;
  e.envDB = 0, e.envWB = -2, e.envRH = 80;
  e.spaDB = 20, e.spaWB = 12, e.spaRH = 40;
  e.load.set(kUnitWatt, 10000);
  e.coilOut = 45;
  e.amount = 300;
  e.title = "Κατοικία";
  ZeroVariables(study());
  CollectInputs(e, study());
  ASSERT_EQ(runWinterStudy(study(), [](float) { return true; }).code, 0);
}

StudyState resultsFile() {
  StudyState s;
  EXPECT_TRUE(readResultsFileAt(appfolder::path("PSY_RES.TMP"), s).ok);
  return s;
}

class DiagramScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    setSeparators(Separators{'.', ','});
    installDiagramScreens();
    test::copyTemplates({"W_HU.xlsx", "S_RN.xlsx", "S_RY.xlsx", "LD_PS_MSWa.xlsx"});
  }
  void TearDown() override {
    summer::setDiagramHandler(nullptr);
    reports::setSaveNameChooser(nullptr);
    reports::setConverterProgram(QString());
  }
  // Opens the results screen and presses its diagram button; `check` gets the
  // diagram screen.
  void openDiagram(const std::function<void(QWidget*)>& check) {
    summer::FrmPSRes results(nullptr);
    ASSERT_TRUE(results.loaded());
    auto* dgrm = results.findChild<QPushButton*>("Cmd_Dgrm");
    ASSERT_NE(dgrm, nullptr);
    ASSERT_TRUE(dgrm->isEnabled());
    onNextModal(check);
    QTest::mouseClick(dgrm, Qt::LeftButton);
    study().Unsaved = false;
  }
  test::ProgramFolderFixture fx;
  test::ModalWatchdog watchdog{8000};
};

}  // namespace

// Summer without reheat: FrmPSNoHum with M and T in °C and kcal/kg
// (17.76619 and 13.52451 kcal/kg held).
TEST_F(DiagramScreens, SummerWithoutReheat) {
  ASSERT_EQ(test::runSummerStudy(office("KCAL")), 0);
  const StudyState f = resultsFile();
  QString name;
  openDiagram([&](QWidget* w) {
    name = w->objectName();
    EXPECT_EQ(field(w, "TxtDB_M"), "28.1 [°C]");
    // kcal/kg: rounded to two decimals first, shown with three.
    EXPECT_EQ(field(w, "Txt_h_M"), "17.770 [Kcal/Kg]");
    EXPECT_EQ(field(w, "TxtDB_T"), "14.7 [°C]");
    EXPECT_EQ(field(w, "TxtWB_T"), "13.9 [°C]");
    EXPECT_EQ(field(w, "Txt_h_T"), "13.520 [Kcal/Kg]");
    EXPECT_EQ(w->findChild<QLineEdit*>("TxtDB_S"), nullptr);
    EXPECT_TRUE(w->findChild<QLineEdit*>("TxtDB_M")->isReadOnly());
    EXPECT_FALSE(w->findChild<QLabel*>("LblWait")->isVisible());
    QTest::mouseClick(w->findChild<QPushButton*>("SSCommand1"), Qt::LeftButton);
  });
  EXPECT_EQ(name, "FrmPSNoHum");
  EXPECT_FLOAT_EQ(f.WB_T, 13.9f);
}

// Winter in W: FrmPSHum, enthalpies in kJ/kg with three decimals.
TEST_F(DiagramScreens, WinterInWatts) {
  runMetricWinter();
  const StudyState f = resultsFile();
  QString name;
  openDiagram([&](QWidget* w) {
    name = w->objectName();
    EXPECT_EQ(field(w, "TxtDB_S"), "45.0 [°C]");
    const double hS = std::floor(static_cast<float>(f.h_S * 4.18675) * 1000.0 + 0.5) / 1000.0;
    EXPECT_EQ(field(w, "Txt_h_S"), FormatNumber(hS, "#,##0.000") + " [KJ/Kg]");
    EXPECT_EQ(field(w, "TxtDB_T"),
              FormatNumber(std::floor(f.DB_T * 10.0 + 0.5) / 10.0, "#,##0.0") + " [°C]");
    QTest::mouseClick(w->findChild<QPushButton*>("SSCommand1"), Qt::LeftButton);
  });
  EXPECT_EQ(name, "FrmPSHum");
}

// English summer with reheat: FrmPSReh in °F and Btu/lb (two decimals).
TEST_F(DiagramScreens, EnglishSummerWithReheat) {
  test::SummerStudy st;
  st.loadUnit = "BTU";
  st.envDB = 95, st.envWB = 75, st.spaDB = 78, st.spaWB = 65;
  st.sens = 50000, st.lat = 50000, st.fresh = 1000;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  QString name;
  openDiagram([&](QWidget* w) {
    name = w->objectName();
    EXPECT_EQ(field(w, "TxtDB_T"), "49.7 [°F]");
    EXPECT_EQ(field(w, "TxtDB_S"), "65.2 [°F]");
    EXPECT_EQ(field(w, "Txt_h_S"), "23.59 [Btu/Lb]");
    QTest::mouseClick(w->findChild<QPushButton*>("SSCommand1"), Qt::LeftButton);
  });
  EXPECT_EQ(name, "FrmPSReh");
}

// The states sit over their values: each mark above the middle of its group.
TEST_F(DiagramScreens, MarksStandOverTheirValues) {
  runMetricWinter();
  FrmPSHum screen(nullptr, resultsFile(), "WATT");
  screen.resize(1000, 600);
  screen.show();
  QApplication::processEvents();
  int last = -1;
  for (int i = 0; i < 3; ++i) {
    const QGroupBox* g = screen.findChild<QGroupBox*>(QString("Fra_") + "MTS"[i]);
    ASSERT_NE(g, nullptr);
    const int centre =
        screen.findChild<QWidget*>("PicDiagram")->mapFrom(&screen, g->geometry().center()).x();
    EXPECT_EQ(screen.stateX(i), centre);
    EXPECT_GT(screen.stateX(i), last);
    last = screen.stateX(i);
  }
}

// Preview with the template missing: the message, exactly; the screen stays,
// the waiting label goes.
TEST_F(DiagramScreens, PreviewWithoutTemplate) {
  ASSERT_EQ(test::runSummerStudy(office("KCAL")), 0);
  QFile::remove(fx.path("S_RN.xlsx"));
  FrmPSNoHum screen(nullptr, resultsFile(), "KCAL");
  QTest::mouseClick(screen.findChild<QPushButton*>("CmdPreview"), Qt::LeftButton);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.last()->title, "Η ΕΚΤΥΠΩΣΗ - μέσω του Microsoft Excel - ΔΕΝ ΕΙΝΑΙ ΔΥΝΑΤΗ");
  EXPECT_EQ(fx.messages.last()->text, "... Λείπει κάποιο βασικό Αρχείο ...");
  EXPECT_FALSE(screen.findChild<QLabel*>("LblWait")->isVisible());
  EXPECT_EQ(study().MessageCode, 0);
}

// A cancelled printer choice prints nothing and leaves no message code.
TEST_F(DiagramScreens, CancelledPrinterChoicePrintsNothing) {
  ASSERT_EQ(test::runSummerStudy(office("KCAL")), 0);
  reports::setConverterProgram("/nonexistent/soffice");  // any run would say so
  FrmPSNoHum screen(nullptr, resultsFile(), "KCAL");
  onNextModal([](QWidget* w) {
    EXPECT_EQ(w->objectName(), "FrmPrinterChoice");
    QTest::mouseClick(w->findChild<QPushButton*>("CmdCancel"), Qt::LeftButton);
  });
  EXPECT_FALSE(screen.CmdPrint_Click());
  EXPECT_TRUE(fx.messages.shown().empty());
  EXPECT_EQ(study().MessageCode, 0);
}

// Printing the diagram into a PDF file: the printer choice, then the file.
TEST_F(DiagramScreens, PrintIntoAPdfFile) {
  test::FakeConverter converter(1);
  runMetricWinter();
  designer::choose("Π. Σταύρου");
  FrmPSHum screen(nullptr, resultsFile(), "WATT");
  const reports::CellMap cells = screen.workbookCells();
  EXPECT_EQ(cells.front().text, "Μελετητής : Π. Σταύρου");
  EXPECT_EQ(cells[1].text, "Κατοικία");
  designer::choose(QString());
  reports::setSaveNameChooser(
      [&](QWidget*, const QString&, const QString&, const QString&) { return fx.path("d.pdf"); });
  onNextModal([](QWidget* w) {
    auto* box = w->findChild<QComboBox*>("Cbo_Printers");
    box->setCurrentIndex(box->count() - 1);
    w->findChild<QSpinBox*>("Txt_Copies")->setValue(0);
    QTest::mouseClick(w->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
  });
  EXPECT_TRUE(screen.CmdPrint_Click());
  QPdfDocument doc;
  doc.load(fx.path("d.pdf"));
  EXPECT_EQ(doc.pageCount(), 1);
  EXPECT_TRUE(fx.messages.shown().empty());
}

// The results screen's print buttons open the print dialog with its results.
TEST_F(DiagramScreens, PrintButtonsOpenThePrintDialog) {
  ASSERT_EQ(test::runSummerStudy(office("WATT")), 0);
  summer::FrmPSRes results(nullptr);
  for (const char* name : {"CmdPrintD", "CmdPrintR"}) {
    auto* b = results.findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isEnabled());
    QString opened, templ;
    onNextModal([&](QWidget* w) {
      opened = w->objectName();
      if (auto* d = qobject_cast<reports::FrmPSPrn*>(w)) templ = d->workbook().templateName;
      QTest::mouseClick(w->findChild<QPushButton*>("CmdExit"), Qt::LeftButton);
    });
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(opened, "FrmPSPrn") << name;
    EXPECT_EQ(templ, "LD_PS_MSWa.xlsx");
  }
  study().Unsaved = false;
}
