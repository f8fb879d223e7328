// The study files on the summer screens: CmdPSOpen through the file dialog,
// CmdSaveD of the results screen, Shift+F2, and a reopened study calculated
// again giving the very results file it was saved from.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
    FrmPsyDat::setRecentFilesHook(nullptr);
    setSaveStudyHandler(nullptr);
    files::forgetDialogFolder();
  }

  // A real cooling study: 35 °C / 24.5 °C outdoors, 26 °C / 50.7 % in the
  // room, 10000 W and 2000 W, mixing with 1500 m³/h, computed and saved.
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
  if (qEnvironmentVariableIsSet("AERITON_SCREENSHOTS"))
    screen.grab().save(QDir::temp().filePath("files_summer_opened.png"));

  // Calculated again, the study gives the file it was saved from.
  QByteArray recalculated;
  ModalAction results("aeriton::summer::FrmPSRes", [&](QWidget* w) {
    recalculated = test::readAll(fx.path("PSY_RES.TMP"));
    study().Unsaved = false;
    w->close();
  });
  QTest::mouseClick(screen.findChild<QPushButton*>("CmdAeriton"), Qt::LeftButton);
  ASSERT_TRUE(results.done());
  EXPECT_EQ(recalculated, saved) << "saved:\n"
                                 << saved.toStdString() << "recalculated:\n"
                                 << recalculated.toStdString();
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

TEST_F(SummerStudyFileScreens, CancelledDialogChangesNothing) {
  FrmPsyDat screen;
  screen.show();
  QApplication::processEvents();
  box(screen, "TxtEnvDB")->setText("33.0");
  ModalAction dialog("aeriton::files::FrmFileOS", [](QWidget* w) {
    QTest::mouseClick(w->findChild<QPushButton*>("CmdExit"), Qt::LeftButton);
  });
  QTest::mouseClick(screen.findChild<QPushButton*>("CmdPSOpen"), Qt::LeftButton);
  ASSERT_TRUE(dialog.done());
  EXPECT_TRUE(fx.messages.shown().empty());
  EXPECT_EQ(box(screen, "TxtEnvDB")->text(), "33.0");
  EXPECT_EQ(study().StudyFileName, "");
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

TEST_F(SummerStudyFileScreens, ShiftF2WithoutRecentFilesShowsTheNotice) {
  FrmPsyDat screen;
  screen.show();
  QApplication::processEvents();
  QTest::keyClick(&screen, Qt::Key_F2, Qt::ShiftModifier);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.shown()[0].text, QStringLiteral("...! ΔΕΝ ΥΠΑΡΧΟΥΝ ΠΡΟΣΦΑΤΑ ΑΡΧΕΙΑ !..."));
  EXPECT_EQ(fx.messages.shown()[0].icon, MsgIcon::Information);
}

TEST_F(SummerStudyFileScreens, RecallWithUnsavedResultsAsksFirstAndCancelStops) {
  test::writeAll(fx.path("RecentFiles.txt"), "C:\\Kalyx\\Office.KLD\r\n");
  FrmPsyDat screen;
  screen.show();
  QApplication::processEvents();
  study().Unsaved = true;
  fx.messages.answer(MsgAnswer::Cancel);
  // Shift+F2 opens the list; a recall of its only entry is asked about first.
  ModalAction list("aeriton::files::FrmRecFiles", [](QWidget* w) {
    auto* lst = w->findChild<QListWidget*>("List1");
    ASSERT_EQ(lst->count(), 1);
    lst->setCurrentRow(0);
    QTest::mouseClick(w->findChild<QPushButton*>("CmdRecall"), Qt::LeftButton);
    EXPECT_TRUE(w->isVisible());  // "CANCEL": still open, nothing recalled
    QTest::mouseClick(w->findChild<QPushButton*>("CmdCancel"), Qt::LeftButton);
  });
  QTest::keyClick(&screen, Qt::Key_F2, Qt::ShiftModifier);
  ASSERT_TRUE(list.done());
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.shown()[0].code, kUnsavedQuestion);
  EXPECT_EQ(fx.messages.shown()[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(study().StudyFileName, "");
  EXPECT_TRUE(study().Unsaved);

  // "NO": the results are left unsaved and the load study is recalled.
  fx.messages.answer(MsgAnswer::No);
  ModalAction again("aeriton::files::FrmRecFiles", [](QWidget* w) {
    w->findChild<QListWidget*>("List1")->setCurrentRow(0);
    QTest::mouseClick(w->findChild<QPushButton*>("CmdRecall"), Qt::LeftButton);
  });
  QTest::keyClick(&screen, Qt::Key_F2, Qt::ShiftModifier);
  ASSERT_TRUE(again.done());
  EXPECT_EQ(study().StudyFileName, "C:\\Kalyx\\Office.KLD");
  EXPECT_TRUE(study().CoolingProcess);
}
