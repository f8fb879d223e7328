// The season flags and the remembered study folder file "~orvo.psy".
#include "shell/Season.h"

#include <gtest/gtest.h>

#include <QDir>

#include "TestSupport.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::shell;

namespace {

TEST(SeasonFlags, ChoiceSetsOneFlagAndClearsTheOther) {
  for (Season season : {Season::Summer, Season::Winter, Season::None}) {
    StudyState s;
    s.CoolingProcess = s.HeatingProcess = true;
    applySeasonChoice(s, season);
    EXPECT_EQ(s.CoolingProcess, season == Season::Summer);
    EXPECT_EQ(s.HeatingProcess, season == Season::Winter);
    EXPECT_EQ(seasonOfFlags(s), season);
  }
}

class RememberedFolder : public ::testing::Test {
 protected:
  test::ProgramFolderFixture program;
  QString file() const { return program.path("~orvo.psy"); }
  // What the file holds after it is created: the program folder and
  // "AIRFiles/", one quoted value, CR LF.
  QByteArray created() const { return "\"" + program.folder().toLocal8Bit() + "AIRFiles/\"\r\n"; }
};

TEST_F(RememberedFolder, MissingOrValuelessFileIsWrittenWithTheStudyFolder) {
  ASSERT_TRUE(ensureRememberedFolderFile());
  EXPECT_EQ(test::readAll(file()), created());
  EXPECT_TRUE(QDir(program.path("AIRFiles")).exists());
  EXPECT_EQ(readRememberedFolder(), program.folder() + "AIRFiles/");
  for (const QByteArray& bad : {QByteArray(), QByteArray("\"   \"\r\n")}) {
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

}  // namespace
