// Winter studies (".WIR" with ".TAW") saved and opened: files byte for byte,
// the older layout upgraded with its date kept, bad input refused unchanged.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "files/StudyFileCore.h"
#include "study/Cp1253.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "winter/WinterStudyFile.h"

using namespace aeriton;
using files::FileResult;
using files::StudyLayout;

namespace {

const QString kTitle = QStringLiteral("Σχολείο Καλαμαριάς, \"Β\" κτίριο");

// Metric heating study: 10000 W (8598.555 kcal/h), mixing with 30 % fresh air,
// another unit in summer, coil outlet 45 °C.
void setHeatingStudy(StudyState& s) {
  s.Title = kTitle;
  s.setLoadUnit("WATT");
  s.PrevLoadUnit = "WATT";
  s.MetricCode = 1, s.EnglishCode = 0, s.CoolingProcess = false, s.HeatingProcess = true;
  s.KindCode = "AAA_NA", s.KindMix = 1, s.KindRecirc = 0, s.KindFresh = 0, s.FreshLoads = 0;
  s.EnvDB = -2, s.EnvWB = -3.1f, s.EnvRH = 80, s.SpaDB = 20, s.SpaWB = 13.8f, s.SpaRH = 50;
  s.DB_M = 13.4f, s.WB_M = 8.7f, s.h_M = 6.12f, s.DB_T = 45, s.WB_T = 21.3f, s.h_T = 14.55f;
  s.DB_S = 38.2f, s.WB_S = 21.3f, s.h_S = 14.55f;
  s.SensLoad = 8598.555f, s.LatLoad = 0;
  s.FreshMode = "P", s.FreshValue = 30, s.FreshAmount = 426, s.FreshPerCent = 30;
  s.SupplyFlow = 1420, s.CoilLoad = 13377, s.FreshSensLoad = -3500, s.FreshLatLoad = -1200;
  s.Reheat = 0, s.SupplyTempShown = 45, s.SummerFlow = 0, s.FreshFlow = 426;
  s.CoilOutChange.fill(0);
  for (int i = 0; i < 5; ++i) s.CoilOutChange[i] = kWinterUnset;
  s.HighHumidity = 0;
  s.HighHumid.fill(0);
  s.HighHumid[25] = 3.25f;  // humidifier water, kg/h
  s.Unsaved = true;
}

const QByteArray kLine13 = "-10000,-10000,-10000,-10000,-10000,0,0,0,0,0,0,0,0\r\n";

// The study above, written out by hand: per-cent mode stores 0 as amount.
QByteArray expectedWir() {
  return "\"AAA_NA\",0\r\n-2,-3.1,80\r\n20,13.8,50\r\n13.4,8.7,6.12\r\n45,21.3,14.55\r\n"
         "38.2,21.3,14.55\r\n8598.555,0\r\n0,30\r\n1420,13377,-3500,-1200,0\r\n"
         "1,0,0,0,\"P\"\r\n1,0,1,45,0\r\n426\r\n" +
         kLine13 + QByteArray("0") + QByteArray(",0").repeated(25) + ",3.25\r\n";
}

QByteArray expectedTaw() {
  return "\"" + toCp1253(QStringLiteral("Σχολείο Καλαμαριάς, \"\"Β\"\" κτίριο")) +
         "\"\r\n\"WATT\"\r\n";
}

struct Chooser {
  QString answer;
  QString pattern{};
  files::PathChooser fn() {
    return [this](const QString& p, bool) { return pattern = p, answer; };
  }
};

class WinterStudyFile : public ::testing::Test {
 protected:
  void SetUp() override {
    setSeparators({'.', ','});
    dir = fx.path("AIRFiles/");
    QDir().mkpath(dir);
  }
  test::ProgramFolderFixture fx;
  QString dir;
};

}  // namespace

TEST_F(WinterStudyFile, SaveAndOpenGiveTheFileAndTheFormValues) {
  setHeatingStudy(study());
  Chooser save{dir + QStringLiteral("Σχολείο")};
  ASSERT_EQ(files::saveStudy(save.fn()), FileResult::Done);  // the results screen's save
  EXPECT_EQ(save.pattern, "*.WIR");
  EXPECT_EQ(test::readAll(dir + QStringLiteral("Σχολείο.WIR")), expectedWir());
  EXPECT_EQ(test::readAll(dir + QStringLiteral("Σχολείο.TAW")), expectedTaw());
  EXPECT_FLOAT_EQ(study().FreshAmount, 0.0f);
  resetStudy();
  Chooser open{dir + QStringLiteral("Σχολείο")};
  ASSERT_EQ(winter::OpenPSFile_W(open.fn()).result, FileResult::Done);
  EXPECT_EQ(study().Title, kTitle);
  EXPECT_TRUE(study().HeatingProcess);

  const auto v = winter::winterFormValues();
  ASSERT_TRUE(v.has_value());
  EXPECT_FALSE(v->sameUnitInSummer);   // summer by another unit
  EXPECT_EQ(v->coilOutText, "45");     // a whole number
  EXPECT_EQ(v->sensText, "10,000.0");  // 8598.555 kcal/h / 0.8598555
}

TEST_F(WinterStudyFile, KindComesFromTheFlagsNotFromLineOne) {
  QByteArray bytes = expectedWir();
  bytes.replace("\"AAA_NA\",0", "\"NA_DPF\",0");
  bytes.replace("1,0,0,0,\"P\"", "0,1,0,0,\"P\"");
  test::writeAll(dir + "r.WIR", bytes);
  test::writeAll(dir + "r.TAW", expectedTaw());
  Chooser open{dir + "r.WIR"};
  ASSERT_EQ(winter::OpenPSFile_W(open.fn()).result, FileResult::Done);
  EXPECT_EQ(study().KindCode, "AA_100");
  EXPECT_EQ(winter::winterFormValues()->kindIndex, 1);
  EXPECT_EQ(test::readAll(dir + "r.WIR"), bytes);  // the file itself is not touched
}

TEST_F(WinterStudyFile, OlderLayoutIsUpgradedInPlaceWithItsDateKept) {
  test::writeAll(
      dir + "old.WIR",
      QByteArray(expectedWir()).replace(kLine13, "-10000,-10000,-10000,-10000,-10000,0,0,0\r\n"));
  const QDateTime stamp = QDateTime::fromString("2004-11-02T08:15:00", Qt::ISODate);
  {
    QFile f(dir + "old.WIR");
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(stamp, QFileDevice::FileModificationTime));
  }
  EXPECT_EQ(winter::CheckForFileValidity(dir + "old.WIR"), StudyLayout::Older);
  // Five zeros added in line 13; every other line as it was, date kept.
  EXPECT_EQ(test::readAll(dir + "old.WIR"), expectedWir());
  EXPECT_EQ(QFileInfo(dir + "old.WIR").lastModified(), stamp);
  EXPECT_EQ(winter::CheckForFileValidity(dir + "old.WIR"), StudyLayout::Current);
}

// An older line 13 with a short line 14, and a folder in place of the title
// file: refused, the screen's study and every file unchanged.
TEST_F(WinterStudyFile, BadInputLeavesTheScreenStudyAndEveryFileUnchanged) {
  test::writeAll(dir + "b1.WIR", QByteArray(expectedWir())
                                     .replace(kLine13, "1,2,3,4,5,6,7,8\r\n")
                                     .replace(",3.25\r\n", "\r\n"));
  test::writeAll(dir + "b1.TAW", expectedTaw());
  test::writeAll(dir + "b2.WIR", expectedWir());
  QDir().mkpath(dir + "b2.TAW");
  setHeatingStudy(study());
  study().StudyFileName = dir + "shown.WIR";
  test::writeAll(fx.path("PSY_RES.TMP"), "shown results");
  const StudyState before = study();
  for (const auto& [name, code] : {std::pair{"b1.WIR", files::kDamagedFileCode},
                                   std::pair{"b2.WIR", files::kMissingTitleFileCode}}) {
    const QByteArray wirBefore = test::readAll(dir + name);
    fx.messages.clear();
    Chooser c{dir + name};
    EXPECT_EQ(winter::OpenPSFile_W(c.fn()).result, FileResult::Failed);
    ASSERT_EQ(fx.messages.shown().size(), 1u);
    EXPECT_EQ(fx.messages.shown()[0].code, code);
    EXPECT_EQ(resultsFileBytes(study()), resultsFileBytes(before));
    EXPECT_EQ(study().StudyFileName, before.StudyFileName);
    EXPECT_EQ(test::readAll(dir + name), wirBefore);
    EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), "shown results");
  }
}
