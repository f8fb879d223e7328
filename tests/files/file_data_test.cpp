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

TEST(FileData, SplitsAtTheLastSeparator) {
  struct Case {
    const char *path, *drive, *folder, *file;
    char separator;
  };
  for (const Case& c :
       {Case{"C:\\Kalyx\\Data\\Office.KLD", "C", "\\Kalyx\\Data", "Office.KLD", '\\'},
        Case{"C:Office.KLD", "C", "", "Office.KLD", '\\'},
        Case{"/home/user/AIRFiles/Γραφεία.AIR", "", "/home/user/AIRFiles", "Γραφεία.AIR", '/'},
        Case{"C:\\Data/sub\\x.AIR", "C", "\\Data/sub", "x.AIR", '\\'},
        Case{"C:\\Kalyx, 2024\\Office.KLD", "C", "\\Kalyx, 2024", "Office.KLD", '\\'}}) {
    const FileData d = splitPath(QString::fromUtf8(c.path));
    EXPECT_EQ(d.drive, QString::fromUtf8(c.drive)) << c.path;
    EXPECT_EQ(d.folder, QString::fromUtf8(c.folder)) << c.path;
    EXPECT_EQ(d.fileName, QString::fromUtf8(c.file)) << c.path;
    EXPECT_EQ(d.separator, QChar(c.separator)) << c.path;
  }
}

TEST(FileData, ExtensionsAndCompanions) {
  EXPECT_EQ(ensureExtension("Office", ".air"), "Office.AIR");
  EXPECT_EQ(ensureExtension("Office.Wir", ".WIR"), "Office.Wir");  // present in any case
  EXPECT_EQ(ensureExtension("Office.txt", ".AIR"), "Office.txt.AIR");
  EXPECT_EQ(replaceLastFour("C:\\A\\office.air", ".TAS"), "C:\\A\\office.TAS");
  EXPECT_EQ(replaceLastFour("abc", ".TAS"), "abc.TAS");
  EXPECT_EQ(companionExtension("*.wir"), ".TAW");
  EXPECT_EQ(companionExtension("*.KLD"), "");
}

// "~orvo.psy" names the data folder; the study files go to its "AIR" sub-folder.
TEST(FileBrowser, DefaultFolderIsTheAirFolderOfTheRememberedDataFolder) {
  test::ProgramFolderFixture fx;
  EXPECT_EQ(defaultStudyFolder(), fx.path("AIRFiles/AIR/"));  // no "~orvo.psy"
  test::writeAll(fx.path("~orvo.psy"), "");
  EXPECT_EQ(defaultStudyFolder(), fx.path("AIRFiles/AIR/"));
  test::writeAll(fx.path("~orvo.psy"),
                 "\"" + toCp1253(QStringLiteral("D:\\Μελέτες\\AIRFiles\\")) + "\"\r\n");
  EXPECT_EQ(defaultStudyFolder(), QStringLiteral("D:\\Μελέτες\\AIRFiles\\AIR\\"));
  test::writeAll(fx.path("~orvo.psy"), "\"/srv/studies\"\r\n");
  EXPECT_EQ(defaultStudyFolder(), "/srv/studies/AIR/");
  // The file dialog starts there once it exists.
  forgetDialogFolder();
  resetStudy();
  test::writeAll(fx.path("~orvo.psy"), "\"" + fx.path("AIRFiles/").toLocal8Bit() + "\"\r\n");
  QDir().mkpath(fx.path("AIRFiles/AIR"));
  EXPECT_EQ(dialogStartFolder(), fx.path("AIRFiles/AIR/"));
}

TEST(FileBrowser, ChosenPathJoinsFolderAndAddsTheExtensionInCreateMode) {
  EXPECT_EQ(chosenPath("/d/AIR/", "Γραφεία", "*.AIR", true), "/d/AIR/Γραφεία.AIR");
  EXPECT_EQ(chosenPath("/d/AIR", "γραφεία.air", "*.AIR", true), "/d/AIR/γραφεία.air");
  EXPECT_EQ(chosenPath("/d/AIR/", "Office", "*.AIR", false), "/d/AIR/Office");
  EXPECT_EQ(chosenPath("/d/AIR/", "  ", "*.AIR", true), "");
  EXPECT_EQ(chosenPath("/d/AIR/", "/e/x.WIR", "*.WIR", true), "/e/x.WIR");
}
