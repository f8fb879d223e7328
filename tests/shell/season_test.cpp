// The season flags and the remembered study folder file "~orvo.psy".
#include "shell/Season.h"

#include <gtest/gtest.h>

#include <QDir>

#include "TestSupport.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::shell;

namespace {

struct FlagCase {
  const char* name;
  Season season;
  bool cooling, heating;
};

class SeasonFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(SeasonFlags, ChoiceSetsOneFlagAndClearsTheOther) {
  const FlagCase& c = GetParam();
  for (bool before : {false, true}) {
    StudyState s;
    s.CoolingProcess = before;
    s.HeatingProcess = !before;
    applySeasonChoice(s, c.season);
    EXPECT_EQ(s.CoolingProcess, c.cooling);
    EXPECT_EQ(s.HeatingProcess, c.heating);
    EXPECT_EQ(seasonOfFlags(s), c.season);
  }
}

INSTANTIATE_TEST_SUITE_P(Seasons, SeasonFlags,
                         ::testing::Values(FlagCase{"summer", Season::Summer, true, false},
                                           FlagCase{"winter", Season::Winter, false, true},
                                           FlagCase{"none", Season::None, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

class RememberedFolder : public ::testing::Test {
 protected:
  test::ProgramFolderFixture program;
  QString file() const { return program.path("~orvo.psy"); }
  // What the file holds after it is created: the program folder and
  // "AIRFiles/", one quoted value, CR LF.
  QByteArray created() const { return "\"" + program.folder().toLocal8Bit() + "AIRFiles/\"\r\n"; }
};

TEST_F(RememberedFolder, MissingFileIsCreatedWithTheStudyFolder) {
  ASSERT_TRUE(ensureRememberedFolderFile());
  EXPECT_EQ(test::readAll(file()), created());
  EXPECT_TRUE(QDir(program.path("AIRFiles")).exists());
  EXPECT_EQ(readRememberedFolder(), program.folder() + "AIRFiles/");
}

TEST_F(RememberedFolder, EmptyOrValuelessFileIsWrittenAgain) {
  for (const QByteArray& bad :
       {QByteArray(), QByteArray("\r\n"), QByteArray("\"\"\r\n"), QByteArray("\"   \"\r\n")}) {
    test::writeAll(file(), bad);
    ASSERT_TRUE(ensureRememberedFolderFile());
    EXPECT_EQ(test::readAll(file()), created()) << bad.toStdString();
  }
}

TEST_F(RememberedFolder, FileNamingAFolderIsLeftAlone) {
  // A folder the user chose earlier, with a Greek name (Windows-1253 bytes).
  const QByteArray chosen = "\"D:\\\xCC\xE5\xEB\xDD\xF4\xE5\xF2\\\"\r\n";
  test::writeAll(file(), chosen);
  ASSERT_TRUE(ensureRememberedFolderFile());
  EXPECT_EQ(test::readAll(file()), chosen);
  EXPECT_EQ(readRememberedFolder(), QStringLiteral("D:\\Μελέτες\\"));
  EXPECT_FALSE(QDir(program.path("AIRFiles")).exists());
}

TEST_F(RememberedFolder, UnwritableFileIsReportedNotCrashed) {
  // A folder stands where the file should be.
  QDir(program.folder()).mkpath("~orvo.psy");
  QString error;
  EXPECT_FALSE(ensureRememberedFolderFile(&error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
