#pragma once
// The program's folders. Every file the program reads or writes is named from
// here, so tests can point the whole program at a temporary folder.
//
// Two folders:
//  - the program folder, the folder of the executable: the files delivered
//    with the program (chart table, workbook templates, manual), never written;
//  - the working folder, where the program writes its own files (temporary
//    exchange files, remembered study folder, studies, designer register).
// Both are the same folder when the user may write the program folder (a
// build tree, a folder the user unpacked or installed himself). An installation
// the user cannot write (for example /opt/aeriton, owned by the system) gives
// each user a working folder of his own, the per-user application data folder
// (~/.local/share/Aeriton on Linux).

#include <QString>
#include <QStringList>
#include <cstdint>

namespace aeriton {

namespace appfolder {
// The working folder, with its trailing "/".
QString folder();
// Points the program at another folder, for both the working files and the
// delivered files (tests, or a run from another folder). Empty: back to the
// folders found from the executable.
void setFolder(const QString& folder);
// A file (or relative path) inside the working folder.
QString path(const QString& name);

// The folder of the executable, with its trailing "/".
QString programFolder();
// Points only the delivered files at another folder (tests of the split).
void setProgramFolder(const QString& folder);
// A delivered file: the user's own copy in the working folder when there is
// one (a template he has restyled), otherwise the installed file.
QString deliveredPath(const QString& name);
// True when the working folder is not the program folder.
bool separateWorkingFolder();

// The working folder for a program folder: the program folder itself when a
// file can be created in it, otherwise userFolder (created when missing). When
// neither can be written, the program folder (each write then reports its own
// failure). Both arguments and the result end with "/".
QString chooseWorkingFolder(const QString& programFolder, const QString& userFolder);
}  // namespace appfolder

// The folder with a trailing separator (unchanged when it already has one).
QString appendBackslash(const QString& folder);

// True when the path names an existing regular file; its length goes to
// *length. Any error counts as a missing file.
bool fileExists(const QString& path, int64_t* length = nullptr);

// Temporary exchange files removed at start, at exit and at a season change.
const QStringList& temporaryFileNames();
// Removes them from the working folder; a missing file is no error.
void removeTemporaryFiles();

}  // namespace aeriton
