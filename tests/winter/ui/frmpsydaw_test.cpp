// The winter data screen driven through its controls: what only the screen
// shows (completion, focus, conversion, questions) and a saved study reopened.
#include "winter/ui/FrmPsyDaW.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"
#include "files/FileBrowser.h"
#include "files/StudyFileCore.h"
#include "shell/ui/ShellUiSupport.h"
#include "shell/ui/StartupController.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"
#include "winter/WinterChecks.h"
#include "winter/WinterStudyFile.h"

using namespace aeriton;
using namespace aeriton::winter;

namespace {

const QString kPlaceholder = QString::fromUtf8("ΘΑ ΥΠΟΛΟΓ.");

class WinterScreenTest : public ::testing::Test {
 public:
  void SetUp() override {
    setSeparators(Separators{'.', ','});
    study().Title = QString::fromUtf8("Κατοικία Φλώρινας");
    FrmPsyDaW::setResultsOpener([this](QWidget*) { return ++resultsOpened, QDialog::Accepted; });
    newScreen();
  }
  void TearDown() override {
    screen.reset();
    FrmPsyDaW::setResultsOpener(nullptr);
  }
  void newScreen() {
    screen = std::make_unique<FrmPsyDaW>(nullptr);
    screen->show();
    QApplication::setActiveWindow(screen.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
  }

  NumericBox* box(const char* name) {
    auto* b = screen->findChild<NumericBox*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  QComboBox* combo(const char* name) { return screen->findChild<QComboBox*>(QLatin1String(name)); }
  QWidget* widget(const char* name) { return screen->findChild<QWidget*>(QLatin1String(name)); }

  void type(const char* name, const QString& text) {
    NumericBox* b = box(name);
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Backspace);
    QTest::keyClicks(b, text);
    b->clearFocus();
  }
  void click(const char* name) {
    auto* b = screen->findChild<QPushButton*>(QLatin1String(name));
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void choose(const char* name, int index) {
    QComboBox* c = combo(name);
    c->setCurrentIndex(index);
    emit c->activated(index);
  }

  // Outdoor `envDB` at 80 %, room 20 °C at 40 %, `sens` W, mixing with 300 m³/h.
  void fillMetric(const QString& envDB = "0", const QString& sens = "10000") {
    click("CmdRHn");
    type("TxtEnvDB", envDB);
    type("TxtEnvRH", "80");
    click("CmdRHx");
    type("TxtSpaDB", "20");
    type("TxtSpaRH", "40");
    type("TxtSens", sens);
    type("TxtAmount", "300");
  }
  std::vector<int> codes() const {
    std::vector<int> out;
    for (const Message& m : folder.messages.shown()) out.push_back(m.code);
    return out;
  }

  test::ProgramFolderFixture folder;
  test::ModalWatchdog watchdog;
  std::unique_ptr<FrmPsyDaW> screen;
  int resultsOpened = 0;
};

TEST_F(WinterScreenTest, ClimateStatesCompleteWhileTyping) {
  // Room 20 °C = 68 °F with a 12.8 °C = 55.04 °F wet bulb: 42.9 % (Carrier:
  // pws(55.04) = 0.43564 + 0.04 × 0.01612 = 0.43628,
  // pv = 0.43628 − 29.48472 × 12.96 / 2728.45 = 0.29623; / 0.69021).
  click("CmdWBx");
  EXPECT_EQ(box("TxtSpaRH")->text(), kPlaceholder);
  type("TxtSpaDB", "20");
  type("TxtSpaWB", "12.8");
  EXPECT_EQ(box("TxtSpaRH")->text(), QStringLiteral("42.9"));
}

TEST_F(WinterScreenTest, KeyFiltersAndEnterChain) {
  type("TxtSpaDB", "-2x1");
  EXPECT_EQ(box("TxtSpaDB")->text(), QStringLiteral("21.0"));
  type("TxtEnvDB", "-5");
  EXPECT_EQ(box("TxtEnvDB")->text(), QStringLiteral("-5.0"));
  type("TxtSens", "12.5");  // whole watts only
  EXPECT_EQ(box("TxtSens")->text(), QStringLiteral("125"));
  // Enter in the outdoor dry bulb: the humidity is entered, the wet bulb computed.
  box("TxtEnvDB")->setFocus();
  QTest::keyClick(box("TxtEnvDB"), Qt::Key_Return);
  EXPECT_EQ(box("TxtEnvWB")->text(), kPlaceholder);
  EXPECT_TRUE(box("TxtEnvRH")->hasFocus());
  QTest::keyClicks(box("TxtEnvRH"), "90");
  QTest::keyClick(box("TxtEnvRH"), Qt::Key_Return);
  EXPECT_TRUE(box("TxtSpaDB")->hasFocus());
  EXPECT_NE(box("TxtEnvWB")->text(), kPlaceholder);
  // Alt+C and Alt+D press the room's buttons, from a box too.
  QTest::keyClick(box("TxtSpaDB"), Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(box("TxtSpaRH")->text(), kPlaceholder);
  QTest::keyClick(screen.get(), Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(box("TxtSpaWB")->text(), kPlaceholder);
}

// A plain letter typed inside a number box is a typing slip: it must neither
// press a button nor erase the humidity entered there.
TEST_F(WinterScreenTest, PlainLettersInABoxPressNoButton) {
  click("CmdRHx");
  type("TxtSpaDB", "20");
  type("TxtSpaRH", "40");
  const QString wb = box("TxtSpaWB")->text();
  ASSERT_NE(wb, kPlaceholder);
  for (NumericBox* b : {box("TxtSpaRH"), box("TxtSpaDB"), box("TxtSens")}) {
    b->setFocus();
    for (Qt::Key k : {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D}) {
      QTest::keyClick(b, k);
      QTest::keyClick(b, k, Qt::ShiftModifier);
    }
    b->clearFocus();
  }
  EXPECT_EQ(box("TxtSpaRH")->text(), "40.0");
  EXPECT_EQ(box("TxtSpaWB")->text(), wb);
  EXPECT_FALSE(box("TxtSpaRH")->isReadOnly());
  EXPECT_TRUE(box("TxtSpaWB")->isReadOnly());
  // On the buttons themselves the plain letters still work.
  auto* cmdWBx = screen->findChild<QPushButton*>("CmdWBx");
  cmdWBx->setFocus();
  QTest::keyClick(cmdWBx, Qt::Key_C);
  EXPECT_EQ(box("TxtSpaRH")->text(), kPlaceholder);
  EXPECT_TRUE(box("TxtSpaWB")->hasFocus());
}

// A humidity computed from a wet bulb and refused by the limits: both are
// cleared and the focus goes to the wet bulb, the box the user can type in,
// not to the locked humidity box.
TEST_F(WinterScreenTest, ComputedHumidityOutOfRangeFocusesTheWetBulb) {
  click("CmdWBn");
  type("TxtEnvDB", "10");
  type("TxtEnvWB", "1");  // 10 °C with a 1 °C wet bulb: far below 30 %
  click("CmdRHx");
  type("TxtSpaDB", "20");
  type("TxtSpaRH", "40");
  type("TxtSens", "10000");
  type("TxtAmount", "300");
  ASSERT_TRUE(box("TxtEnvRH")->isReadOnly());
  click("CmdAeriton");
  ASSERT_EQ(codes(), std::vector<int>{-11});
  EXPECT_TRUE(box("TxtEnvWB")->hasFocus());
  EXPECT_FALSE(box("TxtEnvWB")->isReadOnly());
  EXPECT_TRUE(box("TxtEnvWB")->text().isEmpty());
  EXPECT_TRUE(box("TxtEnvRH")->text().isEmpty());
  EXPECT_TRUE(box("TxtEnvRH")->isReadOnly());

  // The room: 20 °C with a 9 °C wet bulb is below 35 %.
  folder.messages.clear();
  type("TxtEnvWB", "8");
  click("CmdWBx");
  type("TxtSpaWB", "9");
  ASSERT_TRUE(box("TxtSpaRH")->isReadOnly());
  click("CmdAeriton");
  ASSERT_EQ(codes(), std::vector<int>{-13});
  EXPECT_TRUE(box("TxtSpaWB")->hasFocus());
  EXPECT_TRUE(box("TxtSpaRH")->isReadOnly());
}

// Closing the window by its frame asks as the exit button does.
TEST_F(WinterScreenTest, CloseButtonAsksExitChangeOrStay) {
  shell::takeDataScreenExit();
  type("TxtSpaDB", "20");
  folder.messages.answer(MsgAnswer::Cancel);
  EXPECT_FALSE(screen->close());  // the question comes once the close has unwound
  QApplication::processEvents();
  ASSERT_EQ(codes(), std::vector<int>{-93});
  EXPECT_TRUE(screen->isVisible());
  EXPECT_EQ(box("TxtSpaDB")->text(), "20.0");
  EXPECT_EQ(shell::takeDataScreenExit(), shell::DataScreenExit::None);
  folder.messages.answer(MsgAnswer::No);  // change season
  screen->close();
  QApplication::processEvents();
  EXPECT_FALSE(screen->isVisible());
  EXPECT_EQ(codes().size(), 2u);  // one question per close
  EXPECT_EQ(shell::takeDataScreenExit(), shell::DataScreenExit::ChangeSeason);
}

TEST_F(WinterScreenTest, OutdoorLimitMessageClearsAndFocuses) {
  fillMetric("-20.1");
  click("CmdAeriton");
  ASSERT_EQ(codes(), std::vector<int>{-10});
  EXPECT_TRUE(box("TxtEnvDB")->text().isEmpty());
  EXPECT_TRUE(box("TxtEnvWB")->text().isEmpty());
  EXPECT_TRUE(box("TxtEnvDB")->hasFocus());
  EXPECT_EQ(box("TxtEnvRH")->text(), QStringLiteral("80.0"));
}

TEST_F(WinterScreenTest, PlaceholderWetBulbPassesTheValueCheck) {
  fillMetric();
  // The room's wet bulb still shows "will be computed" when the button is pressed.
  click("CmdRHx");
  screen->findChild<QPushButton*>("CmdAeriton")->setFocus();
  box("TxtSpaWB")->setText(kPlaceholder);
  ASSERT_EQ(box("TxtSpaWB")->text(), kPlaceholder);
  screen->CmdAeriton_Click();
  EXPECT_TRUE(folder.messages.shown().empty());
  EXPECT_EQ(resultsOpened, 1);
  double wb = 0;  // the wet bulb of 20 °C at 40 %
  ASSERT_TRUE(wetBulbFromHumidity(20, 40, false, wb));
  EXPECT_FLOAT_EQ(study().SpaWB, static_cast<float>(wb));
}

TEST_F(WinterScreenTest, KindThreeEmptiesAndLocksTheLoad) {
  fillMetric();
  choose("CboKind", kKindFreshNoLoads);
  EXPECT_TRUE(box("TxtSens")->text().isEmpty());
  EXPECT_TRUE(box("TxtSens")->isReadOnly());
  EXPECT_TRUE(widget("TxtTempOut")->isVisible());
  EXPECT_FALSE(widget("CboTo")->isVisible());
  EXPECT_FALSE(widget("OptPerCent")->isEnabled());
  type("TxtAmount", "1000");
  type("TxtTempOut", "20");
  click("CmdAeriton");
  EXPECT_EQ(resultsOpened, 1);
  // The unit moves the 1000 m³/h as given (not 588 CFM × 1.7 = 999.6).
  EXPECT_FLOAT_EQ(study().SupplyFlow, 1000.0f);
}

// A reopened coil outlet temperature is shown as a whole number; one typed
// with a fraction keeps it, so that a recalculation gives the same study.
TEST_F(WinterScreenTest, ReopenedCoilOutletOfFreshAirWithoutLoads) {
  const QString dir = folder.path("AIRFiles/AIR/");
  QDir().mkpath(dir);
  FrmPsyDaW::setResultsOpener([&](QWidget*) {
    ++resultsOpened;
    files::saveStudy([&](const QString&, bool) { return dir + "fresh"; });
    return QDialog::Accepted;
  });
  for (const auto& [typed, shown] : {std::pair<const char*, const char*>{"20", "20"},
                                     std::pair<const char*, const char*>{"22.5", "22.5"}}) {
    study().Title = QStringLiteral("Νωπός αέρας");
    newScreen();
    fillMetric();
    choose("CboKind", kKindFreshNoLoads);
    type("TxtAmount", "1000");
    type("TxtTempOut", typed);
    const int before = resultsOpened;
    click("CmdAeriton");
    ASSERT_EQ(resultsOpened, before + 1) << typed;
    resetStudy();
    newScreen();
    ASSERT_EQ(OpenPSFile_W([&](const QString&, bool) { return dir + "fresh.WIR"; }).result,
              files::FileResult::Done);
    const auto v = winterFormValues();
    ASSERT_TRUE(v.has_value());
    screen->showStudyValues(*v);
    EXPECT_TRUE(box("TxtTempOut")->isVisible());
    EXPECT_EQ(box("TxtTempOut")->text(), QString::fromLatin1(shown)) << typed;
  }
}

TEST_F(WinterScreenTest, MissingAmountFocusesItsBox) {
  fillMetric();
  type("TxtAmount", "");
  click("CmdAeriton");
  ASSERT_EQ(codes(), std::vector<int>{2});
  EXPECT_TRUE(box("TxtAmount")->hasFocus());
}

TEST_F(WinterScreenTest, UnitChangeConvertsTheScreen) {
  fillMetric();
  choose("CboKindy", kSummerSameUnit);
  type("TxtSF", "1700");
  choose("CboKindy", kSummerOtherUnit);
  choose("CboUnits", kUnitBtuF);
  EXPECT_EQ(box("TxtEnvDB")->text(), QStringLiteral("32.0"));
  EXPECT_EQ(box("TxtSpaRH")->text(), QStringLiteral("40.0"));
  // 300 m³/h = 176.5 CFM, 1700 m³/h = 1000 CFM.
  EXPECT_EQ(box("TxtAmount")->text(), QStringLiteral("176.5"));
  EXPECT_EQ(box("TxtSF")->text(), QStringLiteral("1,000.0"));
  // 45 °C = 113 °F in the list of 75 .. 130 °F.
  EXPECT_EQ(combo("CboTo")->count(), 56);
  EXPECT_EQ(combo("CboTo")->currentText(), QStringLiteral("113"));
  // 10000 W = 8598.555 kcal/h = 34144.2 Btu/h.
  EXPECT_EQ(box("TxtSens")->text(), QStringLiteral("34,144"));
  choose("CboUnits", kUnitKW);
  EXPECT_EQ(box("TxtSens")->text(), QStringLiteral("10.00"));
  EXPECT_EQ(combo("CboTo")->currentText(), QStringLiteral("45"));
  // Visiting the load without a change keeps the exact value.
  box("TxtSens")->setFocus();
  box("TxtSens")->clearFocus();
  choose("CboUnits", kUnitWatt);
  EXPECT_EQ(box("TxtSens")->text(), QStringLiteral("10,000"));
  EXPECT_EQ(study().LoadUnit, QStringLiteral("WATT"));
}

// Switching units back and forth gives back the flows as typed: 300 m³/h is
// 176.5 CFM and 300 m³/h again, not 176.5 × 1.7 = 300.1.
TEST_F(WinterScreenTest, UnitSwitchKeepsTheTypedFlows) {
  fillMetric();
  choose("CboKindy", kSummerSameUnit);
  type("TxtSF", "2000");
  for (int round = 0; round < 3; ++round) {
    choose("CboUnits", kUnitBtuF);
    EXPECT_EQ(box("TxtAmount")->text(), QStringLiteral("176.5"));
    EXPECT_EQ(box("TxtSF")->text(), QStringLiteral("1,176.5"));
    choose("CboUnits", kUnitWatt);
    EXPECT_EQ(box("TxtAmount")->text(), QStringLiteral("300.0"));
    EXPECT_EQ(box("TxtSF")->text(), QStringLiteral("2,000.0"));
  }
  // A flow typed in CFM is converted from what was typed.
  choose("CboUnits", kUnitBtuF);
  type("TxtAmount", "200");
  choose("CboUnits", kUnitWatt);
  EXPECT_EQ(box("TxtAmount")->text(), QStringLiteral("340.0"));
  choose("CboUnits", kUnitBtuF);
  EXPECT_EQ(box("TxtAmount")->text(), QStringLiteral("200.0"));
}

TEST_F(WinterScreenTest, HotSupplyQuestion) {
  // Same unit in summer with 680 m³/h = 400 CFM: 68 + 34144.2 / (1.08 × 400)
  // = 147.0 °F, above 131 °F: the question.
  fillMetric();
  choose("CboKindy", kSummerSameUnit);
  type("TxtSF", "680");
  folder.messages.answer(MsgAnswer::No);
  click("CmdAeriton");
  ASSERT_EQ(codes(), std::vector<int>{-102});
  EXPECT_TRUE(folder.messages.last()->text.contains(QString::fromUtf8("(-> 63.9 [°C])")));
  EXPECT_EQ(resultsOpened, 0);
  EXPECT_FALSE(QFile::exists(folder.path("PSY_RES.TMP")));
  folder.messages.clear();
  folder.messages.answer(MsgAnswer::Yes);
  click("CmdAeriton");
  EXPECT_EQ(codes(), std::vector<int>{-102});
  EXPECT_EQ(resultsOpened, 1);
  EXPECT_FLOAT_EQ(study().DB_S, 63.9f);  // 147.0 °F
}

TEST_F(WinterScreenTest, SavedStudyReopensAsEnteredAndRecalculatesToTheSameFile) {
  files::forgetDialogFolder();
  const QString dir = folder.path("AIRFiles/AIR/");  // the default study folder
  QDir().mkpath(dir);
  // The results stand-in keeps "PSY_RES.TMP" and saves the study if asked.
  QString saveAs, savedPattern;
  QByteArray lastResults;
  FrmPsyDaW::setResultsOpener([&](QWidget*) {
    ++resultsOpened;
    lastResults = test::readAll(folder.path("PSY_RES.TMP"));
    if (!saveAs.isEmpty())
      files::saveStudy([&](const QString& pattern, bool) {
        savedPattern = pattern;
        return dir + saveAs;
      });
    return QDialog::Accepted;
  });
  study().Title = QStringLiteral("Κατοικία Φλώρινας, \"Α\" όροφος");
  newScreen();
  fillMetric("-5", "12500");  // then 30 % fresh air
  screen->findChild<QRadioButton*>("OptPerCent")->click();
  choose("CboPerC", 29);  // "30"
  saveAs = QStringLiteral("Κατοικία");
  click("CmdAeriton");
  ASSERT_EQ(resultsOpened, 1);
  EXPECT_EQ(savedPattern, "*.WIR");
  const QByteArray saved = test::readAll(dir + QStringLiteral("Κατοικία.WIR"));
  EXPECT_EQ(saved, lastResults);
  EXPECT_TRUE(saved.contains("\r\n0,30\r\n")) << saved.toStdString();  // per cent: amount 0

  resetStudy();
  setSeparators({'.', ','});
  saveAs.clear();
  newScreen();
  bool opened = false;
  test::onModal("FrmFileOS", [&](QWidget* w) {
    opened = true;
    w->findChild<QLineEdit*>("TxtFileName")->setText(QStringLiteral("Κατοικία"));
    QTest::mouseClick(w->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
  });
  click("CmdPSOpen");
  ASSERT_TRUE(opened);
  EXPECT_TRUE(folder.messages.shown().empty());
  EXPECT_EQ(screen->findChild<QLabel*>("LblThema")->text(),
            QStringLiteral("Κατοικία Φλώρινας, \"Α\" όροφος"));
  EXPECT_TRUE(screen->findChild<QRadioButton*>("OptPerCent")->isChecked());
  EXPECT_EQ(combo("CboPerC")->currentText(), "30");
  EXPECT_EQ(box("TxtEnvDB")->text(), "-5.0");
  EXPECT_EQ(box("TxtSens")->text(), "12,500.0");  // the reopened load: one decimal
  EXPECT_EQ(combo("CboTo")->currentText(), "45");
  // The wet bulbs were computed from the humidities: locked, in the computed colour.
  for (const char* name : {"TxtEnvWB", "TxtSpaWB"}) {
    EXPECT_TRUE(box(name)->isReadOnly()) << name;
    box(name)->ensurePolished();
    EXPECT_EQ(box(name)->palette().color(QPalette::Base).name(), "#ffff80") << name;
    EXPECT_FALSE(box(name)->text().isEmpty()) << name;
  }
  for (const char* name : {"TxtEnvRH", "TxtSpaRH"}) {
    EXPECT_FALSE(box(name)->isReadOnly()) << name;
    EXPECT_TRUE(box(name)->styleSheet().isEmpty()) << name;
  }

  click("CmdAeriton");
  ASSERT_EQ(resultsOpened, 2);
  EXPECT_EQ(lastResults, saved);
  files::forgetDialogFolder();
}

}  // namespace

namespace {

TEST_F(WinterScreenTest, ListsAndDefaultsShownOnLoad) {
  QComboBox* units = combo("CboUnits");
  ASSERT_EQ(units->count(), 6);
  EXPECT_EQ(units->itemText(0), QString::fromUtf8("[Watts], [°C], Ενθαλπία -> [KJ/Kg]"));
  EXPECT_EQ(units->itemText(5), QString::fromUtf8("[Btu/h], [°F], Ενθαλπία -> [Btu/Lb]"));
  EXPECT_EQ(units->currentIndex(), 0);
  EXPECT_EQ(study().LoadUnit, "WATT");
  QComboBox* kinds = combo("CboKind");
  ASSERT_EQ(kinds->count(), 4);
  EXPECT_EQ(kinds->itemText(2), QString::fromUtf8("100% Νωπός Αέρας που παραλαμβάνει Φορτία"));
  EXPECT_EQ(kinds->currentIndex(), 0);
  QComboBox* kindy = combo("CboKindy");
  ASSERT_EQ(kindy->count(), 2);
  EXPECT_EQ(kindy->itemText(0), QString::fromUtf8("Το Καλοκαίρι, θα γίνεται Ψύξη με ΑΛΛΗ "
                                                  "Κεντρική Κλιματιστική Μονάδα"));
  EXPECT_EQ(kindy->itemText(1), QString::fromUtf8("Το Καλοκαίρι, θα γίνεται Ψύξη με την ΙΔΙΑ "
                                                  "Κεντρική Κλιματιστική Μονάδα"));
  EXPECT_EQ(kindy->currentIndex(), 0);
  QComboBox* coil = combo("CboTo");
  ASSERT_EQ(coil->count(), 30);  // 25 .. 54 °C
  EXPECT_EQ(coil->itemText(0), "25");
  EXPECT_EQ(coil->itemText(29), "54");
  EXPECT_EQ(coil->currentIndex(), 20);
  EXPECT_EQ(coil->currentText(), "45");
  QComboBox* perCent = combo("CboPerC");
  ASSERT_EQ(perCent->count(), 85);
  EXPECT_EQ(perCent->currentIndex(), -1);
  EXPECT_EQ(perCent->maxVisibleItems(), 15);
  EXPECT_TRUE(screen->findChild<QRadioButton*>("OptAmount")->isChecked());
  EXPECT_TRUE(box("TxtAmount")->text().isEmpty());
  EXPECT_TRUE(box("TxtSF")->text().isEmpty());
  EXPECT_EQ(screen->findChild<QLabel*>("LblThema")->text(), QString::fromUtf8("Κατοικία Φλώρινας"));
  // The coil outlet row shows, the summer flow row does not.
  EXPECT_TRUE(widget("LblTo")->isVisible());
  EXPECT_FALSE(widget("LblSF")->isVisible());
  EXPECT_EQ(screen->findChild<QLabel*>("LblToR")->text(), QString::fromUtf8("σε [ °C ]"));
  EXPECT_EQ(screen->findChild<QLabel*>("LblEnvUnit")->text(), QString::fromUtf8("[ °C ]"));
  EXPECT_EQ(screen->findChild<QLabel*>("LblSensUnit")->text(), QString::fromUtf8("[ Watts ]"));
  EXPECT_EQ(box("TxtSens")->property("aeritonRole").toString(), "load");
  EXPECT_TRUE(box("TxtEnvDB")->hasFocus());
}

TEST_F(WinterScreenTest, TitleButtonWritesTheClimateAndLoadAsShown) {
  // "PSDATA.TMP": the outdoor state, the room state, the load, as the boxes
  // show them but in the files' own form ("." and no grouping), in quotes,
  // one record per line.
  fillMetric();
  QTimer::singleShot(0, [] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  click("CmdThema");
  const QByteArray data = test::readAll(folder.path("PSDATA.TMP"));
  auto shown = [&](const char* name) { return box(name)->text().toUtf8(); };
  EXPECT_EQ(shown("TxtEnvDB"), "0.0");
  EXPECT_EQ(shown("TxtSpaRH"), "40.0");
  EXPECT_EQ(shown("TxtSens"), "10,000");
  EXPECT_FALSE(shown("TxtEnvWB").isEmpty());
  EXPECT_EQ(data, "\"0.0\",\"" + shown("TxtEnvWB") + "\",\"80.0\"\r\n\"20.0\",\"" +
                      shown("TxtSpaWB") + "\",\"40.0\"\r\n\"10000\"\r\n");
}

TEST_F(WinterScreenTest, TabSkipsComputedBoxesAndStartsWithTheUnits) {
  combo("CboUnits")->setFocus();
  QTest::keyClick(combo("CboUnits"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), box("TxtEnvDB"));
  click("CmdRHn");  // the outdoor wet bulb is computed from here on
  EXPECT_EQ(box("TxtEnvWB")->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(box("TxtEnvWB")->property("aeritonRole").toString(), "computed");
  box("TxtEnvDB")->setFocus();
  QTest::keyClick(box("TxtEnvDB"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), box("TxtEnvRH"));
  // The other way round: the humidity is computed and skipped.
  click("CmdWBn");
  EXPECT_EQ(box("TxtEnvRH")->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(box("TxtEnvWB")->focusPolicy(), Qt::StrongFocus);
  box("TxtEnvWB")->setFocus();
  QTest::keyClick(box("TxtEnvWB"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), box("TxtSpaDB"));
}

TEST_F(WinterScreenTest, SameUnitInSummerMovesNothing) {
  // The summer flow takes the place of the coil outlet temperature: the fresh
  // air below and the window keep their places.
  const QSize size = screen->size();
  const QPoint amount = widget("TxtAmount")->mapTo(screen.get(), QPoint());
  const QPoint perCent = widget("CboPerC")->mapTo(screen.get(), QPoint());
  const QPoint coil = widget("CboTo")->mapTo(screen.get(), QPoint());
  choose("CboKindy", kSummerSameUnit);
  QApplication::processEvents();
  EXPECT_TRUE(widget("TxtSF")->isVisible());
  EXPECT_FALSE(widget("CboTo")->isVisible());
  EXPECT_EQ(widget("TxtSF")->mapTo(screen.get(), QPoint()), coil);
  EXPECT_EQ(widget("TxtAmount")->mapTo(screen.get(), QPoint()), amount);
  EXPECT_EQ(widget("CboPerC")->mapTo(screen.get(), QPoint()), perCent);
  EXPECT_EQ(screen->size(), size);
  choose("CboKindy", kSummerOtherUnit);
  QApplication::processEvents();
  EXPECT_EQ(widget("TxtAmount")->mapTo(screen.get(), QPoint()), amount);
  EXPECT_EQ(combo("CboTo")->currentText(), "45");
}

TEST_F(WinterScreenTest, ShiftF2FromANumberBoxShowsTheRecentList) {
  // Without "RecentFiles.txt": the notice, from a box that has the focus.
  box("TxtSpaDB")->setFocus();
  QTest::keyClick(box("TxtSpaDB"), Qt::Key_F2, Qt::ShiftModifier);
  ASSERT_EQ(folder.messages.shown().size(), 1u);
  EXPECT_EQ(folder.messages.last()->text,
            QString::fromUtf8("...! ΔΕΝ ΥΠΑΡΧΟΥΝ ΠΡΟΣΦΑΤΑ ΑΡΧΕΙΑ !..."));
  EXPECT_EQ(folder.messages.last()->icon, MsgIcon::Information);
  QTest::keyClick(box("TxtSpaDB"), Qt::Key_F2);
  EXPECT_EQ(folder.messages.shown().size(), 1u);
}

TEST_F(WinterScreenTest, WindowKeepsItsSizeAfterACalculation) {
  const QSize size = screen->size();
  EXPECT_EQ(screen->maximumSize(), size);
  fillMetric();
  click("CmdAeriton");
  EXPECT_EQ(resultsOpened, 1);
  QApplication::processEvents();
  EXPECT_EQ(screen->size(), size);
  EXPECT_FALSE(widget("TxtWait")->isVisible());
}

}  // namespace

namespace {

TEST_F(WinterScreenTest, AltKeysWorkWithEitherKeyboardLayout) {
  // The Greek layout gives Ψ on the C key: Alt+Ψ chooses the room's wet bulb
  // as Alt+C does. Alt+Y (Υ) calculates, with either layout.
  fillMetric();
  box("TxtSpaDB")->setFocus();
  QTest::sendKeyEvent(QTest::Click, box("TxtSpaDB"), static_cast<Qt::Key>(0x03A8),
                      QStringLiteral("ψ"), Qt::AltModifier);
  // The wet bulb is now the entry and the humidity the computed box.
  EXPECT_TRUE(box("TxtSpaRH")->isReadOnly());
  EXPECT_FALSE(box("TxtSpaWB")->isReadOnly());
  click("CmdRHx");
  type("TxtSpaRH", "40");
  auto* calc = screen->findChild<QPushButton*>("CmdAeriton");
  EXPECT_EQ(calc->text(), QString::fromUtf8("ΨΥΧΡΟΜΕΤΡΙΚΟΙ &ΥΠΟΛΟΓΙΣΜΟΙ"));
  box("TxtAmount")->setFocus();
  QTest::keyClick(box("TxtAmount"), Qt::Key_Y, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return resultsOpened == 1; }, 3000));
  EXPECT_TRUE(folder.messages.shown().empty());
}

}  // namespace
