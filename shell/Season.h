#pragma once
// The season of the study (summer cooling or winter heating) as chosen in the
// season window, and the files the season window looks after.

#include <QString>

#include "study/StudyState.h"

namespace aeriton::shell {

enum class Season { None, Summer, Winter };

// Sets CoolingProcess / HeatingProcess for the chosen season (both cleared for
// None: no season chosen).
void applySeasonChoice(StudyState& s, Season season);
// The season the two flags name (None when neither is set).
Season seasonOfFlags(const StudyState& s);

// The remembered study folder: "~orvo.psy" in the program folder, one quoted
// text value, the folder in which the file dialog looks for study files.
inline constexpr const char* kRememberedFolderFile = "~orvo.psy";
// The data folder under the program folder that "~orvo.psy" names by default.
inline constexpr const char* kStudyFolderName = "AIRFiles";

// The folder recorded in "~orvo.psy", or an empty text when the file is
// missing, empty, damaged or holds no text value.
QString readRememberedFolder();

// The sub-folder of the data folder where the study files go.
inline constexpr const char* kStudyFilesFolderName = "AIR";

// Makes sure "~orvo.psy" names a folder: when it is missing, empty, damaged
// or unreadable it is written with the program folder followed by
// "AIRFiles/", and that folder with its "AIR" study folder is created when
// missing. *repaired is set when a damaged file was replaced (the user is
// told). Returns false (with *error) only when the file had to be written and
// could not be.
bool ensureRememberedFolderFile(QString* error = nullptr, bool* repaired = nullptr);

}  // namespace aeriton::shell
