// A summer study calculated, raised and saved under Greek regional settings:
// every file it writes holds "." and no grouping, and the calculation reads
// its own data file back (under a decimal comma it used to find line 6
// unreadable and run no study at all).

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "files/StudyFileCore.h"
#include "study/Cp1253.h"
#include "study/ExchangeFiles.h"
#include "study/RecordText.h"
#include "study/StudyState.h"
#include "summer/Raise.h"
#include "summer/StudyFile.h"
#include "summer/SummerChecks.h"
#include "summer/SummerRun.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

QByteArray lines(std::initializer_list<const char*> ls) {
  QByteArray b;
  for (const char* l : ls) b.append(l).append("\r\n");
  return b;
}

// Metric mixing study: 36 / 20.9 °C outside (25 %), 26 / 18.4 °C inside,
// 30000.5 kcal/h sensible and 2500.5 kcal/h latent, 1250.5 m³/h fresh air.
SummerRunInput greekStudy() {
  SummerRunInput in;
  in.loadUnit = QStringLiteral("KCAL");
  in.envDB = 36, in.envWB = 20.9f, in.envRH = 25;
  in.spaDB = 26, in.spaWB = 18.4f, in.spaRH = 50.5f;
  in.sensible = 30000.5, in.latent = 2500.5;
  in.kindIndex = 0;
  in.amount = 1250.5f;
  return in;
}

class GreekSummer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::GreekLocale::cLibraryUsesComma());
    setSeparators(detectSeparators(QLocale()));  // the Greek user's "," and "."
    ZeroVariables(study());
  }
  void TearDown() override { setSeparators(Separators{}); }
  test::GreekLocale greek;
  test::ProgramFolderFixture fx;
};

}  // namespace

TEST_F(GreekSummer, CalculationWritesAndReadsItsFilesWithAPoint) {
  const RunOutcome out = runCalculation(greekStudy(), study());
  ASSERT_TRUE(out.ok()) << out.code << " " << out.detail.toStdString() << " "
                        << out.message.text.toStdString();
  EXPECT_EQ(test::readAll(fx.path("SUM_KCALH.tmp")), QByteArray("30000.5,2500.5\r\n"));
  EXPECT_EQ(test::readAll(fx.path("PSY_DAT.TMP")),
            lines({"\"AAA_NA\",0", "36,20.9,25", "26,18.4,50.5", "30000.5,2500.5", "1250.5,0",
                   "1,1,0,-100000,0", "1,0,0,0,\"C\"", "1250.5"}));
  // The results file: the same inputs, results with a point and no grouping,
  // and it reads back into the same study.
  const QByteArray res = test::readAll(fx.path("PSY_RES.TMP"));
  const QList<QByteArray> l = res.split('\n');
  ASSERT_EQ(l.size(), 15);
  EXPECT_EQ(l[1], "36,20.9,25\r");
  EXPECT_EQ(l[6], "30000.5,2500.5\r");
  EXPECT_EQ(l[11], "1250.5\r");
  StudyState back;
  ASSERT_TRUE(readResultsFile(res, back));
  EXPECT_EQ(resultsFileBytes(back), res);
  EXPECT_GT(back.SupplyFlow, 1000.f);  // a real supply flow, in m³/h
  EXPECT_GT(back.CoilLoad, 30000.5f);  // the coil takes at least the room's sensible load
}

TEST_F(GreekSummer, RaiseRequestAndRecordUseAPoint) {
  EXPECT_EQ(raiseRequestBytes(17.5f), QByteArray("17.5\r\n"));
  float T = 0;
  ASSERT_TRUE(parseRaiseRequest("17.5\r\n", T));
  EXPECT_FLOAT_EQ(T, 17.5f);

  ASSERT_TRUE(runCalculation(greekStudy(), study()).ok());
  StudyState calc = study();
  const float raised = study().DB_T + 2.5f;
  ASSERT_TRUE(writeFileAtomically(fx.path("PSY_VEE.TMP"), raiseRequestBytes(raised)));
  const RaiseOutcome out = MakeNewCalc(calc);
  ASSERT_TRUE(out.ok) << out.error.toStdString();
  const QList<QByteArray> l = test::readAll(fx.path("PSY_RES.TMP")).split('\n');
  ASSERT_EQ(l.size(), 15);
  // Line 13 starts with the raised dry bulb, written with a point.
  EXPECT_TRUE(l[12].startsWith(formatSingle(raised) + ",")) << l[12].toStdString();
  EXPECT_FALSE(formatSingle(raised).contains(','));
}

TEST_F(GreekSummer, SavedStudyFilesUseAPointAndOpenAgain) {
  ASSERT_TRUE(runCalculation(greekStudy(), study()).ok());
  study().Title = QStringLiteral("Γραφεία Πάτρας");
  study().setLoadUnit("KCAL");
  const QString dir = fx.path("AIRFiles/AIR/");
  QDir().mkpath(dir);
  const QByteArray calculated = test::readAll(fx.path("PSY_RES.TMP"));
  ASSERT_EQ(SavePSFile([&](const QString&, bool) { return dir + "patra"; }),
            files::FileResult::Done);
  const QByteArray air = test::readAll(dir + "patra.AIR");
  EXPECT_EQ(air, calculated);
  EXPECT_TRUE(air.contains("\r\n36,20.9,25\r\n"));
  EXPECT_EQ(test::readAll(dir + "patra.TAS"),
            "\"" + toCp1253(QStringLiteral("Γραφεία Πάτρας")) + "\"\r\n\"KCAL\"\r\n");

  resetStudy();
  const files::OpenOutcome open =
      OpenPSFile_S([&](const QString&, bool) { return dir + "patra.AIR"; });
  ASSERT_EQ(open.result, files::FileResult::Done);
  EXPECT_FLOAT_EQ(study().EnvWB, 20.9f);
  EXPECT_FLOAT_EQ(study().SensLoad, 30000.5f);
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), air);
}
