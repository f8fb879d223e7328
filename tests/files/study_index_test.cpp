// The study index "Studies.std" and the lines of the study list.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "TestSupport.h"
#include "files/StudyIndex.h"
#include "study/Cp1253.h"
#include "study/RecordText.h"

using namespace aeriton;
using namespace aeriton::files;

namespace {

// A title file as the program writes it: the title, then the load unit.
void writeTitleFile(const QString& path, const QString& title, const char* unit = "WATT") {
  RecordWriter w;
  w.str(title).endLine().str(QString::fromLatin1(unit)).endLine();
  test::writeAll(path, w.bytes());
}

// The expected bytes of one record, built field by field from the layout:
// 2-byte little-endian index, then blank-padded 120/264/100/12/10 characters
// and 18 blanks.
QByteArray expectedRecord(int index, const QString& title, const QString& folder,
                          const QString& file, const QString& date, const QString& time) {
  auto pad = [](const QString& s, int width) {
    QByteArray b = toCp1253(s);
    return b + QByteArray(width - b.size(), ' ');
  };
  QByteArray r;
  r.append(static_cast<char>(index & 0xFF)).append(static_cast<char>(index >> 8));
  r += pad(title, 120) + pad(folder, 264) + pad(file, 100) + pad(date, 12) + pad(time, 10);
  r += QByteArray(18, ' ');
  return r;
}

}  // namespace

TEST(StudyIndex, ListLineNumbersWithFourDigitsThenTheTrimmedTitle) {
  EXPECT_EQ(studyListLine(3, "Office"), "(0003.) Office");
  EXPECT_EQ(studyListLine(12345, "X"), "(12345.) X");
  EXPECT_EQ(studyListLine(2, QStringLiteral("  Κατάστημα  ")), QStringLiteral("(0002.) Κατάστημα"));
}

TEST(StudyIndex, RebuildsOneRecordPerStudyWithTitleFolderNameDateAndTime) {
  test::ProgramFolderFixture fx;
  const QString dir = fx.path("AIR/");
  QDir().mkpath(dir);
  test::writeAll(dir + "b_shop.air", "x");
  writeTitleFile(dir + "b_shop.TAS", QStringLiteral("Κατάστημα, \"Πλάκα\""));
  test::writeAll(dir + "A_office.AIR", "x");
  writeTitleFile(dir + "A_office.TAS", QStringLiteral("Γραφεία Αθήνας"));
  test::writeAll(dir + "c_hall.AIR", "x");  // no title file
  test::writeAll(dir + "w.WIR", "x");       // a winter study: not listed
  writeTitleFile(dir + "w.TAW", QStringLiteral("Χειμώνας"));
  // An old index is replaced, not extended.
  test::writeAll(fx.path("Studies.std"), QByteArray(526 * 5, 'z'));

  QString error;
  ASSERT_EQ(MakeCurrentStudiesFile(dir, "*.AIR", &error), 3) << error.toStdString();
  const QByteArray bytes = test::readAll(fx.path("Studies.std"));
  ASSERT_EQ(bytes.size(), 3 * 526);

  auto stamp = [&](const QString& name) { return QFileInfo(dir + name).lastModified(); };
  const QDateTime a = stamp("A_office.AIR");
  EXPECT_EQ(bytes.mid(0, 526),
            expectedRecord(1, QStringLiteral("Γραφεία Αθήνας"), dir, "A_office.AIR",
                           a.toString("dd/MM/yyyy"), a.toString("HH:mm:ss")));
  const QDateTime b = stamp("b_shop.air");
  EXPECT_EQ(bytes.mid(526, 526),
            expectedRecord(2, QStringLiteral("Κατάστημα, \"Πλάκα\""), dir, "b_shop.air",
                           b.toString("dd/MM/yyyy"), b.toString("HH:mm:ss")));
  const QDateTime c = stamp("c_hall.AIR");
  EXPECT_EQ(bytes.mid(1052, 526), expectedRecord(3, "", dir, "c_hall.AIR", c.toString("dd/MM/yyyy"),
                                                 c.toString("HH:mm:ss")));

  const auto records = readStudiesFile();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].index, 2);
  EXPECT_EQ(records[1].title, QStringLiteral("Κατάστημα, \"Πλάκα\""));
  EXPECT_EQ(records[1].fullPath(), dir + "b_shop.air");
  EXPECT_EQ(records[2].title, "");
}

TEST(StudyIndex, UnwritableIndexIsReportedNotHalfWritten) {
  test::ProgramFolderFixture fx;
  QDir(fx.folder()).mkpath("Studies.std");  // a folder blocks the index
  QString error;
  EXPECT_EQ(MakeCurrentStudiesFile(fx.folder(), "*.AIR", &error), -1);
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(readStudiesFile().empty());
}

// A title with control characters and NUL bytes (a damaged title file) is
// written with blanks in their place, so that the index reads back the title
// it was written with.
TEST(StudyIndex, TitleWithControlCharactersReadsBackAsWritten) {
  test::ProgramFolderFixture fx;
  StudyRecord r;
  r.index = 1;
  r.title = QStringLiteral("Κατοικία ") + QChar(0) + QChar(0) + QStringLiteral("β") + QChar(0x0B) +
            QChar(0);
  r.folder = "/d/";
  r.fileName = "a.AIR";
  const QByteArray bytes = studyRecordBytes(r);
  EXPECT_EQ(bytes.mid(2, 14), toCp1253(QStringLiteral("Κατοικία   β  ")));
  test::writeAll(fx.path("Studies.std"), bytes);
  const auto back = readStudiesFile();
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0].title, QStringLiteral("Κατοικία   β"));
  EXPECT_EQ(studyRecordBytes(back[0]), bytes);
}

// A huge title file in a listed folder gives its title from its first bytes.
TEST(StudyIndex, TitleOfAHugeTitleFileComesFromItsFirstBytes) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("big.AIR"), "study");
  test::writeAll(fx.path("big.TAS"),
                 toCp1253(QStringLiteral("\"Μεγάλο\",\"WATT\"\r\n")) + QByteArray(3 << 20, 'z'));
  bool found = false;
  EXPECT_EQ(readStudyTitle(fx.path("big.AIR"), ".TAS", &found), QStringLiteral("Μεγάλο"));
  EXPECT_TRUE(found);
}
