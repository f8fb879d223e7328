// The process diagrams: which diagram a study gets, the texts of its fields,
// and the diagram workbooks filled from real calculations and read back.
#include <gtest/gtest.h>

#include "ReportTestSupport.h"
#include "TestSupport.h"
#include "XlsxTestReader.h"
#include "engine/NumberEntry.h"
#include "reports/DiagramWorkbook.h"
#include "study/ExchangeFiles.h"
#include "summer/Raise.h"
#include "summer/results_study.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRun.h"

using namespace aeriton;
using namespace aeriton::reports;

namespace {

StudyState resultsFile() {
  StudyState s;
  EXPECT_TRUE(readResultsFileAt(appfolder::path("PSY_RES.TMP"), s).ok);
  return s;
}

test::SummerStudy office() {
  test::SummerStudy st;
  st.loadUnit = "KCAL";
  st.envDB = 35, st.envWB = 24, st.spaDB = 26, st.spaWB = 18.5f;
  st.sens = 8598.55f, st.lat = 1719.71f, st.fresh = 600;
  return st;
}

// Metric winter: outdoor 0/−2 °C, room 20/12 °C, 10000 W, 300 m³/h, 45 °C.
void runMetricWinter(int unitIndex) {
  winter::WinterEntries e;
  e.unitIndex = unitIndex;
  e.envDB = 0, e.envWB = -2, e.envRH = 80;
  e.spaDB = 20, e.spaWB = 12, e.spaRH = 40;
  e.load.set(unitIndex, unitIndex == winter::kUnitWatt ? 10000 : 8600);
  e.coilOut = 45;
  e.amount = 300;
  e.title = "Κατοικία";
  winter::ZeroVariables(study());
  winter::CollectInputs(e, study());
  ASSERT_EQ(winter::runWinterStudy(study(), [](float) { return true; }).code, 0);
}

const QString kDesigner = QStringLiteral("Μ. Ιωάννου");

class DiagramTest : public ::testing::Test {
 protected:
  void SetUp() override { test::copyTemplates({"W_HU.xlsx", "S_RN.xlsx", "S_RY.xlsx"}); }
  test::XlsxReader fill(const DiagramData& d, const CellMap& cells) {
    return test::fillAndRead(diagramTemplateName(d.kind), cells, fx.path("diagram.xlsx"));
  }
  test::ProgramFolderFixture fx;
};

}  // namespace

// Winter: humidification; summer: reheat when there is reheat (or a raise, or
// a supply state of its own), else without.
TEST(DiagramKind, ChoiceFromTheResults) {
  StudyState s;
  s.HeatingProcess = true;
  EXPECT_EQ(diagramKindFor(s), DiagramKind::Hum);
  s = StudyState();
  s.CoolingProcess = true;
  s.DB_T = 14.7f;
  s.DB_S = kNotComputed;
  s.CoilOutChange.fill(kNotComputed);
  s.CoilOutChange[10] = s.CoilOutChange[11] = s.CoilOutChange[12] = 0;
  EXPECT_EQ(diagramKindFor(s), DiagramKind::NoHum);
  s.Reheat = 1200;
  EXPECT_EQ(diagramKindFor(s), DiagramKind::Reh);
  s.Reheat = 0;
  s.CoilOutChange[0] = 21.0f;  // a raise
  s.CoilOutChange[10] = 4794.4f;
  EXPECT_EQ(diagramKindFor(s), DiagramKind::Reh);
  s.CoilOutChange[0] = kNotComputed;
  s.CoilOutChange[10] = 0;
  // Supply state set, different from the coil outlet, no reheat: the open case.
  s.DB_S = 16.0f;
  EXPECT_EQ(diagramKindFor(s), DiagramKind::Reh);
  s.DB_S = 14.7f;  // the same as the coil outlet: nothing in between
  EXPECT_EQ(diagramKindFor(s), DiagramKind::NoHum);
  EXPECT_EQ(diagramTemplateName(DiagramKind::Hum), "W_HU.xlsx");
  EXPECT_EQ(diagramTemplateName(DiagramKind::NoHum), "S_RN.xlsx");
  EXPECT_EQ(diagramTemplateName(DiagramKind::Reh), "S_RY.xlsx");
}

// A metric winter study in W: enthalpies in kJ/kg with three decimals; an
// enthalpy held as 20.00 kcal/kg shows 83.735 [KJ/Kg] and is written as
// 83.735 with "[KJ/Kg]" below it.
TEST_F(DiagramTest, WinterInWattsShowsKilojoules) {
  runMetricWinter(winter::kUnitWatt);
  StudyState f = resultsFile();
  f.h_M = 20.0f;
  const DiagramData d = diagramData(f, "WATT");
  ASSERT_EQ(d.kind, DiagramKind::Hum);
  EXPECT_EQ(d.enthalpyUnit, EnthalpyUnit::KJKg);
  setSeparators({'.', ','});
  const PointTexts m = pointTexts(d, d.M);
  EXPECT_TRUE(m.h.endsWith("83.735 [KJ/Kg]")) << m.h.toStdString();
  EXPECT_TRUE(m.db.endsWith(" [°C]"));

  const test::XlsxReader r = fill(d, Print_By_Excel_Hum(d, kDesigner, "Κατοικία"));
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.text("B3"), "Μελετητής : Μ. Ιωάννου");
  EXPECT_EQ(r.text("B6"), "Κατοικία");
  EXPECT_EQ(r.cell("D25").raw, "83.735");
  EXPECT_EQ(r.text("D26"), "[KJ/Kg]");
  // M in B, D; T in H, J; S in N, P: row 18 dry and wet bulbs.
  EXPECT_NEAR(r.number("B18"), f.DB_M, 1e-5);
  EXPECT_NEAR(r.number("D18"), f.WB_M, 1e-5);
  EXPECT_NEAR(r.number("H18"), f.DB_T, 1e-5);
  EXPECT_NEAR(r.number("J18"), f.WB_T, 1e-5);
  EXPECT_NEAR(r.number("N18"), 45.0, 1e-5);
  EXPECT_NEAR(r.number("P18"), f.WB_S, 1e-5);
  EXPECT_NEAR(r.number("J25"), f.h_T * 4.18675, 1e-4);
  EXPECT_NEAR(r.number("P25"), f.h_S * 4.18675, 1e-4);
  // A metric study leaves the temperature units as the template has them.
  EXPECT_EQ(r.text("B19"), "[ °C ]");
  EXPECT_EQ(r.text("P19"), "[ °C ]");
}

// kcal/h leaves the enthalpy unit cells alone; values as held.
TEST_F(DiagramTest, WinterInKcalKeepsTheTemplateUnits) {
  runMetricWinter(winter::kUnitKcal);
  const StudyState f = resultsFile();
  const DiagramData d = diagramData(f, "KCAL");
  EXPECT_EQ(d.enthalpyUnit, EnthalpyUnit::KcalKg);
  const CellMap cells = Print_By_Excel_Hum(d, kDesigner, "Κατοικία");
  const test::XlsxReader r = fill(d, cells);
  EXPECT_NEAR(r.number("D25"), f.h_M, 1e-5);
  EXPECT_EQ(r.text("D26"), "[Kcal/Kg]");  // the template's own text
  for (const CellValue& c : cells) EXPECT_NE(c.range.right(2), "26") << c.range.toStdString();
}

// The summer diagram without reheat writes M (E, G) and T (K, M) only.
TEST_F(DiagramTest, SummerWithoutReheatWritesNoSupplyState) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  const StudyState f = resultsFile();
  const DiagramData d = diagramData(f, "KCAL");
  ASSERT_EQ(d.kind, DiagramKind::NoHum);
  const CellMap cells = Print_By_Excel_NoHum(d, kDesigner, "Γραφεία");
  const QStringList written = [&] {
    QStringList l;
    for (const CellValue& c : cells) l << c.range;
    return l;
  }();
  EXPECT_EQ(written, QStringList({"B3", "B6", "E18", "G18", "G25", "K18", "M18", "M25"}));
  const test::XlsxReader r = fill(d, cells);
  EXPECT_NEAR(r.number("E18"), 28.1, 1e-5);
  EXPECT_NEAR(r.number("G25"), 17.76619, 1e-5);
  EXPECT_NEAR(r.number("K18"), 14.7, 1e-5);
  EXPECT_NEAR(r.number("M18"), f.WB_T, 1e-5);
  EXPECT_FALSE(r.hasValue("N18"));
  EXPECT_FALSE(r.hasValue("P25"));
}

// English: "[ °F ]" under every temperature, "[Btu/Lb]" under every enthalpy,
// Btu/lb shown with two decimals.
TEST_F(DiagramTest, EnglishReheatWritesEnglishUnits) {
  test::SummerStudy st;
  st.loadUnit = "BTU";
  st.envDB = 95, st.envWB = 75, st.spaDB = 78, st.spaWB = 65;
  st.sens = 50000, st.lat = 50000, st.fresh = 1000;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  const StudyState f = resultsFile();
  const DiagramData d = diagramData(f, "BTU");
  ASSERT_EQ(d.kind, DiagramKind::Reh);
  EXPECT_TRUE(d.english);
  const test::XlsxReader r = fill(d, Print_By_Excel_Reh(d, kDesigner, "Γραφεία"));
  for (const char* c : {"B19", "D19", "H19", "J19", "N19", "P19"})
    EXPECT_EQ(r.text(c), "[ °F ]") << c;
  for (const char* c : {"D26", "J26", "P26"}) EXPECT_EQ(r.text(c), "[Btu/Lb]") << c;
  EXPECT_EQ(r.numberFormat("D25"), "0.00");
  EXPECT_NEAR(r.number("H18"), 49.7, 1e-5);  // T after the cooling coil
  EXPECT_NEAR(r.number("N18"), 65.2, 1e-5);  // S after the reheat
  EXPECT_NEAR(r.number("P25"), 23.59, 1e-5);
  setSeparators({'.', ','});
  EXPECT_EQ(pointTexts(d, d.S).h, "23.59 [Btu/Lb]");
  EXPECT_EQ(pointTexts(d, d.S).db, "65.2 [°F]");
}

// A raised supply: the reheat diagram with the new coil outlet as T and the
// raised supply air as S.
TEST_F(DiagramTest, RaisedSupplyShowsTheNewStates) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  test::writeAll(fx.path("PSY_VEE.TMP"), summer::raiseRequestBytes(21.0f));
  ASSERT_TRUE(summer::MakeNewCalc(study()).ok);
  const StudyState f = resultsFile();
  const DiagramData d = diagramData(f, "KCAL");
  ASSERT_EQ(d.kind, DiagramKind::Reh);
  EXPECT_FLOAT_EQ(d.T.db, f.CoilOutChange[summer::rec::CoilDB]);
  EXPECT_FLOAT_EQ(d.S.db, 21.0f);
  EXPECT_FLOAT_EQ(d.S.h, f.CoilOutChange[summer::rec::SupplyH]);
  const test::XlsxReader r = fill(d, Print_By_Excel_Reh(d, kDesigner, "Γραφεία"));
  EXPECT_NEAR(r.number("N18"), 21.0, 1e-5);
  EXPECT_NEAR(r.number("H18"), f.CoilOutChange[summer::rec::CoilDB], 1e-5);
}

// The field texts follow the user's separators and the rounding of the screen.
TEST(DiagramTexts, RoundingAndSeparators) {
  DiagramData d;
  d.enthalpyUnit = EnthalpyUnit::KcalKg;
  AirPoint p;
  p.db = 24.25, p.wb = 17.04, p.h = 1234.5675;
  setSeparators({',', '.'});  // Greek regional settings
  PointTexts t = pointTexts(d, p);
  setSeparators({'.', ','});
  // Half up: 24.25 -> 24.3; 1234.5675 -> 1234.57 -> 1234.570.
  EXPECT_EQ(t.db, "24,3 [°C]");
  EXPECT_EQ(t.wb, "17,0 [°C]");
  EXPECT_EQ(t.h, "1.234,570 [Kcal/Kg]");
  p.shown = false;
  EXPECT_TRUE(pointTexts(d, p).db.isEmpty());
}
