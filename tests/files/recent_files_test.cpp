// The recent load studies of the companion program: reading, list lines,
// season of a recalled study and removal of entries.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "TestSupport.h"
#include "files/RecentFiles.h"
#include "study/Cp1253.h"

using namespace aeriton;
using namespace aeriton::files;

TEST(RecentFiles, ReadsWholeLinesInAnyLineEndWithQuotesRemoved) {
  test::ProgramFolderFixture fx;
  const QByteArray bytes =
      "C:\\Kalyx\\Office.KLD\r\n"
      "\"D:\\Data, 2024\\Shop.XLD\"\n"
      "\r\n"
      "C:\\" +
      toCp1253(QStringLiteral("Μελέτες")) +
      "\\school.kld\r"
      "E:\\last.KLD";
  test::writeAll(fx.path("RecentFiles.txt"), bytes);
  const auto entries = readRecentFiles();
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].path, "C:\\Kalyx\\Office.KLD");
  // A comma belongs to the path: the whole line is one entry.
  EXPECT_EQ(entries[1].path, "D:\\Data, 2024\\Shop.XLD");
  EXPECT_EQ(entries[2].path, QStringLiteral("C:\\Μελέτες\\school.kld"));
  EXPECT_EQ(entries[2].line, 3);  // the blank line 2 is skipped
  EXPECT_EQ(entries[3].path, "E:\\last.KLD");
}

TEST(RecentFiles, SeasonOfALoadStudyByItsUpperCasedExtension) {
  EXPECT_EQ(loadStudySeason("C:\\a.kld"), LoadSeason::Summer);
  EXPECT_EQ(loadStudySeason("C:\\a.Xld"), LoadSeason::Winter);
  EXPECT_EQ(loadStudySeason("C:\\a.AIR"), LoadSeason::Unknown);
  EXPECT_EQ(loadStudySeason("KLD"), LoadSeason::Unknown);
}

TEST(RecentFiles, RemovingAnEntryKeepsEveryOtherLineByteForByte) {
  test::ProgramFolderFixture fx;
  const QByteArray greek = toCp1253(QStringLiteral("Μελέτες"));
  test::writeAll(fx.path("RecentFiles.txt"),
                 "C:\\a.KLD\r\n\"C:\\" + greek + "\\b.XLD\"\r\nC:\\c.KLD\r\n");
  test::writeAll(fx.path("RecentFiles.@@@"), "stale scratch copy");
  ASSERT_TRUE(removeRecentFile(0));
  EXPECT_EQ(test::readAll(fx.path("RecentFiles.txt")),
            "\"C:\\" + greek + "\\b.XLD\"\r\nC:\\c.KLD\r\n");
  EXPECT_FALSE(QFileInfo::exists(fx.path("RecentFiles.@@@")));
  ASSERT_TRUE(removeRecentFile(1));
  EXPECT_EQ(test::readAll(fx.path("RecentFiles.txt")), "\"C:\\" + greek + "\\b.XLD\"\r\n");
  EXPECT_FALSE(removeRecentFile(1));  // out of range: nothing changes
  EXPECT_FALSE(removeRecentFile(-1));
  EXPECT_EQ(test::readAll(fx.path("RecentFiles.txt")), "\"C:\\" + greek + "\\b.XLD\"\r\n");
  // Removing the last remaining entry leaves an empty file.
  ASSERT_TRUE(removeRecentFile(0));
  EXPECT_TRUE(QFileInfo::exists(fx.path("RecentFiles.txt")));
  EXPECT_EQ(QFileInfo(fx.path("RecentFiles.txt")).size(), 0);
  EXPECT_TRUE(readRecentFiles().empty());
}

TEST(RecentFiles, ScratchCopyThatCannotBeWrittenLeavesTheListAsItWas) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("RecentFiles.txt"), "C:\\a.KLD\r\nC:\\b.KLD\r\n");
  QDir(fx.folder()).mkpath("RecentFiles.@@@");  // a folder blocks the scratch copy
  QString error;
  EXPECT_FALSE(removeRecentFile(0, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(test::readAll(fx.path("RecentFiles.txt")), "C:\\a.KLD\r\nC:\\b.KLD\r\n");
}

TEST(RecentFiles, RemovalCountsEntriesNotBlankLines) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("RecentFiles.txt"), "\r\nC:\\a.KLD\n\nC:\\b.KLD");
  ASSERT_TRUE(removeRecentFile(1));  // the second entry, C:\b.KLD, on line 4
  EXPECT_EQ(test::readAll(fx.path("RecentFiles.txt")), "\r\nC:\\a.KLD\r\n\r\n");
}

// A "RecentFiles.txt" far larger than any recent list is neither read nor
// rewritten: the list is empty and a removal leaves the file as it was.
TEST(RecentFiles, OversizedListIsLeftAlone) {
  test::ProgramFolderFixture fx;
  QByteArray big = "C:\\Kalyx\\a.KLD\r\n";
  big += QByteArray(static_cast<int>(kMaxRecentFilesBytes), 'x');
  test::writeAll(fx.path("RecentFiles.txt"), big);
  EXPECT_TRUE(recentFilesExist());
  EXPECT_TRUE(readRecentFiles().empty());
  EXPECT_FALSE(removeRecentFile(0));
  EXPECT_EQ(test::readAll(fx.path("RecentFiles.txt")).size(), big.size());
}
