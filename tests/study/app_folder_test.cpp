// The program's two folders: delivered files from the program folder, the
// program's own files in a working folder the user can write.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "study/AppFolder.h"

using namespace aeriton;

namespace {

QString folderOf(const QTemporaryDir& dir, const char* sub = nullptr) {
  QString f = appendBackslash(dir.path());
  if (sub) f += QLatin1String(sub) + '/';
  return f;
}

}  // namespace

// A program folder the user can write is also the working folder: nothing is
// created elsewhere.
TEST(WorkingFolder, WritableProgramFolderIsUsedAsItIs) {
  QTemporaryDir program, user;
  const QString userFolder = folderOf(user, "Aeriton");
  EXPECT_EQ(appfolder::chooseWorkingFolder(folderOf(program), userFolder), folderOf(program));
  EXPECT_FALSE(QDir(userFolder).exists());
  // The write test leaves nothing behind.
  EXPECT_TRUE(QDir(program.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                  .isEmpty());
}

// A program folder in which no file can be created (here: below a plain file,
// which no user, root included, can write into) sends the working files to the
// per-user folder, created on the way.
TEST(WorkingFolder, UnwritableProgramFolderGivesThePerUserFolder) {
  QTemporaryDir root, user;
  test::writeAll(root.filePath("plain"), "x");
  const QString program = appendBackslash(root.filePath("plain/aeriton"));
  const QString userFolder = folderOf(user, "share/Aeriton");
  EXPECT_EQ(appfolder::chooseWorkingFolder(program, userFolder), userFolder);
  EXPECT_TRUE(QDir(userFolder).exists());
}

// When neither folder can be written the program folder stays, so each write
// reports its own failure instead of landing somewhere unexpected.
TEST(WorkingFolder, NeitherWritableKeepsTheProgramFolder) {
  QTemporaryDir root;
  test::writeAll(root.filePath("plain"), "x");
  const QString program = appendBackslash(root.filePath("plain/a"));
  const QString userFolder = appendBackslash(root.filePath("plain/b"));
  EXPECT_EQ(appfolder::chooseWorkingFolder(program, userFolder), program);
  EXPECT_EQ(appfolder::chooseWorkingFolder(program, QString()), program);
}

// setFolder points both folders at one place (how every test runs the program).
TEST(WorkingFolder, SetFolderPointsBothFoldersAtOnePlace) {
  QTemporaryDir dir;
  appfolder::setFolder(dir.path());
  EXPECT_EQ(appfolder::folder(), folderOf(dir));
  EXPECT_EQ(appfolder::programFolder(), folderOf(dir));
  EXPECT_FALSE(appfolder::separateWorkingFolder());
  EXPECT_EQ(appfolder::path("PSY_RES.TMP"), folderOf(dir) + "PSY_RES.TMP");
  EXPECT_EQ(appfolder::deliveredPath("Data.dat"), folderOf(dir) + "Data.dat");
  appfolder::setFolder(QString());
}

// With a separate working folder, a delivered file is read from the
// installation unless the user keeps his own copy (a restyled template).
TEST(WorkingFolder, UsersOwnCopyOfADeliveredFileComesFirst) {
  QTemporaryDir program, work;
  appfolder::setFolder(work.path());
  appfolder::setProgramFolder(program.path());
  EXPECT_TRUE(appfolder::separateWorkingFolder());
  test::writeAll(program.filePath("Aeriton.pdf"), "%PDF installed");
  test::writeAll(program.filePath("LD_PS_MS.xlsx"), "installed");
  test::writeAll(work.filePath("LD_PS_MS.xlsx"), "restyled");

  EXPECT_EQ(appfolder::deliveredPath("Aeriton.pdf"), folderOf(program) + "Aeriton.pdf");
  EXPECT_EQ(appfolder::deliveredPath("LD_PS_MS.xlsx"), folderOf(work) + "LD_PS_MS.xlsx");
  // The program's own files always go to the working folder.
  EXPECT_EQ(appfolder::path("CLIENTS.ORV"), folderOf(work) + "CLIENTS.ORV");
  appfolder::setFolder(QString());
  appfolder::setProgramFolder(QString());
}

// Leftover temporary files are removed from the working folder only; the
// delivered files beside the executable are never touched.
TEST(WorkingFolder, TemporaryFilesAreRemovedFromTheWorkingFolder) {
  QTemporaryDir program, work;
  appfolder::setFolder(work.path());
  appfolder::setProgramFolder(program.path());
  test::writeAll(work.filePath("PSY_RES.TMP"), "1");
  test::writeAll(program.filePath("PSY_RES.TMP"), "1");
  removeTemporaryFiles();
  EXPECT_FALSE(QFile::exists(work.filePath("PSY_RES.TMP")));
  EXPECT_TRUE(QFile::exists(program.filePath("PSY_RES.TMP")));
  appfolder::setFolder(QString());
  appfolder::setProgramFolder(QString());
}
