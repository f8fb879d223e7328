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
  s.MetricCode = 1, s.EnglishCode = 0;
  s.CoolingProcess = false, s.HeatingProcess = true;
  s.KindCode = "AAA_NA";
  s.KindMix = 1, s.KindRecirc = 0, s.KindFresh = 0, s.FreshLoads = 0;
  s.EnvDB = -2, s.EnvWB = -3.1f, s.EnvRH = 80;
  s.SpaDB = 20, s.SpaWB = 13.8f, s.SpaRH = 50;
  s.DB_M = 13.4f, s.WB_M = 8.7f, s.h_M = 6.12f;
  s.DB_T = 45, s.WB_T = 21.3f, s.h_T = 14.55f;
  s.DB_S = 38.2f, s.WB_S = 21.3f, s.h_S = 14.55f;
  s.SensLoad = 8598.555f, s.LatLoad = 0;
  s.FreshMode = "P", s.FreshValue = 30, s.FreshAmount = 426, s.FreshPerCent = 30;
  s.SupplyFlow = 1420, s.CoilLoad = 13377, s.FreshSensLoad = -3500, s.FreshLatLoad = -1200;
  s.Reheat = 0;
  s.SupplyTempShown = 45, s.SummerFlow = 0, s.FreshFlow = 426;
  s.CoilOutChange.fill(0);
  for (int i = 0; i < 5; ++i) s.CoilOutChange[i] = kWinterUnset;
  s.HighHumidity = 0;
  s.HighHumid.fill(0);
  s.HighHumid[25] = 3.25f;  // humidifier water, kg/h
  s.Unsaved = true;
}

// The study above, written out by hand: per-cent mode stores 0 as amount.
QByteArray expectedWir() {
  QByteArray line14 = "0";
  for (int i = 0; i < 25; ++i) line14 += ",0";
  line14 += ",3.25\r\n";
  return "\"AAA_NA\",0\r\n-2,-3.1,80\r\n20,13.8,50\r\n13.4,8.7,6.12\r\n45,21.3,14.55\r\n"
         "38.2,21.3,14.55\r\n8598.555,0\r\n0,30\r\n1420,13377,-3500,-1200,0\r\n"
         "1,0,0,0,\"P\"\r\n1,0,1,45,0\r\n426\r\n"
         "-10000,-10000,-10000,-10000,-10000,0,0,0,0,0,0,0,0\r\n" +
         line14;
}

QByteArray expectedTaw(const char* unit = "WATT") {
  return "\"" + toCp1253(QStringLiteral("Σχολείο Καλαμαριάς, \"\"Β\"\" κτίριο")) + "\"\r\n\"" +
         unit + "\"\r\n";
}

struct Chooser {
  QString answer;
  QString pattern{};
  files::PathChooser fn() {
    return [this](const QString& p, bool) {
      pattern = p;
      return answer;
    };
  }
};

class WinterStudyFile : public ::testing::Test {
 protected:
  void SetUp() override {
    setSeparators({'.', ','});
    dir = fx.path("AIRFiles/");
    QDir().mkpath(dir);
  }
  // Saves the heating study (through the results screen's save) as `name`.
  void save(const QString& name) {
    Chooser c{dir + name};
    ASSERT_EQ(files::saveStudy(c.fn()), FileResult::Done);
    ASSERT_EQ(c.pattern, "*.WIR");
  }
  test::ProgramFolderFixture fx;
  QString dir;
};

}  // namespace

TEST_F(WinterStudyFile, SaveOpenSaveGivesIdenticalFilesAndTheFormValues) {
  setHeatingStudy(study());
  save(QStringLiteral("Σχολείο"));
  EXPECT_EQ(test::readAll(dir + QStringLiteral("Σχολείο.WIR")), expectedWir());
  EXPECT_EQ(test::readAll(dir + QStringLiteral("Σχολείο.TAW")), expectedTaw());
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), expectedWir());
  EXPECT_FALSE(study().Unsaved);
  EXPECT_FLOAT_EQ(study().FreshAmount, 0.0f);
  resetStudy();
  Chooser open{dir + QStringLiteral("Σχολείο")};
  ASSERT_EQ(winter::OpenPSFile_W(open.fn()).result, FileResult::Done);
  EXPECT_EQ(study().Title, kTitle);
  EXPECT_TRUE(study().HeatingProcess);
  EXPECT_FALSE(study().CoolingProcess);
  EXPECT_FLOAT_EQ(study().FreshValue, 30.0f);
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), expectedWir());

  const auto v = winter::winterFormValues();
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->title, kTitle);
  EXPECT_EQ(v->unitIndex, 0);
  EXPECT_EQ(v->kindIndex, 0);
  EXPECT_FALSE(v->amountMode);  // per cent: OptPerCent
  EXPECT_EQ(v->freshText, "30.0");
  EXPECT_FALSE(v->sameUnitInSummer);  // summer by another unit
  EXPECT_EQ(v->coilOutText, "45");    // a whole number
  EXPECT_EQ(v->envDBText, "-2.0");
  EXPECT_EQ(v->envWBText, "-3.1");
  EXPECT_EQ(v->spaWBText, "13.8");
  EXPECT_EQ(v->sensText, "10,000.0");  // 8598.555 kcal/h / 0.8598555

  Chooser again{dir + "b"};
  ASSERT_EQ(files::saveStudy(again.fn()), FileResult::Done);
  EXPECT_EQ(test::readAll(dir + "b.WIR"), expectedWir());
  EXPECT_EQ(test::readAll(dir + "b.TAW"), expectedTaw());
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
  // The file itself is not touched.
  EXPECT_EQ(test::readAll(dir + "r.WIR"), bytes);
}

TEST_F(WinterStudyFile, OlderLayoutIsUpgradedInPlaceWithItsDateKept) {
  const QByteArray line13 = "-10000,-10000,-10000,-10000,-10000,0,0,0,0,0,0,0,0\r\n";
  QByteArray older = expectedWir();
  older.replace(line13, "-10000,-10000,-10000,-10000,-10000,0,0,0\r\n");
  const QDateTime stamp = QDateTime::fromString("2004-11-02T08:15:00", Qt::ISODate);
  for (const bool byOpen : {false, true}) {
    test::writeAll(dir + "old.WIR", older);
    test::writeAll(dir + "old.TAW", expectedTaw());
    {
      QFile f(dir + "old.WIR");
      ASSERT_TRUE(f.open(QIODevice::ReadWrite));
      ASSERT_TRUE(f.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    if (byOpen) {
      Chooser open{dir + "old.WIR"};
      const files::OpenOutcome out = winter::OpenPSFile_W(open.fn());
      ASSERT_EQ(out.result, FileResult::Done);
      EXPECT_TRUE(out.upgraded);
      EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), expectedWir());
    } else {
      EXPECT_EQ(winter::CheckForFileValidity(dir + "old.WIR"), StudyLayout::Older);
    }
    // Five zeros added in line 13; every other line as it was, date kept.
    EXPECT_EQ(test::readAll(dir + "old.WIR"), expectedWir());
    EXPECT_EQ(QFileInfo(dir + "old.WIR").lastModified(), stamp);
    EXPECT_EQ(winter::CheckForFileValidity(dir + "old.WIR"), StudyLayout::Current);
  }
  Chooser open{dir + "old"};
  const files::OpenOutcome out = winter::OpenPSFile_W(open.fn());
  ASSERT_EQ(out.result, FileResult::Done);
  EXPECT_FALSE(out.upgraded);
  EXPECT_EQ(QFileInfo(dir + "old.WIR").lastModified(), stamp);
}

struct WinterBad {
  const char* name;
  int code;
};

class WinterBadInput : public ::testing::TestWithParam<WinterBad> {};

TEST_P(WinterBadInput, LeavesTheScreenStudyAndEveryFileUnchanged) {
  test::ProgramFolderFixture fx;
  setSeparators({'.', ','});
  const QString dir = fx.path("W/");
  QDir().mkpath(dir);
  setHeatingStudy(study());
  study().StudyFileName = dir + "shown.WIR";
  test::writeAll(fx.path("PSY_RES.TMP"), "shown results");
  const std::string name = GetParam().name;
  const QString wir = dir + "bad.WIR";
  if (name == "missing_title_file") {
    test::writeAll(wir, expectedWir());
  } else if (name == "neither_layout") {
    QByteArray b = expectedWir();
    b.replace(",3.25\r\n", "\r\n");  // line 14 one value short
    test::writeAll(wir, b);
    test::writeAll(dir + "bad.TAW", expectedTaw());
  } else if (name == "older_line_13_with_short_line_14") {
    QByteArray b = expectedWir();
    b.replace("-10000,-10000,-10000,-10000,-10000,0,0,0,0,0,0,0,0\r\n", "1,2,3,4,5,6,7,8\r\n");
    b.replace(",3.25\r\n", "\r\n");
    test::writeAll(wir, b);
    test::writeAll(dir + "bad.TAW", expectedTaw());
  } else if (name == "title_file_is_a_folder") {
    test::writeAll(wir, expectedWir());
    QDir().mkpath(dir + "bad.TAW");
  }
  const StudyState before = study();
  const QByteArray wirBefore = test::readAll(wir);
  Chooser c{wir};
  EXPECT_EQ(winter::OpenPSFile_W(c.fn()).result, FileResult::Failed);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.shown()[0].code, GetParam().code);
  EXPECT_EQ(resultsFileBytes(study()), resultsFileBytes(before));
  EXPECT_EQ(study().StudyFileName, before.StudyFileName);
  EXPECT_EQ(study().Title, before.Title);
  EXPECT_EQ(test::readAll(wir), wirBefore);
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), "shown results");
}

INSTANTIATE_TEST_SUITE_P(
    Files, WinterBadInput,
    ::testing::Values(WinterBad{"missing_title_file", files::kMissingTitleFileCode},
                      WinterBad{"neither_layout", files::kDamagedFileCode},
                      WinterBad{"older_line_13_with_short_line_14", files::kDamagedFileCode},
                      WinterBad{"title_file_is_a_folder", files::kMissingTitleFileCode}),
    [](const auto& info) { return std::string(info.param.name); });
