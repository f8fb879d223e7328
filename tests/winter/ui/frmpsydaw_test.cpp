// The winter data screen driven through its controls: lists and defaults, the
// completion of the climate states while typing, the kind and summer-side
// lists, the unit change, the checks of the calculate button with their exact
// messages, the hot-supply question, and a whole run to the results.
#include "winter/ui/FrmPsyDaW.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"
#include "winter/WinterChecks.h"
#include "winter/WinterStudyFile.h"
#if __has_include("summer/ui/FrmPSRes.h")
#include "summer/ui/FrmPSRes.h"
#define HAVE_RESULTS_SCREEN 1
#endif

using namespace aeriton;
using namespace aeriton::winter;

namespace {

const QString kPlaceholder = QString::fromUtf8("ΘΑ ΥΠΟΛΟΓ.");
const QString kInputTitle = QString::fromUtf8("*** ΑΠΑΡΑΔΕΚΤΗ ΚΑΤΑΧΩΡΗΣΗ *** ");

class WinterScreenTest : public ::testing::Test {
 public:
  void SetUp() override {
    setSeparators(Separators{'.', ','});
    study().Title = QString::fromUtf8("Κατοικία Φλώρινας");
    FrmPsyDaW::setResultsOpener([this](QWidget*) {
      ++resultsOpened;
      return QDialog::Accepted;
    });
    screen = std::make_unique<FrmPsyDaW>(nullptr);
    screen->show();
    QApplication::setActiveWindow(screen.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
  }
  void TearDown() override {
    screen.reset();
    FrmPsyDaW::setResultsOpener(nullptr);
  }

  NumericBox* box(const char* name) {
    auto* b = screen->findChild<NumericBox*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  QComboBox* combo(const char* name) {
    auto* c = screen->findChild<QComboBox*>(QLatin1String(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QWidget* widget(const char* name) { return screen->findChild<QWidget*>(QLatin1String(name)); }

  // Types into a box and leaves it, as a user does.
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

  // A metric study: outdoor `envDB` at 80 %, room `spaDB` at 40 %, 10000 W,
  // mixing with 300 m³/h, coil outlet 45 °C.
  void fillMetric(const QString& envDB = "0", const QString& spaDB = "20") {
    click("CmdRHn");
    type("TxtEnvDB", envDB);
    type("TxtEnvRH", "80");
    click("CmdRHx");
    type("TxtSpaDB", spaDB);
    type("TxtSpaRH", "40");
    type("TxtSens", "10000");
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

TEST_F(WinterScreenTest, ListsAndDefaults) {
  EXPECT_EQ(screen->windowTitle(),
            QString::fromUtf8("ΨΥΧΡΟΜΕΤΡΙΚΟΙ ΥΠΟΛΟΓΙΣΜΟΙ ΑΕΡΟΣ - ΠΕΡΙΟΔΟΣ ΧΕΙΜΩΝΑ"));
  EXPECT_EQ(combo("CboUnits")->count(), 6);
  EXPECT_EQ(combo("CboUnits")->currentIndex(), 0);
  EXPECT_EQ(combo("CboUnits")->itemText(5),
            QString::fromUtf8("[Btu/h], [°F], Ενθαλπία -> [Btu/Lb]"));
  EXPECT_EQ(combo("CboKind")->count(), 4);
  EXPECT_EQ(combo("CboKind")->itemText(3),
            QString::fromUtf8("100% Νωπός Αέρας που ΔΕΝ παραλαμβάνει Φορτία"));
  EXPECT_EQ(combo("CboKindy")->currentIndex(), 0);
  EXPECT_EQ(combo("CboTo")->count(), 30);  // 25 .. 54 °C
  EXPECT_EQ(combo("CboTo")->currentIndex(), 20);
  EXPECT_EQ(combo("CboTo")->currentText(), QStringLiteral("45"));
  EXPECT_EQ(combo("CboPerC")->count(), 85);
  EXPECT_EQ(combo("CboPerC")->currentIndex(), -1);
  EXPECT_TRUE(screen->findChild<QRadioButton*>("OptAmount")->isChecked());
  EXPECT_FALSE(widget("TxtSF")->isVisible());
  EXPECT_FALSE(widget("LblSF")->isVisible());
  EXPECT_FALSE(widget("TxtTempOut")->isVisible());
  EXPECT_TRUE(widget("CboTo")->isVisible());
  EXPECT_FALSE(widget("TxtWait")->isVisible());
  EXPECT_EQ(screen->findChild<QLabel*>("LblThema")->text(), QString::fromUtf8("Κατοικία Φλώρινας"));
  EXPECT_EQ(screen->findChild<QLabel*>("LblToR")->text(), QString::fromUtf8("σε [ °C ]"));
  EXPECT_EQ(study().LoadUnit, QStringLiteral("WATT"));
  for (const char* name :
       {"TxtEnvDB",  "TxtEnvWB",  "TxtEnvRH",   "TxtSpaDB",   "TxtSpaWB",   "TxtSpaRH",
        "TxtSens",   "TxtAmount", "TxtSF",      "TxtTempOut", "CmdAeriton", "CmdThema",
        "CmdPSOpen", "CmdPS",     "CmdManual",  "SSCommand3", "CmdWBn",     "CmdRHn",
        "CmdWBx",    "CmdRHx",    "OptPerCent", "LblSFR",     "LblTo"})
    EXPECT_NE(widget(name), nullptr) << name;
}

TEST_F(WinterScreenTest, ClimateStatesCompleteWhileTyping) {
  // Outdoor 20 °C at 100 %: the wet bulb is the dry bulb.
  click("CmdRHn");
  EXPECT_EQ(box("TxtEnvWB")->text(), kPlaceholder);
  EXPECT_TRUE(box("TxtEnvWB")->isReadOnly());
  type("TxtEnvDB", "10");
  type("TxtEnvRH", "100");
  EXPECT_EQ(box("TxtEnvWB")->text(), QStringLiteral("10.0"));
  EXPECT_EQ(box("TxtEnvRH")->text(), QStringLiteral("100.0"));
  // Room 20 °C = 68 °F with a 12.8 °C = 55.04 °F wet bulb: 42.9 % (Carrier:
  // pws(55.04) = 0.43564 + 0.04 × 0.01612 = 0.43628,
  // pv = 0.43628 − 29.48472 × 12.96 / 2728.45 = 0.29623; / 0.69021).
  click("CmdWBx");
  EXPECT_EQ(box("TxtSpaRH")->text(), kPlaceholder);
  type("TxtSpaDB", "20");
  type("TxtSpaWB", "12.8");
  EXPECT_EQ(box("TxtSpaRH")->text(), QStringLiteral("42.9"));
  // A new dry bulb recomputes the companion of the given wet bulb.
  type("TxtSpaDB", "22");
  EXPECT_NE(box("TxtSpaRH")->text(), QStringLiteral("42.9"));
  EXPECT_EQ(box("TxtSpaWB")->text(), QStringLiteral("12.8"));
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
  // Keys C and D press the room's buttons.
  QTest::keyClick(box("TxtSpaDB"), Qt::Key_C);
  EXPECT_EQ(box("TxtSpaRH")->text(), kPlaceholder);
  QTest::keyClick(screen.get(), Qt::Key_D);
  EXPECT_EQ(box("TxtSpaWB")->text(), kPlaceholder);
  EXPECT_FALSE(box("TxtSpaRH")->isReadOnly());
  box("TxtAmount")->setFocus();
  QTest::keyClick(box("TxtAmount"), Qt::Key_Return);
  EXPECT_TRUE(box("TxtEnvDB")->hasFocus());
}

struct LimitRow {
  const char* name;
  const char* envDB;
  const char* spaDB;
  int code;  // first message expected; 0: the run reaches the results
};

class WinterScreenLimits : public WinterScreenTest,
                           public ::testing::WithParamInterface<LimitRow> {};

// Outdoor −20 .. 15 °C and a room at least 5 °C warmer are accepted, both
// bounds included. At −20 °C and 80 % the wet bulb (about −20.4 °C) is below
// the −12 °C the calculation accepts: the run passes the limits and stops at
// the wet-bulb check.
TEST_P(WinterScreenLimits, CalculateButton) {
  const LimitRow& r = GetParam();
  fillMetric(QString::fromUtf8(r.envDB), QString::fromUtf8(r.spaDB));
  click("CmdAeriton");
  if (r.code == 0) {
    EXPECT_TRUE(folder.messages.shown().empty()) << folder.messages.last()->text.toStdString();
    EXPECT_EQ(resultsOpened, 1);
    EXPECT_TRUE(QFile::exists(folder.path("PSY_RES.TMP")));
  } else {
    ASSERT_EQ(codes(), std::vector<int>{r.code});
    EXPECT_EQ(folder.messages.last()->title, kInputTitle);
    EXPECT_EQ(resultsOpened, 0);
  }
  EXPECT_EQ(study().MessageCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Winter, WinterScreenLimits,
                         ::testing::Values(LimitRow{"minus20", "-20", "20", -2},
                                           LimitRow{"minus20_1", "-20.1", "20", -10},
                                           LimitRow{"plus15", "15", "20", 0},
                                           LimitRow{"plus15_1", "15.1", "25", -10},
                                           LimitRow{"difference4_9", "15", "19.9", -14},
                                           LimitRow{"room33_1", "0", "33.1", -12}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WinterScreenTest, OutdoorLimitMessageClearsAndFocuses) {
  fillMetric("-20.1");
  click("CmdAeriton");
  ASSERT_EQ(codes(), std::vector<int>{-10});
  EXPECT_EQ(folder.messages.last()->text,
            QString::fromUtf8("... Θερμοκρασία Περιβάλλοντος, μεταξύ -20 [°C] και 15 [°C] ..."));
  EXPECT_TRUE(box("TxtEnvDB")->text().isEmpty());
  EXPECT_TRUE(box("TxtEnvWB")->text().isEmpty());
  EXPECT_TRUE(box("TxtEnvDB")->hasFocus());
  EXPECT_EQ(box("TxtEnvRH")->text(), QStringLiteral("80.0"));
}

TEST_F(WinterScreenTest, DifferenceMessageInEnglishUnits) {
  choose("CboUnits", kUnitBtuF);
  click("CmdRHn");
  type("TxtEnvDB", "55");
  type("TxtEnvRH", "80");
  click("CmdRHx");
  type("TxtSpaDB", "63.9");
  type("TxtSpaRH", "40");
  click("CmdAeriton");
  ASSERT_EQ(codes(), std::vector<int>{-14});
  EXPECT_EQ(folder.messages.last()->text,
            QString::fromUtf8("... Η Θερμοκρασία Χώρων, πρέπει να υπερβαίνει την Θερμοκρασία "
                              "Περιβάλλοντος, κατά 9 [°F] ΤΟΥΛΑΧΙΣΤΟΝ ..."));
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
  // The calculation used the wet bulb of 20 °C at 40 % (about 12 °C).
  double wb = 0;
  ASSERT_TRUE(wetBulbFromHumidity(20, 40, false, wb));
  EXPECT_FLOAT_EQ(study().SpaWB, static_cast<float>(wb));
  EXPECT_NEAR(wb, 12.0, 0.5);
}

TEST_F(WinterScreenTest, KindThreeEmptiesAndLocksTheLoad) {
  fillMetric();
  choose("CboKind", kKindFreshNoLoads);
  EXPECT_TRUE(box("TxtSens")->text().isEmpty());
  EXPECT_TRUE(box("TxtSens")->isReadOnly());
  EXPECT_FLOAT_EQ(screen->load().in(kUnitWatt), 0.0f);
  EXPECT_TRUE(widget("TxtTempOut")->isVisible());
  EXPECT_FALSE(widget("CboTo")->isVisible());
  EXPECT_FALSE(widget("OptPerCent")->isEnabled());
  type("TxtSens", "5000");  // locked: nothing typed
  EXPECT_TRUE(box("TxtSens")->text().isEmpty());
  // A neutral supply of 1000 m³/h of outdoor air at the room temperature.
  type("TxtAmount", "1000");
  type("TxtTempOut", "20");
  click("CmdAeriton");
  EXPECT_TRUE(folder.messages.shown().empty());
  EXPECT_EQ(resultsOpened, 1);
  EXPECT_EQ(study().KindCode, QStringLiteral("NA_DPF"));
  // The unit moves the 1000 m³/h as given (not 588 CFM × 1.7 = 999.6).
  EXPECT_FLOAT_EQ(study().SupplyFlow, 1000.0f);
  EXPECT_FLOAT_EQ(study().FreshFlow, 1000.0f);
}

TEST_F(WinterScreenTest, RecirculationDisablesTheFreshAir) {
  choose("CboKind", kKindRecirc);
  EXPECT_FALSE(widget("OptAmount")->isEnabled());
  EXPECT_FALSE(widget("OptPerCent")->isEnabled());
  EXPECT_FALSE(widget("TxtAmount")->isEnabled());
  choose("CboKind", kKindFreshLoads);
  EXPECT_TRUE(widget("TxtAmount")->isEnabled());
  EXPECT_FALSE(widget("CboPerC")->isEnabled());
  EXPECT_TRUE(screen->findChild<QRadioButton*>("OptAmount")->isChecked());
}

TEST_F(WinterScreenTest, SummerSideBackToZeroResetsTheCoilOutlet) {
  choose("CboTo", 25);  // 50 °C
  choose("CboKindy", kSummerSameUnit);
  EXPECT_FALSE(widget("CboTo")->isVisible());
  EXPECT_TRUE(widget("TxtSF")->isVisible());
  EXPECT_TRUE(widget("LblSFR")->isVisible());
  choose("CboKindy", kSummerOtherUnit);
  EXPECT_EQ(combo("CboTo")->currentText(), QStringLiteral("45"));
  EXPECT_FALSE(widget("TxtSF")->isVisible());
}

TEST_F(WinterScreenTest, EmptySummerFlowGivesCodeFiveWithTheFocusThere) {
  fillMetric();
  choose("CboKindy", kSummerSameUnit);
  click("CmdAeriton");
  ASSERT_EQ(codes(), std::vector<int>{5});
  const Message* m = folder.messages.last();
  EXPECT_EQ(m->title, QString::fromUtf8(" ... ΠΡΟΣΟΧΗ !... "));
  EXPECT_EQ(m->text,
            QString::fromUtf8("!! Δεν έχετε δώσει την Παροχή της Μονάδας για το Καλοκαίρι !!"));
  EXPECT_EQ(m->icon, MsgIcon::Exclamation);
  EXPECT_TRUE(box("TxtSF")->hasFocus());
  EXPECT_EQ(resultsOpened, 0);
}

TEST_F(WinterScreenTest, MissingAmountAndTitle) {
  fillMetric();
  type("TxtAmount", "");
  click("CmdAeriton");
  ASSERT_EQ(codes(), std::vector<int>{2});
  EXPECT_TRUE(box("TxtAmount")->hasFocus());
  folder.messages.clear();
  type("TxtAmount", "300");
  screen->findChild<QLabel*>("LblThema")->setText(QString());
  click("CmdAeriton");
  ASSERT_EQ(folder.messages.shown().size(), 1u);
  EXPECT_EQ(folder.messages.last()->text,
            QString::fromUtf8("... ΔΕΝ έχετε καταχωρήσει το ΘΕΜΑ-ΤΙΤΛΟ της Μελέτης ..."));
  EXPECT_TRUE(widget("CmdThema")->hasFocus());
}

TEST_F(WinterScreenTest, UnitChangeConvertsTheScreen) {
  fillMetric();
  choose("CboKindy", kSummerSameUnit);
  type("TxtSF", "1700");
  choose("CboKindy", kSummerOtherUnit);
  choose("CboUnits", kUnitBtuF);
  // 0 °C = 32 °F, 20 °C = 68 °F; humidities unchanged.
  EXPECT_EQ(box("TxtEnvDB")->text(), QStringLiteral("32.0"));
  EXPECT_EQ(box("TxtSpaDB")->text(), QStringLiteral("68.0"));
  EXPECT_EQ(box("TxtSpaRH")->text(), QStringLiteral("40.0"));
  // 300 m³/h = 176.5 CFM, 1700 m³/h = 1000 CFM.
  EXPECT_EQ(box("TxtAmount")->text(), QStringLiteral("176.5"));
  EXPECT_EQ(box("TxtSF")->text(), QStringLiteral("1,000.0"));
  // 45 °C = 113 °F in the list of 75 .. 130 °F.
  EXPECT_EQ(combo("CboTo")->count(), 56);
  EXPECT_EQ(combo("CboTo")->currentText(), QStringLiteral("113"));
  EXPECT_EQ(screen->findChild<QLabel*>("LblToR")->text(), QString::fromUtf8("σε [ °F ]"));
  EXPECT_EQ(screen->findChild<QLabel*>("LblSFR")->text(), QString::fromUtf8("σε [ CFM ]"));
  // 10000 W = 8598.555 kcal/h = 34144.2 Btu/h.
  EXPECT_EQ(box("TxtSens")->text(), QStringLiteral("34,144"));
  choose("CboUnits", kUnitKW);
  EXPECT_EQ(box("TxtSens")->text(), QStringLiteral("10.00"));
  EXPECT_EQ(box("TxtEnvDB")->text(), QStringLiteral("0.0"));
  EXPECT_EQ(combo("CboTo")->currentText(), QStringLiteral("45"));
  // Visiting the load without a change keeps the exact value.
  box("TxtSens")->setFocus();
  box("TxtSens")->clearFocus();
  choose("CboUnits", kUnitWatt);
  EXPECT_EQ(box("TxtSens")->text(), QStringLiteral("10,000"));
  EXPECT_EQ(study().LoadUnit, QStringLiteral("WATT"));
}

TEST_F(WinterScreenTest, WholeRunWritesTheResultsAndKeepsTheScreen) {
  fillMetric();
  click("CmdAeriton");
  EXPECT_TRUE(folder.messages.shown().empty());
  EXPECT_EQ(resultsOpened, 1);
  EXPECT_FALSE(widget("TxtWait")->isVisible());
  // 10000 W, 45 °C supply into a 20 °C room: 702.56 CFM -> 703 = 1195.1 m³/h.
  EXPECT_FLOAT_EQ(study().SupplyFlow, 1195.1f);
  EXPECT_FLOAT_EQ(study().DB_S, 45.0f);
  EXPECT_TRUE(study().HeatingProcess);
  const QByteArray dat = test::readAll(folder.path("PSY_DAT.TMP"));
  EXPECT_TRUE(dat.startsWith("\"AAA_NA\",0\r\n0,")) << dat.toStdString();
  EXPECT_TRUE(dat.contains("\r\n8598.555,0\r\n300,0\r\n1,0,1,45,0\r\n")) << dat.toStdString();
  // The screen is unchanged.
  EXPECT_EQ(box("TxtSens")->text(), QStringLiteral("10,000"));
  EXPECT_EQ(box("TxtAmount")->text(), QStringLiteral("300.0"));
}

TEST_F(WinterScreenTest, EnterFromTheLoadLeadsToTheCalculation) {
  fillMetric();
  box("TxtSens")->setFocus();
  QTest::keyClick(box("TxtSens"), Qt::Key_Return);
  EXPECT_TRUE(widget("CmdAeriton")->hasFocus());
  QTest::keyClick(widget("CmdAeriton"), Qt::Key_Return);
  EXPECT_TRUE(folder.messages.shown().empty());
  EXPECT_EQ(resultsOpened, 1);
}

TEST_F(WinterScreenTest, HotSupplyQuestion) {
  // Same unit in summer with 1020 m³/h = 600 CFM: 68 + 34144.2 / (1.08 × 600)
  // = 120.7 °F, below 131 °F; 680 m³/h = 400 CFM gives 147.0 °F: the question.
  fillMetric();
  choose("CboKindy", kSummerSameUnit);
  type("TxtSF", "680");
  folder.messages.answer(MsgAnswer::No);
  click("CmdAeriton");
  ASSERT_EQ(codes(), std::vector<int>{-102});
  EXPECT_TRUE(folder.messages.last()->text.contains(QString::fromUtf8("(-> 63.9 [°C])")))
      << folder.messages.last()->text.toStdString();
  EXPECT_EQ(resultsOpened, 0);
  EXPECT_EQ(study().MessageCode, 0);
  EXPECT_TRUE(study().UserAnswer.isEmpty());
  EXPECT_FALSE(QFile::exists(folder.path("PSY_RES.TMP")));
  folder.messages.clear();
  folder.messages.answer(MsgAnswer::Yes);
  click("CmdAeriton");
  EXPECT_EQ(codes(), std::vector<int>{-102});
  EXPECT_EQ(resultsOpened, 1);
  // 147.0 °F = 63.9 °C.
  EXPECT_FLOAT_EQ(study().DB_S, 63.9f);
  // 510 m³/h = 300 CFM: 68 + 105.4 = 173.4 °F, refused.
  folder.messages.clear();
  type("TxtSF", "510");
  click("CmdAeriton");
  ASSERT_EQ(codes(), std::vector<int>{-100});
  EXPECT_EQ(folder.messages.last()->title, QString::fromUtf8("*** ΑΠΑΡΑΔΕΚΤΗ ΘΕΡΜΟΚΡΑΣΙΑ *** "));
}

TEST_F(WinterScreenTest, TitleButtonWritesTheShownValues) {
  fillMetric();
  // The title window opens modally: close it as soon as it shows.
  QTimer closer;
  closer.setInterval(50);
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  closer.start();
  click("CmdThema");
  closer.stop();
  const QByteArray bytes = test::readAll(folder.path("PSDATA.TMP"));
  EXPECT_TRUE(bytes.startsWith("\"0.0\",\"")) << bytes.toStdString();
  EXPECT_TRUE(bytes.contains("\r\n\"20.0\",")) << bytes.toStdString();
  EXPECT_TRUE(bytes.endsWith("\r\n\"10,000\"\r\n")) << bytes.toStdString();
}

TEST_F(WinterScreenTest, AStudyReadBackFillsTheScreen) {
  fillMetric();
  type("TxtSens", "12500");
  click("CmdAeriton");
  ASSERT_EQ(resultsOpened, 1);
  const auto values = winterFormValues();
  ASSERT_TRUE(values.has_value());
  FrmPsyDaW other(nullptr);
  other.showStudyValues(*values);
  auto text = [&](const char* name) {
    return other.findChild<NumericBox*>(QLatin1String(name))->text();
  };
  EXPECT_EQ(text("TxtEnvDB"), QStringLiteral("0.0"));
  EXPECT_EQ(text("TxtSpaDB"), QStringLiteral("20.0"));
  EXPECT_EQ(text("TxtSpaRH"), QStringLiteral("40.0"));
  EXPECT_EQ(text("TxtAmount"), QStringLiteral("300.0"));
  EXPECT_EQ(text("TxtSens"), QStringLiteral("12,500"));
  EXPECT_FLOAT_EQ(other.load().in(kUnitWatt), 12500.0f);
  EXPECT_EQ(other.findChild<QComboBox*>("CboTo")->currentText(), QStringLiteral("45"));
  EXPECT_EQ(other.findChild<QLabel*>("LblThema")->text(), QString::fromUtf8("Κατοικία Φλώρινας"));
}

#ifdef HAVE_RESULTS_SCREEN
TEST_F(WinterScreenTest, TheResultsScreenOpensInItsHeatingForm) {
  FrmPsyDaW::setResultsOpener(nullptr);
  QString caption;
  QTimer closer;
  closer.setInterval(30);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->inherits("aeriton::summer::FrmPSRes")) return;
    for (QLabel* l : w->findChildren<QLabel*>()) caption += l->text() + QLatin1Char('|');
    study().Unsaved = false;  // leaving would ask about saving
    w->close();
  });
  closer.start();
  fillMetric();
  click("CmdAeriton");
  closer.stop();
  EXPECT_TRUE(caption.contains(QString::fromUtf8("(Περίοδος Χειμώνα)"))) << caption.toStdString();
  EXPECT_TRUE(screen->isVisible());
}
#endif

TEST_F(WinterScreenTest, CalculatorButtonOpensTheInstalledCalculator) {
  EXPECT_FALSE(widget("CmdPS")->isEnabled());  // none installed
  int opened = 0;
  FrmPsyDaW::setCalculatorOpener([&](QWidget* parent) {
    EXPECT_NE(parent, nullptr);
    ++opened;
  });
  FrmPsyDaW other(nullptr);
  auto* cmd = other.findChild<QPushButton*>("CmdPS");
  ASSERT_TRUE(cmd->isEnabled());
  cmd->click();
  EXPECT_EQ(opened, 1);
  FrmPsyDaW::setCalculatorOpener(nullptr);
}

// Screenshots for review (set AERITON_SCREENSHOTS to a folder).
TEST_F(WinterScreenTest, Screenshots) {
  const QString dir = qEnvironmentVariable("AERITON_SCREENSHOTS");
  fillMetric("-2", "21");
  type("TxtSens", "18500");
  choose("CboTo", 23);  // 48 °C
  screen->findChild<QRadioButton*>("OptPerCent")->setChecked(true);
  choose("CboPerC", 24);  // 25 %
  box("TxtSens")->setFocus();
  if (!dir.isEmpty()) screen->grab().save(QDir(dir).filePath("winter_data.png"));
  click("CmdAeriton");
  ASSERT_TRUE(folder.messages.shown().empty()) << folder.messages.last()->text.toStdString();
#ifdef HAVE_RESULTS_SCREEN
  summer::FrmPSRes results(nullptr);
  results.show();
  QTest::qWait(50);
  if (!dir.isEmpty()) {
    results.grab().save(QDir(dir).filePath("winter_results_data.png"));
    if (auto* tabs = results.findChild<QTabWidget*>()) tabs->setCurrentIndex(tabs->count() - 1);
    QTest::qWait(20);
    results.grab().save(QDir(dir).filePath("winter_results.png"));
  }
  study().Unsaved = false;
  results.close();
#endif
  if (dir.isEmpty()) GTEST_SKIP() << "AERITON_SCREENSHOTS not set";
}

}  // namespace
