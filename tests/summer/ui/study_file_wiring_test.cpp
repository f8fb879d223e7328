// The study files on the summer screens: opening through the file dialog, saving
// from the results screen, and a reopened study recalculating to its saved file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
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
#include "study/Cp1253.h"
#include "study/StudyState.h"
#include "summer/StudyFile.h"
#include "summer/SummerChecks.h"
#include "summer/SummerMessages.h"
#include "summer/SummerRun.h"
#include "summer/ui/FrmPSRes.h"
#include "summer/ui/FrmPsyDat.h"
#include "summer/ui/StudyFileActions.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

// Acts once on the first modal window of a class that becomes active.
class ModalAction {
 public:
  ModalAction(const char* className, std::function<void(QWidget*)> act)
      : className_(className), act_(std::move(act)) {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w || !w->inherits(className_) || done_) return;
      done_ = true;
      act_(w);
    });
    timer_.start();
  }
  bool done() const { return done_; }

 private:
  const char* className_;
  std::function<void(QWidget*)> act_;
  QTimer timer_;
  bool done_ = false;
};

// Types a name into the file dialog and presses its OK button.
std::function<void(QWidget*)> chooseInDialog(const QString& name) {
  return [name](QWidget* dialog) {
    auto* box = dialog->findChild<QLineEdit*>("TxtFileName");
    auto* ok = dialog->findChild<QPushButton*>("CmdOK");
    ASSERT_TRUE(box && ok);
    box->setText(name);
    QTest::mouseClick(ok, Qt::LeftButton);
  };
}

class SummerStudyFileScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    setSeparators({'.', ','});
    files::forgetDialogFolder();
    installStudyFileActions();
    dir = fx.path("AIRFiles/");
    QDir().mkpath(dir);  // the default study folder, where the dialog opens
  }
  void TearDown() override {
    FrmPsyDat::setOpenStudyHook(nullptr);
    setSaveStudyHandler(nullptr);
    files::forgetDialogFolder();
  }

  // Outdoors 35 / 24.5 °C, room 26 °C / 50.7 %, 10000 + 2000 W, 1500 m³/h, saved.
  void computeAndSave(const QString& name) {
    study().Title = QStringLiteral("Γραφεία \"Ερμού\", Αθήνα");
    SummerRunInput in;
    in.envDB = 35, in.envWB = 24.5f, in.envRH = 42.3f;
    in.spaDB = 26, in.spaWB = 18.7f, in.spaRH = 50.7f;
    in.sensible = 10000, in.latent = 2000;
    in.loadUnit = "WATT";
    in.kindIndex = 0;
    in.amount = 1500;
    ZeroVariables(study());  // as the calculate button clears the results first
    const RunOutcome out = runCalculation(in, study());
    ASSERT_TRUE(out.ok()) << out.detail.toStdString();
    ASSERT_EQ(SavePSFile([&](const QString&, bool) { return dir + name; }),
              files::FileResult::Done);
    resetStudy();
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
  computeAndSave("office");
  const QByteArray saved = test::readAll(dir + "office.AIR");
  ASSERT_FALSE(saved.isEmpty());

  FrmPsyDat screen;
  screen.show();
  ModalAction dialog("aeriton::files::FrmFileOS", chooseInDialog("office"));
  QTest::mouseClick(screen.findChild<QPushButton*>("CmdPSOpen"), Qt::LeftButton);
  ASSERT_TRUE(dialog.done());
  EXPECT_TRUE(fx.messages.shown().empty());
  EXPECT_EQ(study().StudyFileName, dir + "office.AIR");
  EXPECT_EQ(screen.findChild<QLabel*>("LblThema")->text(),
            QStringLiteral("Γραφεία \"Ερμού\", Αθήνα"));
  EXPECT_EQ(screen.findChild<QComboBox*>("CboUnits")->currentIndex(), 0);
  EXPECT_EQ(screen.findChild<QComboBox*>("CboKind")->currentIndex(), 0);
  EXPECT_TRUE(screen.findChild<QRadioButton*>("OptAmount")->isChecked());
  EXPECT_EQ(box(screen, "TxtEnvDB")->text(), "35.0");
  EXPECT_EQ(box(screen, "TxtEnvWB")->text(), "24.5");
  EXPECT_EQ(box(screen, "TxtSpaDB")->text(), "26.0");
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
  ASSERT_TRUE(results.done());
  EXPECT_EQ(recalculated, saved);
}

TEST_F(SummerStudyFileScreens, DamagedStudyLeavesTheScreenAsItWas) {
  computeAndSave("good");
  QByteArray damaged = test::readAll(dir + "good.AIR");
  damaged.chop(40);
  test::writeAll(dir + "bad.AIR", damaged);
  test::writeAll(dir + "bad.TAS", test::readAll(dir + "good.TAS"));

  FrmPsyDat screen;
  screen.show();
  QApplication::processEvents();
  box(screen, "TxtEnvDB")->setText("33.0");
  study().Title = QStringLiteral("Άλλη μελέτη");
  ModalAction dialog("aeriton::files::FrmFileOS", chooseInDialog("bad.AIR"));
  QTest::mouseClick(screen.findChild<QPushButton*>("CmdPSOpen"), Qt::LeftButton);
  ASSERT_TRUE(dialog.done());
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.shown()[0].code, files::kDamagedFileCode);
  EXPECT_EQ(fx.messages.shown()[0].text,
            QStringLiteral("... Υπάρχει σοβαρό πρόβλημα στο εν λόγω Αρχείο ..."));
  EXPECT_TRUE(screen.isVisible());  // the data screen stays open
  EXPECT_EQ(box(screen, "TxtEnvDB")->text(), "33.0");
  EXPECT_EQ(study().Title, QStringLiteral("Άλλη μελέτη"));
  EXPECT_EQ(test::readAll(dir + "bad.AIR"), damaged);
}

TEST_F(SummerStudyFileScreens, ResultsScreenSavesThroughTheDialog) {
  study().Title = QStringLiteral("Κατάστημα");
  SummerRunInput in;
  in.envDB = 35, in.envWB = 24.5f, in.envRH = 42.3f;
  in.spaDB = 26, in.spaWB = 18.7f, in.spaRH = 50.7f;
  in.sensible = 5000, in.latent = 800;
  in.loadUnit = "KCAL";
  in.kindIndex = 0;
  in.perCentMode = true;
  in.perCent = 25;
  ASSERT_TRUE(runCalculation(in, study()).ok());
  ASSERT_TRUE(study().Unsaved);
  const QByteArray results = test::readAll(fx.path("PSY_RES.TMP"));

  FrmPSRes screen(nullptr);
  screen.show();
  auto* save = screen.findChild<QPushButton*>("CmdSaveD");
  ASSERT_NE(save, nullptr);
  EXPECT_TRUE(save->isEnabled());
  ModalAction dialog("aeriton::files::FrmFileOS", [](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Δημιουργία Αρχείου"));
    chooseInDialog(QStringLiteral("Κατάστημα"))(w);
  });
  QTest::mouseClick(save, Qt::LeftButton);
  ASSERT_TRUE(dialog.done());
  EXPECT_FALSE(study().Unsaved);
  // Per cent mode: the amount of line 8 is 0 and the per cent the value used.
  const QByteArray air = test::readAll(dir + QStringLiteral("Κατάστημα.AIR"));
  EXPECT_TRUE(air.contains("\r\n0,25\r\n")) << air.toStdString();
  EXPECT_EQ(air, test::readAll(fx.path("PSY_RES.TMP")));
  EXPECT_EQ(air.size(), results.size());
  EXPECT_EQ(test::readAll(dir + QStringLiteral("Κατάστημα.TAS")),
            "\"" + toCp1253(QStringLiteral("Κατάστημα")) + "\"\r\n\"KCAL\"\r\n");
  EXPECT_TRUE(fx.messages.shown().empty());
}
