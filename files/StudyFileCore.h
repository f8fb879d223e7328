#pragma once
// Saving and opening studies, for both seasons.
//
// A study is a pair of text files: the study file (".AIR" for a cooling case,
// ".WIR" for a heating case) in the 14-line layout of "PSY_RES.TMP", and its
// title file (".TAS" / ".TAW", the last four characters of the study file
// name replaced) holding the study title and the load-unit code. Text is in
// Windows-1253.
//
// Every file is written whole or not at all (a temporary file in the same
// folder renamed over the target). A file that cannot be read, is damaged,
// truncated or of neither layout, or a study without its title file, is
// refused with a message before anything is written or changed.

#include <QByteArray>
#include <QString>
#include <functional>

#include "study/MessageService.h"
#include "study/StudyState.h"

namespace aeriton::files {

enum class StudySeason { Summer, Winter };

struct StudyFileKind {
  QString pattern;    // "*.AIR"
  QString extension;  // ".AIR"
  QString companion;  // ".TAS"
};
StudyFileKind studyFileKind(StudySeason season);

// Shows the file dialog with a pattern, in create (save) or open mode, and
// returns the chosen path, "Escape" when it was cancelled, or "".
using PathChooser = std::function<QString(const QString& pattern, bool createMode)>;

enum class FileResult { Done, Cancelled, Failed };

// ---- reading a study file ------------------------------------------------------
enum class StudyLayout {
  Current,  // 13 values on line 13
  Older,    // 8 values on line 13 (the five new coil-outlet values missing)
  Damaged   // unreadable, truncated, foreign: neither layout
};

// Study files are a few kilobytes; anything above this is no study file and is
// refused before it is read into memory.
constexpr qint64 kMaxStudyFileBytes = 1 << 20;

struct StudyFileCheck {
  StudyLayout layout = StudyLayout::Damaged;
  StudyState values;   // the base state with the file's values read over it
  QByteArray current;  // the file in the present layout (rewritten when older)
  QString error;       // why it was refused (for the log and the tests)
};

// Reads and checks a study file without changing anything. Besides the field
// types, the line structure must be that of one of the two layouts (so that a
// truncated file is never taken for an older one), line 1 one of the four kind
// codes, the kind flags one of the four kinds, the fresh-air mode "C" or "P"
// and the unit codes one of the pairs 1/0, 0/1, 32/32.
StudyFileCheck inspectStudyFile(const QString& path, const StudyState& base);

// CheckForFileValidity: reads the file once; a file of the older layout is
// written anew in the present layout (the five new values 0) with its
// modification date and time kept. Damaged files are left as they are.
StudyLayout CheckForFileValidity(const QString& path, QString* error = nullptr);

// The kind index (0 mixing, 1 full recirculation, 2 fresh air taking up the
// loads, 3 fresh air not taking them) of the kind flags; -1 when none fits.
int kindIndexOfFlags(int mix, int recirc, int fresh, int freshLoads);
// The kind code of a kind index ("AAA_NA", "AA_100", "NA_PAF", "NA_DPF").
QString kindCodeOfIndex(int index);
// True for "WATT", "KCAL", "KW", "RT", "BTUh", "BTU".
bool isLoadUnitCode(const QString& code);
// Position of a load-unit code in the data screens' unit lists (0 "WATT",
// 1 "KCAL", 2 "KW", 3 "RT", 4 "BTUh", 5 "BTU"); -1 when unknown.
int loadUnitIndex(const QString& code);

// A load of a study file in the load unit of its study. Metric studies
// (MetricCode 1 or 32) keep their loads in kcal/h, English ones in Btu/h:
//   W = kcal/h / 0.8598555, kW = kcal/h / 859.8555, Btu/h = kcal/h x 3.970923,
//   RT = Btu/h / 12000.
double loadInUnit(double stored, int metricCode, const QString& unit);

// ---- the title file ------------------------------------------------------------
struct TitleFile {
  bool exists = false;       // false: no title file (or a folder in its place)
  bool readable = false;     // false: it could not be read or its unit is unknown
  bool unitMissing = false;  // it ended after the title: unit "KCAL", to be rewritten
  QString title;
  QString unit;
};
TitleFile readTitleFile(const QString& companionPath);
QByteArray titleFileBytes(const QString& title, const QString& unit);

// ---- save and open -------------------------------------------------------------
// SavePSFile: asks for a name ("*.AIR" for a cooling case, "*.WIR" for a
// heating case), normalises the fresh air (amount mode: per cent 0; per-cent
// mode: amount 0 and per cent = the value used), rewrites "PSY_RES.TMP" from
// the study, writes it under the chosen name and writes the title file; the
// unsaved flag is cleared. The caller first puts back into the study what its
// screen keeps (the room loads of the results screen).
FileResult saveStudy(const PathChooser& choose);

struct OpenOutcome {
  FileResult result = FileResult::Cancelled;
  QString path;
  bool upgraded = false;           // the older layout was rewritten
  bool titleFileRepaired = false;  // the unit line was added
  bool raisedSupplyTemp = false;   // line 13 holds a raised supply temperature
  bool raisedInCelsius = false;    // ... in °C (MetricCode 1), else °F
};

// OpenPSFile_S / OpenPSFile_W: asks for a study file of the season, checks it
// and its title file, brings an older layout up to date, makes it the current
// study (values, title, load unit, file name) and copies it to
// "PSY_RES.TMP". On any refusal the study and every file stay as they were.
OpenOutcome openStudy(StudySeason season, const PathChooser& choose);

// ---- messages ------------------------------------------------------------------
constexpr int kDamagedFileCode = -30;
constexpr int kMissingTitleFileCode = -31;
constexpr int kWriteFailedCode = -32;
Message damagedFileMessage();
Message missingTitleFileMessage(const QString& companionPath);
Message writeFailedMessage(const QString& path, const QString& error);

}  // namespace aeriton::files
