#include "shell/ui/ShellApi.h"

#include <QPointer>

#include "shell/ui/FrmThemaInd.h"
#include "shell/ui/ShellMessages.h"
#include "shell/ui/StandInDataScreen.h"
#include "shell/ui/StartupController.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"

namespace aeriton::shell {
namespace {

struct ShellState {
  ScreenFactory summer;
  ScreenFactory winter;
  QPointer<QWidget> current;
  Season season = Season::None;
  DataScreenExit exit = DataScreenExit::None;
  bool closing = false;  // the screens are being closed after the user's answer
};

ShellState& state() {
  static ShellState s;
  return s;
}

// Closes a data screen and tells whether it really closed (its close handler
// may refuse).
bool closeScreen(QWidget* screen) {
  if (!screen || !screen->isVisible()) return true;
  return screen->close();
}

}  // namespace

void setDataScreenFactories(ScreenFactory summer, ScreenFactory winter) {
  state().summer = std::move(summer);
  state().winter = std::move(winter);
}

QWidget* currentDataScreen() {
  return state().current.data();
}
void setCurrentDataScreen(QWidget* screen) {
  state().current = screen;
}

Season currentSeason() {
  return state().season;
}
void setCurrentSeason(Season season) {
  state().season = season;
}

DataScreenExit takeDataScreenExit() {
  const DataScreenExit e = state().exit;
  state().exit = DataScreenExit::None;
  return e;
}
void setDataScreenExit(DataScreenExit e) {
  state().exit = e;
}

QDialog* createDataScreen(Season season, QWidget* parent) {
  const ScreenFactory& factory = season == Season::Winter ? state().winter : state().summer;
  QDialog* screen = factory ? factory(parent) : nullptr;
  if (!screen) screen = new StandInDataScreen(season, parent);
  return screen;
}

void exitOrChangeRequest(QWidget* dataScreen) {
  const MsgAnswer answer = showMessage(exitOrChangeMessage());
  study().UserAnswer.clear();
  if (answer != MsgAnswer::Yes && answer != MsgAnswer::No) return;  // stay as you are

  QWidget* screen = dataScreen ? dataScreen->window() : currentDataScreen();
  QWidget* other = currentDataScreen();
  removeTemporaryFiles();
  const bool change = answer == MsgAnswer::No;
  setDataScreenExit(change ? DataScreenExit::ChangeSeason : DataScreenExit::Exit);
  // While the screens unload for a season change their close handlers must not
  // ask about saving: the study state lives on into the next season.
  if (change) study().SeasonChange = true;
  state().closing = true;
  bool closed = closeScreen(screen);
  if (other && other != screen) closed = closeScreen(other) && closed;
  state().closing = false;
  if (change) study().SeasonChange = false;
  if (!closed) setDataScreenExit(DataScreenExit::None);
}

bool dataScreensClosing() {
  return state().closing;
}

bool closeDataScreen(QWidget* dataScreen, QCloseEvent* event, bool& pending) {
  if (dataScreensClosing()) return true;
  event->ignore();
  if (pending) return false;
  pending = true;
  QMetaObject::invokeMethod(
      dataScreen,
      [dataScreen, &pending] {
        pending = false;
        exitOrChangeRequest(dataScreen);
      },
      Qt::QueuedConnection);
  return false;
}

void openStudyTitleWindow(QWidget* parent) {
  FrmThemaInd window(parent);
  window.exec();
}

}  // namespace aeriton::shell
