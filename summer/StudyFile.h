#pragma once
// The summer study file: ".AIR" with its title file ".TAS" (a heating case
// computed on the summer screen is saved as ".WIR" + ".TAW"), in the layout of
// "PSY_RES.TMP". The file dialog is handed in as a PathChooser so that the
// logic runs without a screen.

#include <QString>

#include "files/StudyFileCore.h"

namespace aeriton::summer {

// SavePSFile (results screen, both seasons): see files::saveStudy.
files::FileResult SavePSFile(const files::PathChooser& choose);

// OpenPSFile_S (summer data screen): see files::openStudy. On success the
// study holds the opened values and "PSY_RES.TMP" is the opened file; the
// screen then shows them (FrmPsyDat::showStudy).
files::OpenOutcome OpenPSFile_S(const files::PathChooser& choose);

// CheckForFileValidity of a summer study file.
files::StudyLayout CheckForFileValidity(const QString& path);

}  // namespace aeriton::summer
