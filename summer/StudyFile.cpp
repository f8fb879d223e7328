#include "summer/StudyFile.h"

namespace aeriton::summer {

files::FileResult SavePSFile(const files::PathChooser& choose) {
  return files::saveStudy(choose);
}

files::OpenOutcome OpenPSFile_S(const files::PathChooser& choose) {
  return files::openStudy(files::StudySeason::Summer, choose);
}

files::StudyLayout CheckForFileValidity(const QString& path) {
  return files::CheckForFileValidity(path);
}

}  // namespace aeriton::summer
