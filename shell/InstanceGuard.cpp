#include "shell/InstanceGuard.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace aeriton::shell {

InstanceGuard::InstanceGuard(const QString& lockPath)
    : path_(lockPath.isEmpty() ? defaultLockPath() : lockPath) {}

InstanceGuard::~InstanceGuard() {
  release();
}

bool InstanceGuard::acquire() {
  if (held_) return true;
  QDir().mkpath(QFileInfo(path_).absolutePath());
  lock_ = std::make_unique<QLockFile>(path_);
  // A lock is stale only when the process it names is gone: a long session
  // must never let a second copy in because its lock file has grown old.
  lock_->setStaleLockTime(0);
  held_ = lock_->tryLock(0);
  withoutLock_ = false;
  lockError_.clear();
  if (!held_) {
    // A lock file that cannot even be created (unwritable folder) does not
    // prove that another copy runs; only a lock held by a living process does.
    if (lock_->error() != QLockFile::LockFailedError) {
      held_ = true;
      withoutLock_ = true;
      lockError_ = lock_->error() == QLockFile::PermissionError
                       ? QStringLiteral("δεν επιτρέπεται η εγγραφή στον φάκελο")
                       : QStringLiteral("το αρχείο δεν μπόρεσε να δημιουργηθεί");
    } else {
      lock_.reset();
    }
  }
  return held_;
}

void InstanceGuard::release() {
  if (lock_ && lock_->isLocked()) lock_->unlock();
  lock_.reset();
  held_ = false;
  withoutLock_ = false;
}

QString InstanceGuard::defaultLockPath() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return QDir(dir).filePath(QStringLiteral("aeriton.lock"));
}

}  // namespace aeriton::shell
