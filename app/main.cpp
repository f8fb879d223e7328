// Aeriton: psychrometric design of the central air-handling unit.
//
// The entry installs the desktop message service and the season data screens,
// then hands over to the start-up: single-instance check, number separators,
// title window, program registry, leftover files, season window, data screen.
#include <QApplication>
#include <QDialog>
#include <QIcon>

#include "shell/ProgramInfo.h"
#include "shell/ui/ShellApi.h"
#include "shell/ui/StartupController.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"
#include "summer/ui/FrmPsyDat.h"
#include "summer/ui/StudyFileActions.h"
#include "winter/ui/FrmPSDiagram.h"
#include "winter/ui/FrmPsyDaW.h"

namespace {

using namespace aeriton;
using namespace aeriton::shell;

QDialog* summerScreen(QWidget* parent) {
  return new summer::FrmPsyDat(parent);
}
QDialog* winterScreen(QWidget* parent) {
  return new winter::FrmPsyDaW(parent);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kProgramName));
  QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
  // The desktop matches the windows with the menu entry "aeriton.desktop".
  QGuiApplication::setDesktopFileName(QStringLiteral("aeriton"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/aeriton.svg")));
  // The program lives as long as its start-up runs: the modal windows come and
  // go, and the last one closing must not end it half-way.
  QApplication::setQuitOnLastWindowClosed(false);
  // One look and one keyboard for every window (study/ui/Style.h).
  style::applyApplicationStyle();

  QtMessageService service;
  setMessageService(&service);
  setDataScreenFactories(summerScreen, winterScreen);
  // Study files: open and save of studies, recent load studies (F2).
  summer::installStudyFileActions();
  // The results screen's diagram button: the process-diagram screens.
  winter::installDiagramScreens();

  StartupController startup;
  const int code = startup.run();

  setDataScreenFactories(nullptr, nullptr);
  setMessageService(nullptr);
  return code;
}
