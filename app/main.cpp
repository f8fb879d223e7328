// Aeriton: psychrometric design of the central air-handling unit.
//
// The entry installs the desktop message service and the season data screens,
// then hands over to the start-up: single-instance check, number separators,
// title window, program registry, leftover files, season window, data screen.
#include <QApplication>
#include <QDialog>

#include "shell/ProgramInfo.h"
#include "shell/ui/ShellApi.h"
#include "shell/ui/StandInDataScreen.h"
#include "shell/ui/StartupController.h"
#include "study/ui/QtMessageService.h"
#include "summer/ui/StudyFileActions.h"

// The season data screens. Each switch below brings one into the program once
// its screen is part of the build; until then the shell's stand-in screen
// opens for that season.
#define AERITON_WITH_SUMMER_SCREEN 1
#define AERITON_WITH_WINTER_SCREEN 1

#if AERITON_WITH_SUMMER_SCREEN && __has_include("summer/ui/FrmPsyDat.h")
#include "summer/ui/FrmPsyDat.h"
#define AERITON_SUMMER_SCREEN_IN 1
#else
#define AERITON_SUMMER_SCREEN_IN 0
#endif
#if AERITON_WITH_WINTER_SCREEN && __has_include("winter/ui/FrmPsyDaW.h")
#include "winter/ui/FrmPsyDaW.h"
#define AERITON_WINTER_SCREEN_IN 1
#else
#define AERITON_WINTER_SCREEN_IN 0
#endif

namespace {

using namespace aeriton;
using namespace aeriton::shell;

QDialog* summerScreen(QWidget* parent) {
#if AERITON_SUMMER_SCREEN_IN
  return new summer::FrmPsyDat(parent);
#else
  return new StandInDataScreen(Season::Summer, parent);
#endif
}

QDialog* winterScreen(QWidget* parent) {
#if AERITON_WINTER_SCREEN_IN
  return new winter::FrmPsyDaW(parent);
#else
  return new StandInDataScreen(Season::Winter, parent);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kProgramName));
  QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
  // The program lives as long as its start-up runs: the modal windows come and
  // go, and the last one closing must not end it half-way.
  QApplication::setQuitOnLastWindowClosed(false);

  QtMessageService service;
  setMessageService(&service);
  setDataScreenFactories(summerScreen, winterScreen);
  // Study files: open and save of studies, recent load studies (F2).
  summer::installStudyFileActions();

  StartupController startup;
  const int code = startup.run();

  setDataScreenFactories(nullptr, nullptr);
  setMessageService(nullptr);
  return code;
}
