// The winter data screen and the study files: a study calculated on the
// screen and saved opens again through the file dialog exactly as it was
// entered, and calculating it again gives the very file it was saved from.
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
#include "study/StudyState.h"
#include "winter/ui/FrmPsyDaW.h"

using namespace aeriton;
using namespace aeriton::winter;

namespace {

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

class WinterStudyFileScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    setSeparators({'.', ','});
    files::forgetDialogFolder();
    dir = fx.path("AIRFiles/");
    QDir().mkpath(dir);
    // The results screen is stood in for: it keeps "PSY_RES.TMP" as the
    // calculation left it and, when asked, saves the study like CmdSaveD.
    FrmPsyDaW::setResultsOpener([this](QWidget*) {
      ++runs;
      lastResults = test::readAll(fx.path("PSY_RES.TMP"));
      if (!saveAs.isEmpty())
        files::saveStudy([this](const QString& pattern, bool) {
          savedPattern = pattern;
          return dir + saveAs;
        });
      return QDialog::Accepted;
    });
  }
  void TearDown() override {
    FrmPsyDaW::setResultsOpener(nullptr);
    files::forgetDialogFolder();
  }

  NumericBox* box(FrmPsyDaW& s, const char* name) {
    auto* b = s.findChild<NumericBox*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  void type(FrmPsyDaW& s, const char* name, const QString& text) {
    NumericBox* b = box(s, name);
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Backspace);
    QTest::keyClicks(b, text);
    b->clearFocus();
  }
  void click(FrmPsyDaW& s, const char* name) {
    auto* b = s.findChild<QPushButton*>(QLatin1String(name));
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
  }

  test::ProgramFolderFixture fx;
  test::ModalWatchdog watchdog;
  QString dir;
  QString saveAs;
  QString savedPattern;
  QByteArray lastResults;
  int runs = 0;
};

}  // namespace

TEST_F(WinterStudyFileScreen, SavedStudyReopensAsEnteredAndRecalculatesToTheSameFile) {
  study().Title = QStringLiteral("Κατοικία Φλώρινας, \"Α\" όροφος");
  {
    // Entered on the screen: -5 °C at 80 % outdoors, 20 °C at 40 % in the
    // room, 12500 W, mixing with 30 % fresh air, summer by another unit (45 °C).
    FrmPsyDaW screen(nullptr);
    screen.show();
    QApplication::processEvents();
    click(screen, "CmdRHn");
    type(screen, "TxtEnvDB", "-5");
    type(screen, "TxtEnvRH", "80");
    click(screen, "CmdRHx");
    type(screen, "TxtSpaDB", "20");
    type(screen, "TxtSpaRH", "40");
    type(screen, "TxtSens", "12500");
    screen.findChild<QRadioButton*>("OptPerCent")->click();
    auto* perCent = screen.findChild<QComboBox*>("CboPerC");
    perCent->setCurrentIndex(29);  // "30"
    emit perCent->activated(29);
    saveAs = QStringLiteral("Κατοικία");
    click(screen, "CmdAeriton");
    ASSERT_EQ(runs, 1) << (fx.messages.last() ? fx.messages.last()->text.toStdString() : "");
  }
  EXPECT_EQ(savedPattern, "*.WIR");
  const QByteArray saved = test::readAll(dir + QStringLiteral("Κατοικία.WIR"));
  ASSERT_FALSE(saved.isEmpty());
  EXPECT_EQ(saved, lastResults);
  EXPECT_TRUE(saved.contains("\r\n0,30\r\n")) << saved.toStdString();  // per cent: amount 0

  resetStudy();
  setSeparators({'.', ','});
  saveAs.clear();
  FrmPsyDaW screen(nullptr);
  screen.show();
  QApplication::processEvents();
  ModalAction dialog("aeriton::files::FrmFileOS", [](QWidget* w) {
    w->findChild<QLineEdit*>("TxtFileName")->setText(QStringLiteral("Κατοικία"));
    QTest::mouseClick(w->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
  });
  click(screen, "CmdPSOpen");
  ASSERT_TRUE(dialog.done());
  EXPECT_TRUE(fx.messages.shown().empty());
  EXPECT_EQ(screen.findChild<QLabel*>("LblThema")->text(),
            QStringLiteral("Κατοικία Φλώρινας, \"Α\" όροφος"));
  EXPECT_EQ(screen.findChild<QComboBox*>("CboUnits")->currentIndex(), 0);
  EXPECT_EQ(screen.findChild<QComboBox*>("CboKind")->currentIndex(), 0);
  EXPECT_TRUE(screen.findChild<QRadioButton*>("OptPerCent")->isChecked());
  EXPECT_EQ(screen.findChild<QComboBox*>("CboPerC")->currentText(), "30");
  EXPECT_EQ(screen.findChild<QComboBox*>("CboKindy")->currentIndex(), 0);
  EXPECT_EQ(screen.findChild<QComboBox*>("CboTo")->currentText(), "45");
  EXPECT_EQ(box(screen, "TxtEnvDB")->text(), "-5.0");
  EXPECT_EQ(box(screen, "TxtEnvRH")->text(), "80.0");
  EXPECT_EQ(box(screen, "TxtSpaDB")->text(), "20.0");
  EXPECT_EQ(box(screen, "TxtSpaRH")->text(), "40.0");
  EXPECT_EQ(box(screen, "TxtSens")->text(), "12,500");

  click(screen, "CmdAeriton");
  ASSERT_EQ(runs, 2) << (fx.messages.last() ? fx.messages.last()->text.toStdString() : "");
  EXPECT_EQ(lastResults, saved) << "saved:\n"
                                << saved.toStdString() << "recalculated:\n"
                                << lastResults.toStdString();
}

TEST_F(WinterStudyFileScreen, MissingTitleFileIsRefusedAndTheScreenKeepsItsValues) {
  // A complete winter study whose ".TAW" is missing.
  QByteArray line14 = "0";
  for (int i = 0; i < 26; ++i) line14 += ",0";
  test::writeAll(dir + "lost.WIR",
                 "\"AA_100\",0\r\n-2,-3.1,80\r\n20,13.8,50\r\n20,13.8,9.2\r\n45,21.3,14.55\r\n"
                 "45,21.3,14.55\r\n8598.555,0\r\n0,0\r\n1420,13377,0,0,0\r\n0,1,0,0,\"C\"\r\n"
                 "1,0,1,45,0\r\n.1\r\n0,0,0,0,0,0,0,0,0,0,0,0,0\r\n" +
                     line14 + "\r\n");
  FrmPsyDaW screen(nullptr);
  screen.show();
  QApplication::processEvents();
  type(screen, "TxtEnvDB", "-3");
  ModalAction dialog("aeriton::files::FrmFileOS", [](QWidget* w) {
    w->findChild<QLineEdit*>("TxtFileName")->setText("lost.WIR");
    QTest::mouseClick(w->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
  });
  click(screen, "CmdPSOpen");
  ASSERT_TRUE(dialog.done());
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.shown()[0].code, files::kMissingTitleFileCode);
  EXPECT_EQ(box(screen, "TxtEnvDB")->text(), "-3.0");
  EXPECT_EQ(screen.findChild<QComboBox*>("CboKind")->currentIndex(), 0);
  EXPECT_TRUE(screen.isVisible());
}
