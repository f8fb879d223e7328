// aeriton-save-loop: saves the same files over and over until it is killed,
// for the test that kills it at random moments and then looks at what is on
// disk.
//
//   aeriton-save-loop MODE FOLDER
//
// FOLDER is the program folder. MODE:
//   study     the two studies of SaveLoopStudies.h saved in turn as
//             FOLDER/studies/Kill.AIR (with "PSY_RES.TMP" and Kill.TAS)
//   recent    the first entry of "RecentFiles.txt" removed, again and again
//   index     "Studies.std" rebuilt for FOLDER/listA and FOLDER/listB in turn
//   orvo      "~orvo.psy" emptied, then completed by the season window's check
//   registry  FOLDER/OrvoProgs.log: the program recorded with the two folders
//             of SaveLoopStudies.h in turn
//   designers "CLIENTS.ORV" written with the two registers of
//             SaveLoopStudies.h in turn
// "ready" goes to standard output once the first round is done.

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstring>

#include "SaveLoopStudies.h"
#include "files/RecentFiles.h"
#include "files/StudyFileCore.h"
#include "files/StudyIndex.h"
#include "register/ClientRegister.h"
#include "shell/ProgramRegistry.h"
#include "shell/Season.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"

using namespace aeriton;

namespace {

bool round(const char* mode, long long n) {
  const int which = static_cast<int>(n % 2);
  if (std::strcmp(mode, "study") == 0) {
    study() = test::saveLoopStudy(which);
    const QString path = appfolder::path(QStringLiteral("studies/Kill.AIR"));
    return files::saveStudy([&](const QString&, bool) { return path; }) == files::FileResult::Done;
  }
  if (std::strcmp(mode, "recent") == 0) return files::removeRecentFile(0);
  if (std::strcmp(mode, "index") == 0)
    return files::MakeCurrentStudiesFile(appfolder::path(which ? "listB" : "listA"), "*.AIR") >= 0;
  if (std::strcmp(mode, "orvo") == 0) {
    QFile f(appfolder::path(QString::fromLatin1(shell::kRememberedFolderFile)));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    f.close();
    return shell::ensureRememberedFolderFile();
  }
  if (std::strcmp(mode, "registry") == 0) {
    const shell::RegistryEntry e{QStringLiteral("Aeriton"), test::saveLoopRegistryFolder(which),
                                 QStringLiteral("Aeriton.EXE")};
    return shell::registerProgram(appfolder::path(QStringLiteral("OrvoProgs.log")), e) ==
           shell::RegistryOutcome::Updated;
  }
  if (std::strcmp(mode, "designers") == 0)
    return designer::writeRegister(designer::registerPath(),
                                   {test::saveLoopDesigners(which), test::saveLoopPassword(which)});
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fputs("usage: aeriton-save-loop MODE FOLDER\n", stderr);
    return 2;
  }
  appfolder::setFolder(QString::fromLocal8Bit(argv[2]));
  for (long long n = 0;; ++n) {
    if (!round(argv[1], n)) {
      std::fprintf(stderr, "aeriton-save-loop: %s round %lld failed\n", argv[1], n);
      return 1;
    }
    if (n == 0) {
      std::puts("ready");
      std::fflush(stdout);
    }
  }
}
