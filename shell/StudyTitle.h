#pragma once
// The study title and its companion title file.
//
// Beside every study file lies a companion of the same name whose last four
// characters are replaced: ".TAS" beside a summer study (".AIR"), ".TAW" beside
// a winter one (".WIR"). It holds two quoted values on two lines: the study
// title and the load-unit code.

#include <QString>

#include "shell/Season.h"
#include "study/StudyState.h"

namespace aeriton::shell {

// True when the name is a current study file (not empty, not the "Escape" of
// a cancelled file dialog, long enough to carry an extension).
bool isStudyFileCurrent(const QString& studyFileName);

// The companion of a study file, or an empty text when there is none. The
// extension of the study file decides (".AIR" -> ".TAS", ".WIR" -> ".TAW",
// any case); a study file with another extension takes the companion of the
// given season (summer when none).
QString companionFileName(const QString& studyFileName, Season season);

// The bytes of a companion file.
QByteArray companionFileBytes(const QString& title, const QString& loadUnit);

struct TitleChange {
  bool titleChanged = false;  // the trimmed text differed from the trimmed title
  QString companionPath;      // the companion written (empty when none is current)
  bool companionWritten = false;
  QString error;  // why the companion could not be written
};

// The OK of the study-title window: the trimmed text becomes the study title
// when it differs from the current one; when a study file is current its
// companion is written anew with the title and the load unit in force; the
// title-entered flag is raised.
TitleChange applyStudyTitle(StudyState& s, const QString& text, Season season);

}  // namespace aeriton::shell
