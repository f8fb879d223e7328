#include "summer/ui/StudyFileActions.h"

#include "files/ui/FrmFileOS.h"
#include "files/ui/FrmRecFiles.h"
#include "study/MessageService.h"
#include "study/StudyState.h"
#include "summer/StudyFile.h"
#include "summer/SummerMessages.h"
#include "summer/ui/FrmPSRes.h"
#include "summer/ui/FrmPsyDat.h"

namespace aeriton::summer {

files::PathChooser fileDialogChooser(QWidget* parent) {
  return [parent](const QString& pattern, bool createMode) {
    return files::FrmFileOS::choose(parent, pattern, createMode);
  };
}

bool openSummerStudy(FrmPsyDat* screen, const files::PathChooser& choose) {
  const files::OpenOutcome out = OpenPSFile_S(choose);
  if (out.result != files::FileResult::Done) return false;
  // PutValuesOnSummerForm: the screen shows the study just read.
  if (screen) screen->showStudy();
  return true;
}

void installStudyFileActions() {
  FrmPsyDat::setOpenStudyHook(
      [](FrmPsyDat* screen) { openSummerStudy(screen, fileDialogChooser(screen)); });
  FrmPsyDat::setRecentFilesHook([](FrmPsyDat* screen) { files::openRecentFiles(screen); });
  setSaveStudyHandler([](QWidget* parent) {
    return SavePSFile(fileDialogChooser(parent)) == files::FileResult::Done;
  });
  // Results not saved yet when a recent load study is recalled: the question
  // of the results screen; "CANCEL" (or a save that did not happen) stops.
  files::FrmRecFiles::setUnsavedHandler([](QWidget* parent) {
    showMessage(messagesPS(kUnsavedQuestion));
    const QString answer = study().UserAnswer;
    study().UserAnswer.clear();
    study().MessageCode = 0;
    if (answer == QLatin1String("CANCEL") || answer.isEmpty()) return false;
    if (answer == QLatin1String("YES"))
      return SavePSFile(fileDialogChooser(parent)) == files::FileResult::Done;
    return true;
  });
}

}  // namespace aeriton::summer
