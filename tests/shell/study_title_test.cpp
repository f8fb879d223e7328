// The study title and its companion title file (".TAS" beside ".AIR", ".TAW"
// beside ".WIR"): two quoted values, title and load-unit code, CR LF, in the
// Greek single-byte code page.
#include <gtest/gtest.h>

#include <QDir>

#include "TestSupport.h"
#include "shell/StudyTitle.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::shell;

namespace {

struct CompanionCase {
  const char* name;
  const char* study;
  Season season;
  const char* companion;
};

class Companion : public ::testing::TestWithParam<CompanionCase> {};

TEST_P(Companion, NameReplacesTheLastFourCharacters) {
  const CompanionCase& c = GetParam();
  EXPECT_EQ(companionFileName(QString::fromUtf8(c.study), c.season),
            QString::fromUtf8(c.companion));
}

INSTANTIATE_TEST_SUITE_P(
    Names, Companion,
    ::testing::Values(
        CompanionCase{"summer", "/st/Office.AIR", Season::Summer, "/st/Office.TAS"},
        CompanionCase{"lower_case_air", "/st/Office.air", Season::Summer, "/st/Office.TAS"},
        CompanionCase{"winter", "/st/Office.WIR", Season::Winter, "/st/Office.TAW"},
        // The study file decides: a heating result saved from the summer screen
        // is a ".WIR" and its title goes to ".TAW".
        CompanionCase{"wir_from_summer", "/st/Cold.WIR", Season::Summer, "/st/Cold.TAW"},
        CompanionCase{"air_from_winter", "/st/Hot.AIR", Season::Winter, "/st/Hot.TAS"},
        CompanionCase{"other_ext_winter", "/st/Plant.dat", Season::Winter, "/st/Plant.TAW"},
        CompanionCase{"other_ext_none", "/st/Plant.dat", Season::None, "/st/Plant.TAS"},
        CompanionCase{"greek_name", "/st/Κτίριο.AIR", Season::Summer, "/st/Κτίριο.TAS"},
        CompanionCase{"cancelled_dialog", "Escape", Season::Summer, ""},
        CompanionCase{"no_file", "", Season::Summer, ""},
        CompanionCase{"too_short", ".AIR", Season::Summer, ""}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST_F(TitleWindowOk, CompanionIsRewrittenWholeEvenWhenTheTitleIsUnchanged) {
  StudyState& s = study();
  s.Title = "Office block";
  s.StudyFileName = program.path("Office.WIR");
  s.setLoadUnit("BTUh");
  test::writeAll(program.path("Office.TAW"),
                 "\"An old and much longer title that must disappear\"\r\n\"KCAL\"\r\n");
  const TitleChange c = applyStudyTitle(s, "  Office block ", Season::Winter);
  EXPECT_FALSE(c.titleChanged);
  EXPECT_TRUE(c.companionWritten);
  EXPECT_EQ(test::readAll(program.path("Office.TAW")),
            QByteArray("\"Office block\"\r\n\"BTUh\"\r\n"));
  EXPECT_TRUE(s.TitleEntered);
}

TEST_F(TitleWindowOk, LineBreaksInTheTitleDoNotSplitTheCompanion) {
  // A pasted two-line title must stay one quoted value on line 1.
  StudyState& s = study();
  s.StudyFileName = program.path("Two.AIR");
  s.setLoadUnit("RT");
  applyStudyTitle(s, "Block A\r\nBlock\tB\n", Season::Summer);
  EXPECT_EQ(s.Title, QStringLiteral("Block A  Block B"));
  EXPECT_EQ(test::readAll(program.path("Two.TAS")),
            QByteArray("\"Block A  Block B\"\r\n\"RT\"\r\n"));
}

TEST_F(TitleWindowOk, NoStudyFileWritesNothing) {
  for (const char* name : {"", "Escape"}) {
    resetStudy();
    StudyState& s = study();
    s.StudyFileName = name;
    const TitleChange c = applyStudyTitle(s, "New study", Season::Summer);
    EXPECT_TRUE(c.titleChanged);
    EXPECT_TRUE(c.companionPath.isEmpty());
    EXPECT_FALSE(c.companionWritten);
    EXPECT_EQ(s.Title, QStringLiteral("New study"));
    EXPECT_TRUE(s.TitleEntered);
  }
  EXPECT_TRUE(QDir(program.folder()).entryList(QDir::Files).isEmpty());
}

TEST_F(TitleWindowOk, UnwritableCompanionIsReportedAndTheTitleStillChanges) {
  StudyState& s = study();
  s.StudyFileName = program.path("gone/Office.AIR");  // its folder does not exist
  const TitleChange c = applyStudyTitle(s, "Hotel", Season::Summer);
  EXPECT_TRUE(c.titleChanged);
  EXPECT_EQ(c.companionPath, program.path("gone/Office.TAS"));
  EXPECT_FALSE(c.companionWritten);
  EXPECT_FALSE(c.error.isEmpty());
  EXPECT_EQ(s.Title, QStringLiteral("Hotel"));
}

}  // namespace
