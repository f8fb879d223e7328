// The result workbook from real calculations: each study runs through the
// summer or winter calculation as the calculate button runs it, the cell map
// fills the template the print dialog would choose, and the written file is
// read back independently (libzip + pugixml) cell by cell.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>

#include "ReportTestSupport.h"
#include "TestSupport.h"
#include "XlsxTestReader.h"
#include "reports/ResultWorkbook.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "summer/Raise.h"
#include "summer/results_study.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRun.h"

using namespace aeriton;
using namespace aeriton::reports;

namespace {

// Conversion factors of the result workbook (from kcal/h and kcal/kg).
constexpr double kWattKcal = 0.8598555;
constexpr double kKwKcal = 859.85547;
constexpr double kRtKcal = 12000 / 3.970923;
constexpr double kBtuKcal = 3.970923;
constexpr double kKJ = 4.18675;

const QString kDesigner = QStringLiteral("Δ. Παπαδόπουλος, Μηχ. Μηχανικός");
const QString kTitle = QStringLiteral("Γραφεία Β΄ ορόφου");

// Metric office: outdoor 35/24 °C, room 26/18.5 °C, 10 + 2 kW, 600 m³/h fresh
// air, mixing. Hand results: mixed 28.1 °C / 17.76619 kcal/kg, coil outlet
// 14.7 °C, supply 2652 m³/h, outdoor-air sensible load 1554.802 kcal/h.
test::SummerStudy office(const QString& unit) {
  test::SummerStudy st;
  st.loadUnit = unit;
  st.envDB = 35, st.envWB = 24, st.spaDB = 26, st.spaWB = 18.5f;
  st.fresh = 600;
  // 10 kW sensible and 2 kW latent in each load unit.
  const double w = 10000, l = 2000;
  if (unit == "WATT") st.sens = w, st.lat = l;
  if (unit == "KCAL") st.sens = w * kWattKcal, st.lat = l * kWattKcal;
  if (unit == "KW") st.sens = w / 1000, st.lat = l / 1000;
  if (unit == "RT") st.sens = w * kWattKcal / kRtKcal, st.lat = l * kWattKcal / kRtKcal;
  if (unit == "BTUh") st.sens = w * kWattKcal * kBtuKcal, st.lat = l * kWattKcal * kBtuKcal;
  return st;
}

StudyState resultsFile() {
  StudyState s;
  EXPECT_TRUE(readResultsFileAt(appfolder::path("PSY_RES.TMP"), s).ok);
  return s;
}

// A value in its load unit from kcal/h (the study holds kcal/h).
double load(double kcal, const QString& unit) {
  if (unit == "WATT") return kcal / kWattKcal;
  if (unit == "KW") return kcal / kKwKcal;
  if (unit == "RT") return kcal / kRtKcal;
  if (unit == "BTUh") return kcal * kBtuKcal;
  return kcal;
}
double enthalpy(double kcalKg, const QString& unit) {
  return unit == "WATT" || unit == "KW" || unit == "RT" ? kcalKg * kKJ : kcalKg;
}

#define EXPECT_CELL(r, ref, value)                                                        \
  do {                                                                                    \
    ASSERT_EQ((r).cell(ref).type, test::SheetCell::Number) << (ref);                      \
    EXPECT_NEAR((r).number(ref), (value), 1e-5 * std::max(1.0, std::fabs(double(value)))) \
        << (ref);                                                                         \
  } while (0)

class ResultWorkbookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::copyTemplates();
    study().Title = kTitle;
  }
  // The workbook as the print dialog fills it from "PSY_RES.TMP".
  test::XlsxReader fill(const QString& loadUnit, ResultWorkbook* out = nullptr) {
    ResultWorkbookInput in;
    EXPECT_TRUE(resultInputFromProgramFolder(in));
    in.loadUnit = loadUnit;
    in.title = study().Title;
    in.designer = kDesigner;
    const ResultWorkbook wb = WriteResultWorkbook(in);
    if (out) *out = wb;
    const QString path = fx.path("out_" + wb.templateName);
    const QByteArray before = test::readAll(fx.path(wb.templateName));
    test::XlsxReader r = test::fillAndRead(wb.templateName, wb.cells, path);
    EXPECT_TRUE(r.ok());
    // The template on disk is never changed.
    EXPECT_EQ(test::readAll(fx.path(wb.templateName)), before);
    EXPECT_EQ(test::readAll(fx.path(wb.templateName)),
              test::readAll(test::templateSource(wb.templateName)));
    return r;
  }
  test::ProgramFolderFixture fx;
};

// Every cell of a summer study without reheat or raise, in its load unit.
void expectSummerCells(const test::XlsxReader& r, const StudyState& f, const QString& unit,
                       const QString& kindText) {
  EXPECT_EQ(r.text("A1"), "Μελετητής : " + kDesigner);
  EXPECT_EQ(r.text("A4"), kTitle);
  EXPECT_EQ(r.text("A7"), "Καλοκαίρι : " + kindText);
  EXPECT_CELL(r, "B12", f.EnvDB);
  EXPECT_CELL(r, "B13", f.EnvWB);
  EXPECT_CELL(r, "B14", f.EnvRH);
  EXPECT_CELL(r, "B17", f.SpaDB);
  EXPECT_CELL(r, "B18", f.SpaWB);
  EXPECT_CELL(r, "B19", f.SpaRH);
  EXPECT_CELL(r, "B22", load(f.SensLoad, unit));
  EXPECT_CELL(r, "B23", load(f.LatLoad, unit));
  EXPECT_CELL(r, "B29", f.DB_M);
  EXPECT_CELL(r, "B30", f.WB_M);
  EXPECT_CELL(r, "B31", enthalpy(f.h_M, unit));
  EXPECT_CELL(r, "B34", f.DB_T);
  EXPECT_CELL(r, "B35", f.WB_T);
  EXPECT_CELL(r, "B36", enthalpy(f.h_T, unit));
  EXPECT_CELL(r, "B38", f.FreshFlow);
  EXPECT_CELL(r, "B39", load(f.FreshSensLoad, unit));
  EXPECT_CELL(r, "B40", load(f.FreshLatLoad, unit));
  EXPECT_CELL(r, "B42", load(f.Reheat, unit));
  EXPECT_CELL(r, "B47", f.SupplyFlow);
  EXPECT_CELL(r, "B49", load(f.CoilLoad, unit));
  // No raise: the notes stay empty; a summer study leaves A46 alone.
  EXPECT_FALSE(r.hasValue("A25"));
  EXPECT_FALSE(r.hasValue("A26"));
  EXPECT_FALSE(r.hasValue("A46"));
}

}  // namespace

// The template table: unit system, season and load unit.
TEST(ResultTemplate, ChoiceTable) {
  const struct {
    int metricCode;
    bool winter;
    const char* unit;
    const char* name;
  } cases[] = {
      {1, false, "KCAL", "LD_PS_MS.xlsx"},
      {1, false, "WATT", "LD_PS_MSWa.xlsx"},
      {1, false, "KW", "LD_PS_MSKw.xlsx"},
      {1, false, "RT", "LD_PS_MSRT.xlsx"},
      {32, false, "BTUh", "LD_PS_MSBTUH.xlsx"},
      {1, true, "KCAL", "LD_PS_MW.xlsx"},
      {1, true, "WATT", "LD_PS_MWWa.xlsx"},
      {1, true, "KW", "LD_PS_MWKw.xlsx"},
      {1, true, "RT", "LD_PS_MWRT.xlsx"},
      {32, true, "BTUh", "LD_PS_MWBTUH.xlsx"},
      {0, false, "BTU", "LD_PS_ES.xlsx"},
      {0, true, "BTU", "LD_PS_EW.xlsx"},
      // An English study ignores the load unit.
      {0, false, "WATT", "LD_PS_ES.xlsx"},
      {0, true, "KW", "LD_PS_EW.xlsx"},
  };
  for (const auto& c : cases) {
    StudyState s;
    s.MetricCode = static_cast<int16_t>(c.metricCode);
    s.CoolingProcess = !c.winter;
    s.HeatingProcess = c.winter;
    EXPECT_EQ(resultTemplateName(s, c.unit), c.name) << c.unit << " " << c.winter;
  }
}

// Metric summer in each of the five load units: every cell, in the unit.
TEST_F(ResultWorkbookTest, MetricSummerInEachLoadUnit) {
  const struct {
    const char* unit;
    const char* templ;
  } units[] = {{"KCAL", "LD_PS_MS.xlsx"},
               {"WATT", "LD_PS_MSWa.xlsx"},
               {"KW", "LD_PS_MSKw.xlsx"},
               {"RT", "LD_PS_MSRT.xlsx"},
               {"BTUh", "LD_PS_MSBTUH.xlsx"}};
  for (const auto& u : units) {
    SCOPED_TRACE(u.unit);
    resetStudy();
    study().Title = kTitle;
    ASSERT_EQ(test::runSummerStudy(office(u.unit)), 0);
    const StudyState f = resultsFile();
    ResultWorkbook wb;
    const test::XlsxReader r = fill(u.unit, &wb);
    EXPECT_EQ(wb.templateName, u.templ);
    EXPECT_FALSE(wb.winter);
    expectSummerCells(r, f, u.unit, "Ανάμιξη Αέρα Ανακυκλοφορίας, με Νωπό Αέρα");
    // The office's own figures, by hand (the summer results in kcal).
    EXPECT_CELL(r, "B12", 35.0);
    EXPECT_CELL(r, "B29", 28.1);
    EXPECT_CELL(r, "B31", enthalpy(17.76619, u.unit));
    EXPECT_CELL(r, "B34", 14.7);
    EXPECT_CELL(r, "B47", 2652.0);
    EXPECT_CELL(r, "B39", load(1554.802, u.unit));
    // Loads as typed: 10 kW and 2 kW in the unit.
    const test::SummerStudy typed = office(u.unit);
    EXPECT_NEAR(r.number("B22"), typed.sens, 1e-4 * typed.sens);
    EXPECT_NEAR(r.number("B23"), typed.lat, 1e-4 * typed.lat);
    // Fresh air as an amount: C24 keeps the template's unit.
    EXPECT_CELL(r, "B24", 600.0);
    EXPECT_EQ(r.text("C24"), "[ m³/h ]");
    // No reheat: the supply cells stay empty.
    EXPECT_FALSE(r.hasValue("B44"));
    EXPECT_FALSE(r.hasValue("B45"));
  }
}

// Code 32 keeps °C and kcal/kg and shows the loads in Btu/h: nothing is taken
// for °F (the study holds °C).
TEST_F(ResultWorkbookTest, Code32ShowsBtuLoadsWithCelsius) {
  ASSERT_EQ(test::runSummerStudy(office("BTUh")), 0);
  const StudyState f = resultsFile();
  ASSERT_EQ(f.MetricCode, 32);
  const test::XlsxReader r = fill("BTUh");
  EXPECT_CELL(r, "B12", 35.0);
  EXPECT_CELL(r, "B29", 28.1);
  EXPECT_CELL(r, "B31", 17.76619);
  EXPECT_NEAR(r.number("B22"), 10000 * kWattKcal * kBtuKcal, 0.5);
  EXPECT_CELL(r, "B49", f.CoilLoad * kBtuKcal);
}

// English summer (95/75 °F, room 78/65 °F, 40000 + 8000 Btu/h, 400 CFM): °F,
// Btu/lb, CFM and Btu/h as held; the load unit of the study is ignored.
TEST_F(ResultWorkbookTest, EnglishSummer) {
  test::SummerStudy st;
  st.loadUnit = "BTU";
  st.envDB = 95, st.envWB = 75, st.spaDB = 78, st.spaWB = 65;
  st.sens = 40000, st.lat = 8000, st.fresh = 400;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  const StudyState f = resultsFile();
  ResultWorkbook wb;
  const test::XlsxReader r = fill("WATT", &wb);
  EXPECT_EQ(wb.templateName, "LD_PS_ES.xlsx");
  expectSummerCells(r, f, "KCAL", "Ανάμιξη Αέρα Ανακυκλοφορίας, με Νωπό Αέρα");
  EXPECT_CELL(r, "B12", 95.0);
  EXPECT_CELL(r, "B22", 40000.0);
  EXPECT_CELL(r, "B23", 8000.0);
  EXPECT_CELL(r, "B34", 58.5);
  EXPECT_CELL(r, "B47", 1897.0);
  EXPECT_CELL(r, "B24", 400.0);
  EXPECT_EQ(r.text("C24"), "[ CFM ]");
}

// English summer with reheat (the steep-line case: RSH = RLH = 50000
// Btu/h, 1000 CFM): reheat 60396 Btu/h, after-reheat dry bulb 65.2 °F.
TEST_F(ResultWorkbookTest, ReheatFillsTheSupplyState) {
  test::SummerStudy st;
  st.loadUnit = "BTU";
  st.envDB = 95, st.envWB = 75, st.spaDB = 78, st.spaWB = 65;
  st.sens = 50000, st.lat = 50000, st.fresh = 1000;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  const StudyState f = resultsFile();
  const test::XlsxReader r = fill("BTU");
  EXPECT_NEAR(r.number("B42"), 60396, 1);
  EXPECT_CELL(r, "B44", 65.2);
  EXPECT_CELL(r, "B45", f.WB_S);
  EXPECT_CELL(r, "B34", 49.7);  // the coil outlet, before the reheat
}

// A raise in amount mode: the notes, the new coil outlet, the raised supply,
// reheat with the raise's, the new flow and coil load.
TEST_F(ResultWorkbookTest, RaiseInAmountMode) {
  ASSERT_EQ(test::runSummerStudy(office("KCAL")), 0);
  test::writeAll(fx.path("PSY_VEE.TMP"), summer::raiseRequestBytes(21.0f));
  const summer::RaiseOutcome raise = summer::MakeNewCalc(study());
  ASSERT_TRUE(raise.ok) << raise.error.toStdString();
  const StudyState f = resultsFile();
  const auto& rec = f.CoilOutChange;
  ASSERT_FLOAT_EQ(rec[summer::rec::SupplyDB], 21.0f);
  const test::XlsxReader r = fill("KCAL");
  EXPECT_EQ(r.text("A25"), "Υπάρχει Αύξηση της Θερμοκρασίας Ξ.Θ. Εξόδου του Αέρα από τη Μονάδα,");
  EXPECT_EQ(r.text("A26"), "με επέμβαση του χρήστη");
  EXPECT_CELL(r, "B34", rec[summer::rec::CoilDB]);
  EXPECT_CELL(r, "B35", rec[summer::rec::CoilWB]);
  EXPECT_CELL(r, "B36", rec[summer::rec::CoilH]);
  EXPECT_CELL(r, "B44", 21.0);
  EXPECT_CELL(r, "B45", rec[summer::rec::SupplyWB]);
  EXPECT_CELL(r, "B42", double(f.Reheat) + rec[summer::rec::RaiseReheat]);
  EXPECT_CELL(r, "B47", rec[summer::rec::NewFlow]);
  EXPECT_CELL(r, "B49", rec[summer::rec::NewCoilLoad]);
  // By hand (the raise's own test): reheat 4794.4 kcal/h, flow 5972.1 m³/h.
  EXPECT_NEAR(r.number("B42"), 4794.4, 3);
  EXPECT_NEAR(r.number("B47"), 5972.1, 2);
  EXPECT_EQ(r.text("C24"), "[ m³/h ]");
}

// A raise in per-cent mode: the other notes, "[ % ]" in C24, the per cent in B24.
TEST_F(ResultWorkbookTest, RaiseInPerCentMode) {
  test::SummerStudy st = office("WATT");
  st.freshMode = "P";
  st.fresh = 20;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  test::writeAll(fx.path("PSY_VEE.TMP"), summer::raiseRequestBytes(21.0f));
  ASSERT_TRUE(summer::MakeNewCalc(study()).ok);
  const StudyState f = resultsFile();
  const test::XlsxReader r = fill("WATT");
  EXPECT_EQ(r.text("A25"), "Η Παροχή του Νωπού Αέρα, επί τοις %, είναι μικρότερη της ζητηθείσης,");
  EXPECT_EQ(r.text("A26"),
            "λόγω Αύξησης της Θερμοκρασίας Ξ.Θ. Εξόδου του Αέρα από τη Μονάδα, από τον χρήστη");
  EXPECT_EQ(r.text("C24"), "[ % ]");
  EXPECT_CELL(r, "B24", 20.0);
  EXPECT_CELL(r, "B36", f.CoilOutChange[summer::rec::CoilH] * kKJ);
  EXPECT_CELL(r, "B49", load(f.CoilOutChange[summer::rec::NewCoilLoad], "WATT"));
}

// Metric winter in W (outdoor 0/−2 °C, room 20/12 °C, 10000 W, 300 m³/h, coil
// outlet 45 °C): states M, T (after the coil), S (after the humidifiers).
TEST_F(ResultWorkbookTest, MetricWinter) {
  winter::WinterEntries e;
  e.unitIndex = winter::kUnitWatt;
  e.envDB = 0, e.envWB = -2, e.envRH = 80;
  e.spaDB = 20, e.spaWB = 12, e.spaRH = 40;
  e.load.set(winter::kUnitWatt, 10000);
  e.coilOut = 45;
  e.amount = 300;
  e.title = kTitle;
  winter::ZeroVariables(study());
  winter::CollectInputs(e, study());
  ASSERT_EQ(winter::runWinterStudy(study(), [](float) { return true; }).code, 0);
  const StudyState f = resultsFile();
  ResultWorkbook wb;
  const test::XlsxReader r = fill("WATT", &wb);
  EXPECT_EQ(wb.templateName, "LD_PS_MWWa.xlsx");
  EXPECT_TRUE(wb.winter);
  EXPECT_EQ(r.text("A7"), "Χειμώνας : Ανάμιξη Αέρα Ανακυκλοφορίας, με Νωπό Αέρα");
  EXPECT_CELL(r, "B12", 0.0);
  EXPECT_CELL(r, "B17", 20.0);
  EXPECT_CELL(r, "B22", load(f.SensLoad, "WATT"));
  EXPECT_NEAR(r.number("B22"), 10000, 0.5);
  EXPECT_CELL(r, "B29", f.DB_M);
  EXPECT_CELL(r, "B31", f.h_M * kKJ);
  EXPECT_CELL(r, "B34", f.DB_T);
  EXPECT_CELL(r, "B36", f.h_T * kKJ);
  EXPECT_CELL(r, "B44", 45.0);  // the supply air leaves at the chosen temperature
  EXPECT_CELL(r, "B45", f.WB_S);
  EXPECT_CELL(r, "B42", f.HighHumid[kHighHumidityValues - 1]);  // humidifier water, kg/h
  EXPECT_CELL(r, "B47", f.SupplyFlow);
  EXPECT_CELL(r, "B49", load(f.CoilLoad, "WATT"));
  // Another unit cools in summer: A46 is written empty.
  EXPECT_FALSE(r.hasValue("A46"));
}

// English winter (23/21 °F, room 70/56 °F, 60000 Btu/h, 500 CFM, coil outlet
// 111 °F) with the air flow of the summer fan: A46 says so.
TEST_F(ResultWorkbookTest, EnglishWinterWithTheSummerFan) {
  winter::WinterEntries e;
  e.unitIndex = winter::kUnitBtuF;
  e.envDB = 23, e.envWB = 21, e.envRH = 72.8;
  e.spaDB = 70, e.spaWB = 56, e.spaRH = 40.7;
  e.load.set(winter::kUnitBtuF, 60000);
  e.kindyIndex = winter::kSummerSameUnit;
  e.summerFlow = 1500;
  e.amount = 500;
  e.title = kTitle;
  winter::ZeroVariables(study());
  winter::CollectInputs(e, study());
  ASSERT_EQ(winter::runWinterStudy(study(), [](float) { return true; }).code, 0);
  const StudyState f = resultsFile();
  ResultWorkbook wb;
  const test::XlsxReader r = fill("BTU", &wb);
  EXPECT_EQ(wb.templateName, "LD_PS_EW.xlsx");
  EXPECT_EQ(r.text("A46"), " Η Παροχή του Αέρα, προέρχεται από τον Ανεμιστήρα του Καλοκαιριού");
  EXPECT_CELL(r, "B12", 23.0);
  EXPECT_CELL(r, "B22", 60000.0);
  EXPECT_CELL(r, "B47", 1500.0);
  EXPECT_CELL(r, "B31", f.h_M);
  EXPECT_CELL(r, "B44", f.DB_S);
  EXPECT_CELL(r, "B42", f.HighHumid[kHighHumidityValues - 1] * 2.2046);  // lb/h
  EXPECT_CELL(r, "B49", f.CoilLoad);
}

// The kinds of system in A7.
TEST(ResultWorkbookKind, KindTexts) {
  const struct {
    const char* code;
    const char* text;
  } kinds[] = {{"AAA_NA", "Ανάμιξη Αέρα Ανακυκλοφορίας, με Νωπό Αέρα"},
               {"AA_100", "Ανακυκλοφορία Αέρα, κατά 100%"},
               {"NA_DPF", "100% Νωπός Αέρας, που ΔΕΝ παραλαμβάνει Φορτία"},
               {"NA_PAF", "100% Νωπός Αέρας, που παραλαμβάνει Φορτία"}};
  for (const auto& k : kinds) {
    ResultWorkbookInput in;
    in.results.KindCode = k.code;
    in.results.CoolingProcess = true;
    in.loadUnit = "KCAL";
    const ResultWorkbook wb = WriteResultWorkbook(in);
    const auto a7 = std::find_if(wb.cells.begin(), wb.cells.end(),
                                 [](const CellValue& c) { return c.range == "A7"; });
    ASSERT_NE(a7, wb.cells.end());
    EXPECT_EQ(a7->text, QString("Καλοκαίρι : ") + k.text);
  }
}

// The saved name: the chosen name with the suffix, else the study file's stem
// in "AIRFiles/ASCII/", else nothing.
TEST(SavedWorkbook, NameRule) {
  test::ProgramFolderFixture fx;
  EXPECT_EQ(savedWorkbookPath("/data/Γραφεία", "", false), "/data/Γραφεία_PSS.xlsx");
  EXPECT_EQ(savedWorkbookPath("/data/Γραφεία.xlsx", "", true), "/data/Γραφεία_PSW.xlsx");
  EXPECT_EQ(savedWorkbookPath("/data/old.XLS", "", true), "/data/old_PSW.xlsx");
  EXPECT_EQ(savedWorkbookPath("", "/studies/Κτίριο Α.AIR", false),
            fx.path("AIRFiles/ASCII/Κτίριο Α_PSS.xlsx"));
  EXPECT_EQ(savedWorkbookPath("", "/studies/Κτίριο.WIR", true),
            fx.path("AIRFiles/ASCII/Κτίριο_PSW.xlsx"));
  EXPECT_EQ(savedWorkbookPath("", "", false), "");
  EXPECT_EQ(savedWorkbookPath("", "Escape", false), "");
}

// Saving creates the "ASCII" folder and protects the sheet.
TEST_F(ResultWorkbookTest, SavedUnderTheStudyNameInTheAsciiFolder) {
  ASSERT_EQ(test::runSummerStudy(office("WATT")), 0);
  ResultWorkbookInput in;
  ASSERT_TRUE(resultInputFromProgramFolder(in));
  in.loadUnit = "WATT";
  const ResultWorkbook wb = WriteResultWorkbook(in);
  const QString path = savedWorkbookPath("", "/studies/Office.AIR", false);
  ASSERT_FALSE(QFile::exists(fx.path("AIRFiles/ASCII")));
  ReportWorkbook book;
  ASSERT_EQ(book.open(wb.templateName), ReportWorkbook::Opened);
  ASSERT_TRUE(book.setCells(wb.cells));
  ASSERT_TRUE(book.saveAs(path));
  const test::XlsxReader r(fx.path("AIRFiles/ASCII/Office_PSS.xlsx"));
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.protection().value("sheet"), "1");
  EXPECT_FALSE(r.protection().contains("password"));
}

// A template that is not there is reported as missing, and nothing is written.
TEST(ReportWorkbookOpen, MissingTemplate) {
  test::ProgramFolderFixture fx;
  ReportWorkbook wb;
  EXPECT_EQ(wb.open("LD_PS_MS.xlsx"), ReportWorkbook::Missing);
  test::writeAll(fx.path("LD_PS_MS.xlsx"), "damaged");
  EXPECT_EQ(wb.open("LD_PS_MS.xlsx"), ReportWorkbook::Unreadable);
  EXPECT_FALSE(wb.saveAs(fx.path("out.xlsx")));
  EXPECT_FALSE(QFile::exists(fx.path("out.xlsx")));
}
