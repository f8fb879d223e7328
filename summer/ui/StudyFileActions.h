#pragma once
// The study-file actions of the summer screens: CmdPSOpen and F2 of the data
// screen, CmdSaveD and the "YES" of the unsaved-data question of the results
// screen, and the save question before a recent load study is recalled.

#include <QWidget>

#include "files/StudyFileCore.h"

namespace aeriton::summer {

// The file dialog (FrmFileOS) as the study-file logic asks for it.
files::PathChooser fileDialogChooser(QWidget* parent);

// CmdPSOpen of the summer data screen: opens a summer study and shows it on
// the screen. On a refusal the screen keeps what it showed. True when a study
// was opened.
bool openSummerStudy(class FrmPsyDat* screen, const files::PathChooser& choose);

// Installs the actions in the screens (once, at program start).
void installStudyFileActions();

}  // namespace aeriton::summer
