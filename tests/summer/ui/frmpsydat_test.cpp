// The summer data screen driven through its controls: the lists and defaults
// on load, completion while typing, the load unit, the kind of system, what the
// calculate button's refusals do to the screen, the keyboard, a window that
// keeps its size, the Greek decimal comma. The messages' texts are checked by
// the logic tests.
#include "summer/ui/FrmPsyDat.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"
#include "shell/ui/StartupController.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"
#include "summer/SummerEntry.h"
#include "summer/ui/FrmPSRes.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

const QString kPending = QString::fromUtf8("ΘΑ ΥΠΟΛΟΓ.");

// Closes every modal window of a class once shown, after running `onOpen` on it.
class ModalCloser {
 public:
  ModalCloser(const char* className, std::function<void(QWidget*)> onOpen = {}) {
    timer_.setInterval(30);
    QObject::connect(&timer_, &QTimer::timeout, [=] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w || !w->inherits(className)) return;
      ++opened_;
      if (onOpen) onOpen(w);
      study().Unsaved = false;  // the results screen would ask about saving
      w->close();
    });
    timer_.start();
  }
  int opened() const { return opened_; }

 private:
  QTimer timer_;
  int opened_ = 0;
};

class SummerScreenTest : public ::testing::Test {
 public:
  void SetUp() override {
    setSeparators(Separators{'.', ','});
    study().Title = QString::fromUtf8("  Γραφεία Αθήνας  ");
    screen = std::make_unique<FrmPsyDat>();
    screen->show();
    QApplication::setActiveWindow(screen.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
  }
  void TearDown() override { setSeparators(Separators{'.', ','}); }

  NumericBox* box(const char* name) {
    auto* b = screen->findChild<NumericBox*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  QComboBox* combo(const char* name) { return screen->findChild<QComboBox*>(QLatin1String(name)); }
  QString text(const char* name) { return box(name)->text(); }

  void type(const char* name, const QString& keys) {
    NumericBox* b = box(name);
    b->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(b->hasFocus()) << name;
    QTest::keyClicks(b, keys);
    QTest::keyClick(b, Qt::Key_Tab);
  }
  void stateByRH(const char* db, const char* rh, const QString& dbKeys, const QString& rhKeys) {
    NumericBox* d = box(db);
    d->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(d, dbKeys);
    QTest::keyClick(d, Qt::Key_Return);
    ASSERT_TRUE(box(rh)->hasFocus()) << rh;
    QTest::keyClicks(box(rh), rhKeys);
    QTest::keyClick(box(rh), Qt::Key_Tab);
  }
  void click(const char* name) {
    QTest::mouseClick(screen->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
  }
  void chooseUnits(int index) {
    combo("CboUnits")->setCurrentIndex(index);
    screen->CboUnits_Click(index);
  }
  // Athens 36 °C / 25 %, room 26 °C / 50 %, 10 000 W + 2 000 W, 2 000 m³/h.
  void fillAthens(const char* outdoorDB = "36") {
    stateByRH("TxtEnvDB", "TxtEnvRH", outdoorDB, "25");
    stateByRH("TxtSpaDB", "TxtSpaRH", "26", "50");
    type("TxtSens", "10000");
    type("TxtLat", "2000");
    type("TxtAmount", "2000");
  }
  std::vector<int> shownCodes() const {
    std::vector<int> codes;
    for (const Message& m : fx.messages.shown()) codes.push_back(m.code);
    return codes;
  }

  test::ProgramFolderFixture fx;
  test::ModalWatchdog watchdog;
  std::unique_ptr<FrmPsyDat> screen;
};

TEST_F(SummerScreenTest, DryBulbAndWetBulbFillRelativeHumidity) {
  // Room 26 °C = 78.8 °F with wet bulb 18.7 °C = 65.66 -> 65.7 °F:
  // pv = 0.63087 − (29.921 − 0.63087)(13.1)/(2800 − 85.41) = 0.48952; RH = pv / 0.97923 = 49.99 %
  // -> "50.0"; 73.47 grains = 10.50 g/kg.
  type("TxtSpaDB", "26");
  click("CmdWBx");
  EXPECT_EQ(text("TxtSpaRH"), kPending);
  type("TxtSpaWB", "18.7");
  EXPECT_EQ(text("TxtSpaRH"), "50.0");
  EXPECT_EQ(text("TxtSpaAH"), "10.50");
}

TEST_F(SummerScreenTest, ChangingTheDryBulbRecomputesTheState) {
  stateByRH("TxtSpaDB", "TxtSpaRH", "26", "50");
  // 24 °C = 75.2 °F at 50 %: pv = 0.5 × (0.87506 + 0.2 × 0.02966) = 0.44049 inHg; Carrier
  // gives 0.41742 at 62 °F and 0.44833 at 63 °F, so WB = 62 + 0.02307 / 0.03091 = 62.75 °F
  // = 17.08 °C -> "17.1".
  type("TxtSpaDB", "24");
  // Tab skips the computed wet bulb; the given RH shows its plain number while edited.
  EXPECT_TRUE(box("TxtSpaRH")->hasFocus());
  EXPECT_EQ(text("TxtSpaRH"), "50");
  EXPECT_EQ(text("TxtSpaWB"), "17.1");
  // Emptying the given value restores the placeholder.
  QTest::keyClick(box("TxtSpaRH"), Qt::Key_Backspace);
  QTest::keyClick(box("TxtSpaRH"), Qt::Key_Tab);
  EXPECT_TRUE(text("TxtSpaRH").isEmpty());
  EXPECT_EQ(text("TxtSpaWB"), kPending);
  EXPECT_TRUE(text("TxtSpaAH").isEmpty());
}

TEST_F(SummerScreenTest, StateOutsideTheEngineTableIsNotCompleted) {
  // 200 °C lies beyond the saturation table: nothing is computed, the range is refused.
  stateByRH("TxtEnvDB", "TxtEnvRH", "200", "50");
  EXPECT_EQ(text("TxtEnvWB"), kPending);
  EXPECT_TRUE(text("TxtEnvAH").isEmpty());
  stateByRH("TxtSpaDB", "TxtSpaRH", "26", "50");
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-10});
}

TEST_F(SummerScreenTest, SwitchingToFahrenheitConvertsTheScreen) {
  fillAthens();
  chooseUnits(5);
  // 26.0 °C × 9/5 + 32 = 78.8 °F; 36 °C = 96.8 °F; wet bulb 18.7 °C = 65.66 -> 65.7 °F.
  EXPECT_EQ(text("TxtEnvDB"), "96.8");
  EXPECT_EQ(text("TxtSpaWB"), "65.7");
  EXPECT_EQ(text("TxtSpaRH"), "50.0");
  // Absolute humidity in grains/lb: 9.26 g/kg × 7 = 64.83.
  EXPECT_EQ(text("TxtEnvAH"), "64.83");
  // Fresh air 2000 m³/h / 1.7 = 1176.47 -> 1,176.5 CFM.
  EXPECT_EQ(text("TxtAmount"), "1,176.5");
  // Loads in Btu/h: 10 000 W × 0.8598555 × 3.970923 = 34 144.20.
  EXPECT_EQ(text("TxtSens"), "34,144.20");
  EXPECT_EQ(study().LoadUnit, "BTU");
  // And back: every figure as typed.
  chooseUnits(0);
  EXPECT_EQ(text("TxtSpaWB"), "18.7");
  EXPECT_EQ(text("TxtAmount"), "2,000.0");
  EXPECT_EQ(text("TxtSens"), "10,000.00");
}

struct FocusCase {
  const char* name;
  std::function<void(SummerScreenTest&)> change;  // after the Athens study is typed
  int code;
  const char* focus;
};

}  // namespace

class RefusalFocus : public SummerScreenTest, public ::testing::WithParamInterface<FocusCase> {};

namespace {

TEST_P(RefusalFocus, FirstMessageAndFocus) {
  fillAthens();
  GetParam().change(*this);
  ModalCloser results("aeriton::summer::FrmPSRes");
  click("CmdAeriton");
  ASSERT_FALSE(fx.messages.shown().empty());
  EXPECT_EQ(fx.messages.shown().front().code, GetParam().code);
  QWidget* f = QApplication::focusWidget();
  EXPECT_EQ(f ? f->objectName() : QString(), GetParam().focus);
  EXPECT_EQ(results.opened(), 0);
  EXPECT_FALSE(QFile::exists(fx.path("PSY_DAT.TMP")));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, RefusalFocus,
    ::testing::Values(FocusCase{"RoomRH85", [](SummerScreenTest& t) { t.type("TxtSpaRH", "85"); },
                                -13, "TxtSpaRH"},
                      FocusCase{
                          "NoPerCent",
                          [](SummerScreenTest& t) {
                            t.screen->findChild<QRadioButton*>("OptPerCent")->setChecked(true);
                          },
                          3, "CboPerC"},
                      FocusCase{"FreshNoLoadsWithoutAmount",
                                [](SummerScreenTest& t) {
                                  t.combo("CboKind")->setCurrentIndex(3);
                                  t.screen->CboKind_Click(3);
                                  t.type("TxtAmount", "0");
                                },
                                2, "TxtAmount"}),
    [](const ::testing::TestParamInfo<FocusCase>& i) { return std::string(i.param.name); });

TEST_F(SummerScreenTest, RangeRefusalEmptiesTheState) {
  // The dry bulb, wet bulb and absolute humidity are emptied; the RH stays.
  fillAthens("54.1");
  EXPECT_FALSE(text("TxtEnvWB").isEmpty());
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-10});
  EXPECT_TRUE(text("TxtEnvDB").isEmpty());
  EXPECT_TRUE(text("TxtEnvWB").isEmpty());
  EXPECT_TRUE(text("TxtEnvAH").isEmpty());
  EXPECT_EQ(text("TxtEnvRH"), "25.0");
  EXPECT_EQ(text("TxtSpaDB"), "26.0");  // the room is untouched
  EXPECT_TRUE(box("TxtEnvDB")->hasFocus());
  // Typing a valid dry bulb completes the state again.
  type("TxtEnvDB", "36");
  EXPECT_EQ(text("TxtEnvWB"), "20.9");
}

TEST_F(SummerScreenTest, AthensStudyIsCalculatedAndTheResultsOpen) {
  fillAthens();
  bool resultsWritten = false;
  ModalCloser results("aeriton::summer::FrmPSRes",
                      [&](QWidget*) { resultsWritten = QFile::exists(fx.path("PSY_RES.TMP")); });
  click("CmdAeriton");
  EXPECT_TRUE(shownCodes().empty()) << fx.messages.shown().front().text.toStdString();
  EXPECT_EQ(results.opened(), 1);
  EXPECT_TRUE(resultsWritten);
  // The loads went to the calculation in kcal/h: 10 000 W × 0.85985547 = 8 598.55.
  const QByteArray loads = test::readAll(fx.path("SUM_KCALH.tmp"));
  EXPECT_TRUE(loads.startsWith("8598.55")) << loads.constData();
  EXPECT_FALSE(screen->findChild<QWidget*>("TxtWait")->isVisible());
  EXPECT_EQ(text("TxtSens"), "10,000.00");  // kept after the calculation
}

TEST_F(SummerScreenTest, MissingTitleOpensTheTitleWindow) {
  study().Title.clear();
  screen->findChild<QLabel*>("LblThema")->setText("   ");
  fillAthens();
  ModalCloser titleWindow("aeriton::shell::FrmThemaInd");
  ModalCloser results("aeriton::summer::FrmPSRes");
  click("CmdAeriton");
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(titleWindow.opened(), 1);
  EXPECT_EQ(results.opened(), 0);
  EXPECT_FALSE(QFile::exists(fx.path("PSY_DAT.TMP")));
}

TEST_F(SummerScreenTest, RaisedSupplyQuestionCancelStopsYesAppliesTheRaiseAgain) {
  fillAthens();
  study().MetricCode = 1;
  study().CoilOutChange[0] = 17.5f;
  fx.messages.answer(MsgAnswer::Cancel);
  QByteArray line13;
  ModalCloser results("aeriton::summer::FrmPSRes", [&](QWidget*) {
    const QList<QByteArray> lines = test::readAll(fx.path("PSY_RES.TMP")).split('\n');
    if (lines.size() > 12) line13 = lines[12];
  });
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-100});
  EXPECT_TRUE(fx.messages.shown().front().text.contains(QStringLiteral("17.5 [°C]")));
  EXPECT_EQ(results.opened(), 0);
  EXPECT_FALSE(QFile::exists(fx.path("PSY_DAT.TMP")));
  EXPECT_TRUE(study().UserAnswer.isEmpty());
  EXPECT_LT(study().CoilOutChange[0], 0.0f);  // dropped
  // A raise to 16 °C: below the room's 26 − 5 = 21 °C and above the Athens
  // coil outlet, so it applies again.
  fx.messages.clear();
  study().CoilOutChange[0] = 16.0f;
  fx.messages.answer(MsgAnswer::Yes);
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-100});
  EXPECT_EQ(results.opened(), 1);
  EXPECT_FLOAT_EQ(study().CoilOutChange[0], 16.0f);
  EXPECT_TRUE(line13.startsWith("16,")) << line13.constData();
  // The raise needs more supply air than the unit without it.
  EXPECT_GT(study().CoilOutChange[11], study().SupplyFlow);
}

// Closing the window by its frame asks as the exit button does: Cancel keeps
// the screen with everything typed, Yes leaves the program.
TEST_F(SummerScreenTest, CloseButtonAsksExitChangeOrStay) {
  shell::takeDataScreenExit();
  type("TxtSpaDB", "26");
  fx.messages.answer(MsgAnswer::Cancel);
  EXPECT_FALSE(screen->close());  // the question comes once the close has unwound
  QApplication::processEvents();
  ASSERT_EQ(shownCodes(), std::vector<int>{-93});
  EXPECT_TRUE(screen->isVisible());
  EXPECT_EQ(text("TxtSpaDB"), "26.0");
  EXPECT_EQ(shell::takeDataScreenExit(), shell::DataScreenExit::None);
  test::writeAll(fx.path("PSY_DAT.TMP"), "x");
  fx.messages.answer(MsgAnswer::Yes);
  screen->close();
  QApplication::processEvents();
  EXPECT_FALSE(screen->isVisible());
  EXPECT_EQ(shownCodes().size(), 2u);  // one question per close
  EXPECT_EQ(shell::takeDataScreenExit(), shell::DataScreenExit::Exit);
  EXPECT_FALSE(QFile::exists(fx.path("PSY_DAT.TMP")));
}

TEST_F(SummerScreenTest, GreekDecimalComma) {
  // Outdoor 36 °C = 96.8 °F, 25 %: pv = 0.25 × (1.7124 + 0.8 × 0.0531) = 0.43872 inHg;
  // the Carrier search crosses 69.67 °F = 20.93 °C; W = 0.62238 × 0.43872 /
  // (29.921 − 0.43872) = 0.0092616 -> 64.83 grains = 9.26 g/kg.
  setSeparators(Separators{',', '.'});
  stateByRH("TxtEnvDB", "TxtEnvRH", "36,0", "25");
  EXPECT_TRUE(box("TxtSpaDB")->hasFocus());
  EXPECT_EQ(text("TxtEnvDB"), "36,0");
  EXPECT_EQ(text("TxtEnvWB"), "20,9");
  EXPECT_EQ(text("TxtEnvAH"), "9,26");
  // The point is the thousands separator here: it is shown, never typed; the
  // key types the decimal comma, once.
  type("TxtSens", "12345.5");
  EXPECT_EQ(text("TxtSens"), "12.345,50");
  type("TxtLat", "2.5,5");
  EXPECT_EQ(text("TxtLat"), "2,55");
  stateByRH("TxtSpaDB", "TxtSpaRH", "26,5", "50");
  EXPECT_EQ(screen->entry().room.db, 26.5f);
  EXPECT_EQ(screen->entry().sens, 12345.5f);
  chooseUnits(5);
  // 26.5 × 1.8 + 32 = 79.7 °F
  EXPECT_EQ(text("TxtSpaDB"), "79,7");
}

TEST_F(SummerScreenTest, ListsAndDefaultsShownOnLoad) {
  // Six load units with Watts chosen, the kinds with mixing chosen, the per
  // cents 1..85 with none chosen (15 rows at a time), the amount mode with an
  // empty amount, the stored title trimmed.
  QComboBox* units = combo("CboUnits");
  ASSERT_EQ(units->count(), 6);
  const char* unitTexts[] = {
      "[Watts], [°C], Ενθαλπία -> [KJ/Kg]",   "[Kcal/h], [°C], Ενθαλπία -> [Kcal/Kg]",
      "[Kw], [°C], Ενθαλπία -> [KJ/Kg]",      "[RT], [°C], Ενθαλπία -> [KJ/Kg]",
      "[Btu/h], [°C], Ενθαλπία -> [Kcal/Kg]", "[Btu/h], [°F], Ενθαλπία -> [Btu/Lb]"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(units->itemText(i), QString::fromUtf8(unitTexts[i])) << i;
  EXPECT_EQ(units->currentIndex(), 0);
  EXPECT_EQ(study().LoadUnit, "WATT");
  EXPECT_EQ(study().PrevLoadUnit, "WATT");
  QComboBox* kinds = combo("CboKind");
  ASSERT_EQ(kinds->count(), 4);
  const char* kindTexts[] = {"Ανάμιξη Αέρα Ανακυκλοφορίας, με Νωπό Αέρα", "Ανακυκλοφορία Αέρα 100%",
                             "100% Νωπός Αέρας, που παραλαμβάνει Φορτία",
                             "100% Νωπός Αέρας, που ΔΕΝ παραλαμβάνει Φορτία"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(kinds->itemText(i), QString::fromUtf8(kindTexts[i])) << i;
  EXPECT_EQ(kinds->currentIndex(), 0);
  QComboBox* perCent = combo("CboPerC");
  ASSERT_EQ(perCent->count(), 85);
  EXPECT_EQ(perCent->itemText(0), "1");
  EXPECT_EQ(perCent->itemText(84), "85");
  EXPECT_EQ(perCent->currentIndex(), -1);
  EXPECT_EQ(perCent->maxVisibleItems(), 15);
  EXPECT_TRUE(screen->findChild<QRadioButton*>("OptAmount")->isChecked());
  EXPECT_TRUE(text("TxtAmount").isEmpty());
  EXPECT_EQ(screen->findChild<QLabel*>("LblThema")->text(), QString::fromUtf8("Γραφεία Αθήνας"));
  // First entry: everything empty, the focus on the outdoor dry bulb.
  for (const char* name : {"TxtEnvDB", "TxtEnvWB", "TxtEnvRH", "TxtEnvAH", "TxtSpaDB", "TxtSpaWB",
                           "TxtSpaRH", "TxtSpaAH", "TxtSens", "TxtLat"})
    EXPECT_TRUE(text(name).isEmpty()) << name;
  EXPECT_TRUE(box("TxtEnvDB")->hasFocus());
  // Units beside the boxes, in brackets.
  EXPECT_EQ(screen->findChild<QLabel*>("LblSensUn")->text(), QStringLiteral("[ Watts ]"));
  EXPECT_EQ(screen->findChild<QLabel*>("LblAmountUn")->text(), QStringLiteral("[ m³/h ]"));
}

TEST_F(SummerScreenTest, EnglishUnitsNameTheirHumidityUnit) {
  chooseUnits(5);
  const QList<QLabel*> labels = screen->findChildren<QLabel*>();
  int grains = 0;
  for (QLabel* l : labels) grains += l->text() == QStringLiteral("[ Grains/Lb ]");
  EXPECT_EQ(grains, 2);  // beside both absolute humidities
  EXPECT_EQ(screen->findChild<QLabel*>("LblAmountUn")->text(), QStringLiteral("[ CFM ]"));
  EXPECT_EQ(screen->findChild<QLabel*>("LblSensUn")->text(), QStringLiteral("[ Btu/h ]"));
}

struct KindCase {
  const char* name;
  int kind;
  bool loadsOpen;      // load boxes unlocked (yellow) or cleared and locked (dark blue)
  bool amountOption;   // OptAmount enabled
  bool perCentOption;  // OptPerCent enabled
  bool amountBox;      // TxtAmount enabled (in amount mode)
};

}  // namespace

class SummerKinds : public SummerScreenTest, public ::testing::WithParamInterface<KindCase> {};

namespace {

TEST_P(SummerKinds, ControlsFollowTheKindOfSystem) {
  type("TxtSens", "10000");
  type("TxtLat", "2000");
  const KindCase& c = GetParam();
  combo("CboKind")->setCurrentIndex(c.kind);
  screen->CboKind_Click(c.kind);
  for (const char* name : {"TxtSens", "TxtLat"}) {
    NumericBox* b = box(name);
    EXPECT_EQ(!b->isReadOnly(), c.loadsOpen) << name;
    EXPECT_EQ(b->property("aeritonRole").toString(),
              c.loadsOpen ? QStringLiteral("load") : QStringLiteral("noload"))
        << name;
    EXPECT_EQ(b->focusPolicy(), c.loadsOpen ? Qt::StrongFocus : Qt::NoFocus) << name;
    if (!c.loadsOpen) {
      EXPECT_TRUE(b->text().isEmpty()) << name;
    }
  }
  if (c.loadsOpen) {
    EXPECT_EQ(text("TxtSens"), "10,000.00");
  }
  EXPECT_EQ(screen->findChild<QRadioButton*>("OptAmount")->isEnabled(), c.amountOption);
  EXPECT_EQ(screen->findChild<QRadioButton*>("OptPerCent")->isEnabled(), c.perCentOption);
  EXPECT_EQ(box("TxtAmount")->isEnabled(), c.amountBox);
  EXPECT_FALSE(combo("CboPerC")->isEnabled());  // amount mode in every kind
  if (c.perCentOption) {
    screen->findChild<QRadioButton*>("OptPerCent")->setChecked(true);
    EXPECT_TRUE(combo("CboPerC")->isEnabled());
    EXPECT_FALSE(box("TxtAmount")->isEnabled());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SummerKinds,
    ::testing::Values(KindCase{"Mixing", 0, true, true, true, true},
                      KindCase{"FullRecirculation", 1, true, false, false, false},
                      KindCase{"FreshAirTakingLoads", 2, true, true, false, true},
                      KindCase{"FreshAirWithoutLoads", 3, false, true, false, true}),
    [](const ::testing::TestParamInfo<KindCase>& i) { return std::string(i.param.name); });

TEST_F(SummerScreenTest, RaisedSupplyQuestionNoCalculatesWithoutTheRaise) {
  // A raise kept from an earlier calculation; NO drops it and the study is
  // calculated as typed: line 13 of the results carries no raise.
  fillAthens();
  study().MetricCode = 1;
  study().CoilOutChange[0] = 16.0f;
  fx.messages.answer(MsgAnswer::No);
  QByteArray line13;
  ModalCloser results("aeriton::summer::FrmPSRes", [&](QWidget*) {
    const QList<QByteArray> lines = test::readAll(fx.path("PSY_RES.TMP")).split('\n');
    if (lines.size() > 12) line13 = lines[12];
  });
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-100});
  EXPECT_EQ(fx.messages.shown().front().buttons, MsgButtons::YesNoCancel);
  EXPECT_TRUE(study().UserAnswer.isEmpty());
  EXPECT_EQ(results.opened(), 1);
  EXPECT_TRUE(line13.startsWith("-100000,")) << line13.constData();
  EXPECT_LT(study().CoilOutChange[0], 0.0f);
}

TEST_F(SummerScreenTest, ShiftOrCtrlF2FromANumberBoxOpensTheRecentList) {
  // The keys reach the screen even while a number box (which takes every key)
  // has the focus; F2 alone does nothing.
  int opened = 0;
  FrmPsyDat::setRecentFilesHook([&](FrmPsyDat*) { ++opened; });
  NumericBox* b = box("TxtSpaDB");
  b->setFocus();
  QTest::keyClick(b, Qt::Key_F2, Qt::ShiftModifier);
  EXPECT_EQ(opened, 1);
  QTest::keyClick(b, Qt::Key_F2, Qt::ControlModifier);
  EXPECT_EQ(opened, 2);
  QTest::keyClick(b, Qt::Key_F2);
  EXPECT_EQ(opened, 2);
  // From the unit list too.
  combo("CboUnits")->setFocus();
  QTest::keyClick(combo("CboUnits"), Qt::Key_F2, Qt::ShiftModifier);
  EXPECT_EQ(opened, 3);
  FrmPsyDat::setRecentFilesHook(nullptr);
}

TEST_F(SummerScreenTest, TabFollowsTheScreenAndSkipsComputedBoxes) {
  // Units first (they are chosen before anything is typed), then the states;
  // a computed wet bulb and the absolute humidities take no focus.
  combo("CboUnits")->setFocus();
  QTest::keyClick(combo("CboUnits"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), box("TxtEnvDB"));
  stateByRH("TxtEnvDB", "TxtEnvRH", "36", "25");  // the wet bulb is now computed
  QWidget* w = box("TxtEnvDB");
  w->setFocus();
  QStringList visited;
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited,
            (QStringList{"TxtEnvRH", "TxtSpaDB", "TxtSpaWB", "TxtSpaRH", "TxtSens", "TxtLat"}));
  EXPECT_EQ(box("TxtEnvWB")->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(box("TxtEnvAH")->focusPolicy(), Qt::NoFocus);
}

TEST_F(SummerScreenTest, AltWithGreekOrLatinLetterPressesTheMainButtons) {
  // Alt+Y is the key of Υ on a Greek keyboard: "ΨΥΧΡΟΜΕΤΡΙΚΟΙ &ΥΠΟΛΟΓΙΣΜΟΙ".
  fillAthens();
  ModalCloser results("aeriton::summer::FrmPSRes");
  NumericBox* b = box("TxtSpaDB");
  b->setFocus();
  QTest::keyClick(b, Qt::Key_Y, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return results.opened() == 1; }, 3000));
  auto* calc = screen->findChild<QPushButton*>("CmdAeriton");
  EXPECT_EQ(calc->text(), QStringLiteral("ΨΥΧΡΟΜΕΤΡΙΚΟΙ &ΥΠΟΛΟΓΙΣΜΟΙ"));
  // Alt+U (the key of Θ) opens the title window.
  ModalCloser title("aeriton::shell::FrmThemaInd");
  b->setFocus();
  QTest::keyClick(b, Qt::Key_U, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return title.opened() == 1; }, 3000));
}

TEST_F(SummerScreenTest, WindowKeepsItsSizeAfterACalculationAndATitleChange) {
  const QSize size = screen->size();
  EXPECT_EQ(screen->minimumSize(), size);
  EXPECT_EQ(screen->maximumSize(), size);
  fillAthens();
  ModalCloser results("aeriton::summer::FrmPSRes");
  click("CmdAeriton");
  EXPECT_EQ(results.opened(), 1);
  EXPECT_EQ(screen->size(), size);
  // A very long title, given through a click on the title itself.
  const QString longTitle = QString::fromUtf8(
      "Κεντρική Κλιματιστική Μονάδα του Νέου Κτιρίου Γραφείων της Οδού Πανεπιστημίου στην "
      "Αθήνα, Πτέρυγα Β, Ισόγειο και Πρώτος Όροφος");
  ModalCloser titleWindow("aeriton::shell::FrmThemaInd", [&](QWidget* w) {
    w->findChild<QLineEdit*>("Text1")->setText(longTitle);
    QTest::mouseClick(w->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
  });
  auto* label = screen->findChild<QLabel*>("LblThema");
  QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_EQ(titleWindow.opened(), 1);
  EXPECT_EQ(label->text(), longTitle);  // the whole title; only the drawing is cut
  QApplication::processEvents();
  EXPECT_EQ(screen->size(), size);
  EXPECT_EQ(screen->findChild<QWidget*>("TxtWait")->isVisible(), false);
}

}  // namespace
