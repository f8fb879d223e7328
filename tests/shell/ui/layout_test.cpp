// The shell's windows as the user sees them: every caption fits its control
// (Greek captions are long), and, when AERITON_SCREENSHOT_DIR is set, each
// window is saved as a PNG for review.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QStyle>

#include "TestSupport.h"
#include "shell/ui/FrmSeason.h"
#include "shell/ui/FrmThemaInd.h"
#include "shell/ui/FrmTitle.h"
#include "shell/ui/StandInDataScreen.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::shell;

namespace {

// Names of the controls whose one-line caption is wider than the control.
QStringList clippedCaptions(QWidget* window) {
  QStringList clipped;
  for (QLabel* l : window->findChildren<QLabel*>()) {
    if (!l->isVisible() || l->wordWrap() || l->text().isEmpty()) continue;
    const int need = l->fontMetrics().horizontalAdvance(l->text());
    if (need > l->contentsRect().width()) clipped << l->objectName() + ": " + l->text();
  }
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
    if (!b->isVisible()) continue;
    // The button's own size hint includes its indicator and margins.
    if (b->sizeHint().width() > b->width()) clipped << b->objectName() + ": " + b->text();
  }
  for (QLabel* l : window->findChildren<QLabel*>()) {
    if (!l->isVisible() || !l->wordWrap()) continue;
    if (l->heightForWidth(l->width()) > l->height()) clipped << l->objectName() + ": " + l->text();
  }
  return clipped;
}

void review(QWidget* window, const QString& file) {
  window->show();
  QApplication::processEvents();
  EXPECT_TRUE(clippedCaptions(window).isEmpty())
      << clippedCaptions(window).join("\n").toStdString();
  const QString dir = qEnvironmentVariable("AERITON_SCREENSHOT_DIR");
  if (!dir.isEmpty()) {
    QDir().mkpath(dir);
    EXPECT_TRUE(window->grab().save(QDir(dir).filePath(file)));
  }
  window->hide();
}

class Layout : public ::testing::Test {
 protected:
  test::ProgramFolderFixture program;
};

TEST_F(Layout, TitleWindow) {
  FrmTitle w;
  review(&w, "title-window.png");
}

TEST_F(Layout, SeasonWindow) {
  FrmSeason w;
  EXPECT_EQ(w.findChild<QGroupBox*>("FraSeason")->title(), QStringLiteral("Εποχή"));
  review(&w, "season-window.png");
}

TEST_F(Layout, StudyTitleWindow) {
  study().Title = QStringLiteral("Κτίριο γραφείων, Λεωφόρος Κηφισίας 120, Μαρούσι");
  FrmThemaInd w;
  review(&w, "study-title-window.png");
}

TEST_F(Layout, StandInDataScreens) {
  StandInDataScreen summer(Season::Summer);
  review(&summer, "stand-in-summer.png");
  StandInDataScreen winter(Season::Winter);
  review(&winter, "stand-in-winter.png");
}

}  // namespace
