#pragma once
// aeriton-calc --psy: the two-state calculator's calculate button on a ".psy"
// file, without a window.

#include <QString>

namespace aeriton::app {

// Reads IN (a ".psy" file whose computed boxes are empty or 0), runs the
// calculate button's checks and calculation, and writes the file the save
// button would write for the filled screen to OUT, or to standard output when
// OUT is empty. Returns the exit status: 0 written, 1 refused (the message on
// standard error, nothing written), 2 a file that cannot be read or written,
// 3 a file that is no calculator file (the field is named).
int runPsyBatch(const QString& inPath, const QString& outPath);

}  // namespace aeriton::app
