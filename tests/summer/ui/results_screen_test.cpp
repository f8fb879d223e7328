// The results screen driven through its controls, on results of real
// calculations: what the outlet fields show, the unit switch there and back,
// the raise of the supply air with its refusals, the outdoor-air loads window,
// the information messages and leaving with unsaved data.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
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
#include "summer/ResultsTexts.h"
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

// Outdoor 35/24 °C, room 26/18.5 °C, 10 kW + 2 kW, 600 m³/h: no reheat; coil
// outlet 14.7/13.9 °C, 13.52451 kcal/kg; BF 0.15; ADP 54.315 °F; ESHF 0.841.
test::SummerStudy office() {
  test::SummerStudy st;
  st.envDB = 35, st.envWB = 24, st.spaDB = 26, st.spaWB = 18.5f;
  st.sens = 10000, st.lat = 2000, st.fresh = 600;
  return st;
}

// The same with 8 kW latent: dew point 48 °F and reheat; after reheat 17.0/12.6 °C.
test::SummerStudy officeWithReheat() {
  test::SummerStudy st = office();
  st.lat = 8000;
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
  EXPECT_EQ(w.windowTitle(), u8(texts::kCoolingCaption));
  EXPECT_EQ(label(w, "LblPeriod"), u8(texts::kCoolingPeriod));
  EXPECT_TRUE(w.findChild<QGroupBox*>("FraWinter")->isHidden());
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("14.70"));
  EXPECT_EQ(text(w, "TxtWB_T"), QStringLiteral("13.90"));
  // 13.52451 kcal/kg × 4.18675 = 56.62 kJ/kg (load unit W)
  EXPECT_EQ(text(w, "TxtH_T"), QStringLiteral("56.62"));
  EXPECT_EQ(label(w, "LblH_TUn"), u8(texts::kUnitKJKg));
  EXPECT_TRUE(label(w, "LblDB_T").contains(QStringLiteral("ΕΞΟΔΟ ΤΟΥ ΣΤΟΙΧΕΙΟΥ")));
  // The loads as typed: 10000 W → 8598.555 kcal/h in the file → 10,000.00 W.
  EXPECT_EQ(text(w, "TxtSens"), QStringLiteral("10,000.00"));
  EXPECT_EQ(text(w, "TxtLat"), QStringLiteral("2,000.00"));
  EXPECT_EQ(text(w, "TxtOA"), QStringLiteral("600.0"));
  EXPECT_EQ(text(w, "TxtFlowRate"), QStringLiteral("2,652.0"));
  // 13355.84 kcal/h ÷ 0.85985547 = 15532.66 W
  EXPECT_EQ(text(w, "TxtPower"), QStringLiteral("15,532.66"));
  EXPECT_EQ(label(w, "LblPower"), u8(texts::kPowerCaption));
  EXPECT_EQ(label(w, "TxtPUn"), u8(texts::kUnitWatts));
  EXPECT_EQ(label(w, "TxtFRUn"), u8(texts::kUnitM3h));
  EXPECT_EQ(w.findChild<QGroupBox*>("FraUnit")->title(), u8(texts::kGroupCaption));
  // No marker anywhere on the screen.
  for (QLineEdit* e : w.findChildren<QLineEdit*>())
    EXPECT_FALSE(e->text().contains(QStringLiteral("100000")) ||
                 e->text().contains(QStringLiteral("100,000")))
        << e->objectName().toStdString();
  // The diagram, chart and print buttons are there but not yet in use.
  for (const char* name : {"Cmd_Dgrm", "CmdPSPlot", "CmdPrintD", "CmdPrintR"})
    EXPECT_FALSE(button(w, name)->isEnabled()) << name;
}

TEST_F(ResultsScreen, WithReheatTheOutletFieldsShowTheAfterReheatState) {
  ASSERT_EQ(test::runSummerStudy(officeWithReheat()), 0);
  ASSERT_FLOAT_EQ(study().DB_S, 17.0f);
  FrmPSRes w(nullptr);
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("17.00"));
  EXPECT_EQ(text(w, "TxtWB_T"), QStringLiteral("12.60"));
  EXPECT_TRUE(label(w, "LblDB_T").contains(QStringLiteral("ΑΝΑΘΕΡΜΑΝΣΗ")));
  // Reheat 6822.343 kcal/h ÷ 0.85985547 = 7934.3 W
  EXPECT_EQ(text(w, "TxtReheat"), QStringLiteral("7,934.3"));
  EXPECT_EQ(label(w, "TxtRehUN"), u8(texts::kUnitWatts));
}

TEST_F(ResultsScreen, EnglishAndBackReturnsTheFirstFigures) {
  ASSERT_EQ(test::runSummerStudy(officeWithReheat()), 0);
  FrmPSRes w(nullptr);
  QMap<QString, QString> first;
  for (QLineEdit* e : w.findChildren<QLineEdit*>()) first[e->objectName()] = e->text();
  EXPECT_EQ(button(w, "CmdUnitsD")->text(), u8(texts::kEnglishCaption));
  QTest::mouseClick(button(w, "CmdUnitsR"), Qt::LeftButton);
  // 26 °C = 78.8 °F; 17.0 °C = 62.6 °F; 10000 W = 34144.20 Btu/h; 3311.6 m³/h = 1948.0 CFM
  EXPECT_EQ(text(w, "TxtSpaDB"), QStringLiteral("78.8"));
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("62.60"));
  EXPECT_EQ(text(w, "TxtSens"), QStringLiteral("34,144.20"));
  EXPECT_EQ(text(w, "TxtFlowRate"), QStringLiteral("1,948.0"));
  EXPECT_EQ(label(w, "TxtFRUn"), u8(texts::kUnitCfm));
  EXPECT_EQ(label(w, "TxtPUn"), u8(texts::kUnitBtuH));
  EXPECT_EQ(label(w, "LblH_MUn"), u8(texts::kUnitBtuLb));
  EXPECT_EQ(button(w, "CmdUnitsD")->text(), u8(texts::kMetricCaption));
  EXPECT_EQ(button(w, "CmdUnitsR")->text(), u8(texts::kMetricCaption));
  QTest::mouseClick(button(w, "CmdUnitsD"), Qt::LeftButton);
  for (QLineEdit* e : w.findChildren<QLineEdit*>())
    EXPECT_EQ(e->text(), first[e->objectName()]) << e->objectName().toStdString();
  // The results file is the study's: untouched by the display.
  StudyState file;
  ASSERT_TRUE(readResultsFile(test::readAll(fx.path("PSY_RES.TMP")), file).ok);
  EXPECT_FLOAT_EQ(file.SpaDB, 26.0f);
}

TEST_F(ResultsScreen, TabChangeRefreshesTheUnitLabels) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  FrmPSRes w(nullptr);
  auto* tabs = w.findChild<QTabWidget*>("SSTab1");
  ASSERT_NE(tabs, nullptr);
  tabs->setCurrentIndex(1);
  tabs->setCurrentIndex(0);
  EXPECT_EQ(label(w, "TxtOAUn"), u8(texts::kOAUnitM3h));
  EXPECT_EQ(label(w, "LblSensUn"), u8(texts::kUnitWatts));
}

TEST_F(ResultsScreen, RaiseRefusesEqualAndFourBelowAndAcceptsFiveBelow) {
  // Room 26 °C, coil outlet 14.7 °C. 26 is refused (not below the room), 22
  // (4 °C below) is refused (not 5 °C below), 21 is accepted: line 13 of
  // "PSY_RES.TMP" then holds the record in °C, g/kg, kcal/kg, m³/h and kcal/h.
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
    EXPECT_EQ(vee->findChild<QLabel*>("LblUnit")->text(), u8(texts::kVeeUnitC));
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
  EXPECT_EQ(refusals[0].title, u8(texts::kVeeTitle));
  EXPECT_EQ(refusals[0].text, u8(texts::kVeeNotBelowRoom1) + "\n" + u8(texts::kVeeNotBelowRoom2));
  EXPECT_EQ(refusals[0].icon, MsgIcon::Critical);
  EXPECT_EQ(refusals[0].beeps, 2);
  EXPECT_EQ(refusals[1].code, -3);
  EXPECT_EQ(refusals[1].text, u8(texts::kVeeTooClose1) + "\n" + u8(texts::kVeeTooCloseC));
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
  EXPECT_EQ(label(w, "LblDB_T"), u8(texts::kRaisedDBCaption));
  EXPECT_EQ(label(w, "LblWB_T"), u8(texts::kRaisedWBCaption));
  EXPECT_EQ(label(w, "LblH_T"), u8(texts::kRaisedHCaption));
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("21.00"));
  EXPECT_EQ(text(w, "TxtFlowRate"), FormatNumber(r[rec::NewFlow], "#,###,##0.0"));
  EXPECT_EQ(text(w, "TxtPower"), FormatNumber(r[rec::NewCoilLoad] / 0.85985547, "#,###,##0.0"));
  EXPECT_EQ(text(w, "TxtReheat"), FormatNumber(r[rec::RaiseReheat] / 0.85985547, "#,###,##0.0"));
  EXPECT_TRUE(watchdog.closed().isEmpty());
}

TEST_F(ResultsScreen, RaiseBelowThePresentOutletIsRefused) {
  // With reheat the present outlet is 17.0 °C: 16 °C is refused.
  ASSERT_EQ(test::runSummerStudy(officeWithReheat()), 0);
  test::ModalWatchdog watchdog;
  FrmPSRes w(nullptr);
  w.show();
  whenModal([&] {
    auto* vee = w.findChild<FrmPSVee*>();
    ASSERT_NE(vee, nullptr);
    QTest::keyClicks(vee->findChild<NumericBox*>("TxtNewTemp"), QStringLiteral("16"));
    QTest::mouseClick(vee->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
    QTest::mouseClick(vee->findChild<QPushButton*>("CmdCancel"), Qt::LeftButton);
  });
  QTest::mouseClick(button(w, "CmdChangeT"), Qt::LeftButton);
  ASSERT_NE(fx.messages.last(), nullptr);
  EXPECT_EQ(fx.messages.last()->code, -2);
  EXPECT_EQ(fx.messages.last()->text,
            u8(texts::kVeeNotAboveOutlet1) + "\n" + u8(texts::kVeeNotAboveOutlet2));
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("17.00"));
}

TEST_F(ResultsScreen, CancelledRaiseChangesNothing) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  const QByteArray before = test::readAll(fx.path("PSY_RES.TMP"));
  test::ModalWatchdog watchdog;
  FrmPSRes w(nullptr);
  w.show();
  whenModal([&] {
    auto* vee = w.findChild<FrmPSVee*>();
    ASSERT_NE(vee, nullptr);
    QTest::keyClicks(vee->findChild<NumericBox*>("TxtNewTemp"), QStringLiteral("21"));
    QTest::mouseClick(vee->findChild<QPushButton*>("CmdCancel"), Qt::LeftButton);
  });
  QTest::mouseClick(button(w, "CmdChangeT"), Qt::LeftButton);
  EXPECT_FALSE(QFile::exists(fx.path("PSY_VEE.TMP")));
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), before);
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("14.70"));
  EXPECT_TRUE(fx.messages.shown().empty());
}

TEST_F(ResultsScreen, RequestFileThatCannotBeWrittenKeepsTheWindowOpen) {
  // A folder in the way of "PSY_VEE.TMP": the accepted value cannot be
  // handed over; the window says so and stays, the results stay.
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  ASSERT_TRUE(QDir(fx.folder()).mkdir(QStringLiteral("PSY_VEE.TMP")));
  const QByteArray before = test::readAll(fx.path("PSY_RES.TMP"));
  test::ModalWatchdog watchdog;
  FrmPSRes w(nullptr);
  w.show();
  bool stayedOpen = false;
  whenModal([&] {
    auto* vee = w.findChild<FrmPSVee*>();
    ASSERT_NE(vee, nullptr);
    QTest::keyClicks(vee->findChild<NumericBox*>("TxtNewTemp"), QStringLiteral("21"));
    QTest::mouseClick(vee->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
    stayedOpen = vee->isVisible();
    QTest::mouseClick(vee->findChild<QPushButton*>("CmdCancel"), Qt::LeftButton);
  });
  QTest::mouseClick(button(w, "CmdChangeT"), Qt::LeftButton);
  EXPECT_TRUE(stayedOpen);
  ASSERT_NE(fx.messages.last(), nullptr);
  EXPECT_EQ(fx.messages.last()->code, -4);
  EXPECT_EQ(test::readAll(fx.path("PSY_RES.TMP")), before);
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("14.70"));
}

TEST_F(ResultsScreen, EnglishStudyAsksForNineDegreesFahrenheit) {
  // Room 78 °F, coil outlet 58.5 °F: 70 °F (8 °F below the room) is refused
  // with the °F wording; the window names °F.
  test::SummerStudy st;
  st.loadUnit = "BTU";
  st.envDB = 95, st.envWB = 75, st.spaDB = 78, st.spaWB = 65;
  st.sens = 40000, st.lat = 8000, st.fresh = 400;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  test::ModalWatchdog watchdog;
  FrmPSRes w(nullptr);
  w.show();
  EXPECT_EQ(label(w, "LblDB_TUn"), u8(texts::kUnitF));
  EXPECT_EQ(label(w, "TxtPUn"), u8(texts::kUnitBtuH));
  EXPECT_EQ(label(w, "LblH_TUn"), u8(texts::kUnitBtuLb));
  QString unit;
  whenModal([&] {
    auto* vee = w.findChild<FrmPSVee*>();
    ASSERT_NE(vee, nullptr);
    unit = vee->findChild<QLabel*>("LblUnit")->text();
    QTest::keyClicks(vee->findChild<NumericBox*>("TxtNewTemp"), QStringLiteral("70"));
    QTest::mouseClick(vee->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
    QTest::mouseClick(vee->findChild<QPushButton*>("CmdCancel"), Qt::LeftButton);
  });
  QTest::mouseClick(button(w, "CmdChangeT"), Qt::LeftButton);
  EXPECT_EQ(unit, u8(texts::kVeeUnitF));
  ASSERT_NE(fx.messages.last(), nullptr);
  EXPECT_EQ(fx.messages.last()->text, u8(texts::kVeeTooClose1) + "\n" + u8(texts::kVeeTooCloseF));
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
  EXPECT_EQ(unit, u8(texts::kUnitWatts));
}

TEST_F(ResultsScreen, DoubleClickOnThePictureShowsTheCoilOutlet) {
  ASSERT_EQ(test::runSummerStudy(officeWithReheat()), 0);
  FrmPSRes w(nullptr);
  w.show();
  auto* image = w.findChild<QLabel*>("Image2");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->toolTip(), u8(texts::kImageHint));
  QTest::mouseDClick(image, Qt::LeftButton);
  ASSERT_NE(fx.messages.last(), nullptr);
  const Message& m = *fx.messages.last();
  // Coil outlet (not the after-reheat state): 9.8 / 9.4 °C, 10.98728 kcal/kg.
  EXPECT_EQ(m.code, kCoilOutletMessage);
  EXPECT_EQ(m.title, u8(texts::kCoilOutTitle));
  EXPECT_EQ(m.text, u8(texts::kCoilOutDB) + "9.8" + u8(texts::kUnitC2) + "\n" +
                        u8(texts::kCoilOutWB) + "9.4" + u8(texts::kUnitC2) + "\n" +
                        u8(texts::kCoilOutH) + "11.0" + u8(texts::kUnitKcalKg2));
  EXPECT_EQ(m.beeps, 2);
}

TEST_F(ResultsScreen, CtrlAltShiftShowsTheCoilDesign) {
  // Reheat case: BF 0.05, dew point 48 °F = 8.9 °C, ESHF of the last line
  // ratio; point T is the coil outlet 9.8 / 9.4 °C.
  ASSERT_EQ(test::runSummerStudy(officeWithReheat()), 0);
  const float eshf = study().LineRatio;
  FrmPSRes w(nullptr);
  w.show();
  QTest::keyClick(&w, Qt::Key_Shift, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& m = *fx.messages.last();
  EXPECT_EQ(m.code, kDiagnosticMessage);
  EXPECT_EQ(m.title, u8(texts::kDiagTitle));
  EXPECT_EQ(m.text, u8(texts::kDiagBF) + "0.05" + "\n" + u8(texts::kDiagESHF) +
                        FormatNumber(eshf, "0.000") + "\n" + u8(texts::kDiagADP) + "8.9" +
                        u8(texts::kDegC) + "\n" + u8(texts::kDiagPointT) + "\n" +
                        u8(texts::kDiagPointTValues) + "9.8" + u8(texts::kSlash) + "9.4");
  // A key with fewer modifiers shows nothing.
  QTest::keyClick(&w, Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(fx.messages.shown().size(), 1u);
}

TEST_F(ResultsScreen, HeatingCaseShowsTheWinterFrame) {
  // Outdoor 5/3 °C, room 21/14 °C, 10 kW, coil outlet chosen at 40 °C.
  test::SummerStudy st = office();
  st.envDB = 5, st.envWB = 3, st.spaDB = 21, st.spaWB = 14, st.lat = 0, st.coilOutTemp = 40;
  ASSERT_EQ(test::runSummerStudy(st), 0);
  study().SummerFlow = 0;  // the data screen restores the summer flow it kept (none)
  ASSERT_TRUE(writeFileAtomically(fx.path("PSY_RES.TMP"), resultsFileBytes(study())));
  FrmPSRes w(nullptr);
  EXPECT_EQ(w.windowTitle(), u8(texts::kHeatingCaption));
  EXPECT_EQ(label(w, "LblPeriod"), u8(texts::kHeatingPeriod));
  EXPECT_FALSE(w.findChild<QGroupBox*>("FraWinter")->isHidden());
  EXPECT_EQ(label(w, "LblWinter"), u8(texts::kWinterTempC));
  EXPECT_EQ(text(w, "TxtWinter"), QStringLiteral("40.0"));
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("40.00"));
  EXPECT_FALSE(button(w, "CmdChangeT")->isEnabled());
  QTest::mouseClick(button(w, "CmdUnitsR"), Qt::LeftButton);
  EXPECT_EQ(label(w, "LblWinter"), u8(texts::kWinterTempF));
  EXPECT_EQ(text(w, "TxtWinter"), QStringLiteral("104.0"));
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
  EXPECT_EQ(q.title, u8(texts::kUnsavedTitle));
  EXPECT_TRUE(q.text.startsWith("\n" + u8(texts::kUnsavedLine1) + "\n"));
  EXPECT_TRUE(q.text.endsWith(u8(texts::kUnsavedLine2)));
  QString expected = u8(texts::kUnsavedLine1) + "\n" + u8(texts::kUnsavedLine2);
  EXPECT_EQ(q.text.trimmed().remove(' '), expected.remove(' '));
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

TEST_F(ResultsScreen, YesSavesThroughTheStudyFileBeforeLeaving) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  int saves = 0;
  setSaveStudyHandler([&](QWidget*) {
    ++saves;
    return true;
  });
  FrmPSRes w(nullptr);
  w.show();
  EXPECT_TRUE(button(w, "CmdSaveD")->isEnabled());
  fx.messages.answer(MsgAnswer::Yes);
  QTest::mouseClick(button(w, "CmdTELOS"), Qt::LeftButton);
  setSaveStudyHandler(nullptr);
  EXPECT_EQ(saves, 1);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.result(), FrmPSRes::kEndRequested);
}

TEST_F(ResultsScreen, SavedStudyLeavesWithoutAQuestion) {
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  study().Unsaved = false;
  FrmPSRes w(nullptr);
  w.show();
  QTest::mouseClick(button(w, "CmdTELOS"), Qt::LeftButton);
  EXPECT_TRUE(fx.messages.shown().empty());
  EXPECT_EQ(w.result(), FrmPSRes::kEndRequested);
  EXPECT_FALSE(QFile::exists(fx.path("PSY_RES.TMP")));
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

TEST_F(ResultsScreen, KeptRaiseIsWorkedOutAgainOnNewResults) {
  // A results file that carries a raise to 21 °C from an earlier calculation
  // (kept for this one) shows the raise computed on these results.
  ASSERT_EQ(test::runSummerStudy(office()), 0);
  StudyState stale = study();
  stale.CoilOutChange = noRaiseRecord();
  stale.CoilOutChange[rec::SupplyDB] = 21.0f;
  stale.CoilOutChange[rec::NewFlow] = 1.0f;  // figures of another calculation
  ASSERT_TRUE(writeFileAtomically(fx.path("PSY_RES.TMP"), resultsFileBytes(stale)));
  FrmPSRes w(nullptr);
  StudyState file;
  ASSERT_TRUE(readResultsFile(test::readAll(fx.path("PSY_RES.TMP")), file).ok);
  EXPECT_FLOAT_EQ(file.CoilOutChange[rec::SupplyDB], 21.0f);
  EXPECT_NEAR(file.CoilOutChange[rec::NewFlow], 5972.1, 2.0);
  EXPECT_EQ(text(w, "TxtDB_T"), QStringLiteral("21.00"));
  EXPECT_EQ(label(w, "LblDB_T"), u8(texts::kRaisedDBCaption));
}
