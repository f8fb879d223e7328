#pragma once
// The program folder: the folder of the executable, always with a trailing
// separator. Every file the program reads or writes is named from here, so
// tests can point the whole program at a temporary folder.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace aeriton {

namespace appfolder {
// The program folder with its trailing "/".
QString folder();
// Points the program at another folder (tests, or an installation elsewhere).
void setFolder(const QString& folder);
// A file (or relative path) inside the program folder.
QString path(const QString& name);
}  // namespace appfolder

// The folder with a trailing separator (unchanged when it already has one).
QString appendBackslash(const QString& folder);

// True when the path names an existing regular file; its length goes to
// *length. Any error counts as a missing file.
bool fileExists(const QString& path, int64_t* length = nullptr);

// Temporary exchange files removed at start, at exit and at a season change.
const QStringList& temporaryFileNames();
// Removes them from the program folder; a missing file is no error.
void removeTemporaryFiles();

}  // namespace aeriton
