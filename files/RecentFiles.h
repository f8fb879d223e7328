#pragma once
// The recent load studies of the companion load program: "RecentFiles.txt" in
// the program folder, one full path per line, oldest first. This program only
// reads the list and removes entries from it.

#include <QByteArray>
#include <QString>
#include <vector>

namespace aeriton::files {

inline const char* kRecentFilesName = "RecentFiles.txt";
inline const char* kRecentScratchName = "RecentFiles.@@@";
// The companion program keeps a few dozen paths. A larger file is no recent
// list: it is neither read into memory nor rewritten (nothing of it is lost
// by a removal cut short).
constexpr qint64 kMaxRecentFilesBytes = 4 << 20;
// Width to which the file name is padded in the list.
constexpr int kRecentNameWidth = 64;

struct RecentEntry {
  QString path;  // the full path as written (surrounding quotes removed)
  int line = 0;  // 0-based line of the file it came from
};

// True when "RecentFiles.txt" exists in the program folder.
bool recentFilesExist();

// The entries of "RecentFiles.txt" (Windows-1253 text, CR LF / LF / CR line
// ends). Each non-blank line is one path, read whole: a comma belongs to the
// path. A line written as a quoted string loses its quotes. A missing file,
// or one larger than kMaxRecentFilesBytes, gives an empty list.
std::vector<RecentEntry> readRecentFiles();

// The list line of a path: the file name padded with blanks to 64 characters,
// then the drive letter, ":", the folder and a final separator
// ("Office.KLD<blanks>C:\Kalyx\Data\"). A path without a drive letter shows
// its folder and separator only.
QString recentListLine(const QString& path);

// Season of a load study by its extension, compared upper-cased: ".KLD" a
// summer study, ".XLD" a winter one.
enum class LoadSeason { Unknown, Summer, Winter };
LoadSeason loadStudySeason(const QString& path);

// Removes entry `index` (0-based position in readRecentFiles()) from
// "RecentFiles.txt"; every other line is kept byte for byte. The lines go to
// the scratch copy "RecentFiles.@@@", which then replaces the list in one
// rename; the last entry removed leaves an empty file. False (with *error) when the index is out of
// range or the file cannot be written.
bool removeRecentFile(int index, QString* error = nullptr);

}  // namespace aeriton::files
