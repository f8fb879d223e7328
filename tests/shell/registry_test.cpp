// The maker's program registry: 250-byte records (name 30, folder 200,
// executable 20), Aeriton's record rewritten in place or appended, the records
// of other programs never touched, an unwritable registry skipped.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "shell/ProgramRegistry.h"

using namespace aeriton;
using namespace aeriton::shell;

namespace {

// A record written out by hand: each field padded with spaces to its width.
QByteArray handRecord(const QByteArray& name, const QByteArray& folder, const QByteArray& exe) {
  QByteArray r = name + QByteArray(30 - name.size(), ' ');
  r += folder + QByteArray(200 - folder.size(), ' ');
  r += exe + QByteArray(20 - exe.size(), ' ');
  return r;
}

const RegistryEntry kAeriton{"Aeriton", "/opt/aeriton/", "aeriton"};

class Registry : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString file() const { return dir.filePath("OrvoProgs.log"); }
};

TEST_F(Registry, EmptyFileGetsTheProgramAsRecordOne) {
  test::writeAll(file(), QByteArray());
  ASSERT_TRUE(QFile::exists(file()));
  EXPECT_EQ(registerProgram(file(), kAeriton), RegistryOutcome::Appended);
  const QByteArray bytes = test::readAll(file());
  ASSERT_EQ(bytes.size(), 250);
  EXPECT_EQ(bytes, handRecord("Aeriton", "/opt/aeriton/", "aeriton"));
}

TEST_F(Registry, MissingFileAndFolderAreCreated) {
  const QString nested = dir.filePath("share/deeper/OrvoProgs.log");
  EXPECT_EQ(registerProgram(nested, kAeriton), RegistryOutcome::Appended);
  EXPECT_EQ(test::readAll(nested), handRecord("Aeriton", "/opt/aeriton/", "aeriton"));
}

TEST_F(Registry, OwnRecordKeepsTheFileSizeAndGetsTheNewFolder) {
  // Record 2 is Aeriton's, installed elsewhere before; 1 and 3 belong to others.
  const QByteArray other1 = handRecord("LoadCalc", "C:\\LOADS\\", "LOADS.EXE");
  const QByteArray old = handRecord("Aeriton", "C:\\OLD\\AERITON\\", "Aeriton.EXE");
  const QByteArray other3 = handRecord("Ducts", "D:\\DUCTS\\", "DUCTS.EXE");
  test::writeAll(file(), other1 + old + other3);

  EXPECT_EQ(registerProgram(file(), kAeriton), RegistryOutcome::Updated);
  const QByteArray bytes = test::readAll(file());
  ASSERT_EQ(bytes.size(), 750);
  EXPECT_EQ(bytes.mid(0, 250), other1);
  EXPECT_EQ(bytes.mid(250, 250), handRecord("Aeriton", "/opt/aeriton/", "aeriton"));
  EXPECT_EQ(bytes.mid(500, 250), other3);
}

TEST_F(Registry, OtherProgramsOnlyGetsANewLastRecord) {
  const QByteArray others = handRecord("LoadCalc", "C:\\LOADS\\", "LOADS.EXE") +
                            handRecord("Ducts", "D:\\DUCTS\\", "DUCTS.EXE");
  test::writeAll(file(), others);
  EXPECT_EQ(registerProgram(file(), kAeriton), RegistryOutcome::Appended);
  const QByteArray bytes = test::readAll(file());
  ASSERT_EQ(bytes.size(), 750);
  EXPECT_EQ(bytes.left(500), others);
  EXPECT_EQ(bytes.mid(500), handRecord("Aeriton", "/opt/aeriton/", "aeriton"));
}

TEST_F(Registry, NameIsComparedTrimmedAndExactly) {
  // " Aeriton" (leading blank) is the program; "AeritonPro" and "aeriton" are not.
  const QByteArray pro = handRecord("AeritonPro", "C:\\PRO\\", "PRO.EXE");
  const QByteArray lower = handRecord("aeriton", "C:\\LOWER\\", "LOW.EXE");
  const QByteArray blank = handRecord(" Aeriton", "C:\\OLD\\", "Aeriton.EXE");
  test::writeAll(file(), pro + lower + blank);
  EXPECT_EQ(registerProgram(file(), kAeriton), RegistryOutcome::Updated);
  const QByteArray bytes = test::readAll(file());
  ASSERT_EQ(bytes.size(), 750);
  EXPECT_EQ(bytes.left(500), pro + lower);
  EXPECT_EQ(bytes.mid(500), handRecord("Aeriton", "/opt/aeriton/", "aeriton"));
}

TEST_F(Registry, OnlyTheFirstOfTwoOwnRecordsIsRewritten) {
  const QByteArray first = handRecord("Aeriton", "C:\\ONE\\", "Aeriton.EXE");
  const QByteArray second = handRecord("Aeriton", "C:\\TWO\\", "Aeriton.EXE");
  test::writeAll(file(), first + second);
  EXPECT_EQ(registerProgram(file(), kAeriton), RegistryOutcome::Updated);
  const QByteArray bytes = test::readAll(file());
  EXPECT_EQ(bytes.left(250), handRecord("Aeriton", "/opt/aeriton/", "aeriton"));
  EXPECT_EQ(bytes.mid(250), second);
}

TEST_F(Registry, TrailingPartialRecordIsNotAProgram) {
  // 260 bytes: one record and 10 stray bytes; the new record follows record 1.
  const QByteArray other = handRecord("LoadCalc", "C:\\LOADS\\", "LOADS.EXE");
  test::writeAll(file(), other + QByteArray("Aeriton   "));
  EXPECT_EQ(registerProgram(file(), kAeriton), RegistryOutcome::Appended);
  const QByteArray bytes = test::readAll(file());
  ASSERT_EQ(bytes.size(), 500);
  EXPECT_EQ(bytes.left(250), other);
  EXPECT_EQ(bytes.mid(250), handRecord("Aeriton", "/opt/aeriton/", "aeriton"));
}

TEST_F(Registry, GreekFolderIsStoredInTheGreekCodePage) {
  // "Μελέτες" in Windows-1253: Μ CC, ε E5, λ EB, έ DD, τ F4, ε E5, ς F2.
  RegistryEntry e{"Aeriton", QStringLiteral("C:\\Μελέτες\\"), "Aeriton.EXE"};
  EXPECT_EQ(registerProgram(file(), e), RegistryOutcome::Appended);
  EXPECT_EQ(test::readAll(file()),
            handRecord("Aeriton", "C:\\\xCC\xE5\xEB\xDD\xF4\xE5\xF2\\", "Aeriton.EXE"));
  const auto entries = readRegistry(file());
  ASSERT_EQ(entries.size(), 1);
  EXPECT_EQ(entries[0].folder, e.folder);
}

TEST_F(Registry, OverlongFolderIsCutToItsField) {
  const QString longFolder = "/" + QString(250, 'a') + "/";
  RegistryEntry e{"Aeriton", longFolder, "aeriton"};
  EXPECT_EQ(registerProgram(file(), e), RegistryOutcome::Appended);
  const QByteArray bytes = test::readAll(file());
  ASSERT_EQ(bytes.size(), 250);
  EXPECT_EQ(bytes.mid(30, 200), longFolder.toLatin1().left(200));
  EXPECT_EQ(bytes.mid(230), QByteArray("aeriton") + QByteArray(13, ' '));
}

TEST_F(Registry, UnwritableRegistryIsSkipped) {
  // A folder where the file should be, and a file where the folder should be:
  // neither can be opened for writing (the tests may run as root, so file
  // permissions would not stop them).
  QDir(dir.path()).mkpath("OrvoProgs.log");
  EXPECT_EQ(registerProgram(file(), kAeriton), RegistryOutcome::Skipped);
  test::writeAll(dir.filePath("plain"), "x");
  QString error;
  EXPECT_EQ(registerProgram(dir.filePath("plain/OrvoProgs.log"), kAeriton, &error),
            RegistryOutcome::Skipped);
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(test::readAll(dir.filePath("plain")), QByteArray("x"));
}

TEST(RegistryPath, DefaultsToTheSharedDataFolderAndCanBeOverridden) {
  setRegistryPath(QString());
#ifdef Q_OS_WIN
  EXPECT_EQ(registryPath(), QStringLiteral("C:/OrvoProgs.log"));
#else
  EXPECT_TRUE(registryPath().endsWith("/OrvoProgs.log")) << registryPath().toStdString();
#endif
  setRegistryPath("/tmp/x/OrvoProgs.log");
  EXPECT_EQ(registryPath(), QStringLiteral("/tmp/x/OrvoProgs.log"));
  setRegistryPath(QString());
}

TEST(RegistryPath, FolderIsRecordedWithATrailingSeparator) {
  EXPECT_EQ(registryFolderText("/opt/aeriton"), QDir::toNativeSeparators("/opt/aeriton/"));
  EXPECT_EQ(registryFolderText("/opt/aeriton/"), QDir::toNativeSeparators("/opt/aeriton/"));
}

}  // namespace
