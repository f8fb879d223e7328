// The user manual: the built "Aeriton.pdf" is a PDF with Greek text, its
// contents and fonts in place; and every figure of its worked examples is what
// the program itself shows for the example studies (manual/examples/), so a
// change of the calculation that the manual does not follow fails here.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "engine/NumberEntry.h"
#include "engine/Psychro.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/Raise.h"
#include "summer/ResultsView.h"
#include "summer/SummerRun.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

const QString kManualDir = QStringLiteral(AERITON_MANUAL_DIR);
const QString kPdf = QStringLiteral(AERITON_MANUAL_PDF);

QByteArray readFile(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
  return f.readAll();
}

QString markdown() {
  static const QString text = QString::fromUtf8(readFile(kManualDir + "/Aeriton.md"));
  return text;
}

struct ToolRun {
  int exitCode = -1;
  QByteArray out;
};

ToolRun run(const QString& program, const QStringList& args) {
  ToolRun r;
  const QString exe = QStandardPaths::findExecutable(program);
  if (exe.isEmpty() && !QFile::exists(program)) {
    ADD_FAILURE() << program.toStdString()
                  << " not found (scripts/setup.sh installs poppler-utils)";
    return r;
  }
  QProcess p;
  p.start(exe.isEmpty() ? program : exe, args);
  EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
  r.exitCode = p.exitCode();
  r.out = p.readAllStandardOutput();
  return r;
}

// The manual quotes figures as the screens show them under Greek regional
// settings: decimal comma, thousands point.
class GreekFigures : public ::testing::Test {
 protected:
  void SetUp() override { setSeparators(Separators{',', '.'}); }
  void TearDown() override { setSeparators(Separators{'.', ','}); }

  static void expectQuoted(const QString& figure, const char* what) {
    EXPECT_TRUE(markdown().contains(figure))
        << what << ": the manual should quote " << figure.toStdString();
  }

  // The study of an example file, as the results screen reads it: calculated
  // (`calc`, the run's own state), written to the results file and read back.
  static StudyState example(const char* file, StudyState* calc = nullptr) {
    StudyState run;
    const RunOutcome outcome =
        calculateData(readFile(kManualDir + "/examples/" + file), run, [](int) { return true; });
    EXPECT_TRUE(outcome.ok()) << file;
    StudyState shown;
    EXPECT_TRUE(readResultsFile(resultsFileBytes(run), shown)) << file;
    if (calc) *calc = run;
    return shown;
  }
};

}  // namespace

// The PDF is there, is a PDF, reads in Greek, has the title page, the contents
// and every chapter of the Markdown, and embeds its fonts.
TEST(ManualPdf, IsAGreekPdfWithContentsAndEmbeddedFonts) {
  const QByteArray pdf = readFile(kPdf);
  ASSERT_TRUE(pdf.startsWith("%PDF-")) << kPdf.toStdString();

  const ToolRun text =
      run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), kPdf, QStringLiteral("-")});
  ASSERT_EQ(text.exitCode, 0);
  // pdftotext separates words by layout; compare with single spaces.
  const QString plain = QString::fromUtf8(text.out).simplified();
  for (const char* phrase :
       {"Ψυχρομετρικοί Υπολογισμοί Κεντρικής Κλιματιστικής Μονάδας", "Εγχειρίδιο Χρήσης",
        "Περιεχόμενα", "εξίσωση του Carrier", "σημείο δρόσου της μονάδας", "Έκδοση"})
    EXPECT_TRUE(plain.contains(QString::fromUtf8(phrase))) << phrase;

  // Every chapter appears twice: in the contents and as its own heading.
  const QRegularExpression chapter(QStringLiteral("^# (.+)$"), QRegularExpression::MultilineOption);
  int chapters = 0;
  for (auto it = chapter.globalMatch(markdown()); it.hasNext(); ++chapters) {
    const QString heading = it.next().captured(1).trimmed();
    EXPECT_GE(plain.count(heading), 2) << heading.toStdString();
  }
  EXPECT_GE(chapters, 15);

  const ToolRun info = run(QStringLiteral("pdfinfo"), {kPdf});
  ASSERT_EQ(info.exitCode, 0);
  const QRegularExpressionMatch pages =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(info.out));
  ASSERT_TRUE(pages.hasMatch());
  EXPECT_GE(pages.captured(1).toInt(), chapters + 2);  // title page, contents, a page per chapter

  // Fonts: the DejaVu families, every one embedded (a reader without them
  // must still show the Greek text).
  const ToolRun fonts = run(QStringLiteral("pdffonts"), {kPdf});
  ASSERT_EQ(fonts.exitCode, 0);
  const QStringList rows = QString::fromUtf8(fonts.out).split('\n', Qt::SkipEmptyParts).mid(2);
  ASSERT_FALSE(rows.isEmpty());
  for (const QString& row : rows) {
    EXPECT_TRUE(row.startsWith(QStringLiteral("DejaVu"))) << row.toStdString();
    const QStringList cols = row.simplified().split(' ');
    ASSERT_GE(cols.size(), 5);
    EXPECT_EQ(cols[cols.size() - 5], QStringLiteral("yes"))
        << "not embedded: " << row.toStdString();
  }
}

// Chapter 6: the summer example as the results screen, the outdoor-air window
// and the diagnostic message show it.
TEST_F(GreekFigures, SummerExampleIsWhatTheProgramShows) {
  StudyState calc;
  const StudyState s = example("summer.dat", &calc);
  const ResultsView view(s, QStringLiteral("WATT"), 0);
  ASSERT_FALSE(view.heating());
  const std::pair<ResultField, const char*> fields[] = {
      {ResultField::DB_M, "mixed dry bulb"},
      {ResultField::WB_M, "mixed wet bulb"},
      {ResultField::H_M, "mixed enthalpy"},
      {ResultField::DB_T, "outlet dry bulb"},
      {ResultField::WB_T, "outlet wet bulb"},
      {ResultField::H_T, "outlet enthalpy"},
      {ResultField::FlowRate, "supply flow"},
      {ResultField::Power, "coil load"},
      {ResultField::Reheat, "reheat"},
      {ResultField::FreshSens, "fresh-air sensible"},
      {ResultField::FreshLat, "fresh-air latent"}};
  for (const auto& [field, what] : fields) expectQuoted(view.text(field), what);
  // Hand-checked values of the example: 28,6 °C mixed, 15,2 °C outlet, 6.881,6 m³/h.
  EXPECT_EQ(view.text(ResultField::DB_M), QStringLiteral("28,60"));
  EXPECT_EQ(view.text(ResultField::FlowRate), QStringLiteral("6.881,6"));

  CoilDesign d;
  ASSERT_TRUE(coilDesign(calc, s, d));
  expectQuoted(QStringLiteral("BF | ") + FormatNumber(d.BF, QStringLiteral("0.00")), "BF");
  expectQuoted(FormatNumber(d.ESHF, QStringLiteral("0.000")), "ESHF of the diagnostic message");
  expectQuoted(FormatNumber(toCelsius(d.ADP), QStringLiteral("0.0")) + QStringLiteral(" °C"),
               "ADP");

  // The states the data screen completes from the dry bulb and the relative
  // humidity: the wet bulb (which the example data file carries) and the
  // absolute humidity in g/kg.
  study().CoolingProcess = -1;
  study().HeatingProcess = 0;
  const std::tuple<float, float, const char*> states[] = {{35.0f, 40.0f, "outdoor"},
                                                          {26.0f, 50.0f, "room"}};
  for (const auto& [dbC, rh, what] : states) {
    float WB = 0, RH = rh, grains = 0;
    ASSERT_TRUE(psy::FindWB_AH(QStringLiteral("n"), dbC * 9.0f / 5.0f + 32.0f, WB, RH, grains));
    expectQuoted(QStringLiteral("**") + FormatNumber(toCelsius(WB), QStringLiteral("0.0")) +
                     QStringLiteral(" °C**"),
                 what);
    expectQuoted(QStringLiteral("**") +
                     FormatNumber(roundHalfUp(grains / 7.0, 2), QStringLiteral("0.00")) +
                     QStringLiteral(" g/kg**"),
                 what);
  }
}

// Chapter 8: the winter example, results screen and diagram.
TEST_F(GreekFigures, WinterExampleIsWhatTheProgramShows) {
  const StudyState s = example("winter.dat");
  const ResultsView view(s, QStringLiteral("WATT"), 0);
  ASSERT_TRUE(view.heating());
  const std::pair<ResultField, const char*> fields[] = {
      {ResultField::DB_M, "mixed dry bulb"},      {ResultField::WB_M, "mixed wet bulb"},
      {ResultField::H_M, "mixed enthalpy"},       {ResultField::DB_T, "supply dry bulb"},
      {ResultField::WB_T, "supply wet bulb"},     {ResultField::H_T, "supply enthalpy"},
      {ResultField::FlowRate, "supply flow"},     {ResultField::Power, "heating capacity"},
      {ResultField::Water, "humidifier water"},   {ResultField::FreshSens, "fresh-air sensible"},
      {ResultField::FreshLat, "fresh-air latent"}};
  for (const auto& [field, what] : fields) expectQuoted(view.text(field), what);
  // After the heating coil (the diagram's state T), one decimal.
  expectQuoted(FormatNumber(s.DB_T, QStringLiteral("0.0")) + QStringLiteral(" °C / ") +
                   FormatNumber(s.WB_T, QStringLiteral("0.0")) + QStringLiteral(" °C"),
               "after the heating coil");
  EXPECT_EQ(view.text(ResultField::FlowRate), QStringLiteral("3.583,6"));
}

// Chapter 10: the two-state calculator's example through aeriton-calc --psy,
// the calculate button's own code.
TEST_F(GreekFigures, CalculatorExampleIsWhatTheProgramShows) {
  const ToolRun r = run(QStringLiteral(AERITON_CALC_EXE),
                        {QStringLiteral("--psy"), kManualDir + "/examples/calculator.psy"});
  ASSERT_EQ(r.exitCode, 0);
  // Fields 7..19 of the .psy written back: flow, inlet, outlet, loads.
  const QStringList fields =
      QString::fromLatin1(r.out).replace(QStringLiteral("\r\n"), QStringLiteral(",")).split(',');
  ASSERT_GE(fields.size(), 19);
  // 0-based fields 7..16: inlet and outlet dry bulb, wet bulb, RH, humidity, enthalpy.
  for (int i = 7; i <= 16; ++i) {
    const QString figure = FormatNumber(fields[i].toDouble(), QStringLiteral("#,##0.00"));
    expectQuoted(figure, "calculator state value");
  }
  for (int i : {17, 18}) {
    const QString figure = FormatNumber(fields[i].toDouble(), QStringLiteral("#,##0.00"));
    expectQuoted(QStringLiteral("**") + figure + QStringLiteral(" kcal/h**"), "calculator load");
  }
}

// Chapters 3.2 and 14.3: dry air at 0 °C has, by the program's Carrier
// enthalpy (dry air at 0 °F), the enthalpy the manual names.
TEST_F(GreekFigures, EnthalpyDatumIsTheEngines) {
  const double btu = psy::Enthalpy(32.0f, 0.0f);
  const double kcal = btu * kBtuLbToKcalKg;
  const double kj = kcal * kKcalKgToKJKg;
  EXPECT_NEAR(btu, 7.68, 1e-4);
  expectQuoted(FormatNumber(btu, QStringLiteral("0.00")) + QStringLiteral(" Btu/lb"),
               "datum Btu/lb");
  expectQuoted(FormatNumber(kcal, QStringLiteral("0.00")) + QStringLiteral(" kcal/kg"),
               "datum kcal/kg");
  expectQuoted(FormatNumber(kj, QStringLiteral("0.00")) + QStringLiteral(" kJ/kg"), "datum kJ/kg");
  // The worked example's comparison with an SI chart uses the same offset.
  const StudyState s = example("summer.dat");
  const ResultsView view(s, QStringLiteral("WATT"), 0);
  const double si = view.value(ResultField::H_M) - kj;
  expectQuoted(QStringLiteral("περίπου ") + FormatNumber(roundHalfUp(si, 1), QStringLiteral("0.0")),
               "mixed enthalpy on an SI chart");
}

// Chapter 15: the data file shown is the example file, and the result lines
// shown are what aeriton-calc writes for it.
TEST(ManualBatch, QuotedFilesAreTheProgramsOwn) {
  const QString data = QString::fromLatin1(readFile(kManualDir + "/examples/summer.dat"))
                           .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  EXPECT_TRUE(markdown().contains(QStringLiteral("```\n") + data + QStringLiteral("```")));
  const ToolRun r = run(QStringLiteral(AERITON_CALC_EXE), {kManualDir + "/examples/summer.dat"});
  ASSERT_EQ(r.exitCode, 0);
  const QStringList lines = QString::fromLatin1(r.out).split(QStringLiteral("\r\n"));
  ASSERT_GE(lines.size(), 14);
  for (int i : {3, 4, 5, 8})
    EXPECT_TRUE(markdown().contains(lines[i] + '\n')) << lines[i].toStdString();
}
