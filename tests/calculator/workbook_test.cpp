// The calculator's workbook cells, every one, for a metric and an English
// study, with the designer chosen for the run.

#include <gtest/gtest.h>

#include <map>

#include "TestSupport.h"
#include "calculator/PsCalc.h"
#include "calculator/PsWorkbook.h"
#include "engine/NumberEntry.h"
#include "register/Designer.h"

using namespace aeriton;
using namespace aeriton::calculator;

namespace {

struct Cell {
  bool isNumber;
  double number;
  QString text;
  QString format;
};

std::map<QString, Cell> byRange(const reports::CellMap& cells) {
  std::map<QString, Cell> out;
  for (const auto& c : cells) {
    EXPECT_EQ(out.count(c.range), 0u) << "written twice: " << c.range.toStdString();
    out[c.range] = Cell{c.isNumber, c.number, c.text, c.numberFormat};
  }
  return out;
}

class WorkbookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setSeparators(Separators{'.', ','});
    designer::choose(QString::fromUtf8("  Γ. Παπαδόπουλος, Μηχ. Μηχανικός  "));
  }
  void TearDown() override { designer::choose(QString()); }
  void expectText(const std::map<QString, Cell>& m, const char* range, const QString& text) {
    auto it = m.find(QLatin1String(range));
    ASSERT_NE(it, m.end()) << range;
    EXPECT_FALSE(it->second.isNumber) << range;
    EXPECT_EQ(it->second.text, text) << range;
  }
  void expectNumber(const std::map<QString, Cell>& m, const char* range, double v, double tol,
                    const QString& format = QString()) {
    auto it = m.find(QLatin1String(range));
    ASSERT_NE(it, m.end()) << range;
    EXPECT_TRUE(it->second.isNumber) << range;
    EXPECT_NEAR(it->second.number, v, tol) << range;
    EXPECT_EQ(it->second.format, format) << range;
  }
  test::ProgramFolderFixture folder;
};

TEST_F(WorkbookTest, MetricStudyEveryCell) {
  CalcForm f;
  newStudy(f);
  f.text[kFlow] = "1,000.00";
  chooseRelHumidity(f, true);
  f.text[kTDBin] = "20.00";
  f.text[kRHin] = "30.00";
  chooseRelHumidity(f, false);
  f.text[kTDBout] = "22.00";
  f.text[kRHout] = "50.00";
  f.title = QString::fromUtf8("Αίθουσα Α, ύγρανση");
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);

  const auto cells = printCells(f, designer::current());
  const auto m = byRange(cells);
  EXPECT_EQ(m.size(), 31u);
  expectText(m, "A2", QString::fromUtf8("Γ. Παπαδόπουλος, Μηχ. Μηχανικός"));
  expectText(m, "A5", QString::fromUtf8("Αίθουσα Α, ύγρανση"));
  expectText(m, "A9", QString::fromUtf8("Ψυχρομετρικοί Υπολογισμοί Χειμώνα"));
  expectNumber(m, "B12", 1000, 1e-3);
  expectNumber(m, "B15", 20, 1e-4);
  expectNumber(m, "B16", 10.882, 1e-3);
  expectNumber(m, "B17", 30, 1e-4);  // per cent, as given
  expectNumber(m, "B18", 4.3371, 1e-3);
  expectNumber(m, "B19", 11.6957, 1e-3);  // 21.052 Btu/lb × 0.555556
  expectNumber(m, "B22", 22, 1e-4);
  expectNumber(m, "B23", 15.4407, 1e-3);
  expectNumber(m, "B24", 50, 1e-4);
  expectNumber(m, "B25", 8.2257, 1e-3);
  expectNumber(m, "B26", 14.5402, 1e-3);
  // kcal/h as shown, heat put into the air negative; the total is the sum.
  expectNumber(m, "B28", -575.95, 1e-3, "#,##0");
  expectNumber(m, "B29", -2741.94, 1e-2, "#,##0");
  expectNumber(m, "B30", -3317.89, 1e-2, "#,##0");
  expectText(m, "C12", " [m³/h]");
  for (const char* c : {"C15", "C16", "C22", "C23"}) expectText(m, c, " [°C]");
  for (const char* c : {"C17", "C24"}) expectText(m, c, " [%]");
  for (const char* c : {"C18", "C25"}) expectText(m, c, " [g/Kg]");
  for (const char* c : {"C19", "C26"}) expectText(m, c, " [Kcal/Kg]");
  for (const char* c : {"C28", "C29", "C30"}) expectText(m, c, " [Kcal/h]");

  // Watts, kW, and enthalpies in kJ/kg as shown.
  showLoadUnit(f, LoadUnit::Watts);
  switchEnthalpyUnit(f);
  auto w = byRange(printCells(f, designer::current()));
  expectNumber(w, "B28", -669.82, 0.01, "#,##0");
  expectNumber(w, "B29", -3188.84, 0.01, "#,##0");
  expectNumber(w, "B30", -3858.66, 0.01, "#,##0");
  expectText(w, "C30", " [Watts]");
  expectNumber(w, "B19", 48.99, 1e-4);
  expectNumber(w, "B26", 60.88, 1e-4);
  expectText(w, "C19", " [KJ/Kg]");
  showLoadUnit(f, LoadUnit::KW);
  auto k = byRange(printCells(f, designer::current()));
  expectNumber(k, "B28", -0.66982, 1e-4, "#,##0.00");
  expectNumber(k, "B30", -3.85867, 1e-4, "#,##0.00");
  expectText(k, "C28", " [Kw]");
}

TEST_F(WorkbookTest, EnglishStudyEveryCell) {
  CalcForm f;
  newStudy(f);
  switchUnits(f, false);
  f.text[kFlow] = "1,000.00";
  chooseWetBulb(f, true);
  f.text[kTDBin] = "80.00";
  f.text[kTWBin] = "67.00";
  chooseRelHumidity(f, false);
  f.text[kTDBout] = "60.00";
  f.text[kRHout] = "90.00";
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);

  const auto m = byRange(printCells(f, designer::current()));
  EXPECT_EQ(m.size(), 31u);
  expectText(m, "A2", QString::fromUtf8("Γ. Παπαδόπουλος, Μηχ. Μηχανικός"));
  expectText(m, "A5", QString());
  expectText(m, "A9", QString::fromUtf8("Ψυχρομετρικοί Υπολογισμοί Καλοκαιριού"));
  expectNumber(m, "B12", 1000, 1e-4);
  expectNumber(m, "B15", 80, 1e-4);
  expectNumber(m, "B16", 67, 1e-4);
  expectNumber(m, "B17", 51.0148, 1e-3);
  expectNumber(m, "B18", 78.0538, 1e-3);
  expectNumber(m, "B19", 31.4266, 1e-3);
  expectNumber(m, "B22", 60, 1e-4);
  expectNumber(m, "B23", 58.2142, 1e-3);
  expectNumber(m, "B24", 90, 1e-4);
  expectNumber(m, "B25", 69.4429, 1e-3);
  expectNumber(m, "B26", 25.2035, 1e-3);
  expectNumber(m, "B28", 21600, 1e-3, "#,##0");
  expectNumber(m, "B29", 5855.45, 0.01, "#,##0");
  expectNumber(m, "B30", 27455.45, 0.01, "#,##0");
  expectText(m, "C12", " [CFM]");
  for (const char* c : {"C15", "C16", "C22", "C23"}) expectText(m, c, " [°F]");
  for (const char* c : {"C17", "C24"}) expectText(m, c, " [%]");
  for (const char* c : {"C18", "C25"}) expectText(m, c, " [Grains/Lib]");
  for (const char* c : {"C19", "C26"}) expectText(m, c, " [Btu/Lib]");
  for (const char* c : {"C28", "C29", "C30"}) expectText(m, c, " [Btu/h]");
}

TEST_F(WorkbookTest, TemplateNameIsRecognisedInAnyCase) {
  EXPECT_TRUE(isTemplateName("/home/x/PSFiles/XLFiles/PS_i.xlsx"));
  EXPECT_TRUE(isTemplateName("ps_I.XLSX"));
  EXPECT_FALSE(isTemplateName("/home/x/PS_i.xlsx.bak"));
  EXPECT_FALSE(isTemplateName("PS_ii.xlsx"));
}

}  // namespace
