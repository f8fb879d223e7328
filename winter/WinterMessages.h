#pragma once
// The messages of the winter data screen and of the heating calculation.
// The screen shows them through the message service; the texts live here so
// that the batch calculator and the tests see exactly what the screen shows.

#include <QString>

#include "study/MessageService.h"

namespace aeriton::winter {

// Refusals of the checks and of the calculation, and the question -102
// (the screen's MessagesPS): critical icon, two beeps. `english` selects the
// °F wording of the range messages; `supplyTempF` is the supply temperature
// that the question -102 quotes (in °C).
Message messagesPS(int code, bool english = false, float supplyTempF = 0);

// Missing entries 1..5 (the screen's PSMessage): exclamation icon, one beep.
Message psMessage(int code);

// The study has no title yet.
Message missingTitleMessage();

// The list of recent load studies is empty.
Message noRecentFilesMessage();

// An exchange file could not be written or read (-2007).
Message fileErrorMessage(const QString& fileName, const QString& detail);

// Lines of a multi-line message are each ended by a line break.
QString joinLines(const QStringList& lines);

}  // namespace aeriton::winter
