#pragma once
// What the file dialog works with: the remembered study folder of
// "~orvo.psy", the folder the dialog starts in, the folders and study files
// it lists and the full path it hands back.

#include <QString>
#include <QStringList>

namespace aeriton::files {

inline const char* kDefaultPathFileName = "~orvo.psy";
// The data folder "~orvo.psy" names when it is first created.
inline const char* kDefaultStudySubfolder = "AIRFiles";
// The sub-folder of the data folder that holds the study files.
inline const char* kStudyFilesSubfolder = "AIR";

// "~orvo.psy" holds a path, a few hundred bytes; a larger file is damaged and
// is not read into memory.
constexpr qint64 kMaxRememberedFolderBytes = 64 * 1024;

// What "~orvo.psy" holds: its first field, trimmed. `damaged` when the file
// has content that is no folder: larger than the bound above, unreadable (a
// folder in its place), or a first field with control characters or bytes of
// no character (binary garbage, a foreign encoding); the folder is then empty.
struct RememberedFolderFile {
  bool exists = false;
  bool damaged = false;
  QString folder;
};
RememberedFolderFile readRememberedFolderFile();

// The data folder: the first field of "~orvo.psy", with a trailing separator;
// the program folder + "AIRFiles/" when the file is missing, empty,
// unreadable or damaged.
QString defaultDataFolder();
// The default study folder: the "AIR" sub-folder of the data folder
// ("<program folder>/AIRFiles/AIR/" by default), written with the data
// folder's own separator ("D:\Studies\AIR\").
QString defaultStudyFolder();

// The folder the dialog opens in: the folder it was last left in during this
// run, else the folder of the current study file, else the default study
// folder, else the program folder - the first of them that exists.
QString dialogStartFolder();
// Remembers the folder of a chosen file for the next opening of the dialog.
void rememberDialogFolder(const QString& folder);
// Forgets the remembered folder (tests, a new program folder).
void forgetDialogFolder();

// The drives of the system ("C:/", "D:/" on Windows, "/" elsewhere).
QStringList driveList();
// The drive a path lies on: the first three characters of a path with a drive
// letter ("C:\"), else the root "/".
QString driveOf(const QString& path);

// The sub-folders of a folder, sorted by name without regard to case.
QStringList subFolders(const QString& folder);

// The full path of a name typed or chosen in the dialog: a name with a folder
// (absolute) is taken as it is, a bare name lies in `folder`. In create mode a
// study file name receives the extension of the pattern (".AIR", ".WIR") in
// upper case unless it already ends in it (in any case). An empty or blank
// name gives an empty result.
QString chosenPath(const QString& folder, const QString& typed, const QString& pattern,
                   bool createMode);

}  // namespace aeriton::files
