// A winter study calculated and saved under Greek regional settings: its
// files hold "." and no grouping, and the calculation reads its own data file
// (under a decimal comma the shifted fields used to be refused as out of range).

#include <gtest/gtest.h>

#include <QDir>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "files/StudyFileCore.h"
#include "study/Cp1253.h"
#include "study/ExchangeFiles.h"
#include "study/RecordText.h"
#include "study/StudyState.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRounding.h"
#include "winter/WinterRun.h"
#include "winter/WinterStudyFile.h"

namespace aeriton::winter {
namespace {

// Metric study with decimals: outdoor -2.5 / -3.5 °C (82.5 %), room 20.5 /
// 13.5 °C (45.5 %), 12500.5 W, mixing with 350.5 m³/h, coil outlet 45 °C.
WinterEntries greekEntries() {
  WinterEntries e;
  e.unitIndex = kUnitWatt;
  e.envDB = -2.5, e.envWB = -3.5, e.envRH = 82.5;
  e.spaDB = 20.5, e.spaWB = 13.5, e.spaRH = 45.5;
  e.load.set(kUnitWatt, 12500.5f);
  e.kindIndex = kKindMixing;
  e.kindyIndex = kSummerOtherUnit;
  e.coilOut = 45;
  e.optAmount = true;
  e.amount = 350.5;
  e.title = "Σχολείο";
  return e;
}

class GreekWinter : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::GreekLocale::cLibraryUsesComma());
    setSeparators(detectSeparators(QLocale()));
  }
  void TearDown() override { setSeparators(Separators{}); }
  test::GreekLocale greek;
  test::ProgramFolderFixture fx;
};

}  // namespace

TEST_F(GreekWinter, CalculationWritesAndReadsItsFilesWithAPoint) {
  ZeroVariables(study());
  CollectInputs(greekEntries(), study());
  const RunOutcome out = runWinterStudy(study(), [](float) { return false; });
  ASSERT_EQ(out.code, 0) << out.message.text.toStdString();
  // 12500.5 W × 0.8598555 = 10748.62 kcal/h (single)
  const QByteArray dat = test::readAll(fx.path("PSY_DAT.TMP"));
  const QList<QByteArray> d = dat.split('\n');
  ASSERT_EQ(d.size(), 9) << dat.toStdString();
  EXPECT_EQ(d[0], "\"AAA_NA\",0\r");
  EXPECT_EQ(d[1], "-2.5,-3.5,82.5\r");
  EXPECT_EQ(d[2], "20.5,13.5,45.5\r");
  EXPECT_EQ(d[3], formatSingle(study().SensLoad) + ",0\r");
  EXPECT_EQ(d[4], "350.5,0\r");
  EXPECT_EQ(d[5], "1,0,1,45,0\r");
  EXPECT_FALSE(dat.contains(";"));
  const QByteArray res = test::readAll(fx.path("PSY_RES.TMP"));
  EXPECT_EQ(res, out.results);
  const QList<QByteArray> r = res.split('\n');
  ASSERT_EQ(r.size(), 15);
  EXPECT_EQ(r[1], "-2.5,-3.5,82.5\r");
  EXPECT_EQ(r[2], "20.5,13.5,45.5\r");
  EXPECT_EQ(r[7], "350.5,0\r");
  StudyState back;
  ASSERT_TRUE(readResultsFile(res, back));
  EXPECT_EQ(resultsFileBytes(back), res);
  EXPECT_FLOAT_EQ(back.DB_S, 45.f);  // the chosen coil outlet
  EXPECT_FLOAT_EQ(back.SupplyTempShown, 45.f);
}

// Half-up rounding of the results works on the single's decimal value,
// whatever the C library's decimal character.
TEST_F(GreekWinter, RoundingIgnoresTheCLibraryLocale) {
  EXPECT_FLOAT_EQ(roundHalfUp(20.05f, 1), 20.1f);
  EXPECT_FLOAT_EQ(roundHalfUp(1.005f, 2), 1.01f);
  EXPECT_FLOAT_EQ(roundHalfUp(-3.25f, 1), -3.2f);  // floor(x + 0.5): half up
  EXPECT_FLOAT_EQ(roundHalfUp(1355.5f, 0), 1356.f);
}

TEST_F(GreekWinter, SavedStudyFilesUseAPointAndOpenAgain) {
  ZeroVariables(study());
  CollectInputs(greekEntries(), study());
  ASSERT_EQ(runWinterStudy(study(), [](float) { return false; }).code, 0);
  study().Title = QStringLiteral("Σχολείο");
  const QString dir = fx.path("AIRFiles/AIR/");
  QDir().mkpath(dir);
  ASSERT_EQ(files::saveStudy([&](const QString&, bool) { return dir + "school"; }),
            files::FileResult::Done);
  const QByteArray wir = test::readAll(dir + "school.WIR");
  EXPECT_TRUE(wir.contains("\r\n-2.5,-3.5,82.5\r\n")) << wir.toStdString();
  EXPECT_EQ(test::readAll(dir + "school.TAW"),
            "\"" + toCp1253(QStringLiteral("Σχολείο")) + "\"\r\n\"WATT\"\r\n");
  resetStudy();
  ASSERT_EQ(OpenPSFile_W([&](const QString&, bool) { return dir + "school.WIR"; }).result,
            files::FileResult::Done);
  const auto v = winterFormValues();
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->envDBText, "-2,5");  // the screen shows the Greek separators
  EXPECT_EQ(v->spaRHText, "45,5");
  EXPECT_EQ(v->freshText, "350,5");
  EXPECT_EQ(v->sensText, "12.500,5");
}

}  // namespace aeriton::winter
