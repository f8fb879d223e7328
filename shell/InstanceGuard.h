#pragma once
// One running copy of the program at a time.
//
// The guard holds a lock file for as long as the program runs. A second copy
// finds the lock held by a living process and must refuse to start. A lock left
// behind by a copy that crashed names a process that no longer runs; it is
// taken over, so a crash never locks the user out.

#include <QLockFile>
#include <QString>
#include <memory>

namespace aeriton::shell {

class InstanceGuard {
 public:
  // lockPath empty: defaultLockPath().
  explicit InstanceGuard(const QString& lockPath = QString());
  ~InstanceGuard();
  InstanceGuard(const InstanceGuard&) = delete;
  InstanceGuard& operator=(const InstanceGuard&) = delete;

  // True when this copy now holds the lock (or already held it); false when
  // another running copy holds it.
  bool acquire();
  bool held() const { return held_; }
  // True when acquire() went on without a lock because the lock file could
  // not be created at all (its folder cannot be written, the disk is full):
  // a second copy would not be stopped. lockError() says why.
  bool withoutLock() const { return withoutLock_; }
  QString lockError() const { return lockError_; }
  // Gives the lock up (the destructor does it too).
  void release();

  QString lockPath() const { return path_; }

  // The per-user lock file: "aeriton.lock" in the runtime folder, or in the
  // temporary folder where the system has no runtime folder.
  static QString defaultLockPath();

 private:
  QString path_;
  std::unique_ptr<QLockFile> lock_;
  bool held_ = false;
  bool withoutLock_ = false;
  QString lockError_;
};

}  // namespace aeriton::shell
