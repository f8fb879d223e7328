// The study files on the summer screens: opening through the file dialog, saving
// from the results screen, and a reopened study recalculating to its saved file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"
#include "files/FileBrowser.h"
#include "files/StudyFileCore.h"
#include "study/StudyState.h"
#include "summer/StudyFile.h"
#include "summer/SummerChecks.h"
#include "summer/SummerRun.h"
#include "summer/ui/FrmPSRes.h"
#include "summer/ui/FrmPsyDat.h"
#include "summer/ui/StudyFileActions.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

// Acts once on the first modal window of a class that becomes active.
struct ModalAction {
  QTimer timer;
  bool done = false;
  ModalAction(const char* className, std::function<void(QWidget*)> act) {
    QObject::connect(&timer, &QTimer::timeout, [this, className, act] {
      QWidget* w = QApplication::activeModalWidget();
      if (w && w->inherits(className) && !done) done = true, act(w);
    });
    timer.start(20);
  }
};

// Types a name into the file dialog and presses its OK button.
std::function<void(QWidget*)> chooseInDialog(const QString& name) {
  return [name](QWidget* dialog) {
    dialog->findChild<QLineEdit*>("TxtFileName")->setText(name);
    QTest::mouseClick(dialog->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
  };
}

class SummerStudyFileScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    setSeparators({'.', ','});
    files::forgetDialogFolder();
    installStudyFileActions();
    dir = fx.path("AIRFiles/AIR/");
    QDir().mkpath(dir);  // the default study folder, where the dialog opens
  }
  void TearDown() override {
    FrmPsyDat::setOpenStudyHook(nullptr);
    setSaveStudyHandler(nullptr);
    files::forgetDialogFolder();
  }

  // Outdoors 35 / 24.5 °C, room 26 °C / 50.7 %, 10000 + 2000 W, 1500 m³/h.
  void compute() {
    study().Title = QStringLiteral("Γραφεία \"Ερμού\", Αθήνα");
    SummerRunInput in;
    in.envDB = 35, in.envWB = 24.5f, in.envRH = 42.3f;
    in.spaDB = 26, in.spaWB = 18.7f, in.spaRH = 50.7f;
    in.sensible = 10000, in.latent = 2000, in.loadUnit = "WATT", in.amount = 1500;
    ZeroVariables(study());  // as the calculate button clears the results first
    ASSERT_TRUE(runCalculation(in, study()).ok());
  }

  NumericBox* box(FrmPsyDat& s, const char* name) {
    auto* b = s.findChild<NumericBox*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
  }

  test::ProgramFolderFixture fx;
  test::ModalWatchdog watchdog;
  QString dir;
};

}  // namespace

TEST_F(SummerStudyFileScreens, OpenedStudyShowsAsEnteredAndRecalculatesToTheSameFile) {
  compute();
  ASSERT_EQ(SavePSFile([&](const QString&, bool) { return dir + "office"; }),
            files::FileResult::Done);
  resetStudy();
  const QByteArray saved = test::readAll(dir + "office.AIR");
  ASSERT_FALSE(saved.isEmpty());

  FrmPsyDat screen;
  screen.show();
  ModalAction dialog("aeriton::files::FrmFileOS", chooseInDialog("office"));
  QTest::mouseClick(screen.findChild<QPushButton*>("CmdPSOpen"), Qt::LeftButton);
  ASSERT_TRUE(dialog.done);
  EXPECT_TRUE(fx.messages.shown().empty());
  EXPECT_EQ(study().StudyFileName, dir + "office.AIR");
  EXPECT_EQ(screen.findChild<QLabel*>("LblThema")->text(),
            QStringLiteral("Γραφεία \"Ερμού\", Αθήνα"));
  EXPECT_TRUE(screen.findChild<QRadioButton*>("OptAmount")->isChecked());
  EXPECT_EQ(box(screen, "TxtEnvDB")->text(), "35.0");
  EXPECT_EQ(box(screen, "TxtSpaRH")->text(), "50.7");
  EXPECT_EQ(box(screen, "TxtSens")->text(), "10,000.00");
  EXPECT_EQ(box(screen, "TxtLat")->text(), "2,000.00");
  EXPECT_EQ(box(screen, "TxtAmount")->text(), "1,500.0");

  // Calculated again, the study gives the file it was saved from.
  QByteArray recalculated;
  ModalAction results("aeriton::summer::FrmPSRes", [&](QWidget* w) {
    recalculated = test::readAll(fx.path("PSY_RES.TMP"));
    study().Unsaved = false;
    w->close();
  });
  QTest::mouseClick(screen.findChild<QPushButton*>("CmdAeriton"), Qt::LeftButton);
  ASSERT_TRUE(results.done);
  EXPECT_EQ(recalculated, saved);
}

TEST_F(SummerStudyFileScreens, ResultsScreenSavesThroughTheDialog) {
  compute();
  ASSERT_TRUE(study().Unsaved);
  FrmPSRes screen(nullptr);
  screen.show();
  auto* save = screen.findChild<QPushButton*>("CmdSaveD");
  ASSERT_NE(save, nullptr);
  ModalAction dialog("aeriton::files::FrmFileOS", [](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Δημιουργία Αρχείου"));
    chooseInDialog(QStringLiteral("Κατάστημα"))(w);
  });
  QTest::mouseClick(save, Qt::LeftButton);
  ASSERT_TRUE(dialog.done);
  EXPECT_FALSE(study().Unsaved);
  EXPECT_EQ(test::readAll(dir + QStringLiteral("Κατάστημα.AIR")),
            test::readAll(fx.path("PSY_RES.TMP")));
  EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("Κατάστημα.TAS")));
  EXPECT_TRUE(fx.messages.shown().empty());
}
