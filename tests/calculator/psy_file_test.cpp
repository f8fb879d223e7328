// The calculator's ".psy" file: the exact bytes for a metric and an English
// study, round trips, the screen a file opens onto, and damaged files.

#include <gtest/gtest.h>

#include <QFile>

#include "TestSupport.h"
#include "calculator/PsCalc.h"
#include "calculator/PsFile.h"
#include "engine/NumberEntry.h"
#include "study/Cp1253.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::calculator;

namespace {

class PsyFileTest : public ::testing::Test {
 protected:
  void SetUp() override { setSeparators(Separators{'.', ','}); }
  test::ProgramFolderFixture folder;
};

// 1000 m³/h heated and humidified from 20 °C / 30 % to 22 °C / 50 %.
CalcForm metricStudy() {
  CalcForm f;
  newStudy(f);
  f.text[kFlow] = "1,000.00";
  chooseRelHumidity(f, true);
  f.text[kTDBin] = "20.00";
  f.text[kRHin] = "30.00";
  chooseRelHumidity(f, false);
  f.text[kTDBout] = "22.00";
  f.text[kRHout] = "50.00";
  f.title = QString::fromUtf8("Αίθουσα Α, ύγρανση \"χειμώνα\"");
  EXPECT_EQ(calcButton(f).kind, CalcOutcome::Done);
  return f;
}

// 1000 CFM from 80 °F / 67 °F WB to 60 °F / 90 %.
CalcForm englishStudy() {
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
  f.title = QString::fromUtf8("Ψυκτικό στοιχείο ΚΚΜ-2");
  EXPECT_EQ(calcButton(f).kind, CalcOutcome::Done);
  return f;
}

QByteArray cp(const char* utf8) {
  return toCp1253(QString::fromUtf8(utf8));
}

TEST_F(PsyFileTest, MetricStudyBytes) {
  CalcForm f = metricStudy();
  const QByteArray bytes = psyFileBytes(saveAsFile(f));
  const QByteArray expected = QByteArray("-1,\"Metric\",-1,0,0,\"Winter\"\r\n") +
                              "1000,20,10.88,30,4.34,11.7\r\n" + "22,15.44,50,8.23,14.54\r\n" +
                              "575.95,-2741.94\r\n" + "\"" +
                              cp("Αίθουσα Α, ύγρανση \"\"χειμώνα\"\"") + "\",-1,-1\r\n";
  EXPECT_EQ(bytes, expected);
}

TEST_F(PsyFileTest, EnglishStudyBytesHaveNoLoadFlags) {
  CalcForm f = englishStudy();
  f.showKcal = 1;  // as left by the new study
  const QByteArray bytes = psyFileBytes(saveAsFile(f));
  const QByteArray expected = QByteArray("0,\"English\",0,0,0,\"Summer\"\r\n") +
                              "1000,80,67,51.01,78.05,31.43\r\n" + "60,58.21,90,69.44,25.2\r\n" +
                              "21600,5855.45\r\n" + "\"" + cp("Ψυκτικό στοιχείο ΚΚΜ-2") +
                              "\",0,-1\r\n";
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(f.showKcal, 0);  // the screen's flags too
}

TEST_F(PsyFileTest, RoundTripsByteForByte) {
  for (CalcForm f : {metricStudy(), englishStudy()}) {
    const QByteArray first = psyFileBytes(saveAsFile(f));
    const PsyReadResult read = readPsyFile(first);
    ASSERT_TRUE(read.ok) << read.reason.toStdString();
    CalcForm opened;
    showPsyFile(read.file, opened);
    EXPECT_EQ(psyFileBytes(saveAsFile(opened)), first);
    // The screen comes back as it was saved.
    for (int b = 1; b <= kBoxCount; ++b) EXPECT_EQ(opened.text[b], f.text[b]) << b;
    EXPECT_EQ(opened.metric, f.metric);
    EXPECT_EQ(opened.sensColour, f.sensColour);
    EXPECT_EQ(opened.latColour, f.latColour);
    EXPECT_EQ(opened.title, f.title);
    EXPECT_EQ(opened.inletByRH, f.inletByRH);
    EXPECT_EQ(opened.outletByRH, f.outletByRH);
    EXPECT_EQ(opened.loadCaption, f.loadCaption);
  }
}

TEST_F(PsyFileTest, EnglishFileOpensAsAnEnglishScreen) {
  CalcForm saved = englishStudy();
  const PsyReadResult read = readPsyFile(psyFileBytes(saveAsFile(saved)));
  ASSERT_TRUE(read.ok);
  CalcForm f;
  showPsyFile(read.file, f);
  EXPECT_FALSE(f.metric);
  EXPECT_EQ(f.showKcal, 0);
  EXPECT_EQ(f.showWatts, 0);
  EXPECT_EQ(f.showKW, 0);
  EXPECT_EQ(f.enthalpyCaption, "Btu/Lib");
  EXPECT_EQ(f.loadCaption, "Btu/h");
  EXPECT_EQ(humidityCaption(f), "Grains/Lib");
  EXPECT_TRUE(f.wbInGiven);
  EXPECT_FALSE(f.rhInGiven);
  EXPECT_TRUE(f.rhOutGiven);
  EXPECT_FLOAT_EQ(f.english[kFlow], 1000.0f);
  EXPECT_FLOAT_EQ(f.english[kSens], 21600.0f);
  EXPECT_NEAR(f.metricValues[kFlow], 1700.0, 1e-3);
  EXPECT_NEAR(f.sens.kcal, 21600 / 3.970929956, 0.01);
  // Switching the opened screen to metric converts as after a calculation.
  switchUnits(f, true);
  EXPECT_EQ(f.text[kFlow], "1,700.0");
  EXPECT_EQ(f.text[kTDBin], "26.7");
  EXPECT_EQ(f.text[kSens], "5,439.5");
}

TEST_F(PsyFileTest, HeatingLoadsComeBackWithTheHeatingColour) {
  CalcForm saved = metricStudy();
  ASSERT_EQ(saved.latColour, LoadColour::Heating);
  const PsyReadResult read = readPsyFile(psyFileBytes(saveAsFile(saved)));
  ASSERT_TRUE(read.ok);
  EXPECT_FLOAT_EQ(read.file.values[kLat], -2741.94f);  // stored negative
  EXPECT_FLOAT_EQ(read.file.values[kSens], 575.95f);   // stored as its magnitude
  CalcForm f;
  showPsyFile(read.file, f);
  EXPECT_EQ(f.text[kLat], "2,741.94");
  EXPECT_EQ(f.latColour, LoadColour::Heating);
  // The sensible load's direction from the dry bulbs (the air left warmer).
  EXPECT_EQ(f.sensColour, LoadColour::Heating);
  EXPECT_NEAR(f.metricValues[kSens], -575.95, 1e-3);
  EXPECT_NEAR(f.english[kLat], -2741.94 * 3.970929956, 0.01);
}

TEST_F(PsyFileTest, HumidifyingAtConstantTemperatureKeepsItsDirection) {
  // 25 °C in and out, 40 % to 60 %: no sensible load, moisture added.
  CalcForm f;
  newStudy(f);
  f.text[kFlow] = "2,000.00";
  chooseRelHumidity(f, true);
  f.text[kTDBin] = "25.00";
  f.text[kRHin] = "40.00";
  chooseRelHumidity(f, false);
  f.text[kTDBout] = "25.00";
  f.text[kRHout] = "60.00";
  f.title = "Ύγρανση";
  ASSERT_EQ(calcButton(f).kind, CalcOutcome::Done);
  ASSERT_EQ(f.latColour, LoadColour::Heating);
  const PsyFile p = saveAsFile(f);
  EXPECT_TRUE(p.summer);  // equal dry bulbs: "Summer"
  EXPECT_LT(p.values[kLat], 0.0f);
  CalcForm opened;
  showPsyFile(readPsyFile(psyFileBytes(p)).file, opened);
  EXPECT_EQ(opened.latColour, LoadColour::Heating);
  EXPECT_EQ(opened.sensColour, LoadColour::Cooling);
  EXPECT_EQ(opened.text[kSens], "0.00");
}

TEST_F(PsyFileTest, LoadsStoredInWattsOrKWAreReadInTheirUnit) {
  CalcForm f = metricStudy();
  showLoadUnit(f, LoadUnit::Watts);
  const QByteArray bytes = psyFileBytes(saveAsFile(f));
  EXPECT_TRUE(bytes.startsWith("-1,\"Metric\",0,-1,0,\"Winter\"\r\n"));
  EXPECT_TRUE(bytes.contains("\r\n669.8,-3188.8\r\n"));
  CalcForm opened;
  showPsyFile(readPsyFile(bytes).file, opened);
  EXPECT_EQ(opened.loadCaption, "Watts");
  EXPECT_EQ(opened.text[kSens], "669.8");
  EXPECT_EQ(opened.text[kLat], "3,188.8");
  EXPECT_FLOAT_EQ(opened.sens.watts, 669.8f);
  EXPECT_NEAR(opened.sens.kcal, 669.8 * 0.8598554966, 1e-3);  // not 669.8 kcal/h
  EXPECT_NEAR(opened.metricValues[kLat], -3188.8 * 0.8598554966, 1e-2);
  EXPECT_EQ(psyFileBytes(saveAsFile(opened)), bytes);
  // kW
  showLoadUnit(f, LoadUnit::KW);
  CalcForm kw;
  showPsyFile(readPsyFile(psyFileBytes(saveAsFile(f))).file, kw);
  EXPECT_EQ(kw.loadCaption, "Kw");
  EXPECT_NEAR(kw.sens.kcal, 0.7 * 859.8554966, 1e-2);
}

TEST_F(PsyFileTest, EnthalpiesShownInKJAreStoredInKcal) {
  CalcForm f = metricStudy();
  switchEnthalpyUnit(f);
  ASSERT_EQ(f.text[kHin], "48.99");
  const PsyFile p = saveAsFile(f);
  EXPECT_FLOAT_EQ(p.values[kHin], 11.70f);
  EXPECT_FLOAT_EQ(p.values[kHout], 14.54f);
}

TEST_F(PsyFileTest, FlagsAreWrittenAsHeld) {
  CalcForm f = englishStudy();
  switchUnits(f, true);  // ShowKcal -1, ShowWatts 0, ShowKW 9
  const QByteArray bytes = psyFileBytes(saveAsFile(f));
  EXPECT_TRUE(bytes.startsWith("-1,\"Metric\",-1,0,9,\"Summer\"\r\n"));
  CalcForm opened;
  showPsyFile(readPsyFile(bytes).file, opened);
  EXPECT_EQ(opened.loadCaption, "Kcal/h");  // ShowKcal is tested first
  EXPECT_EQ(opened.showKW, 9);
}

TEST_F(PsyFileTest, ReaderAcceptsFieldsOnLinesOfTheirOwn) {
  QByteArray bytes;
  for (const char* field :
       {"0",    "\"English\"", "0",       "0",     "0",  "\"Summer\"", "1000", "80",
        "67",   "51.01",       "78.05",   "31.43", "60", "58.21",      "90",   "69.44",
        "25.2", "21600",       "5855.45", "\"\"",  "0",  "-1"})
    bytes.append(field).append("\n");
  const PsyReadResult read = readPsyFile(bytes);
  ASSERT_TRUE(read.ok) << read.reason.toStdString();
  EXPECT_FLOAT_EQ(read.file.values[kLat], 5855.45f);
  EXPECT_EQ(read.file.rhOutGiven, -1);
  EXPECT_TRUE(read.file.title.isEmpty());
}

struct Damage {
  const char* name;
  QByteArray bytes;
  int field;
  const char* reasonPart;
};
class DamagedFiles : public ::testing::TestWithParam<Damage> {
 protected:
  void SetUp() override { setSeparators(Separators{'.', ','}); }
};
TEST_P(DamagedFiles, AreRefusedWithTheirField) {
  const Damage d = GetParam();
  const PsyReadResult read = readPsyFile(d.bytes);
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(read.field, d.field);
  EXPECT_TRUE(read.reason.contains(QString::fromUtf8(d.reasonPart))) << read.reason.toStdString();
}
const QByteArray kGood =
    "0,\"English\",0,0,0,\"Summer\"\r\n1000,80,67,51.01,78.05,31.43\r\n60,58.21,90,69.44,25.2\r\n"
    "21600,5855.45\r\n\"x\",0,-1\r\n";
INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFiles,
    ::testing::Values(
        Damage{"Empty", QByteArray(), 0, "κενό"},
        Damage{"Truncated", kGood.left(kGood.indexOf("60,58")), 13, "ελλιπές"},
        Damage{"CutBeforeTheFlags", kGood.left(kGood.lastIndexOf(",0,-1")), 21, "ελλιπές"},
        Damage{"ForeignText", "Hello, world\r\n", 1, "πεδίο 1"},
        Damage{"SummerStudyFile", "\"AAA_NA\",0\r\n95,75,40\r\n", 1, "πεδίο 1"},
        Damage{"UnitWordAndFlagDisagree", QByteArray(kGood).replace("\"English\"", "\"Metric\""), 2,
               "πεδίο 2"},
        Damage{"UnknownSeason", QByteArray(kGood).replace("\"Summer\"", "\"Autumn\""), 6,
               "πεδίο 6"},
        Damage{"TextForANumber", QByteArray(kGood).replace("58.21", "\"abc\""), 14, "πεδίο 14"},
        Damage{"NumberOutOfRange", QByteArray(kGood).replace("78.05", "1E+40"), 11, "πεδίο 11"},
        Damage{"FlagOutOfRange", QByteArray(kGood).replace("\"x\",0,-1", "\"x\",0,70000"), 22,
               "πεδίο 22"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PsyFileTest, FilesOnDisk) {
  EXPECT_FALSE(readPsyFileAt(folder.path("missing.psy")).ok);
  EXPECT_TRUE(readPsyFileAt(folder.path("missing.psy"))
                  .reason.contains(QString::fromUtf8("ΔΕΝ μπορεί να ανοιχθεί")));
  test::writeAll(folder.path("huge.psy"), QByteArray(kPsyMaxBytes + 10, ' '));
  const PsyReadResult huge = readPsyFileAt(folder.path("huge.psy"));
  EXPECT_FALSE(huge.ok);
  EXPECT_TRUE(huge.reason.contains(QString::fromUtf8("πολύ μεγάλο")));
  test::writeAll(folder.path("good.psy"), kGood);
  EXPECT_TRUE(readPsyFileAt(folder.path("good.psy")).ok);
}

}  // namespace
