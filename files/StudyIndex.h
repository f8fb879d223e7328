#pragma once
// The study index "Studies.std" of the study list, and the titles of study
// files read from their companion title files (".TAS" beside an ".AIR",
// ".TAW" beside a ".WIR").
//
// "Studies.std" is a random-access file of 526-byte records, one per study
// file of the folder being listed, numbered from 1:
//   offset   0  Index      16-bit integer, the record number
//   offset   2  title      120 characters (trimmed, padded with blanks)
//   offset 122  folder     264 characters
//   offset 386  file name  100 characters
//   offset 486  date       12 characters ("dd/MM/yyyy")
//   offset 498  time       10 characters ("HH:mm:ss")
//   offset 508  18 unused bytes (blanks)

#include <QString>
#include <QStringList>
#include <vector>

namespace aeriton::files {

inline const char* kStudiesFileName = "Studies.std";
constexpr int kStudyRecordLength = 526;
constexpr int kTitleWidth = 120, kFolderWidth = 264, kFileNameWidth = 100;
constexpr int kDateWidth = 12, kTimeWidth = 10;
constexpr int kIndexOffset = 0, kTitleOffset = 2, kFolderOffset = 122, kFileNameOffset = 386;
constexpr int kDateOffset = 486, kTimeOffset = 498;
// The record number is a 16-bit integer: a folder is listed up to this many
// studies, the rest are left out rather than numbered wrongly.
constexpr int kMaxStudies = 32767;

struct StudyRecord {
  int index = 0;
  QString title;
  QString folder;  // with its trailing separator
  QString fileName;
  QString date;
  QString time;
  QString fullPath() const { return folder + fileName; }
};

// The study files of a folder whose names match the pattern ("*.AIR"),
// compared without regard to case, sorted by name without regard to case.
QStringList studyFiles(const QString& folder, const QString& pattern);

// A title file holds a title and a load unit; only its first bytes are read.
constexpr qint64 kMaxTitleFileBytes = 64 * 1024;

// The first field of the title file beside the study file (`companionExt`
// ".TAS" or ".TAW" in place of the last four characters). *found is false
// (and the title empty) when there is no title file or it cannot be read.
QString readStudyTitle(const QString& studyPath, const QString& companionExt,
                       bool* found = nullptr);

// MakeCurrentStudiesFile: rebuilds "Studies.std" in the program folder for the
// study files of `folder` that match `pattern`. A study without its title file
// is listed with an empty title. Returns the number of records written, or -1
// (with *error) when the index cannot be written.
int MakeCurrentStudiesFile(const QString& folder, const QString& pattern, QString* error = nullptr);

// Reads every record of "Studies.std" (an incomplete last record is ignored).
std::vector<StudyRecord> readStudiesFile();

// The bytes of one index record. The title is written trimmed, with control
// characters as blanks, so that it reads back as it was written.
QByteArray studyRecordBytes(const StudyRecord& record);

// One line of the study list: "(0003.) Office" - the record number padded
// with zeros to four digits (wider numbers are shown whole), then the title.
QString studyListLine(int number, const QString& title);

}  // namespace aeriton::files
