#pragma once
// The maker's shared program registry: one file that every program of the
// maker fills with its name, installation folder and executable, so that the
// others can find it.
//
// The file is a random-access file of 250-byte records:
//   program name          30 bytes, space-padded
//   installation folder  200 bytes, space-padded
//   executable name       20 bytes, space-padded
// in the single-byte Greek code page. The record count is the file length
// divided by 250. Aeriton rewrites its own record in place (the first whose
// trimmed name is "Aeriton") or appends one; the records of other programs are
// never touched.

#include <QList>
#include <QString>

namespace aeriton::shell {

inline constexpr int kRegistryRecordLength = 250;
inline constexpr int kRegistryNameWidth = 30;
inline constexpr int kRegistryFolderWidth = 200;
inline constexpr int kRegistryExeWidth = 20;
inline constexpr int kRegistryFolderOffset = kRegistryNameWidth;
inline constexpr int kRegistryExeOffset = kRegistryNameWidth + kRegistryFolderWidth;
static_assert(kRegistryExeOffset + kRegistryExeWidth == kRegistryRecordLength);

struct RegistryEntry {
  QString name;
  QString folder;
  QString executable;
};

enum class RegistryOutcome {
  Updated,   // the program's record was found and rewritten in place
  Appended,  // no record of the program: a new one was added at the end
  Skipped,   // the file could not be opened or written; start-up goes on
};

// Where the registry lives: "C:\OrvoProgs.log" on Windows, elsewhere
// "OrvoProgs.log" in the user's shared data folder. setRegistryPath overrides
// it (tests); an empty path restores the default.
QString registryPath();
void setRegistryPath(const QString& path);

// The executable name recorded for this program ("Aeriton.EXE" on Windows,
// the real file name elsewhere, so that the other programs can start it).
QString registryExecutableName();

// The folder as it is recorded: native separators, with a trailing one.
QString registryFolderText(const QString& folder);

// Records the program in the registry at path. A registry that cannot be
// opened or written gives Skipped and changes nothing else.
RegistryOutcome registerProgram(const QString& path, const RegistryEntry& entry,
                                QString* error = nullptr);

// All records of a registry file (for tests and diagnostics); empty when the
// file cannot be read.
QList<RegistryEntry> readRegistry(const QString& path);

}  // namespace aeriton::shell
