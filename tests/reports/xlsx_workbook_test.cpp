// The workbook writer: cell references, numbers without the locale, cells set
// in the sheet XML with everything else of the template kept, the template
// never touched, sheet protection, and files never half-written.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <clocale>
#include <cmath>
#include <limits>

#include "ReportTestSupport.h"
#include "TestSupport.h"
#include "XlsxTestReader.h"
#include "reports/XlsxWorkbook.h"

using namespace aeriton;
using namespace aeriton::reports;

namespace {

QByteArray sha(const QString& path) {
  return QCryptographicHash::hash(test::readAll(path), QCryptographicHash::Sha256);
}

// The result template the tests fill.
const char* const kTemplate = "LD_PS_MSWa.xlsx";

}  // namespace

TEST(CellReference, ParsesOnlyRealCells) {
  const struct {
    const char* ref;
    bool ok;
    int column, row;
  } cases[] = {
      {"A1", true, 1, 1},
      {"B12", true, 2, 12},
      {"b12", true, 2, 12},
      {"AA10", true, 27, 10},
      {"XFD1048576", true, 16384, 1048576},
      {"", false, 0, 0},
      {"A", false, 0, 0},
      {"12", false, 0, 0},
      {"A0", false, 0, 0},
      {"A01", false, 0, 0},
      {"XFE1", false, 0, 0},
      {"A1048577", false, 0, 0},
      {"B-1", false, 0, 0},
      {"B1C", false, 0, 0},
      {"Β12", false, 0, 0},  // a Greek capital beta, not a Latin B
  };
  for (const auto& c : cases) {
    int col = -1, row = -1;
    EXPECT_EQ(parseCellReference(QString::fromUtf8(c.ref), col, row), c.ok) << c.ref;
    if (c.ok) {
      EXPECT_EQ(col, c.column) << c.ref;
      EXPECT_EQ(row, c.row) << c.ref;
      EXPECT_EQ(columnName(col) + QString::number(row), QString::fromUtf8(c.ref).toUpper());
    }
  }
}

TEST(NumberText, ShortestRoundTripWithAPoint) {
  EXPECT_EQ(numberText(24.1), "24.1");
  EXPECT_EQ(numberText(83.735), "83.735");
  EXPECT_EQ(numberText(-2.5), "-2.5");
  EXPECT_EQ(numberText(12345678.9), "12345678.9");
  EXPECT_EQ(numberText(0.0), "0");
  EXPECT_EQ(numberText(-0.0), "0");
  EXPECT_EQ(numberText(2652), "2652");
  EXPECT_EQ(numberText(std::numeric_limits<double>::quiet_NaN()), "0");
  for (double v : {0.1, 1.0 / 3.0, 5814.953612, 1e-7, 3.970923})
    EXPECT_EQ(numberText(v).toDouble(), v) << v;
}

TEST(SingleValue, WritesTheSingleNotItsBinaryTail) {
  EXPECT_EQ(numberText(singleValue(24.1f)), "24.1");
  EXPECT_EQ(numberText(singleValue(17.76619f)), "17.76619");
  EXPECT_EQ(numberText(singleValue(20.0f * 4.18675)), "83.735");
  EXPECT_TRUE(std::isnan(singleValue(std::numeric_limits<double>::quiet_NaN())));
}

class XlsxFill : public ::testing::Test {
 protected:
  void SetUp() override { test::copyTemplates({kTemplate}); }
  QString out(const QString& name) const { return fx.path(name); }
  test::ProgramFolderFixture fx;
};

// Numbers, texts, a number format and an empty text go into the sheet; the
// cells keep the template's styles; the template file stays as it was.
TEST_F(XlsxFill, SetsCellsAndKeepsTheTemplate) {
  const QString tpl = fx.path(kTemplate);
  const QByteArray before = sha(tpl);
  const test::XlsxReader original(tpl);
  ASSERT_TRUE(original.ok());

  XlsxWorkbook wb;
  QString error;
  ASSERT_TRUE(wb.open(tpl, &error)) << error.toStdString();
  EXPECT_EQ(wb.sheetPart(), "xl/worksheets/sheet1.xml");
  CellMap cells;
  setNumber(cells, "B12", 35.0);
  setSingle(cells, "B13", 24.1f);
  setText(cells, "A4", QStringLiteral("Γραφεία Β΄ ορόφου & αποθήκες <Α>"));
  setText(cells, "A25", QStringLiteral("  με κενά  "));
  setNumber(cells, "B22", 11627.9, QStringLiteral("#,##0.000"));
  setNumber(cells, "B23", 2325.6, QStringLiteral("#,##0.000"));  // the same new style again
  setText(cells, "A1", QString());
  ASSERT_TRUE(wb.setCells(cells, &error)) << error.toStdString();
  ASSERT_TRUE(wb.save(out("filled.xlsx"), &error)) << error.toStdString();

  EXPECT_EQ(sha(tpl), before);
  const test::XlsxReader r(out("filled.xlsx"));
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.cell("B12").type, test::SheetCell::Number);
  EXPECT_EQ(r.cell("B12").raw, "35");
  EXPECT_EQ(r.cell("B13").raw, "24.1");
  EXPECT_EQ(r.text("A4"), QStringLiteral("Γραφεία Β΄ ορόφου & αποθήκες <Α>"));
  EXPECT_EQ(r.text("A25"), QStringLiteral("  με κενά  "));
  EXPECT_FALSE(r.hasValue("A1"));
  // Styles of the template's cells are kept; a number format gets a style of its own.
  EXPECT_EQ(r.cell("B12").style, original.cell("B12").style);
  EXPECT_EQ(r.cell("A1").style, original.cell("A1").style);
  EXPECT_EQ(r.numberFormat("B12"), original.numberFormat("B12"));
  EXPECT_EQ(r.numberFormat("B22"), "#,##0.000");
  EXPECT_EQ(r.cell("B22").style, r.cell("B23").style);
  EXPECT_NE(r.cell("B22").style, original.cell("B22").style);
  // The other cells, the merged ranges and every other part are the template's.
  EXPECT_EQ(r.text("A12"), original.text("A12"));
  EXPECT_EQ(r.text("C22"), original.text("C22"));
  EXPECT_EQ(r.mergedRanges(), original.mergedRanges());
  for (const QString& part : original.parts()) {
    if (part == r.sheetName() || part == "xl/styles.xml") continue;
    EXPECT_EQ(r.part(part), original.part(part)) << part.toStdString();
  }
  EXPECT_EQ(r.parts(), original.parts());
}

// A cell beyond the template's used range is created in row and column order
// and widens the sheet's dimension.
TEST_F(XlsxFill, NewCellsGoInOrder) {
  XlsxWorkbook wb;
  ASSERT_TRUE(wb.open(fx.path(kTemplate)));
  CellMap cells;
  setNumber(cells, "E60", 1);
  setNumber(cells, "D60", 2);
  setNumber(cells, "D2", 3);
  ASSERT_TRUE(wb.setCells(cells));
  const QByteArray xml = wb.part(wb.sheetPart());
  EXPECT_LT(xml.indexOf("r=\"D60\""), xml.indexOf("r=\"E60\""));
  EXPECT_LT(xml.indexOf("<row r=\"2\""), xml.indexOf("<row r=\"3\""));
  EXPECT_LT(xml.indexOf("<row r=\"51\""), xml.indexOf("<row r=\"60\""));
  EXPECT_TRUE(xml.contains("<dimension ref=\"A1:E60\"/>")) << xml.left(400).toStdString();
  QByteArray bytes;
  ASSERT_TRUE(wb.toBytes(bytes));
  const test::XlsxReader r(bytes);
  EXPECT_EQ(r.number("D60"), 2);
  EXPECT_EQ(r.number("E60"), 1);
  EXPECT_EQ(r.number("D2"), 3);
}

// A bad reference is refused and named; nothing is set for it.
TEST_F(XlsxFill, RefusesABadReference) {
  XlsxWorkbook wb;
  ASSERT_TRUE(wb.open(fx.path(kTemplate)));
  CellMap cells;
  setNumber(cells, "B12", 1);
  setNumber(cells, "12B", 2);
  QString error;
  EXPECT_FALSE(wb.setCells(cells, &error));
  EXPECT_TRUE(error.contains("12B"));
}

// Saving protects the sheet without a password: objects, contents, scenarios;
// the template's own (password) protection is replaced, in its place.
TEST_F(XlsxFill, ProtectionWithoutPassword) {
  const test::XlsxReader original(fx.path(kTemplate));
  ASSERT_TRUE(original.protectedSheet());
  EXPECT_TRUE(original.protection().contains("password"));

  XlsxWorkbook wb;
  ASSERT_TRUE(wb.open(fx.path(kTemplate)));
  wb.protectSheet();
  ASSERT_TRUE(wb.save(out("protected.xlsx")));
  const test::XlsxReader r(out("protected.xlsx"));
  const QMap<QString, QString> expected = {{"sheet", "1"}, {"objects", "1"}, {"scenarios", "1"}};
  EXPECT_EQ(r.protection(), expected);
  const QByteArray xml = r.part(r.sheetName());
  EXPECT_EQ(xml.count("<sheetProtection"), 1);
  EXPECT_LT(xml.indexOf("</sheetData>"), xml.indexOf("<sheetProtection"));
  EXPECT_LT(xml.indexOf("<sheetProtection"), xml.indexOf("<mergeCells"));
}

// A sheet without protection gets it before the elements that follow it.
TEST(XlsxProtect, InsertsInSchemaOrder) {
  // A minimal package: workbook, relationships, one sheet with merged cells.
  XlsxWorkbook base;
  test::ProgramFolderFixture fx;
  test::copyTemplates({"PS_i.xlsx"});
  ASSERT_TRUE(base.open(fx.path("PS_i.xlsx")));
  QByteArray bytes;
  ASSERT_TRUE(base.toBytes(bytes));
  // Drop the template's protection by rewriting the sheet through the reader.
  test::XlsxReader tpl(bytes);
  QByteArray sheet = tpl.part(tpl.sheetName());
  const int from = sheet.indexOf("<sheetProtection");
  ASSERT_GE(from, 0);
  sheet.remove(from, sheet.indexOf("/>", from) + 2 - from);
  ASSERT_EQ(sheet.indexOf("<sheetProtection"), -1);
  // Build a package with that sheet (same parts otherwise) via libzip.
  zip_error_t err;
  zip_error_init(&err);
  zip_source_t* mem = zip_source_buffer_create(nullptr, 0, 0, &err);
  zip_t* za = zip_open_from_source(mem, ZIP_TRUNCATE, &err);
  zip_source_keep(mem);
  std::vector<QByteArray> keep;
  for (const QString& name : tpl.parts()) {
    keep.push_back(name == tpl.sheetName() ? sheet : tpl.part(name));
    zip_file_add(za, name.toUtf8().constData(),
                 zip_source_buffer(za, keep.back().constData(), keep.back().size(), 0), 0);
  }
  ASSERT_EQ(zip_close(za), 0);
  zip_stat_t st;
  zip_source_stat(mem, &st);
  QByteArray pkg(static_cast<qsizetype>(st.size), '\0');
  zip_source_open(mem);
  zip_source_read(mem, pkg.data(), st.size);
  zip_source_close(mem);
  zip_source_free(mem);
  zip_error_fini(&err);

  XlsxWorkbook wb;
  ASSERT_TRUE(wb.openBytes(pkg));
  wb.protectSheet();
  const QByteArray xml = wb.part(wb.sheetPart());
  EXPECT_LT(xml.indexOf("</sheetData>"), xml.indexOf("<sheetProtection"));
  EXPECT_LT(xml.indexOf("<sheetProtection"), xml.indexOf("<mergeCells"));
  EXPECT_TRUE(xml.contains("<sheetProtection sheet=\"1\" objects=\"1\" scenarios=\"1\"/>"));
}

// Greek regional settings (decimal comma) change nothing in the file.
TEST_F(XlsxFill, NumbersIgnoreTheLocale) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string oldLocale = old ? old : "C";
  std::setlocale(LC_NUMERIC, "el_GR.UTF-8");
  XlsxWorkbook wb;
  ASSERT_TRUE(wb.open(fx.path(kTemplate)));
  CellMap cells;
  setSingle(cells, "B12", 24.1f);
  setNumber(cells, "B13", 1234567.25);
  ASSERT_TRUE(wb.setCells(cells));
  const QByteArray xml = wb.part(wb.sheetPart());
  std::setlocale(LC_NUMERIC, oldLocale.c_str());
  QLocale::setDefault(saved);
  EXPECT_TRUE(xml.contains("<v>24.1</v>"));
  EXPECT_TRUE(xml.contains("<v>1234567.25</v>"));
}

TEST(XlsxOpen, RefusesWhatIsNoWorkbook) {
  test::ProgramFolderFixture fx;
  XlsxWorkbook wb;
  QString error;
  EXPECT_FALSE(wb.open(fx.path("missing.xlsx"), &error));
  EXPECT_FALSE(error.isEmpty());
  test::writeAll(fx.path("text.xlsx"), "not a zip at all");
  EXPECT_FALSE(wb.open(fx.path("text.xlsx"), &error));
  EXPECT_FALSE(wb.isOpen());
  // A zip that holds no workbook.
  zip_error_t err;
  zip_error_init(&err);
  zip_t* za = zip_open(fx.path("other.zip").toUtf8().constData(), ZIP_CREATE, nullptr);
  const char data[] = "hello";
  zip_file_add(za, "readme.txt", zip_source_buffer(za, data, 5, 0), 0);
  zip_close(za);
  zip_error_fini(&err);
  EXPECT_FALSE(wb.open(fx.path("other.zip"), &error));
  EXPECT_TRUE(error.contains("workbook"));
}

// A file that cannot be written leaves nothing behind; an existing file is
// replaced whole.
TEST_F(XlsxFill, NeverHalfWritten) {
  XlsxWorkbook wb;
  ASSERT_TRUE(wb.open(fx.path(kTemplate)));
  test::writeAll(fx.path("blocker"), "a file, not a folder");
  QString error;
  EXPECT_FALSE(wb.save(fx.path("blocker/out.xlsx"), &error));
  EXPECT_FALSE(error.isEmpty());
  test::writeAll(fx.path("old.xlsx"), "old contents");
  ASSERT_TRUE(wb.save(fx.path("old.xlsx")));
  EXPECT_TRUE(test::XlsxReader(fx.path("old.xlsx")).ok());
  const QStringList left = QDir(fx.folder()).entryList(QDir::Files);
  for (const QString& f : left) EXPECT_FALSE(f.contains(".xlsx.")) << f.toStdString();
}
