// "~orvo.psy" (the remembered study folder) under any bytes: the file dialog's
// default folder and start folder are formed from it, and the season window's
// check leaves a file that names a folder - the one it named, or the program
// folder's "AIRFiles/" when it named none.

#include "FuzzSupport.h"
#include "files/FileBrowser.h"
#include "shell/Season.h"
#include "study/AppFolder.h"

using namespace aeriton;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::freshStart();
  const QByteArray input = fuzz::bytesOf(data, size);
  fuzz::writeProgramFile(QString::fromLatin1(files::kDefaultPathFileName), input);

  const QString folder = files::defaultStudyFolder();
  FUZZ_CHECK(!folder.isEmpty());
  FUZZ_CHECK(folder.endsWith('/') || folder.endsWith('\\'));
  FUZZ_CHECK(!files::dialogStartFolder().isEmpty());

  const QString remembered = shell::readRememberedFolder();
  FUZZ_CHECK(shell::ensureRememberedFolderFile());
  if (remembered.isEmpty()) {
    // Rewritten with the default.
    FUZZ_CHECK(shell::readRememberedFolder() ==
               appfolder::folder() + QString::fromLatin1(shell::kStudyFolderName) + '/');
  } else {
    // Left alone.
    FUZZ_CHECK(fuzz::readProgramFile(QString::fromLatin1(files::kDefaultPathFileName)) == input);
  }
  FUZZ_CHECK(!shell::readRememberedFolder().isEmpty());
  return 0;
}
