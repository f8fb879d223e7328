// The summer data screen driven through its controls: defaults, completion of
// the air states while typing, the load unit and kind lists, the order of the
// checks of the calculate button with their exact messages, and both decimal
// conventions.
#include "summer/ui/FrmPsyDat.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"
#include "summer/SummerEntry.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

const QString kPending = QString::fromUtf8("ΘΑ ΥΠΟΛΟΓ.");
const QString kTitleA = QString::fromUtf8("*** ΑΠΑΡΑΔΕΚΤΗ ΚΑΤΑΧΩΡΗΣΗ *** ");

// Closes every modal window of a class as soon as it is the active modal
// window, after running `onOpen` on it (the screen under test waits in exec()).
class ModalCloser {
 public:
  ModalCloser(const char* className, std::function<void(QWidget*)> onOpen = {})
      : className_(className), onOpen_(std::move(onOpen)) {
    timer_.setInterval(30);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w || !w->inherits(className_)) return;
      ++opened_;
      if (onOpen_) onOpen_(w);
      study().Unsaved = false;  // the results screen would ask about saving
      w->close();
    });
    timer_.start();
  }
  int opened() const { return opened_; }

 private:
  const char* className_;
  std::function<void(QWidget*)> onOpen_;
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
  void TearDown() override {
    screen.reset();
    setSeparators(Separators{'.', ','});
    FrmPsyDat::setOpenStudyHook(nullptr);
    FrmPsyDat::setDocumentOpener(nullptr);
  }

  NumericBox* box(const char* name) {
    auto* b = screen->findChild<NumericBox*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  QComboBox* combo(const char* name) { return screen->findChild<QComboBox*>(QLatin1String(name)); }
  QPushButton* button(const char* name) {
    return screen->findChild<QPushButton*>(QLatin1String(name));
  }
  QString text(const char* name) { return box(name)->text(); }

  // Gives the box the focus, types over its text and leaves it with Tab.
  void type(const char* name, const QString& keys) {
    NumericBox* b = box(name);
    b->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(b->hasFocus()) << name;
    QTest::keyClicks(b, keys);
    QTest::keyClick(b, Qt::Key_Tab);
  }
  // Types a dry bulb, Enter (the humidity becomes the given value), the humidity.
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
    QPushButton* b = button(name);
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void chooseKind(int index) {
    combo("CboKind")->setCurrentIndex(index);
    screen->CboKind_Click(index);
  }
  void chooseUnits(int index) {
    combo("CboUnits")->setCurrentIndex(index);
    screen->CboUnits_Click(index);
  }
  // Athens 36 °C / 25 %, room 26 °C / 50 %, 10 000 W + 2 000 W, 2 000 m³/h.
  void fillAthens(const char* outdoorDB = "36", const char* roomDB = "26") {
    stateByRH("TxtEnvDB", "TxtEnvRH", outdoorDB, "25");
    stateByRH("TxtSpaDB", "TxtSpaRH", roomDB, "50");
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

// ---- load and first activation ------------------------------------------------------

TEST_F(SummerScreenTest, EveryControlCarriesItsName) {
  for (const char* name : {"TxtEnvDB", "TxtEnvWB", "TxtEnvRH", "TxtEnvAH", "TxtSpaDB", "TxtSpaWB",
                           "TxtSpaRH", "TxtSpaAH", "TxtSens", "TxtLat", "TxtAmount"})
    EXPECT_NE(screen->findChild<NumericBox*>(name), nullptr) << name;
  for (const char* name : {"CboPerC", "CboKind", "CboUnits"})
    EXPECT_NE(screen->findChild<QComboBox*>(name), nullptr) << name;
  for (const char* name : {"OptAmount", "OptPerCent"})
    EXPECT_NE(screen->findChild<QRadioButton*>(name), nullptr) << name;
  for (const char* name : {"CmdThema", "CmdRHn", "CmdWBn", "CmdRHx", "CmdWBx", "CmdAeriton",
                           "CmdPSOpen", "CmdManual", "SSCommand3"})
    EXPECT_NE(screen->findChild<QPushButton*>(name), nullptr) << name;
  EXPECT_NE(screen->findChild<QLabel*>("LblThema"), nullptr);
  EXPECT_NE(screen->findChild<QWidget*>("TxtWait"), nullptr);
}

TEST_F(SummerScreenTest, DefaultsOnLoadAndFirstActivation) {
  QComboBox* units = combo("CboUnits");
  ASSERT_EQ(units->count(), 6);
  EXPECT_EQ(units->currentIndex(), 0);
  EXPECT_EQ(units->itemText(0), QString::fromUtf8("[Watts], [°C], Ενθαλπία -> [KJ/Kg]"));
  EXPECT_EQ(units->itemText(5), QString::fromUtf8("[Btu/h], [°F], Ενθαλπία -> [Btu/Lb]"));
  EXPECT_EQ(study().LoadUnit, "WATT");
  EXPECT_EQ(study().PrevLoadUnit, "WATT");
  QComboBox* perC = combo("CboPerC");
  ASSERT_EQ(perC->count(), 85);
  EXPECT_EQ(perC->itemText(0), "1");
  EXPECT_EQ(perC->itemText(84), "85");
  EXPECT_EQ(perC->currentIndex(), -1);
  EXPECT_TRUE(text("TxtAmount").isEmpty());
  EXPECT_TRUE(screen->findChild<QRadioButton*>("OptAmount")->isChecked());
  QComboBox* kind = combo("CboKind");
  ASSERT_EQ(kind->count(), 4);
  EXPECT_EQ(kind->currentIndex(), 0);
  EXPECT_EQ(kind->itemText(3), QString::fromUtf8("100% Νωπός Αέρας, που ΔΕΝ παραλαμβάνει Φορτία"));
  // The stored title, trimmed.
  EXPECT_EQ(screen->findChild<QLabel*>("LblThema")->text(), QString::fromUtf8("Γραφεία Αθήνας"));
  // First activation: everything empty, dry bulbs open, humidities locked.
  for (const char* n : {"TxtEnvDB", "TxtEnvWB", "TxtEnvRH", "TxtEnvAH", "TxtSpaDB", "TxtSpaWB",
                        "TxtSpaRH", "TxtSpaAH", "TxtSens", "TxtLat"})
    EXPECT_TRUE(text(n).isEmpty()) << n;
  EXPECT_FALSE(box("TxtEnvDB")->isReadOnly());
  EXPECT_FALSE(box("TxtSpaDB")->isReadOnly());
  EXPECT_TRUE(box("TxtEnvAH")->isReadOnly());
  EXPECT_TRUE(box("TxtSpaAH")->isReadOnly());
  EXPECT_TRUE(box("TxtEnvDB")->hasFocus());
  EXPECT_FALSE(screen->findChild<QWidget*>("TxtWait")->isVisible());
}

// ---- completing a state while typing ------------------------------------------------

TEST_F(SummerScreenTest, DryBulbAndHumidityFillWetBulbAndAbsoluteHumidity) {
  // Outdoor 36 °C = 96.8 °F, 25 %: pv = 0.25 × (1.7124 + 0.8 × 0.0531) = 0.43872 inHg;
  // the Carrier search crosses between 69 and 70 °F at 69.67 °F = 20.93 °C -> "20.9";
  // W = 0.62238 × 0.43872 / (29.921 − 0.43872) = 0.0092616 -> 64.83 grains = 9.26 g/kg.
  stateByRH("TxtEnvDB", "TxtEnvRH", "36", "25");
  EXPECT_EQ(text("TxtEnvDB"), "36.0");
  EXPECT_EQ(text("TxtEnvRH"), "25.0");
  EXPECT_EQ(text("TxtEnvWB"), "20.9");
  EXPECT_EQ(text("TxtEnvAH"), "9.26");
  EXPECT_TRUE(box("TxtEnvWB")->isReadOnly());
  // Focus moved on to the room's dry bulb.
  EXPECT_TRUE(box("TxtSpaDB")->hasFocus());
}

TEST_F(SummerScreenTest, DryBulbAndWetBulbFillRelativeHumidity) {
  // Room 26 °C = 78.8 °F with wet bulb 18.7 °C = 65.66 -> 65.7 °F:
  // pv = 0.63087 − (29.921 − 0.63087)(13.1)/(2800 − 85.41) = 0.48952; RH = pv / 0.97923 = 49.99 %
  // -> "50.0"; 73.47 grains = 10.50 g/kg.
  type("TxtSpaDB", "26");
  click("CmdWBx");
  EXPECT_EQ(text("TxtSpaRH"), kPending);
  EXPECT_TRUE(box("TxtSpaRH")->isReadOnly());
  EXPECT_FALSE(box("TxtSpaWB")->isReadOnly());
  type("TxtSpaWB", "18.7");
  EXPECT_EQ(text("TxtSpaRH"), "50.0");
  EXPECT_EQ(text("TxtSpaAH"), "10.50");
}

TEST_F(SummerScreenTest, ChangingTheDryBulbRecomputesTheState) {
  stateByRH("TxtSpaDB", "TxtSpaRH", "26", "50");
  EXPECT_EQ(text("TxtSpaWB"), "18.7");
  EXPECT_EQ(text("TxtSpaRH"), "50.0");
  // 24 °C = 75.2 °F at 50 %: pv = 0.5 × (0.87506 + 0.2 × 0.02966) = 0.44049 inHg; Carrier
  // gives 0.41742 at 62 °F and 0.44833 at 63 °F, so WB = 62 + 0.02307 / 0.03091 = 62.75 °F
  // = 17.08 °C -> "17.1". The computed value never stays from the old dry bulb.
  type("TxtSpaDB", "24");
  // Tab passes over the computed wet bulb to the given humidity, which shows
  // its plain number while it is being edited.
  EXPECT_TRUE(box("TxtSpaRH")->hasFocus());
  EXPECT_EQ(text("TxtSpaRH"), "50");
  EXPECT_EQ(text("TxtSpaWB"), "17.1");
  // Emptying the given value puts the placeholder back and empties the
  // absolute humidity.
  QTest::keyClick(box("TxtSpaRH"), Qt::Key_Backspace);
  QTest::keyClick(box("TxtSpaRH"), Qt::Key_Tab);
  EXPECT_TRUE(text("TxtSpaRH").isEmpty());
  EXPECT_EQ(text("TxtSpaWB"), kPending);
  EXPECT_TRUE(text("TxtSpaAH").isEmpty());
}

TEST_F(SummerScreenTest, StateOutsideTheEngineTableIsNotCompleted) {
  // 200 °C = 392 °F lies beyond the saturation table: nothing is computed (no
  // figure from outside the table), and the calculate button refuses the range.
  stateByRH("TxtEnvDB", "TxtEnvRH", "200", "50");
  EXPECT_EQ(text("TxtEnvWB"), kPending);
  EXPECT_TRUE(text("TxtEnvAH").isEmpty());
  stateByRH("TxtSpaDB", "TxtSpaRH", "26", "50");
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-10});
}

TEST_F(SummerScreenTest, GivenValueButtons) {
  // Empty dry bulb: the focus goes there and nothing else changes.
  box("TxtSpaRH")->setFocus();
  click("CmdRHn");
  EXPECT_TRUE(box("TxtEnvDB")->hasFocus());
  EXPECT_TRUE(text("TxtEnvWB").isEmpty());
  // With a dry bulb: RH given, the wet bulb will be computed.
  type("TxtEnvDB", "35");
  click("CmdRHn");
  EXPECT_EQ(text("TxtEnvWB"), kPending);
  EXPECT_TRUE(box("TxtEnvWB")->isReadOnly());
  EXPECT_FALSE(box("TxtEnvRH")->isReadOnly());
  EXPECT_TRUE(box("TxtEnvRH")->hasFocus());
  QTest::keyClicks(box("TxtEnvRH"), "30");
  QTest::keyClick(box("TxtEnvRH"), Qt::Key_Tab);
  EXPECT_NE(text("TxtEnvWB"), kPending);
  EXPECT_FALSE(text("TxtEnvAH").isEmpty());
  // Mirror image: the wet bulb given, the RH emptied to its placeholder.
  click("CmdWBn");
  EXPECT_EQ(text("TxtEnvRH"), kPending);
  EXPECT_TRUE(box("TxtEnvRH")->isReadOnly());
  EXPECT_TRUE(text("TxtEnvWB").isEmpty());
  EXPECT_TRUE(box("TxtEnvWB")->hasFocus());
  EXPECT_TRUE(text("TxtEnvAH").isEmpty());
}

TEST_F(SummerScreenTest, KeyFilters) {
  // Letters never enter a temperature; the minus sign enters the outdoor dry
  // bulb only.
  NumericBox* env = box("TxtEnvDB");
  env->setFocus();
  QTest::keyClicks(env, "a3b-");
  EXPECT_EQ(env->text(), "3-");
  NumericBox* room = box("TxtSpaDB");
  room->setFocus();
  QTest::keyClicks(room, "-2x6");
  EXPECT_EQ(room->text(), "26");
  NumericBox* sens = box("TxtSens");
  sens->setFocus();
  QTest::keyClicks(sens, "-1,5.5");  // thousands separator is never typed
  EXPECT_EQ(sens->text(), "15.5");
  // A locked placeholder takes no key.
  type("TxtSpaDB", "26");
  click("CmdRHx");
  QTest::keyClicks(box("TxtSpaWB"), "19");
  EXPECT_EQ(text("TxtSpaWB"), kPending);
}

// ---- load unit ----------------------------------------------------------------------

TEST_F(SummerScreenTest, SwitchingToFahrenheitConvertsTheScreen) {
  fillAthens();
  chooseUnits(5);
  // 26.0 °C × 9/5 + 32 = 78.8 °F; 36 °C = 96.8 °F; wet bulb 18.7 °C = 65.66 -> 65.7 °F.
  EXPECT_EQ(text("TxtSpaDB"), "78.8");
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
  EXPECT_EQ(study().PrevLoadUnit, "BTU");
  // And back: every figure as typed.
  chooseUnits(0);
  EXPECT_EQ(text("TxtSpaDB"), "26.0");
  EXPECT_EQ(text("TxtEnvDB"), "36.0");
  EXPECT_EQ(text("TxtSpaWB"), "18.7");
  EXPECT_EQ(text("TxtEnvAH"), "9.26");
  EXPECT_EQ(text("TxtAmount"), "2,000.0");
  EXPECT_EQ(text("TxtSens"), "10,000.00");
}

TEST_F(SummerScreenTest, LoadsKeptInEveryLoadUnit) {
  type("TxtSens", "10000");
  type("TxtLat", "1000");
  struct Step {
    int unit;
    const char* sens;
    const char* lat;
  };
  // 10 000 W = 8 598.555 kcal/h = 10.00 kW = 34 144.20 Btu/h = 2.85 RT;
  // 1 000 W = 859.86 kcal/h = 3 414.42 Btu/h.
  const Step steps[] = {{1, "8,598.56", "859.86"},
                        {2, "10.00", "1.00"},
                        {3, "2.85", "0.28"},
                        {4, "34,144.20", "3,414.42"},
                        {0, "10,000.00", "1,000.00"}};
  for (const Step& s : steps) {
    chooseUnits(s.unit);
    EXPECT_EQ(text("TxtSens"), s.sens) << s.unit;
    EXPECT_EQ(text("TxtLat"), s.lat) << s.unit;
  }
  // Typed in kW, the kW figure is kept exactly.
  chooseUnits(2);
  type("TxtSens", "12.5");
  chooseUnits(1);
  EXPECT_EQ(text("TxtSens"), "10,748.19");  // 12.5 × 859.85547 = 10 748.19
  chooseUnits(2);
  EXPECT_EQ(text("TxtSens"), "12.50");
}

// ---- kind of system ------------------------------------------------------------------

TEST_F(SummerScreenTest, KindListControlsLoadsAndFreshAir) {
  type("TxtSens", "5000");
  auto* optAmount = screen->findChild<QRadioButton*>("OptAmount");
  auto* optPerCent = screen->findChild<QRadioButton*>("OptPerCent");
  optPerCent->setChecked(true);
  EXPECT_TRUE(combo("CboPerC")->isEnabled());
  EXPECT_FALSE(box("TxtAmount")->isEnabled());

  chooseKind(3);  // fresh air that takes up no loads
  EXPECT_TRUE(text("TxtSens").isEmpty());
  EXPECT_TRUE(box("TxtSens")->isReadOnly());
  EXPECT_TRUE(box("TxtLat")->isReadOnly());
  EXPECT_TRUE(box("TxtSens")->styleSheet().contains("#000080"));
  EXPECT_TRUE(optAmount->isChecked());
  EXPECT_TRUE(box("TxtAmount")->isEnabled());
  EXPECT_FALSE(optPerCent->isEnabled());
  EXPECT_FALSE(combo("CboPerC")->isEnabled());

  chooseKind(1);  // full recirculation: no fresh air at all
  EXPECT_FALSE(box("TxtSens")->isReadOnly());
  EXPECT_TRUE(box("TxtSens")->styleSheet().contains("#ffff00"));
  EXPECT_FALSE(box("TxtAmount")->isEnabled());
  EXPECT_FALSE(combo("CboPerC")->isEnabled());
  EXPECT_FALSE(optAmount->isEnabled());

  chooseKind(2);  // fresh air that takes up the loads: amount only
  EXPECT_TRUE(box("TxtAmount")->isEnabled());
  EXPECT_FALSE(combo("CboPerC")->isEnabled());

  chooseKind(0);
  EXPECT_TRUE(optAmount->isEnabled());
  EXPECT_TRUE(optPerCent->isEnabled());
}

// ---- the calculate button ------------------------------------------------------------

struct ValidationCase {
  const char* name;
  const char* outdoorDB;
  const char* roomDB;
  std::function<void(SummerScreenTest&)> change;  // after the Athens study is typed
  int code;                                       // first message shown
  const char* text;                               // its text (nullptr: not checked here)
  const char* focus;  // control with the focus afterwards (nullptr: not checked)
};

}  // namespace

class ValidationTest : public SummerScreenTest,
                       public ::testing::WithParamInterface<ValidationCase> {};

namespace {

TEST_P(ValidationTest, FirstMessageCodeTextAndFocus) {
  const ValidationCase& c = GetParam();
  fillAthens(c.outdoorDB, c.roomDB);
  if (c.change) c.change(*this);
  ModalCloser results("aeriton::summer::FrmPSRes");
  click("CmdAeriton");
  ASSERT_FALSE(fx.messages.shown().empty()) << "no message";
  const Message& m = fx.messages.shown().front();
  EXPECT_EQ(m.code, c.code);
  if (c.text) {
    EXPECT_EQ(m.text, QString::fromUtf8(c.text));
  }
  if (c.focus) {
    QWidget* f = QApplication::focusWidget();
    EXPECT_EQ(f ? f->objectName() : QString(), c.focus);
  }
  EXPECT_EQ(results.opened(), 0);
  EXPECT_FALSE(QFile::exists(fx.path("PSY_DAT.TMP")));
  EXPECT_EQ(study().MessageCode, 0);
}

const ValidationCase kValidation[] = {
    {"Outdoor54_1",
     "54.1",
     "26",
     {},
     -10,
     "... Θερμοκρασία Περιβάλλοντος, μεταξύ 20 [°C] και 54 [°C] ...",
     "TxtEnvDB"},
    // 54 °C passes the ranges: the next refusal is the missing sensible load.
    {"Outdoor54PassesLimits", "54", "26", [](SummerScreenTest& t) { t.type("TxtSens", "0"); }, -7,
     "... Το Συνολικό Αισθητό Φορτίο των Χώρων, ΔΕΝ γίνεται Δεκτό ...", "TxtSens"},
    {"Outdoor22Room16",
     "22",
     "16",
     {},
     -1,
     "... Η Θερμοκρασία Ξ.Θ. του Περιβάλλοντος, ΔΕΝ γίνεται Δεκτή ...",
     "TxtEnvDB"},
    {"Outdoor30Room26",
     "30",
     "26",
     {},
     -14,
     "... Η Θερμοκρασία Περιβάλλοντος, πρέπει να υπερβαίνει την Θερμοκρασία Χώρων, κατά 5 [°C] "
     "ΤΟΥΛΑΧΙΣΤΟΝ ...",
     nullptr},
    {"Outdoor31Room26PassesLimits", "31", "26", [](SummerScreenTest& t) { t.type("TxtSens", "0"); },
     -7, nullptr, "TxtSens"},
    {"RoomAbove33",
     "40",
     "33.1",
     {},
     -12,
     "... Θερμοκρασία Χώρων, μεταξύ 18 [°C] και 33 [°C] ...",
     "TxtSpaDB"},
    {"RoomRH85", "36", "26", [](SummerScreenTest& t) { t.type("TxtSpaRH", "85"); }, -13,
     "... Σχετική Υγρασία Χώρων, μεταξύ 35 % και 100 % ...", "TxtSpaRH"},
    {"OutdoorRH5", "36", "26", [](SummerScreenTest& t) { t.type("TxtEnvRH", "5"); }, -11,
     "... Σχετική Υγρασία Περιβάλλοντος, μεταξύ 30 % και 100 % ...", "TxtEnvRH"},
    {"NoSensibleLoad", "36", "26", [](SummerScreenTest& t) { t.type("TxtSens", "0"); }, -7, nullptr,
     "TxtSens"},
    {"NoFreshAmount", "36", "26", [](SummerScreenTest& t) { t.type("TxtAmount", "0"); }, 2,
     "!! Δεν έχετε δώσει την ποσότητα του Νωπού Αέρα !!", "TxtAmount"},
    {"NoPerCent", "36", "26",
     [](SummerScreenTest& t) {
       t.screen->findChild<QRadioButton*>("OptPerCent")->setChecked(true);
     },
     3, "!! Δεν έχετε δώσει την ποσότητα του Νωπού Αέρα !!", "CboPerC"},
    {"FreshNoLoadsWithoutAmount", "36", "26",
     [](SummerScreenTest& t) {
       t.chooseKind(3);
       t.type("TxtAmount", "0");
     },
     2, nullptr, "TxtAmount"},
};

INSTANTIATE_TEST_SUITE_P(Checks, ValidationTest, ::testing::ValuesIn(kValidation),
                         [](const ::testing::TestParamInfo<ValidationCase>& i) {
                           return std::string(i.param.name);
                         });

TEST_F(SummerScreenTest, RangeRefusalEmptiesTheState) {
  // 54.1 °C: the dry bulb, wet bulb and absolute humidity are emptied; the
  // given humidity stays.
  fillAthens("54.1");
  EXPECT_FALSE(text("TxtEnvWB").isEmpty());
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-10});
  const Message& m = fx.messages.shown().front();
  EXPECT_EQ(m.title, kTitleA);
  EXPECT_EQ(m.icon, MsgIcon::Critical);
  EXPECT_EQ(m.beeps, 2);
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

TEST_F(SummerScreenTest, RangeRefusalOfAWetBulbState) {
  // Room given by its wet bulb, 34 °C: the dry bulb and the given wet bulb are
  // emptied, the computed humidity goes back to its placeholder, and the
  // entry returns to the dry bulb.
  stateByRH("TxtEnvDB", "TxtEnvRH", "40", "25");
  type("TxtSpaDB", "34");
  click("CmdWBx");
  QTest::keyClicks(box("TxtSpaWB"), "22");
  QTest::keyClick(box("TxtSpaWB"), Qt::Key_Tab);
  ASSERT_NE(text("TxtSpaRH"), kPending);
  type("TxtSens", "1000");
  type("TxtAmount", "500");
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-12});
  EXPECT_TRUE(text("TxtSpaDB").isEmpty());
  EXPECT_TRUE(text("TxtSpaWB").isEmpty());
  EXPECT_TRUE(text("TxtSpaAH").isEmpty());
  EXPECT_EQ(text("TxtSpaRH"), kPending);
  EXPECT_TRUE(box("TxtSpaDB")->hasFocus());
  // A humidity refusal of that state sends the entry to the wet bulb, the
  // value the user gives.
  fx.messages.clear();
  type("TxtSpaDB", "26");
  type("TxtSpaWB", "14");  // 26 °C with 14 °C wet bulb: about 26 %
  ASSERT_NE(text("TxtSpaRH"), kPending);
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-13});
  EXPECT_TRUE(text("TxtSpaRH").isEmpty());
  EXPECT_TRUE(text("TxtSpaWB").isEmpty());
  EXPECT_TRUE(box("TxtSpaWB")->hasFocus());
}

TEST_F(SummerScreenTest, TemperatureDifferenceRefusalKeepsTheFields) {
  fillAthens("30", "26");
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-14});
  EXPECT_EQ(text("TxtEnvDB"), "30.0");
  EXPECT_EQ(text("TxtSpaDB"), "26.0");
  EXPECT_FALSE(text("TxtEnvWB").isEmpty());
}

TEST_F(SummerScreenTest, FahrenheitWordingOfTheRanges) {
  chooseUnits(5);
  stateByRH("TxtEnvDB", "TxtEnvRH", "131", "25");
  stateByRH("TxtSpaDB", "TxtSpaRH", "78.8", "50");
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-10});
  EXPECT_EQ(fx.messages.shown().front().text,
            QString::fromUtf8("... Θερμοκρασία Περιβάλλοντος, μεταξύ 68 [°F] και 130 [°F] ..."));
  EXPECT_EQ(study().MetricCode, 0);
  EXPECT_EQ(study().EnglishCode, 1);
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
  EXPECT_EQ(study().KindCode, "AAA_NA");
  EXPECT_FALSE(screen->findChild<QWidget*>("TxtWait")->isVisible());
  // The screen keeps its values after the calculation.
  EXPECT_EQ(text("TxtEnvDB"), "36.0");
  EXPECT_EQ(text("TxtSens"), "10,000.00");
}

TEST_F(SummerScreenTest, FreshAirWithoutLoadsPassesTheChecks) {
  fillAthens();
  chooseKind(3);
  ModalCloser results("aeriton::summer::FrmPSRes");
  click("CmdAeriton");
  EXPECT_TRUE(shownCodes().empty());
  EXPECT_EQ(results.opened(), 1);
  EXPECT_EQ(study().KindCode, "NA_DPF");
}

TEST_F(SummerScreenTest, FullRecirculationWithoutAmountPassesTheChecks) {
  fillAthens();
  type("TxtAmount", "0");
  chooseKind(1);
  ModalCloser results("aeriton::summer::FrmPSRes");
  click("CmdAeriton");
  EXPECT_TRUE(shownCodes().empty());
  EXPECT_EQ(results.opened(), 1);
  EXPECT_EQ(study().KindCode, "AA_100");
}

TEST_F(SummerScreenTest, MissingTitleOpensTheTitleWindow) {
  study().Title.clear();
  screen->findChild<QLabel*>("LblThema")->setText("   ");
  fillAthens();
  ModalCloser titleWindow("aeriton::shell::FrmThemaInd");
  ModalCloser results("aeriton::summer::FrmPSRes");
  click("CmdAeriton");
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& m = fx.messages.shown().front();
  EXPECT_EQ(m.title, QString::fromUtf8("...! ΠΡΟΣΟΧΗ !..."));
  EXPECT_EQ(m.text, QString::fromUtf8("... ΔΕΝ έχετε καταχωρήσει το ΘΕΜΑ-ΤΙΤΛΟ της Μελέτης ..."));
  EXPECT_EQ(m.icon, MsgIcon::Critical);
  EXPECT_EQ(titleWindow.opened(), 1);
  EXPECT_EQ(results.opened(), 0);
  EXPECT_FALSE(QFile::exists(fx.path("PSY_DAT.TMP")));
}

TEST_F(SummerScreenTest, TitleEnteredInTheTitleWindowIsShown) {
  ModalCloser titleWindow("aeriton::shell::FrmThemaInd", [](QWidget* w) {
    auto* t = w->findChild<QLineEdit*>("Text1");
    ASSERT_NE(t, nullptr);
    t->setText(QString::fromUtf8("Κατάστημα Πειραιά"));
    QTest::mouseClick(w->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
  });
  click("CmdThema");
  EXPECT_EQ(titleWindow.opened(), 1);
  EXPECT_EQ(screen->findChild<QLabel*>("LblThema")->text(), QString::fromUtf8("Κατάστημα Πειραιά"));
}

// ---- the raised supply temperature of an earlier calculation ----------------------------

TEST_F(SummerScreenTest, RaisedSupplyQuestionCancelStops) {
  fillAthens();
  study().MetricCode = 1;
  study().CoilOutChange[0] = 17.5f;
  fx.messages.answer(MsgAnswer::Cancel);
  ModalCloser results("aeriton::summer::FrmPSRes");
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-100});
  const Message& m = fx.messages.shown().front();
  EXPECT_EQ(m.title, QString::fromUtf8("  ! !   ΠΡΟΣΟΧΗ   ! ! "));
  EXPECT_EQ(m.text,
            QString::fromUtf8("... Σε προηγούμενο Υπολογισμό, έχετε αποφασίσει για ΑΥΞΗΣΗ της "
                              "Θερμοκρασίας Ξ.Θ. Εξόδου του Αέρα από τη Μονάδα, στους 17.5 [°C] "
                              "...\nΘέλετε να ισχύσει και τώρα κάτι τέτοιο ?"));
  EXPECT_EQ(m.buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(results.opened(), 0);
  EXPECT_FALSE(QFile::exists(fx.path("PSY_DAT.TMP")));
  EXPECT_TRUE(study().UserAnswer.isEmpty());
  EXPECT_LT(study().CoilOutChange[0], 0.0f);  // dropped
}

TEST_F(SummerScreenTest, RaisedSupplyQuestionNoCalculatesWithoutIt) {
  fillAthens();
  study().MetricCode = 1;
  study().CoilOutChange[0] = 17.5f;
  fx.messages.answer(MsgAnswer::No);
  ModalCloser results("aeriton::summer::FrmPSRes");
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-100});
  EXPECT_EQ(results.opened(), 1);
  EXPECT_LT(study().CoilOutChange[0], 0.0f);
}

TEST_F(SummerScreenTest, RaisedSupplyQuestionYesAppliesTheRaiseAgain) {
  // A raise to 16 °C chosen earlier: below the room's 26 − 5 = 21 °C and above
  // the coil outlet of the Athens unit, so it applies to the new results too.
  fillAthens();
  study().MetricCode = 1;
  study().CoilOutChange[0] = 16.0f;
  fx.messages.answer(MsgAnswer::Yes);
  QByteArray line13;
  ModalCloser results("aeriton::summer::FrmPSRes", [&](QWidget*) {
    const QList<QByteArray> lines = test::readAll(fx.path("PSY_RES.TMP")).split('\n');
    if (lines.size() > 12) line13 = lines[12];
  });
  click("CmdAeriton");
  ASSERT_EQ(shownCodes(), std::vector<int>{-100});
  EXPECT_EQ(results.opened(), 1);
  EXPECT_FLOAT_EQ(study().CoilOutChange[0], 16.0f);
  EXPECT_TRUE(line13.startsWith("16,")) << line13.constData();
  // The raise needs more supply air than the unit without it.
  EXPECT_GT(study().CoilOutChange[11], study().SupplyFlow);
}

TEST_F(SummerScreenTest, PerCentFreshAirIsCalculated) {
  fillAthens();
  screen->findChild<QRadioButton*>("OptPerCent")->setChecked(true);
  combo("CboPerC")->setCurrentIndex(19);  // "20"
  ModalCloser results("aeriton::summer::FrmPSRes");
  click("CmdAeriton");
  EXPECT_TRUE(shownCodes().empty());
  EXPECT_EQ(results.opened(), 1);
  EXPECT_EQ(study().FreshMode, "P");
  // The fresh air is 20 % of the supply air found by the passes.
  EXPECT_NEAR(study().FreshFlow, 0.2f * study().SupplyFlow, 0.01f * study().SupplyFlow);
}

TEST_F(SummerScreenTest, EnterMovesTheEntryOn) {
  fillAthens();
  NumericBox* sens = box("TxtSens");
  sens->setFocus();
  QTest::keyClick(sens, Qt::Key_Return);
  EXPECT_TRUE(box("TxtLat")->hasFocus());
  QTest::keyClick(box("TxtLat"), Qt::Key_Return);
  EXPECT_TRUE(box("TxtAmount")->hasFocus());
  QTest::keyClick(box("TxtAmount"), Qt::Key_Return);
  EXPECT_TRUE(button("CmdAeriton")->hasFocus());
  EXPECT_TRUE(fx.messages.shown().empty());  // Enter moved on, it calculated nothing
  // Enter on the calculate button calculates.
  {
    ModalCloser results("aeriton::summer::FrmPSRes");
    QTest::keyClick(button("CmdAeriton"), Qt::Key_Return);
    EXPECT_EQ(results.opened(), 1);
  }
  QApplication::setActiveWindow(screen.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
  // Enter in a filled given humidity goes on to the next state.
  box("TxtEnvRH")->setFocus();
  QTest::keyClick(box("TxtEnvRH"), Qt::Key_Return);
  EXPECT_TRUE(box("TxtSpaDB")->hasFocus());
  // Enter in a dry bulb whose state has its given value goes to that value.
  QTest::keyClick(box("TxtSpaDB"), Qt::Key_Return);
  EXPECT_TRUE(box("TxtSpaRH")->hasFocus());
  EXPECT_EQ(text("TxtSpaRH"), "50");  // kept, not emptied
}

TEST_F(SummerScreenTest, EscapeKeepsTheScreenAndTheFrameClosesIt) {
  QTest::keyClick(screen.get(), Qt::Key_Escape);
  EXPECT_TRUE(screen->isVisible());
  test::writeAll(fx.path("PSY_DAT.TMP"), "x");
  screen->close();
  EXPECT_FALSE(screen->isVisible());
  EXPECT_FALSE(QFile::exists(fx.path("PSY_DAT.TMP")));
}

TEST_F(SummerScreenTest, ShiftF2OpensTheRecentStudies) {
  int calls = 0;
  FrmPsyDat::setRecentFilesHook([&](FrmPsyDat*) { ++calls; });
  QTest::keyClick(screen.get(), Qt::Key_F2);
  EXPECT_EQ(calls, 0);  // F2 alone does nothing
  QTest::keyClick(screen.get(), Qt::Key_F2, Qt::ShiftModifier);
  EXPECT_EQ(calls, 1);
  FrmPsyDat::setRecentFilesHook(nullptr);
}

// ---- decimal conventions ---------------------------------------------------------------

TEST_F(SummerScreenTest, GreekDecimalComma) {
  setSeparators(Separators{',', '.'});
  stateByRH("TxtEnvDB", "TxtEnvRH", "36,0", "25");
  EXPECT_EQ(text("TxtEnvDB"), "36,0");
  EXPECT_EQ(text("TxtEnvWB"), "20,9");
  EXPECT_EQ(text("TxtEnvAH"), "9,26");
  // The point is the thousands separator here: it is never taken from the keys.
  type("TxtSens", "12.345,5");
  EXPECT_EQ(text("TxtSens"), "12.345,50");
  stateByRH("TxtSpaDB", "TxtSpaRH", "26,5", "50");
  EXPECT_EQ(screen->entry().room.db, 26.5f);
  EXPECT_EQ(screen->entry().sens, 12345.5f);
  chooseUnits(5);
  // 26.5 × 1.8 + 32 = 79.7 °F
  EXPECT_EQ(text("TxtSpaDB"), "79,7");
}

TEST_F(SummerScreenTest, EnglishDecimalPoint) {
  stateByRH("TxtSpaDB", "TxtSpaRH", "26.5", "50");
  type("TxtSens", "12345.5");
  EXPECT_EQ(text("TxtSpaDB"), "26.5");
  EXPECT_EQ(text("TxtSens"), "12,345.50");
  EXPECT_EQ(screen->entry().room.db, 26.5f);
  EXPECT_EQ(screen->entry().sens, 12345.5f);
}

// ---- the other buttons --------------------------------------------------------------------

TEST_F(SummerScreenTest, ManualMissingGivesAMessage) {
  click("CmdManual");
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_TRUE(fx.messages.shown().front().text.contains(fx.path("Aeriton.pdf")));
}

TEST_F(SummerScreenTest, ManualOpensWithTheViewer) {
  test::writeAll(fx.path("Aeriton.pdf"), "%PDF-1.4\n");
  QUrl opened;
  FrmPsyDat::setDocumentOpener([&](const QUrl& u) {
    opened = u;
    return true;
  });
  click("CmdManual");
  EXPECT_TRUE(fx.messages.shown().empty());
  EXPECT_EQ(opened, QUrl::fromLocalFile(fx.path("Aeriton.pdf")));
}

TEST_F(SummerScreenTest, ExitButtonAsksTheShell) {
  fx.messages.answer(MsgAnswer::Cancel);
  click("SSCommand3");
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.shown().front().buttons, MsgButtons::YesNoCancel);
  EXPECT_TRUE(screen->isVisible());  // Cancel: stay on the screen
}

TEST_F(SummerScreenTest, OpenStudyButtonCallsTheStudyFileCode) {
  int calls = 0;
  FrmPsyDat::setOpenStudyHook([&](FrmPsyDat* s) {
    EXPECT_EQ(s, screen.get());
    ++calls;
  });
  click("CmdPSOpen");
  EXPECT_EQ(calls, 1);
}

TEST_F(SummerScreenTest, ShowStudyFillsTheScreen) {
  StudyState& s = study();
  s.LoadUnit = "KCAL";
  s.MetricCode = 1;
  s.KindCode = "AAA_NA";
  s.FreshMode = "P";
  s.FreshPerCent = 20;
  s.EnvDB = 36;
  s.EnvWB = 20.9f;
  s.EnvRH = 25;
  s.SpaDB = 26;
  s.SpaWB = 18.7f;
  s.SpaRH = 50;
  s.SensLoad = 8598.56f;
  s.LatLoad = 1719.71f;
  s.Title = QString::fromUtf8("Μελέτη από αρχείο");
  screen->showStudy();
  EXPECT_EQ(combo("CboUnits")->currentIndex(), 1);
  EXPECT_TRUE(screen->findChild<QRadioButton*>("OptPerCent")->isChecked());
  EXPECT_EQ(combo("CboPerC")->currentText(), "20");
  EXPECT_EQ(text("TxtEnvWB"), "20.9");
  EXPECT_EQ(text("TxtEnvAH"), "9.26");
  EXPECT_EQ(text("TxtSens"), "8,598.56");
  EXPECT_EQ(screen->findChild<QLabel*>("LblThema")->text(), QString::fromUtf8("Μελέτη από αρχείο"));
  // Its loads follow the load unit like typed ones: 8 598.56 kcal/h = 10 000.01 W.
  chooseUnits(0);
  EXPECT_EQ(text("TxtSens"), "10,000.01");
}

// A real study on the screen, saved for a look at the layout.
TEST_F(SummerScreenTest, ScreenshotOfAthensStudy) {
  fillAthens();
  type("TxtLat", "2500");
  screen->resize(screen->sizeHint());
  QApplication::processEvents();
  const QImage image = screen->grab().toImage();
  EXPECT_FALSE(image.isNull());
  EXPECT_GE(image.width(), 800);
  image.save(QDir::temp().filePath("FrmPsyDat_athens.png"));
  // The same study in English units keeps its captions inside the layout.
  chooseUnits(5);
  chooseKind(3);
  QApplication::processEvents();
  const QImage english = screen->grab().toImage();
  EXPECT_EQ(english.size(), image.size());
  english.save(QDir::temp().filePath("FrmPsyDat_athens_english.png"));
  // The shown 20.9 °C converts to 20.9 × 1.8 + 32 = 69.62 -> 69.6 °F; the room's
  // 73.48 grains/lb are its 10.50 g/kg without the rounding of the display.
  EXPECT_EQ(text("TxtEnvWB"), "69.6");
  EXPECT_EQ(text("TxtSpaAH"), "73.48");
}

}  // namespace
