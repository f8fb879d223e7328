// Path splitting, extensions and the default study folder.
#include <gtest/gtest.h>

#include <QDir>

#include "TestSupport.h"
#include "files/FileBrowser.h"
#include "files/FileData.h"
#include "study/AppFolder.h"
#include "study/Cp1253.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::files;

struct SplitCase {
  const char* name;
  const char* path;
  const char* drive;
  const char* folder;
  const char* file;
  char separator;
};

class SplitPath : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitPath, SplitsAtTheLastSeparator) {
  const SplitCase& c = GetParam();
  const FileData d = splitPath(QString::fromUtf8(c.path));
  EXPECT_EQ(d.drive, QString::fromUtf8(c.drive));
  EXPECT_EQ(d.folder, QString::fromUtf8(c.folder));
  EXPECT_EQ(d.fileName, QString::fromUtf8(c.file));
  EXPECT_EQ(d.separator, QChar(c.separator));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SplitPath,
    ::testing::Values(
        SplitCase{"windows", "C:\\Kalyx\\Data\\Office.KLD", "C", "\\Kalyx\\Data", "Office.KLD",
                  '\\'},
        SplitCase{"root_of_drive", "D:\\a.KLD", "D", "", "a.KLD", '\\'},
        SplitCase{"drive_without_folder", "C:Office.KLD", "C", "", "Office.KLD", '\\'},
        SplitCase{"posix", "/home/user/AIRFiles/Γραφεία.AIR", "", "/home/user/AIRFiles",
                  "Γραφεία.AIR", '/'},
        SplitCase{"bare_name", "Office.KLD", "", "", "Office.KLD", '\\'},
        SplitCase{"mixed_separators", "C:\\Data/sub\\x.AIR", "C", "\\Data/sub", "x.AIR", '\\'},
        SplitCase{"comma_in_folder", "C:\\Kalyx, 2024\\Office.KLD", "C", "\\Kalyx, 2024",
                  "Office.KLD", '\\'}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileData, RInstrLeftFindsTheLastOccurrenceOneBased) {
  EXPECT_EQ(RInstr_Left("a\\b\\c", "\\"), 4);  // a=1 \=2 b=3 \=4
  EXPECT_EQ(RInstr_Left("abc", "\\"), 0);
  EXPECT_EQ(RInstr_Left("abc", ""), 0);
  EXPECT_EQ(lastSeparator("C:\\a/b"), 5);
}

struct ExtCase {
  const char* name;
  const char* typed;
  const char* ext;
  const char* expected;
};

class EnsureExtension : public ::testing::TestWithParam<ExtCase> {};

TEST_P(EnsureExtension, AppendsUpperCaseUnlessPresentInAnyCase) {
  const ExtCase& c = GetParam();
  EXPECT_EQ(ensureExtension(QString::fromUtf8(c.typed), c.ext), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Names, EnsureExtension,
    ::testing::Values(ExtCase{"bare", "Office", ".AIR", "Office.AIR"},
                      ExtCase{"lower_kept", "office.air", ".AIR", "office.air"},
                      ExtCase{"mixed_kept", "Office.Wir", ".WIR", "Office.Wir"},
                      ExtCase{"other_extension", "Office.txt", ".AIR", "Office.txt.AIR"},
                      ExtCase{"greek", "Μελέτη", ".WIR", "Μελέτη.WIR"},
                      ExtCase{"lower_ext_argument", "Office", ".air", "Office.AIR"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileData, CompanionOfAStudyReplacesTheLastFourCharacters) {
  EXPECT_EQ(replaceLastFour("C:\\A\\office.air", ".TAS"), "C:\\A\\office.TAS");
  EXPECT_EQ(replaceLastFour("x.WIR", ".TAW"), "x.TAW");
  EXPECT_EQ(replaceLastFour("abc", ".TAS"), "abc.TAS");
  EXPECT_EQ(companionExtension("*.AIR"), ".TAS");
  EXPECT_EQ(companionExtension("*.wir"), ".TAW");
  EXPECT_EQ(companionExtension("*.KLD"), "");
  EXPECT_EQ(patternExtension("*.XLD"), ".XLD");
}

TEST(FileData, FindsAStudyWhoseNameDiffersOnlyInCase) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("Office.tas"), "\"x\"\r\n");
  EXPECT_EQ(findExistingFile(fx.path("Office.TAS")), fx.path("Office.tas"));
  EXPECT_EQ(findExistingFile(fx.path("Other.TAS")), "");
  EXPECT_EQ(findExistingFile(""), "");
}

TEST(FileBrowser, DefaultFolderComesFromTheRememberedFolderFile) {
  test::ProgramFolderFixture fx;
  // No "~orvo.psy": the program folder's "AIRFiles/".
  EXPECT_EQ(defaultStudyFolder(), fx.path("AIRFiles/"));
  test::writeAll(fx.path("~orvo.psy"), "");
  EXPECT_EQ(defaultStudyFolder(), fx.path("AIRFiles/"));
  // The file is Windows-1253 text, like every text file of the program.
  test::writeAll(fx.path("~orvo.psy"),
                 "\"" + toCp1253(QStringLiteral("D:\\Μελέτες\\AIRFiles\\")) + "\"\r\n");
  EXPECT_EQ(defaultStudyFolder(), QStringLiteral("D:\\Μελέτες\\AIRFiles\\"));
  test::writeAll(fx.path("~orvo.psy"), "\"/srv/studies\"\r\n");
  EXPECT_EQ(defaultStudyFolder(), "/srv/studies/");
}

TEST(FileBrowser, StartFolderPrefersRememberedThenCurrentStudyThenDefault) {
  test::ProgramFolderFixture fx;
  forgetDialogFolder();
  QDir(fx.folder()).mkpath("AIRFiles");
  QDir(fx.folder()).mkpath("Other");
  EXPECT_EQ(dialogStartFolder(), fx.path("AIRFiles/"));
  study().StudyFileName = fx.path("Other/x.AIR");
  EXPECT_EQ(dialogStartFolder(), fx.path("Other/"));
  study().StudyFileName = "Escape";
  EXPECT_EQ(dialogStartFolder(), fx.path("AIRFiles/"));
  rememberDialogFolder(fx.path("Other"));
  EXPECT_EQ(dialogStartFolder(), fx.path("Other/"));
  forgetDialogFolder();
  QDir(fx.folder()).rmdir("AIRFiles");
  study().StudyFileName.clear();
  EXPECT_EQ(dialogStartFolder(), fx.folder());
}

TEST(FileBrowser, ChosenPathJoinsFolderAndAddsTheExtensionInCreateMode) {
  EXPECT_EQ(chosenPath("/d/AIR/", "Γραφεία", "*.AIR", true), "/d/AIR/Γραφεία.AIR");
  EXPECT_EQ(chosenPath("/d/AIR", "γραφεία.air", "*.AIR", true), "/d/AIR/γραφεία.air");
  EXPECT_EQ(chosenPath("/d/AIR/", "Office", "*.AIR", false), "/d/AIR/Office");
  EXPECT_EQ(chosenPath("/d/AIR/", "  ", "*.AIR", true), "");
  EXPECT_EQ(chosenPath("/d/AIR/", "/e/x.WIR", "*.WIR", true), "/e/x.WIR");
  EXPECT_EQ(driveOf("C:\\Data"), "C:/");
  EXPECT_EQ(driveOf("/home"), "/");
}
