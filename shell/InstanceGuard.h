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
};

}  // namespace aeriton::shell
