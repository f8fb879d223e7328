#pragma once
// Paths as the study dialogs show them: a full path split into its drive
// letter, its folder and its file name. Both "\" and "/" separate folders, so
// paths written on Windows (in "RecentFiles.txt", say) split the same way as
// the paths of the system the program runs on.

#include <QString>

namespace aeriton::files {

// Position (1-based) of the last occurrence of `what` in `text`; 0 when it does
// not occur or `what` is empty.
int RInstr_Left(const QString& text, const QString& what);

// Position (1-based) of the last folder separator ("\" or "/"); 0 when none.
int lastSeparator(const QString& path);

struct FileData {
  QString drive;     // drive letter ("C") when the second character is ":"; else empty
  QString folder;    // folder after the drive, without the final separator ("\Data\AIR")
  QString fileName;  // the part after the last separator
  QChar separator;   // the separator found last ('\\' or '/'), '\\' when none
};

// Splits at the last separator. A path without separator is a bare file name
// (after a drive "C:" when it has one).
FileData splitPath(const QString& path);

// The path with its last four characters replaced by `extension` (".TAS",
// ".TAW"): the companion title file of a study file. Paths of four characters
// or fewer just receive the extension.
QString replaceLastFour(const QString& path, const QString& extension);

// The name with `extension` (".AIR") appended in upper case unless its last
// four characters, upper-cased, already are the extension.
QString ensureExtension(const QString& name, const QString& extension);

// The extension of a dialog pattern ("*.AIR" -> ".AIR").
QString patternExtension(const QString& pattern);

// The companion title-file extension of a study pattern: ".TAS" for "*.AIR",
// ".TAW" for "*.WIR", empty for any other pattern (load studies have none).
QString companionExtension(const QString& pattern);

// An existing file of this path, matching the name case-insensitively when the
// exact name does not exist (studies copied from Windows keep ".tas" or ".Air").
// Empty when there is none.
QString findExistingFile(const QString& path);

}  // namespace aeriton::files
