#pragma once
// What the data screens and the results screen need from the application shell.

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

// Opens the study-title window (FrmThemaInd) modally. On OK the study title
// changes, the companion title file of the current study file is rewritten,
// the current data screen's "LblThema" label shows the title and
// study().TitleEntered is raised.
void openStudyTitleWindow(QWidget* parent);

}  // namespace aeriton::shell
