// Saving and opening summer studies: whole files compared byte for byte, the
// older layout brought up to date, and bad input refused without a change.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "files/StudyFileCore.h"
#include "study/Cp1253.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/StudyFile.h"

using namespace aeriton;
using files::FileResult;
using files::StudyLayout;

namespace {

const QString kTitle = QStringLiteral("Γραφεία \"Ερμού\", 3ος όροφος");

// A metric cooling study as calculated: 10000 + 2000 W stored in kcal/h, mixing
// with 1500 m³/h of fresh air, no reheat, no raise.
void setCoolingStudy(StudyState& s) {
  s.Title = kTitle;
  s.setLoadUnit("WATT");
  s.PrevLoadUnit = "WATT";
  s.MetricCode = 1, s.EnglishCode = 0, s.CoolingProcess = true, s.HeatingProcess = false;
  s.KindCode = "AAA_NA", s.KindMix = 1, s.KindRecirc = 0, s.KindFresh = 0, s.FreshLoads = 0;
  s.EnvDB = 35, s.EnvWB = 24.5f, s.EnvRH = 42.35f, s.SpaDB = 26, s.SpaWB = 18.7f, s.SpaRH = 50;
  s.DB_M = 28.7f, s.WB_M = 20.5f, s.h_M = 14.25f, s.DB_T = 13.5f, s.WB_T = 12.8f, s.h_T = 8.65f;
  s.DB_S = s.WB_S = s.h_S = kNotComputed;
  s.SensLoad = 8598.555f, s.LatLoad = 1719.711f;
  s.FreshMode = "C", s.FreshAmount = 1500, s.FreshValue = 1500, s.FreshPerCent = 30;
  s.SupplyFlow = 3917, s.CoilLoad = 21345, s.FreshSensLoad = 4590, s.FreshLatLoad = 5015;
  s.Reheat = 0, s.SupplyTempShown = 0, s.SummerFlow = 0, s.FreshFlow = 1500;
  s.CoilOutChange.fill(kNotComputed);
  s.CoilOutChange[11] = 0, s.CoilOutChange[12] = 0;
  s.HighHumidity = 0;
  s.HighHumid.fill(kNotComputed);
  s.Unsaved = true;
}

QByteArray repeat(const char* value, int n) {
  QByteArray out;
  for (int i = 0; i < n; ++i) out += (i ? "," : "") + QByteArray(value);
  return out;
}

// The study above as the 14 lines of a study file, written out by hand.
QByteArray expectedAir() {
  return "\"AAA_NA\",0\r\n35,24.5,42.35\r\n26,18.7,50\r\n28.7,20.5,14.25\r\n13.5,12.8,8.65\r\n"
         "-100000,-100000,-100000\r\n8598.555,1719.711\r\n1500,0\r\n3917,21345,4590,5015,0\r\n"
         "1,0,0,0,\"C\"\r\n1,1,0,0,0\r\n1500\r\n" +
         repeat("-100000", 11) + ",0,0\r\n" + "0," + repeat("-100000", 26) + "\r\n";
}

// Title and unit, quotes doubled, in Windows-1253.
QByteArray expectedTas() {
  return "\"" + toCp1253(QStringLiteral("Γραφεία \"\"Ερμού\"\", 3ος όροφος")) +
         "\"\r\n\"WATT\"\r\n";
}

// Answers the file dialog with a fixed name; remembers what it was asked.
struct Chooser {
  QString answer;
  QString pattern{};
  bool create = false;
  files::PathChooser fn() {
    return [this](const QString& p, bool c) { return pattern = p, create = c, answer; };
  }
};

std::map<QString, QByteArray> snapshot(const QString& dir) {
  std::map<QString, QByteArray> out;
  for (const QString& n : QDir(dir).entryList(QDir::Files | QDir::Hidden))
    out[n] = test::readAll(dir + n);
  return out;
}

class SummerStudyFile : public ::testing::Test {
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

TEST_F(SummerStudyFile, SaveWritesTheFilesExactlyAndOpenReadsThemBack) {
  setCoolingStudy(study());
  Chooser c{dir + QStringLiteral("Γραφεία")};
  ASSERT_EQ(summer::SavePSFile(c.fn()), FileResult::Done);
  EXPECT_EQ(c.pattern, "*.AIR");
  EXPECT_TRUE(c.create);
  // A name typed without extension gets ".AIR" in upper case.
  const QString air = dir + QStringLiteral("Γραφεία.AIR");
  EXPECT_EQ(test::readAll(air), expectedAir());
  EXPECT_EQ(test::readAll(dir + QStringLiteral("Γραφεία.TAS")), expectedTas());
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), expectedAir());
  EXPECT_EQ(study().StudyFileName, air);
  EXPECT_FALSE(study().Unsaved);

  resetStudy();  // a fresh program
  setSeparators({'.', ','});
  Chooser open{dir + QStringLiteral("Γραφεία")};  // typed without extension
  const files::OpenOutcome out = summer::OpenPSFile_S(open.fn());
  ASSERT_EQ(out.result, FileResult::Done);
  EXPECT_FALSE(open.create);
  EXPECT_EQ(study().StudyFileName, air);
  EXPECT_EQ(study().Title, kTitle);
  EXPECT_TRUE(study().UnitWatt);
  EXPECT_FALSE(out.raisedSupplyTemp);
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), expectedAir());
}

TEST_F(SummerStudyFile, CancelledOrUnwritableSaveKeepsTheStudyUnsaved) {
  for (const char* answer : {"  Escape  ", "   "}) {
    setCoolingStudy(study());
    study().StudyFileName = "/x/previous.AIR";
    Chooser c{answer};
    EXPECT_EQ(summer::SavePSFile(c.fn()), FileResult::Cancelled) << answer;
    EXPECT_EQ(study().StudyFileName, "") << answer;
    EXPECT_TRUE(study().Unsaved);
  }
  EXPECT_TRUE(QDir(dir).entryList(QDir::Files).isEmpty());
  EXPECT_FALSE(QFileInfo::exists(fx.path("PSY_RES.TMP")));

  QDir().mkpath(dir + "blocked.AIR");  // a folder where the file should go
  Chooser c{dir + "blocked"};
  EXPECT_EQ(summer::SavePSFile(c.fn()), FileResult::Failed);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.shown()[0].code, files::kWriteFailedCode);
  EXPECT_TRUE(fx.messages.shown()[0].text.startsWith(
      QStringLiteral("... Το Αρχείο ΔΕΝ μπόρεσε να γραφτεί ...\n")));
  EXPECT_TRUE(study().Unsaved);
  EXPECT_FALSE(QFileInfo::exists(dir + "blocked.TAS"));
}

TEST_F(SummerStudyFile, TitleFileWithoutItsUnitOpensInKcalAndIsCompleted) {
  setCoolingStudy(study());
  Chooser save{dir + "k"};
  ASSERT_EQ(summer::SavePSFile(save.fn()), FileResult::Done);
  test::writeAll(dir + "k.TAS", "\"" + toCp1253(QStringLiteral("Μόνο ο τίτλος")) + "\"\r\n");
  resetStudy();
  Chooser open{dir + "k"};
  ASSERT_EQ(summer::OpenPSFile_S(open.fn()).result, FileResult::Done);
  EXPECT_TRUE(study().UnitKcal);
  EXPECT_EQ(test::readAll(dir + "k.TAS"),
            "\"" + toCp1253(QStringLiteral("Μόνο ο τίτλος")) + "\"\r\n\"KCAL\"\r\n");
  // The stored kcal/h as they are, in the load unit that was completed.
  EXPECT_EQ(study().LoadUnit, "KCAL");
  EXPECT_NEAR(study().SensLoad, 8598.56, 0.01);
}

TEST_F(SummerStudyFile, OlderLayoutOpensAndIsRewrittenWithThirteenValues) {
  // Older line 13: raised DB, WB, RH, h, grains, reheat, new supply flow, coil load.
  QByteArray older = expectedAir();
  const QByteArray line13 = repeat("-100000", 11) + ",0,0\r\n";
  older.replace(line13, "15,13.2,82.5,8.9,8.75,1200,4100,22000\r\n");
  test::writeAll(dir + "old.AIR", older);
  test::writeAll(dir + "old.TAS", expectedTas());
  Chooser open{dir + "old.AIR"};
  const files::OpenOutcome out = summer::OpenPSFile_S(open.fn());
  ASSERT_EQ(out.result, FileResult::Done);
  EXPECT_TRUE(out.upgraded);
  // The raise of 15 °C is there, to be asked about in °C.
  EXPECT_TRUE(out.raisedSupplyTemp);
  EXPECT_TRUE(out.raisedInCelsius);
  QByteArray current = expectedAir();
  current.replace(line13, "15,13.2,82.5,8.9,8.75,0,0,0,0,0,1200,4100,22000\r\n");
  EXPECT_EQ(test::readAll(dir + "old.AIR"), current);
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), current);
  EXPECT_EQ(summer::CheckForFileValidity(dir + "old.AIR"), StudyLayout::Current);
}

struct BadCase {
  std::string name;
  std::function<void(const QString& air, const QString& tas)> make;
  int code;
};

class SummerBadInput : public SummerStudyFile, public ::testing::WithParamInterface<BadCase> {};

TEST_P(SummerBadInput, IsRefusedWithAMessageAndNothingChanges) {
  // The screen shows another study, with its results file.
  setCoolingStudy(study());
  study().Title = QStringLiteral("Η μελέτη της οθόνης");
  study().StudyFileName = dir + "shown.AIR";
  test::writeAll(fx.path("PSY_RES.TMP"), "results of the shown study");
  const QString air = dir + "bad.AIR";
  const QString tas = dir + "bad.TAS";
  test::writeAll(tas, expectedTas());
  GetParam().make(air, tas);
  const StudyState before = study();
  const auto filesBefore = snapshot(dir);
  const auto programBefore = snapshot(fx.folder());

  Chooser c{air};
  const files::OpenOutcome out = summer::OpenPSFile_S(c.fn());
  EXPECT_EQ(out.result, FileResult::Failed);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& m = fx.messages.shown()[0];
  EXPECT_EQ(m.code, GetParam().code);
  EXPECT_EQ(m.title, QStringLiteral("...! ΠΡΟΣΟΧΗ !.."));
  if (GetParam().code == files::kDamagedFileCode)
    EXPECT_EQ(m.text, QStringLiteral("... Υπάρχει σοβαρό πρόβλημα στο εν λόγω Αρχείο ..."));
  else
    EXPECT_EQ(m.text,
              QStringLiteral("... ΔΕΝ βρέθηκε το Αρχείο του Θέματος-Τίτλου της Μελέτης ...\n") +
                  QDir::toNativeSeparators(tas));
  EXPECT_EQ(resultsFileBytes(study()), resultsFileBytes(before));
  EXPECT_EQ(study().Title, before.Title);
  EXPECT_EQ(study().StudyFileName, before.StudyFileName);
  EXPECT_EQ(snapshot(dir), filesBefore);
  EXPECT_EQ(snapshot(fx.folder()), programBefore);
}

std::vector<BadCase> badCases() {
  const QByteArray good = expectedAir(), line13 = repeat("-100000", 11) + ",0,0\r\n";
  auto edit = [&](const QByteArray& from, const QByteArray& to) {
    return QByteArray(good).replace(from, to);
  };
  auto file = [](const QByteArray& bytes, bool keepTitleFile = true) {
    return [=](const QString& air, const QString& tas) {
      test::writeAll(air, bytes);
      if (!keepTitleFile) QFile::remove(tas);
    };
  };
  QByteArray garbage;
  for (int i = 0; i < 3000; ++i) garbage.append(static_cast<char>((i * 73 + 11) % 256));
  const int bad = files::kDamagedFileCode, noTitle = files::kMissingTitleFileCode;
  return {
      {"cut_in_line_14", file(good.left(good.size() - 40)), bad},
      {"empty_file", file(""), bad},
      {"garbage_bytes", file(garbage), bad},
      {"unknown_fresh_air_mode", file(edit("\"C\"", "\"X\"")), bad},
      {"beyond_single_precision", file(edit("3917", "1E+39")), bad},
      {"line_13_of_nine_values", file(edit(line13, "1,2,3,4,5,6,7,8,9\r\n")), bad},
      {"too_large", file(good + QByteArray(2 << 20, ' ')), bad},
      {"folder_in_place_of_the_file",
       [](const QString& air, const QString&) { QDir().mkpath(air); }, bad},
      {"missing_title_file", file(good, false), noTitle},
      {"older_layout_without_title_file_is_not_rewritten",
       file(edit(line13, "1,2,3,4,5,6,7,8\r\n"), false), noTitle},
  };
}

INSTANTIATE_TEST_SUITE_P(Files, SummerBadInput, ::testing::ValuesIn(badCases()),
                         [](const auto& info) { return info.param.name; });
