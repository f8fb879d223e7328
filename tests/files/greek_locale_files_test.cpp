// The study index under Greek regional settings: the date and time of each
// study are written with digits and "/" ":" only, whatever the locale.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "TestSupport.h"
#include "files/StudyIndex.h"
#include "study/RecordText.h"

using namespace aeriton;
using namespace aeriton::files;

TEST(GreekStudyIndex, DateAndTimeDoNotFollowTheLocale) {
  test::GreekLocale greek;
  ASSERT_TRUE(test::GreekLocale::cLibraryUsesComma());
  test::ProgramFolderFixture fx;
  const QString dir = fx.path("AIR/");
  QDir().mkpath(dir);
  test::writeAll(dir + "office.AIR", "x");
  RecordWriter w;
  w.str(QStringLiteral("Γραφεία")).endLine().str("WATT").endLine();
  test::writeAll(dir + "office.TAS", w.bytes());
  ASSERT_EQ(MakeCurrentStudiesFile(dir, "*.AIR"), 1);

  const QDateTime t = QFileInfo(dir + "office.AIR").lastModified();
  const QString date =
      QString::asprintf("%02d/%02d/%04d", t.date().day(), t.date().month(), t.date().year());
  const QString time =
      QString::asprintf("%02d:%02d:%02d", t.time().hour(), t.time().minute(), t.time().second());
  const QByteArray bytes = test::readAll(fx.path("Studies.std"));
  ASSERT_EQ(bytes.size(), kStudyRecordLength);
  EXPECT_EQ(bytes.mid(kDateOffset, kDateWidth), date.toLatin1() + QByteArray(2, ' '));
  EXPECT_EQ(bytes.mid(kTimeOffset, kTimeWidth), time.toLatin1() + QByteArray(2, ' '));
  const auto records = readStudiesFile();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].title, QStringLiteral("Γραφεία"));
}
