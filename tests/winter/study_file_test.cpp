// Saving and opening winter studies (".WIR" with ".TAW"): whole files byte for
// byte, the older layout upgraded in place with its date kept, the values the
// winter data screen shows, and bad input refused without a change.
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

// A metric heating study as the winter calculation leaves it: 10000 W of
// heat loss (8598.555 kcal/h), mixing with 30 % fresh air, summer served by
// another unit with a coil outlet of 45 °C.
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
  return "\"AAA_NA\",0\r\n"
         "-2,-3.1,80\r\n"
         "20,13.8,50\r\n"
         "13.4,8.7,6.12\r\n"
         "45,21.3,14.55\r\n"
         "38.2,21.3,14.55\r\n"
         "8598.555,0\r\n"
         "0,30\r\n"
         "1420,13377,-3500,-1200,0\r\n"
         "1,0,0,0,\"P\"\r\n"
         "1,0,1,45,0\r\n"
         "426\r\n"
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

TEST_F(WinterStudyFile, SaveWritesWirAndTawExactly) {
  setHeatingStudy(study());
  save(QStringLiteral("Σχολείο"));
  EXPECT_EQ(test::readAll(dir + QStringLiteral("Σχολείο.WIR")), expectedWir());
  EXPECT_EQ(test::readAll(dir + QStringLiteral("Σχολείο.TAW")), expectedTaw());
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), expectedWir());
  EXPECT_FALSE(study().Unsaved);
  EXPECT_FLOAT_EQ(study().FreshAmount, 0.0f);
}

TEST_F(WinterStudyFile, LowerCaseExtensionIsKept) {
  setHeatingStudy(study());
  save("school.wir");
  EXPECT_EQ(test::readAll(dir + "school.wir"), expectedWir());
  EXPECT_EQ(test::readAll(dir + "school.TAW"), expectedTaw());
  resetStudy();
  Chooser open{dir + "school.wir"};
  ASSERT_EQ(winter::OpenPSFile_W(open.fn()).result, FileResult::Done);
  EXPECT_EQ(open.pattern, "*.WIR");
  EXPECT_EQ(study().StudyFileName, dir + "school.wir");
}

TEST_F(WinterStudyFile, SaveOpenSaveGivesIdenticalFilesAndTheFormValues) {
  setHeatingStudy(study());
  save("a");
  resetStudy();
  Chooser open{dir + "a"};
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
  EXPECT_EQ(test::readAll(dir + "b.WIR"), test::readAll(dir + "a.WIR"));
  EXPECT_EQ(test::readAll(dir + "b.TAW"), test::readAll(dir + "a.TAW"));
}

TEST_F(WinterStudyFile, SameUnitInSummerShowsTheSummerFlowAndKwLoadsWithTwoDecimals) {
  setHeatingStudy(study());
  study().SummerFlow = 2500;
  study().SupplyTempShown = 31.4f;
  study().FreshMode = "C";
  study().FreshAmount = 426;
  study().setLoadUnit("KW");
  save("kw");
  resetStudy();
  Chooser open{dir + "kw.WIR"};
  ASSERT_EQ(winter::OpenPSFile_W(open.fn()).result, FileResult::Done);
  const auto v = winter::winterFormValues();
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->unitIndex, 2);
  EXPECT_TRUE(v->amountMode);
  EXPECT_EQ(v->freshText, "426.0");
  EXPECT_TRUE(v->sameUnitInSummer);
  EXPECT_EQ(v->summerFlowText, "2,500.0");
  EXPECT_EQ(v->sensText, "10.00");  // 8598.555 / 859.8555 kW
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
  test::writeAll(dir + "old.WIR", older);
  test::writeAll(dir + "old.TAW", expectedTaw());
  const QDateTime stamp = QDateTime::fromString("2004-11-02T08:15:00", Qt::ISODate);
  {
    QFile f(dir + "old.WIR");
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(stamp, QFileDevice::FileModificationTime));
  }
  EXPECT_EQ(winter::CheckForFileValidity(dir + "old.WIR"), StudyLayout::Older);
  // Five zeros added in line 13; every other line as it was.
  EXPECT_EQ(test::readAll(dir + "old.WIR"), expectedWir());
  EXPECT_EQ(QFileInfo(dir + "old.WIR").lastModified(), stamp);
  // A second check (and an open) reads it directly.
  EXPECT_EQ(winter::CheckForFileValidity(dir + "old.WIR"), StudyLayout::Current);
  Chooser open{dir + "old"};
  const files::OpenOutcome out = winter::OpenPSFile_W(open.fn());
  ASSERT_EQ(out.result, FileResult::Done);
  EXPECT_FALSE(out.upgraded);
  EXPECT_EQ(QFileInfo(dir + "old.WIR").lastModified(), stamp);
}

TEST_F(WinterStudyFile, OpeningAnOlderStudyUpgradesItWithItsDateKept) {
  QByteArray older = expectedWir();
  older.replace("-10000,-10000,-10000,-10000,-10000,0,0,0,0,0,0,0,0\r\n",
                "-10000,-10000,-10000,-10000,-10000,0,0,0\r\n");
  test::writeAll(dir + "o.WIR", older);
  test::writeAll(dir + "o.TAW", expectedTaw());
  const QDateTime stamp = QDateTime::fromString("2011-06-30T17:45:10", Qt::ISODate);
  {
    QFile f(dir + "o.WIR");
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(stamp, QFileDevice::FileModificationTime));
  }
  Chooser open{dir + "o.WIR"};
  const files::OpenOutcome out = winter::OpenPSFile_W(open.fn());
  ASSERT_EQ(out.result, FileResult::Done);
  EXPECT_TRUE(out.upgraded);
  EXPECT_EQ(test::readAll(dir + "o.WIR"), expectedWir());
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), expectedWir());
  EXPECT_EQ(QFileInfo(dir + "o.WIR").lastModified(), stamp);
}

TEST_F(WinterStudyFile, CancelEmptiesTheNameAndAnEmptyNameChangesNothing) {
  setHeatingStudy(study());
  study().StudyFileName = dir + "shown.WIR";
  Chooser empty{""};
  EXPECT_EQ(winter::OpenPSFile_W(empty.fn()).result, FileResult::Cancelled);
  EXPECT_EQ(study().StudyFileName, dir + "shown.WIR");
  Chooser escape{" Escape "};
  EXPECT_EQ(winter::OpenPSFile_W(escape.fn()).result, FileResult::Cancelled);
  EXPECT_EQ(study().StudyFileName, "");
  EXPECT_TRUE(fx.messages.shown().empty());
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
