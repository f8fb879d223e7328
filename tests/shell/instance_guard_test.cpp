// One running copy: a second copy is refused while the first holds the lock;
// a lock left by a crashed copy does not lock the user out.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include "shell/InstanceGuard.h"

using namespace aeriton::shell;

namespace {

TEST(InstanceGuard, SecondCopyIsRefusedUntilTheFirstEnds) {
  QTemporaryDir dir;
  const QString lock = dir.filePath("aeriton.lock");
  InstanceGuard first(lock);
  ASSERT_TRUE(first.acquire());
  {
    InstanceGuard second(lock);
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(second.held());
  }
  // The refused copy must not have removed the first copy's lock.
  EXPECT_TRUE(QFile::exists(lock));
  InstanceGuard third(lock);
  first.release();
  EXPECT_TRUE(third.acquire());
}

TEST(InstanceGuard, LockOfAProcessThatNoLongerRunsIsTakenOver) {
  QTemporaryDir dir;
  const QString lock = dir.filePath("aeriton.lock");
  // A process that has ended: its id now names nothing.
  QProcess p;
  p.start("true", {});
  ASSERT_TRUE(p.waitForStarted(5000));
  const qint64 deadPid = p.processId();
  ASSERT_GT(deadPid, 0);
  ASSERT_TRUE(p.waitForFinished(5000));
  QFile f(lock);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray::number(deadPid) + "\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
          QSysInfo::machineHostName().toUtf8() + "\n");
  f.close();
  InstanceGuard guard(lock);
  EXPECT_TRUE(guard.acquire());
}

}  // namespace
