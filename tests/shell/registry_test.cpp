// The maker's program registry: 250-byte records (name 30, folder 200,
// executable 20); Aeriton's record rewritten in place or appended, the records
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
  return name + QByteArray(30 - name.size(), ' ') + folder + QByteArray(200 - folder.size(), ' ') +
         exe + QByteArray(20 - exe.size(), ' ');
}

const RegistryEntry kAeriton{"Aeriton", "/opt/aeriton/", "aeriton"};
const QByteArray kOwn = handRecord("Aeriton", "/opt/aeriton/", "aeriton");

class Registry : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString file() const { return dir.filePath("OrvoProgs.log"); }
};

TEST_F(Registry, EmptyFileGetsTheProgramAsRecordOne) {
  test::writeAll(file(), QByteArray());
  EXPECT_EQ(registerProgram(file(), kAeriton), RegistryOutcome::Appended);
  EXPECT_EQ(test::readAll(file()), kOwn);  // exactly one 250-byte record
}

TEST_F(Registry, OwnRecordIsRewrittenInPlaceByItsTrimmedExactName) {
  // " Aeriton" (leading blank) is the program; "AeritonPro" and "aeriton" are
  // not; of two own records only the first is rewritten.
  const QByteArray pro = handRecord("AeritonPro", "C:\\PRO\\", "PRO.EXE");
  const QByteArray lower = handRecord("aeriton", "C:\\LOWER\\", "LOW.EXE");
  const QByteArray blank = handRecord(" Aeriton", "C:\\OLD\\", "Aeriton.EXE");
  const QByteArray second = handRecord("Aeriton", "C:\\TWO\\", "Aeriton.EXE");
  test::writeAll(file(), pro + lower + blank + second);
  EXPECT_EQ(registerProgram(file(), kAeriton), RegistryOutcome::Updated);
  EXPECT_EQ(test::readAll(file()), pro + lower + kOwn + second);
}

TEST_F(Registry, OtherProgramsAndAPartialRecordOnlyGetANewLastRecord) {
  // 260 bytes: one record and 10 stray bytes; the new record follows record 1.
  const QByteArray other = handRecord("LoadCalc", "C:\\LOADS\\", "LOADS.EXE");
  test::writeAll(file(), other + QByteArray("Aeriton   "));
  EXPECT_EQ(registerProgram(file(), kAeriton), RegistryOutcome::Appended);
  EXPECT_EQ(test::readAll(file()), other + kOwn);
}

TEST_F(Registry, GreekFolderIsStoredInTheGreekCodePageAndLongOnesAreCut) {
  // "Μελέτες" in Windows-1253: Μ CC, ε E5, λ EB, έ DD, τ F4, ε E5, ς F2.
  RegistryEntry e{"Aeriton", QStringLiteral("C:\\Μελέτες\\"), "Aeriton.EXE"};
  EXPECT_EQ(registerProgram(file(), e), RegistryOutcome::Appended);
  EXPECT_EQ(test::readAll(file()),
            handRecord("Aeriton", "C:\\\xCC\xE5\xEB\xDD\xF4\xE5\xF2\\", "Aeriton.EXE"));
  EXPECT_EQ(readRegistry(file()).at(0).folder, e.folder);

  const QString longFolder = "/" + QString(250, 'a') + "/";
  EXPECT_EQ(registerProgram(file(), RegistryEntry{"Aeriton", longFolder, "aeriton"}),
            RegistryOutcome::Updated);
  const QByteArray bytes = test::readAll(file());
  ASSERT_EQ(bytes.size(), 250);
  EXPECT_EQ(bytes.mid(30, 200), longFolder.toLatin1().left(200));
  EXPECT_EQ(bytes.mid(230), QByteArray("aeriton") + QByteArray(13, ' '));
}

TEST_F(Registry, UnwritableRegistryIsSkipped) {
  // A folder where the file should be, and a file where the folder should be
  // (the tests may run as root, so permissions would not stop them).
  QDir(dir.path()).mkpath("OrvoProgs.log");
  EXPECT_EQ(registerProgram(file(), kAeriton), RegistryOutcome::Skipped);
  test::writeAll(dir.filePath("plain"), "x");
  QString error;
  EXPECT_EQ(registerProgram(dir.filePath("plain/OrvoProgs.log"), kAeriton, &error),
            RegistryOutcome::Skipped);
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(test::readAll(dir.filePath("plain")), QByteArray("x"));
}

}  // namespace
