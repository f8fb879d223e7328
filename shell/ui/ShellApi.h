#pragma once
// What the data screens and the results screen need from the application shell.

#include <QCloseEvent>
#include <QDialog>
#include <functional>

namespace aeriton::shell {

// Creates the data screen of a season; the program entry installs them.
using ScreenFactory = std::function<QDialog*(QWidget* parent)>;
void setDataScreenFactories(ScreenFactory summer, ScreenFactory winter);

// The data screen of the current season, while one is open.
QWidget* currentDataScreen();
void setCurrentDataScreen(QWidget* screen);

// The exit-or-change request of a data screen's exit button: asks EXIT / change
// season / stay, and acts on the answer (closing the data screen when the
// program ends or the season changes).
void exitOrChangeRequest(QWidget* dataScreen);
// True while exitOrChangeRequest closes the data screens after the user has
// answered: their close handlers then let them go without asking again. Any
// other close of a data screen (its window's close button) asks first.
bool dataScreensClosing();
// A data screen's close event. While the shell closes the screens it lets the
// close through (true). Any other close (the window frame's button) is
// ignored, so that nothing typed is lost by a click on the frame, and the
// exit-or-change question comes once the close has unwound, so that the shell
// can then close the window itself. `pending` (the screen's own flag) keeps a
// second click from queuing a second question.
bool closeDataScreen(QWidget* dataScreen, QCloseEvent* event, bool& pending);

// Opens the study-title window (FrmThemaInd) modally. On OK the study title
// changes, the companion title file of the current study file is rewritten,
// the current data screen's "LblThema" label shows the title and
// study().TitleEntered is raised.
void openStudyTitleWindow(QWidget* parent);

}  // namespace aeriton::shell
