// The register file "CLIENTS.ORV": records byte for byte, damaged files, and
// writes that replace the file only once the new copy is complete.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "RegisterExpect.h"
#include "TestSupport.h"
#include "register/ClientRegister.h"
#include "register/Scramble.h"
#include "study/Cp1253.h"

using namespace aeriton;
using namespace aeriton::designer;

namespace {

class RegisterFile : public ::testing::Test {
 protected:
  test::ProgramFolderFixture program;
  QString path() const { return program.path("CLIENTS.ORV"); }
};

TEST_F(RegisterFile, LivesInTheProgramFolder) {
  EXPECT_EQ(registerPath(), path());
}

TEST_F(RegisterFile, RecordLayout) {
  const QByteArray r = encodeRecord(3, QStringLiteral("Μαρία Κ."), QStringLiteral("pw"));
  ASSERT_EQ(r.size(), kRecordLength);
  EXPECT_EQ(r.left(2), QByteArray("\x03\x00", 2));
  EXPECT_EQ(r, test::expectRecord(3, QStringLiteral("Μαρία Κ."), QStringLiteral("pw")));
  EXPECT_EQ(encodeRecord(300, QStringLiteral("A"), {}).left(2), QByteArray("\x2C\x01", 2));
  EXPECT_EQ(encodeRecord(1, QStringLiteral("A"), {}).mid(80), QByteArray(20, ' '));
}

TEST_F(RegisterFile, WrittenAndReadBack) {
  RegisterContents c;
  c.names = {QStringLiteral("Γιάννης Ζέρβας"), QStringLiteral("Office Ltd"),
             QStringLiteral("Ελένη Σ.")};
  c.password = QStringLiteral("Κωδ1κός");
  QString error;
  ASSERT_TRUE(writeRegister(path(), c, &error)) << error.toStdString();
  EXPECT_EQ(test::readAll(path()), test::expectRegister(c.names, c.password));
  const ReadResult r = readRegister(path());
  ASSERT_EQ(r.status, ReadStatus::Ok);
  EXPECT_EQ(r.contents.names, c.names);
  EXPECT_EQ(r.contents.password, c.password);
  // The temporary copy is gone once the file is in place.
  EXPECT_EQ(QDir(program.folder()).entryList(QDir::Files), QStringList{"CLIENTS.ORV"});
}

// A name padded with no-break spaces (0xA0) reads trimmed, as it is written:
// it does not look longer than it is, and writing the register keeps it.
TEST_F(RegisterFile, NamePaddedWithNoBreakSpacesReadsTrimmed) {
  const QByteArray field =
      scramble(toCp1253(QStringLiteral("Ε. Νικολάου")) + QByteArray(kNameWidth - 11, '\xA0'));
  const QByteArray record = QByteArray("\x01\x00", 2) + field + QByteArray(kPasswordWidth, ' ');
  test::writeAll(path(), record);
  const ReadResult r = readRegister(path());
  ASSERT_EQ(r.status, ReadStatus::Ok);
  EXPECT_EQ(r.contents.names, QStringList{QStringLiteral("Ε. Νικολάου")});
  ASSERT_TRUE(writeRegister(path(), r.contents));
  EXPECT_EQ(readRegister(path()).contents.names, r.contents.names);
}

TEST_F(RegisterFile, OnlyRecordOnesPasswordCounts) {
  QByteArray bytes = test::expectRecord(1, "A") + test::expectRecord(2, "B", "other");
  test::writeAll(path(), bytes);
  const ReadResult r = readRegister(path());
  ASSERT_EQ(r.status, ReadStatus::Ok);
  EXPECT_EQ(r.contents.names, (QStringList{"A", "B"}));
  EXPECT_TRUE(r.contents.password.isEmpty());  // record 1 is all spaces: not protected
}

TEST_F(RegisterFile, MissingAndEmptyFiles) {
  EXPECT_EQ(readRegister(path()).status, ReadStatus::Missing);
  test::writeAll(path(), QByteArray());
  const ReadResult r = readRegister(path());
  EXPECT_EQ(r.status, ReadStatus::Ok);
  EXPECT_TRUE(r.contents.names.isEmpty());
}

TEST_F(RegisterFile, LengthThatIsNotWholeRecords) {
  test::writeAll(path(), test::expectRecord(1, "A") + QByteArray(50, ' '));
  const ReadResult r = readRegister(path());
  EXPECT_EQ(r.status, ReadStatus::BadLength);
  EXPECT_EQ(r.length, 150);
  EXPECT_TRUE(r.contents.names.isEmpty());
}

TEST_F(RegisterFile, RecordsThatAreGarbage) {
  // Second record zero-filled: its name unscrambles to control characters.
  test::writeAll(path(), test::expectRecord(1, "A") + QByteArray(100, '\0'));
  ReadResult r = readRegister(path());
  EXPECT_EQ(r.status, ReadStatus::Garbage);
  EXPECT_EQ(r.badRecord, 2);
  EXPECT_TRUE(r.contents.names.isEmpty());
  // A readable name with an unreadable password in record 1.
  QByteArray one = test::expectRecord(1, "A");
  one.replace(80, 20, QByteArray(20, '\x01'));
  test::writeAll(path(), one);
  r = readRegister(path());
  EXPECT_EQ(r.status, ReadStatus::Garbage);
  EXPECT_EQ(r.badRecord, 1);
}

TEST_F(RegisterFile, FolderInPlaceOfTheFileCannotBeRead) {
  ASSERT_TRUE(QDir(program.folder()).mkdir("CLIENTS.ORV"));
  EXPECT_EQ(readRegister(path()).status, ReadStatus::ReadError);
}

TEST_F(RegisterFile, FailedWriteLeavesWhatWasThere) {
  // A folder stands where the register should go: the rename cannot replace it.
  ASSERT_TRUE(QDir(program.folder()).mkpath("CLIENTS.ORV/keep"));
  RegisterContents c;
  c.names = {QStringLiteral("A")};
  QString error;
  EXPECT_FALSE(writeRegister(path(), c, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(QDir(path() + "/keep").exists());
  // No half-written temporary copy is left behind.
  EXPECT_EQ(QDir(program.folder()).entryList(QDir::Files), QStringList{});
}

}  // namespace
