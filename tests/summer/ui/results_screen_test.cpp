// The results screen driven through its controls, on results of real
// calculations: outlet fields, unit switch, raise of the supply air, leaving.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"
#include "summer/Raise.h"
#include "summer/SummerMessages.h"
#include "summer/results_study.h"
#include "summer/ui/FrmPSRes.h"
#include "summer/ui/FrmPSVee.h"
#include "summer/ui/FrmPsFa.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

QString u8(const char* t) {
  return QString::fromUtf8(t);
}

// The raised-temperature captions and the messages, as the user reads them.
const char* const kRaisedDB = "ΘΕΡΜΟΚΡ. < Ξ.Θ. > ΤΟΥ ΑΕΡΑ, ΣΤΗΝ ΕΞΟΔΟ ΤΗΣ ΜΟΝΑΔΑΣ..............";
const char* const kRaisedWB = "ΘΕΡΜΟΚΡ. < Υ.Θ. > ΤΟΥ ΑΕΡΑ, ΣΤΗΝ ΕΞΟΔΟ ΤΗΣ ΜΟΝΑΔΑΣ..............";
const char* const kRaisedH =
    "ΕΝΘΑΛΠΙΑ ΑΕΡΑ, ΣΤΗΝ ΕΞΟΔΟ ΤΗΣ ΜΟΝΑΔΑΣ................................";

// Outdoor 35/24 °C, room 26/18.5 °C, 10 kW + 2 kW, 600 m³/h: no reheat; coil
// outlet 14.7/13.9 °C, 13.52451 kcal/kg; BF 0.15; ADP 54.315 °F; ESHF 0.841.
test::SummerStudy office() {
  test::SummerStudy st;
  st.envDB = 35, st.envWB = 24, st.spaDB = 26, st.spaWB = 18.5f;
  st.sens = 10000, st.lat = 2000, st.fresh = 600;
  return st;
}

class ResultsScreen : public ::testing::Test {
 protected:
  void SetUp() override { setSeparators(Separators{'.', ','}); }

  QString text(QWidget& w, const char* name) {
    auto* e = w.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(e, nullptr) << name;
    return e ? e->text() : QString();
  }
  QString label(QWidget& w, const char* name) {
    auto* l = w.findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(l, nullptr) << name;
    return l ? l->text() : QString();
  }
  QPushButton* button(QWidget& w, const char* name) {
    auto* b = w.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  // Runs `step` once the next modal loop is running.
  static void whenModal(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

  test::ProgramFolderFixture fx;
};

}  // namespace

TEST_F(ResultsScreen, WithoutReheatTheOutletFieldsShowTheCoilOutlet) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  FrmPSRes w(nullptr);
  ASSERT_TRUE(w.loaded());
  EXPECT_EQ(w.windowTitle(), u8("Ψυχρομετρικοί Υπολογισμοί Αέρος"));
  EXPECT_EQ(label(w, "LblPeriod"), u8("(Περίοδος Καλοκαιριού)"));
  EXPECT_TRUE(w.findChild<QGroupBox*>("FraWinter")->isHidden());
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("14.70"));
  EXPECT_EQ(text(w, "TxtWB_T"), QStringLiteral("13.90"));
  // 13.52451 kcal/kg × 4.18675 = 56.62 kJ/kg (load unit W)
  EXPECT_EQ(text(w, "TxtH_T"), QStringLiteral("56.62"));
  EXPECT_EQ(label(w, "LblH_TUn"), u8("[KJ/Kg]"));
  EXPECT_TRUE(label(w, "LblDB_T").contains(QStringLiteral("ΕΞΟΔΟ ΤΟΥ ΣΤΟΙΧΕΙΟΥ")));
  // The loads as typed: 10000 W → 8598.555 kcal/h in the file → 10,000.00 W.
  EXPECT_EQ(text(w, "TxtSens"), QStringLiteral("10,000.00"));
  EXPECT_EQ(text(w, "TxtLat"), QStringLiteral("2,000.00"));
  EXPECT_EQ(text(w, "TxtOA"), QStringLiteral("600.0"));
  EXPECT_EQ(text(w, "TxtFlowRate"), QStringLiteral("2,652.0"));
  // 13355.84 kcal/h ÷ 0.85985547 = 15532.66 W
  EXPECT_EQ(text(w, "TxtPower"), QStringLiteral("15,532.66"));
  EXPECT_EQ(label(w, "TxtPUn"), u8("[Watts]"));
  EXPECT_EQ(label(w, "TxtFRUn"), u8("[m³/h]"));
  EXPECT_EQ(label(w, "LblPower"),
            u8("ΑΠΑΡΑΙΤΗΤΗ ΨΥΚΤΙΚΗ ΙΣΧΥΣ ΣΤΟ "
               "ΣΤΟΙΧΕΙΟ...................................................."));
  EXPECT_EQ(w.findChild<QGroupBox*>("FraUnit")->title(),
            u8(" Παροχή Αέρα και Ψυκτική Ισχύς Κλιματιστικής Μονάδας "));
  // No marker anywhere on the screen.
  for (QLineEdit* e : w.findChildren<QLineEdit*>())
    EXPECT_FALSE(e->text().contains(QStringLiteral("100000")) ||
                 e->text().contains(QStringLiteral("100,000")))
        << e->objectName().toStdString();
}

TEST_F(ResultsScreen, RaiseRefusesEqualAndFourBelowAndAcceptsFiveBelow) {
  // Room 26 °C, coil outlet 14.7 °C: 26 (not below the room) and 22 (not 5 °C
  // below) are refused, 21 is accepted into line 13 of "PSY_RES.TMP".
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  test::ModalWatchdog watchdog;
  FrmPSRes w(nullptr);
  w.show();
  std::vector<Message> refusals;
  bool stayedOpen = false;
  whenModal([&] {
    auto* vee = w.findChild<FrmPSVee*>();
    ASSERT_NE(vee, nullptr);
    auto* box = vee->findChild<NumericBox*>("TxtNewTemp");
    auto* ok = vee->findChild<QPushButton*>("CmdOK");
    EXPECT_EQ(vee->findChild<QLabel*>("LblUnit")->text(), u8("°C"));
    for (const char* typed : {"26", "22"}) {
      box->clear();
      QTest::keyClicks(box, QString::fromLatin1(typed));
      QTest::mouseClick(ok, Qt::LeftButton);
      ASSERT_NE(fx.messages.last(), nullptr);
      refusals.push_back(*fx.messages.last());
    }
    stayedOpen = vee->isVisible() && box->text() == QStringLiteral("22");
    EXPECT_FALSE(QFile::exists(fx.path("PSY_VEE.TMP")));
    box->clear();
    QTest::keyClicks(box, QStringLiteral("21"));
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  QTest::mouseClick(button(w, "CmdChangeT"), Qt::LeftButton);

  ASSERT_EQ(refusals.size(), 2u);
  EXPECT_EQ(refusals[0].code, -1);
  EXPECT_EQ(refusals[0].title, u8("  ***  ΠΡΟΣΟΧΗ   ***  "));
  EXPECT_EQ(refusals[0].text,
            u8("... ΔΕΝ είναι δυνατόν η Θερμοκρασία του Αέρα Τροφοδοσίας των Χώρων ...\n"
               "   ... να είναι ΜΕΓΑΛΥΤΕΡΗ ή ΙΣΗ προς την Θερμοκρασία των Χώρων ...   "));
  EXPECT_EQ(refusals[0].icon, MsgIcon::Critical);
  EXPECT_EQ(refusals[0].beeps, 2);
  EXPECT_EQ(refusals[1].code, -3);
  EXPECT_EQ(refusals[1].text,
            u8(" ... Η Θερμοκρασία του Αέρα Τροφοδοσίας των Χώρων, πρέπει να είναι ... \n"
               "... τουλάχιστον κατά 5 [°C] ΜΙΚΡΟΤΕΡΗ από την Θερμοκρασία των Χώρων ..."));
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(fx.messages.shown().size(), 2u);

  // Accepted: the request file is consumed, line 13 carries the record.
  EXPECT_FALSE(QFile::exists(fx.path("PSY_VEE.TMP")));
  StudyState file;
  ASSERT_TRUE(readResultsFile(test::readAll(fx.path("PSY_RES.TMP")), file).ok);
  const auto& r = file.CoilOutChange;
  EXPECT_FLOAT_EQ(r[rec::SupplyDB], 21.0f);
  EXPECT_NEAR(r[rec::SupplyGr], 9.5, 0.05);     // g/kg (66.4 grains ÷ 7)
  EXPECT_NEAR(r[rec::SupplyH], 15.05, 0.02);    // kcal/kg
  EXPECT_NEAR(r[rec::NewFlow], 5972.1, 2.0);    // m³/h (3513 CFM × 1.7)
  EXPECT_NEAR(r[rec::RaiseReheat], 4794.4, 3);  // kcal/h (19038 Btu/h ÷ 3.970923)
  EXPECT_EQ(study().CoilOutChange, r);
  EXPECT_TRUE(study().Unsaved);

  // Shown with the relabelled outlet fields and the new flow, coil load, reheat.
  EXPECT_EQ(label(w, "LblDB_T"), u8(kRaisedDB));
  EXPECT_EQ(label(w, "LblWB_T"), u8(kRaisedWB));
  EXPECT_EQ(label(w, "LblH_T"), u8(kRaisedH));
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("21.00"));
  // The enthalpy with two decimals, as every other enthalpy on the screen.
  EXPECT_EQ(text(w, "TxtH_T"), FormatNumber(r[rec::SupplyH] * 4.18675, "#,##0.00"));
  EXPECT_EQ(text(w, "TxtFlowRate"), FormatNumber(r[rec::NewFlow], "#,###,##0.0"));
  EXPECT_EQ(text(w, "TxtPower"), FormatNumber(r[rec::NewCoilLoad] / 0.85985547, "#,###,##0.0"));
  EXPECT_EQ(text(w, "TxtReheat"), FormatNumber(r[rec::RaiseReheat] / 0.85985547, "#,###,##0.0"));
  EXPECT_TRUE(watchdog.closed().isEmpty());
}

TEST_F(ResultsScreen, FreshAirLoadsWindowShowsTheOutdoorAirLoads) {
  // OASH 1554.802 kcal/h ÷ 0.85985547 = 1808.2 W; OALH 1693.813 ÷ 0.85985547 = 1969.9 W
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  test::ModalWatchdog watchdog;
  FrmPSRes w(nullptr);
  w.show();
  QString sens, lat, unit;
  whenModal([&] {
    auto* fa = w.findChild<FrmPsFa*>();
    ASSERT_NE(fa, nullptr);
    sens = fa->findChild<QLineEdit*>("TxtFASens")->text();
    lat = fa->findChild<QLineEdit*>("TxtFALat")->text();
    unit = fa->findChild<QLabel*>("LblFASensUn")->text();
    QTest::mouseClick(fa->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
  });
  QTest::mouseClick(button(w, "CmdFA"), Qt::LeftButton);
  EXPECT_EQ(sens, QStringLiteral("1,808.2"));
  EXPECT_EQ(lat, QStringLiteral("1,969.9"));
  EXPECT_EQ(unit, u8("[Watts]"));
}

TEST_F(ResultsScreen, LeavingWithUnsavedDataAsksFirst) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  ASSERT_TRUE(study().Unsaved);
  FrmPSRes w(nullptr);
  w.show();
  // CANCEL: the screen stays, the files stay.
  fx.messages.answer(MsgAnswer::Cancel);
  QTest::mouseClick(button(w, "CmdDData"), Qt::LeftButton);
  ASSERT_NE(fx.messages.last(), nullptr);
  const Message& q = *fx.messages.last();
  EXPECT_EQ(q.code, -8);
  EXPECT_EQ(q.title, u8("  ! !   ΠΡΟΣΟΧΗ   ! ! "));
  // The question centred under the notice: (48 − 32) / 2 = 8 spaces.
  EXPECT_EQ(q.text, u8("\n!! Υπάρχουν Δεδομένα, που ΔΕΝ έχουν < σωθεί > !!\n"
                       "        Θέλετε να < σώσω > τα Δεδομένα ?"));
  EXPECT_EQ(q.buttons, MsgButtons::YesNoCancel);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(QFile::exists(fx.path("PSY_RES.TMP")));
  EXPECT_TRUE(study().UserAnswer.isEmpty());
  // YES while saving is not available: still here, nothing lost.
  setSaveStudyHandler(nullptr);
  fx.messages.answer(MsgAnswer::Yes);
  QTest::mouseClick(button(w, "CmdRData"), Qt::LeftButton);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(study().Unsaved);
  // NO: leaves without saving; the exchange files go, the flag is cleared.
  test::writeAll(fx.path("PSY_SPA.TMP"), "x");
  fx.messages.answer(MsgAnswer::No);
  QTest::mouseClick(button(w, "CmdDData"), Qt::LeftButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.result(), QDialog::Accepted);
  for (const char* f : {"PSY_SPA.TMP", "PSY_DAT.TMP", "PSY_RES.TMP"})
    EXPECT_FALSE(QFile::exists(fx.path(f))) << f;
  EXPECT_FALSE(study().Unsaved);
}

TEST_F(ResultsScreen, MissingResultsFileClosesWithAMessage) {
  test::ModalWatchdog watchdog;
  FrmPSRes w(nullptr);
  EXPECT_FALSE(w.loaded());
  EXPECT_EQ(w.exec(), QDialog::Rejected);
  ASSERT_NE(fx.messages.last(), nullptr);
  EXPECT_EQ(fx.messages.last()->code, kBadResultsMessage);
  EXPECT_TRUE(fx.messages.last()->text.startsWith(
      QStringLiteral("... Υπάρχει σοβαρό πρόβλημα στο εν λόγω Αρχείο ...")));
}

// A second raise: the request window offers the raised temperature as the one
// in force and refuses anything not above it (office: coil outlet 14.7 °C,
// raised to 18 °C; 17 °C refused with code -2, 20 °C accepted).
TEST_F(ResultsScreen, SecondRaiseIsCheckedAgainstTheRaisedTemperature) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  test::ModalWatchdog watchdog;
  FrmPSRes w(nullptr);
  w.show();
  const auto raiseTo = [&](const QStringList& typed, QString* limits) {
    whenModal([&, typed, limits] {
      auto* vee = w.findChild<FrmPSVee*>();
      ASSERT_NE(vee, nullptr);
      if (limits) *limits = vee->findChild<QLabel*>("LblLimits")->text();
      auto* box = vee->findChild<NumericBox*>("TxtNewTemp");
      for (const QString& t : typed) {
        box->clear();
        QTest::keyClicks(box, t);
        QTest::mouseClick(vee->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
      }
    });
    QTest::mouseClick(button(w, "CmdChangeT"), Qt::LeftButton);
  };
  raiseTo({QStringLiteral("18")}, nullptr);
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("18.00"));
  EXPECT_TRUE(fx.messages.shown().empty());

  QString limits;
  raiseTo({QStringLiteral("17"), QStringLiteral("20")}, &limits);
  EXPECT_TRUE(limits.contains(QStringLiteral("18.0"))) << limits.toStdString();
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& refused = fx.messages.shown().front();
  EXPECT_EQ(refused.code, -2);
  EXPECT_EQ(refused.text,
            u8("    ... ΔΕΝ έχει νόημα η Θερμοκρασία του Αέρα Τροφοδοσίας των Χώρων ...   \n"
               "... να είναι ΜΙΚΡΟΤΕΡΗ ή ΙΣΗ προς την προηγούμενη Θερμοκρασία του Αέρα ..."));
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("20.00"));
  StudyState file;
  ASSERT_TRUE(readResultsFile(test::readAll(fx.path("PSY_RES.TMP")), file).ok);
  EXPECT_FLOAT_EQ(file.CoilOutChange[rec::SupplyDB], 20.0f);
  EXPECT_TRUE(watchdog.closed().isEmpty());
}

// Athens (outdoor 36 °C / 25 %, room 26 °C / 50 %): the results tab says in one
// line that the fresh air is drier than the room; the office study (moister
// outdoor air) does not.
TEST_F(ResultsScreen, DrierFreshAirIsNoticedOnTheResultsTab) {
  test::SummerStudy athens;
  athens.loadUnit = "KCAL";
  athens.envDB = 36, athens.envWB = 20.9f, athens.spaDB = 26, athens.spaWB = 18.7f;
  athens.sens = 30000, athens.lat = 5000, athens.freshMode = "P", athens.fresh = 20;
  ASSERT_EQ(test::runSummerStudy(athens), 0);
  {
    FrmPSRes w(nullptr);
    w.show();
    auto* notice = w.findChild<QLabel*>("LblFreshAirDrier");
    ASSERT_NE(notice, nullptr);
    auto* tabs = w.findChild<QTabWidget*>("SSTab1");
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(),
              QString::fromUtf8("Ο νωπός αέρας είναι ξηρότερος από τον αέρα του χώρου."));
    // The room shown is the room entered.
    EXPECT_EQ(text(w, "TxtSpaWB"), QStringLiteral("18.7"));
  }
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  FrmPSRes w(nullptr);
  w.show();
  w.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
  EXPECT_FALSE(w.findChild<QLabel*>("LblFreshAirDrier")->isVisible());
}

TEST_F(ResultsScreen, ChangingTabRefreshesTheUnitLabels) {
  // A kW study with 20 % fresh air: loads with three decimals and "[Kw]", the
  // fresh air "[ % ]"; in English units "[Btu/h]" with two decimals.
  test::SummerStudy st = office();
  st.loadUnit = "KW", st.sens = 10, st.lat = 2, st.freshMode = "P", st.fresh = 20;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  FrmPSRes w(nullptr);
  w.show();
  auto* tabs = w.findChild<QTabWidget*>("SSTab1");
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(label(w, "LblSensUn"), u8("[Kw]"));
  EXPECT_EQ(label(w, "TxtOAUn"), u8("[ % ]"));
  EXPECT_EQ(text(w, "TxtSens"), QStringLiteral("10.000"));
  EXPECT_EQ(text(w, "TxtOA"), QStringLiteral("20.0"));
  EXPECT_EQ(button(w, "CmdUnitsD")->text(), u8("ΑγγλοΣαξωνικό &Σύστημα"));
  tabs->setCurrentIndex(1);
  EXPECT_EQ(label(w, "TxtPUn"), u8("[Kw]"));
  EXPECT_EQ(label(w, "LblH_MUn"), u8("[KJ/Kg]"));
  QTest::mouseClick(button(w, "CmdUnitsR"), Qt::LeftButton);
  tabs->setCurrentIndex(0);
  // 10 kW = 8598.555 kcal/h × 3.970923 = 34,144.20 Btu/h
  EXPECT_EQ(label(w, "LblSensUn"), u8("[Btu/h]"));
  EXPECT_EQ(text(w, "TxtSens"), QStringLiteral("34,144.20"));
  EXPECT_EQ(label(w, "TxtOAUn"), u8("[ % ]"));
  EXPECT_EQ(label(w, "LblEnvUn"), u8("[°F]"));
  EXPECT_EQ(button(w, "CmdUnitsD")->text(), u8("Μετρικό &Σύστημα"));
  tabs->setCurrentIndex(1);
  EXPECT_EQ(label(w, "TxtPUn"), u8("[Btu/h]"));
  EXPECT_EQ(label(w, "LblH_MUn"), u8("[Btu/Lb]"));
  EXPECT_EQ(label(w, "TxtFAUn"), u8("[CFM]"));
  study().Unsaved = false;
}

TEST_F(ResultsScreen, HeatingCaseLabelsItselfForWinter) {
  // Outdoor 0/-2 °C, room 20/12.8 °C on the summer screen: the heating case,
  // with a coil outlet temperature of 45 °C.
  test::SummerStudy st;
  st.envDB = 0, st.envWB = -2, st.spaDB = 20, st.spaWB = 12.8f;
  st.sens = 10000, st.fresh = 300, st.coilOutTemp = 45;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  FrmPSRes w(nullptr);
  ASSERT_TRUE(w.loaded());
  w.show();
  EXPECT_EQ(w.windowTitle(), u8("Ψυχρομετρικοί Υπολογισμοί για Χειμώνα"));
  EXPECT_EQ(label(w, "LblPeriod"), u8("(Περίοδος Χειμώνα)"));
  EXPECT_FALSE(w.findChild<QGroupBox*>("FraWinter")->isHidden());
  // The caption as the program has always written it (with a Latin "o" in
  // "Θερμoκρασία" and a space before "]").
  EXPECT_EQ(label(w, "LblWinter"), u8("Θερμ"
                                      "o"
                                      "κρασία  Εξόδου του Αέρα από το Στοιχείο, σε [°C ] :"));
  EXPECT_EQ(text(w, "TxtWinter"), QStringLiteral("45.0"));
  EXPECT_EQ(label(w, "LblPower"),
            u8("ΑΠΑΡΑΙΤΗΤΗ ΘΕΡΜΙΚΗ ΙΣΧΥΣ ΣΤΟ "
               "ΣΤΟΙΧΕΙΟ...................................................."));
  EXPECT_EQ(w.findChild<QGroupBox*>("FraUnit")->title(),
            u8(" Παροχή Αέρα και Θερμική Ισχύς Κλιματιστικής Μονάδας "));
  EXPECT_TRUE(w.findChild<QLabel*>("LblReheat")->isHidden());
  EXPECT_FALSE(button(w, "CmdChangeT")->isEnabled());
  QTest::mouseClick(button(w, "CmdUnitsD"), Qt::LeftButton);
  EXPECT_EQ(label(w, "LblWinter"), u8("Θερμ"
                                      "o"
                                      "κρασία  Εξόδου του Αέρα από το Στοιχείο, σε [°F ] :"));
  EXPECT_EQ(text(w, "TxtWinter"), QStringLiteral("113.0"));  // 45 °C
  study().Unsaved = false;
}

TEST_F(ResultsScreen, WindowKeepsItsSizeAfterARaiseAndATitleChange) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  test::ModalWatchdog watchdog;
  FrmPSRes w(nullptr);
  w.show();
  const QSize size = w.size();
  EXPECT_EQ(w.minimumSize(), size);
  EXPECT_EQ(w.maximumSize(), size);
  whenModal([&] {
    auto* vee = w.findChild<FrmPSVee*>();
    ASSERT_NE(vee, nullptr);
    QTest::keyClicks(vee->findChild<NumericBox*>("TxtNewTemp"), QStringLiteral("21"));
    QTest::mouseClick(vee->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
  });
  QTest::mouseClick(button(w, "CmdChangeT"), Qt::LeftButton);
  EXPECT_EQ(label(w, "LblDB_T"), u8(kRaisedDB));
  EXPECT_EQ(w.size(), size);
  whenModal([&] {
    QWidget* t = QApplication::activeModalWidget();
    ASSERT_NE(t, nullptr);
    t->findChild<QLineEdit*>("Text1")->setText(
        u8("Κεντρική Κλιματιστική Μονάδα του Νέου Κτιρίου Γραφείων της Οδού Πανεπιστημίου στην "
           "Αθήνα, Πτέρυγα Β, Ισόγειο και Πρώτος Όροφος"));
    QTest::mouseClick(t->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
  });
  QTest::mouseClick(button(w, "CmdThema"), Qt::LeftButton);
  EXPECT_TRUE(label(w, "LblThema").startsWith(u8("Κεντρική Κλιματιστική Μονάδα")));
  QApplication::processEvents();
  EXPECT_EQ(w.size(), size);
  study().Unsaved = false;
}

// ΤΕΛΟΣ ends the program: even with the study saved it asks first, since the
// data typed on the data screen would go with it. No stays, Yes ends.
TEST_F(ResultsScreen, EndAsksBeforeEndingEvenWhenSaved) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  study().Unsaved = false;
  FrmPSRes w(nullptr);
  w.show();
  fx.messages.answer(MsgAnswer::No);
  QTest::mouseClick(button(w, "CmdTELOS"), Qt::LeftButton);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& q = fx.messages.shown()[0];
  EXPECT_EQ(q.code, -92);
  EXPECT_EQ(q.title, u8("...!! ΠΡΟΣΟΧΗ !!..."));
  EXPECT_EQ(q.text, u8("... Έχετε επιλέξει την έξοδο από το Πρόγραμμα ...\n"
                       "       ... Είστε Σίγουρος για αυτό ?? ...        "));
  EXPECT_EQ(q.buttons, MsgButtons::YesNo);
  EXPECT_EQ(q.defaultButton, MsgAnswer::No);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(QFile::exists(fx.path("PSY_RES.TMP")));
  EXPECT_TRUE(study().UserAnswer.isEmpty());

  fx.messages.answer(MsgAnswer::Yes);
  QTest::mouseClick(button(w, "CmdTELOS"), Qt::LeftButton);
  EXPECT_EQ(fx.messages.shown().size(), 2u);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.result(), FrmPSRes::kEndRequested);
}

// With unsaved data the save question comes first and is the only one: "NO"
// already means leaving without saving.
TEST_F(ResultsScreen, EndWithUnsavedDataAsksTheSaveQuestionOnly) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  ASSERT_TRUE(study().Unsaved);
  FrmPSRes w(nullptr);
  w.show();
  fx.messages.answer(MsgAnswer::No);
  QTest::mouseClick(button(w, "CmdTELOS"), Qt::LeftButton);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.shown()[0].code, -8);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.result(), FrmPSRes::kEndRequested);
}
