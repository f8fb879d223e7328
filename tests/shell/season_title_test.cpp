// The season flags, the remembered study folder file "~orvo.psy", and the study
// title with its companion file (".TAS" beside ".AIR", ".TAW" beside ".WIR"):
// two quoted values, title and load-unit code, CR LF, in Windows-1253.
#include <gtest/gtest.h>

#include <QDir>

#include "TestSupport.h"
#include "shell/Season.h"
#include "shell/StudyTitle.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::shell;

namespace {

TEST(Companion, NameReplacesTheLastFourCharacters) {
  // The study file decides: a heating result saved from the summer screen is
  // a ".WIR" and its title goes to ".TAW".
  EXPECT_EQ(companionFileName("/st/Office.air", Season::Summer), "/st/Office.TAS");
  EXPECT_EQ(companionFileName("/st/Cold.WIR", Season::Summer), "/st/Cold.TAW");
  EXPECT_EQ(companionFileName("/st/Plant.dat", Season::Winter), "/st/Plant.TAW");
  EXPECT_EQ(companionFileName("/st/Plant.dat", Season::None), "/st/Plant.TAS");
  for (const char* none : {"Escape", "", ".AIR"})
    EXPECT_EQ(companionFileName(none, Season::Summer), "") << none;
}

class TitleWindowOk : public ::testing::Test {
 protected:
  test::ProgramFolderFixture program;
};

TEST_F(TitleWindowOk, GreekTitleAndLoadUnitAreWrittenToTheCompanion) {
  // "Κτίριο" in Windows-1253: Κ CA, τ F4, ί DF, ρ F1, ι E9, ο EF.
  StudyState& s = study();
  s.StudyFileName = program.path("Office.AIR");
  s.setLoadUnit("KW");
  const TitleChange c = applyStudyTitle(s, QStringLiteral("  Κτίριο, \"Α\"  "), Season::Summer);
  EXPECT_TRUE(c.titleChanged);
  EXPECT_TRUE(c.companionWritten) << c.error.toStdString();
  EXPECT_EQ(c.companionPath, program.path("Office.TAS"));
  EXPECT_EQ(s.Title, QStringLiteral("Κτίριο, \"Α\""));
  EXPECT_TRUE(s.TitleEntered);
  // A quote inside the title is doubled; Α (capital alpha) is C1.
  EXPECT_EQ(test::readAll(program.path("Office.TAS")),
            QByteArray("\"\xCA\xF4\xDF\xF1\xE9\xEF, \"\"\xC1\"\"\"\r\n\"KW\"\r\n"));
}

TEST_F(TitleWindowOk, LineBreaksInTheTitleDoNotSplitTheCompanion) {
  // A pasted two-line title must stay one quoted value on line 1.
  StudyState& s = study();
  s.StudyFileName = program.path("Two.AIR");
  s.setLoadUnit("RT");
  // An older, longer companion is replaced whole.
  test::writeAll(program.path("Two.TAS"), "\"An old and much longer title\"\r\n\"KCAL\"\r\n");
  applyStudyTitle(s, "Block A\r\nBlock\tB\n", Season::Summer);
  EXPECT_EQ(s.Title, QStringLiteral("Block A  Block B"));
  EXPECT_EQ(test::readAll(program.path("Two.TAS")),
            QByteArray("\"Block A  Block B\"\r\n\"RT\"\r\n"));
}

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
  // The data folder and its "AIR" folder, where the study files go.
  EXPECT_TRUE(QDir(program.path("AIRFiles/AIR")).exists());
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
