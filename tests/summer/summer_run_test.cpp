// The calculate button's work after its checks: the exchange files written
// byte for byte, the unit systems, and the heating hand-over.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/CalcMessages.h"
#include "summer/SummerChecks.h"
#include "summer/SummerRun.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace summer_run_tests {
namespace {

QByteArray lines(std::initializer_list<const char*> ls) {
  QByteArray b;
  for (const char* l : ls) b.append(l).append("\r\n");
  return b;
}

SummerRunInput englishOffice(int kind) {
  SummerRunInput in;
  in.loadUnit = QStringLiteral("BTU");
  in.envDB = 95, in.envWB = 75, in.envRH = 40;
  in.spaDB = 78, in.spaWB = 65, in.spaRH = 50;
  in.sensible = 100000, in.latent = 20000;
  in.kindIndex = kind;
  in.amount = 1000;
  return in;
}

}  // namespace

// Full recirculation, English units, every file byte for byte.
//   SUM_KCALH: 100000 / 3.9709229469299316 = 25183.0623098123 kcal/h
//   ADP 55, CFMsa 4736, mixed = room; DBc = 55 + 0.15·23 = 58.45 -> 58.5,
//   WBc 56.63 -> 56.6, Hc = 29.8803 − 120000/(4.45·4736.19) = 24.19; QC 120000.
TEST(SummerRunFiles, RecirculationEnglishByteForByte) {
  test::ProgramFolderFixture fx;
  StudyState& s = study();
  ZeroVariables(s);
  const RunOutcome out = runCalculation(englishOffice(1), s);
  ASSERT_TRUE(out.ok()) << out.code << " " << out.detail.toStdString();
  EXPECT_EQ(test::readAll(fx.path("SUM_KCALH.tmp")),
            QByteArray("25183.0623098123,5036.61246196246\r\n"));
  EXPECT_EQ(test::readAll(fx.path("PSY_DAT.TMP")),
            lines({"\"AA_100\",1", "95,75,40", "78,65,50", "100000,20000", "0,0", "0,1,0,-100000,0",
                   "0,1,0,0,\"C\"", ".1"}));
  EXPECT_EQ(
      test::readAll(fx.path("PSY_RES.TMP")),
      lines(
          {"\"AA_100\",1", "95,75,40", "78,65,50", "78,65,29.88", "58.5,56.6,24.19",
           "-100000,-100000,-100000", "100000,20000", "0,0", "4736,120000,0,0,0", "0,1,0,0,\"C\"",
           "0,1,0,0,0", ".1",
           "-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,0,0,0",
           "0,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,"
           "-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,"
           "-100000,-100000,-100000,-100000,-100000,-100000"}));
  EXPECT_TRUE(s.Unsaved);
}

// Metric mixing study in Watts: the data file carries kcal/h.
//   10000 W · 0.8598554730415344 = 8598.55473041534 kcal/h (single 8598.555)
TEST(SummerRunFiles, MetricWattsDataFile) {
  test::ProgramFolderFixture fx;
  SummerRunInput in;
  in.loadUnit = QStringLiteral("WATT");
  in.envDB = 35, in.envWB = 24, in.envRH = 40.5f;
  in.spaDB = 26, in.spaWB = 18, in.spaRH = 45;
  in.sensible = 10000, in.latent = 2500;
  in.kindIndex = 0;
  in.amount = 850;
  in.perCent = 20;  // not the selected mode: ignored
  StudyState& s = study();
  ZeroVariables(s);
  const RunOutcome out = runCalculation(in, s);
  ASSERT_TRUE(out.ok()) << out.code;
  EXPECT_EQ(test::readAll(fx.path("SUM_KCALH.tmp")),
            QByteArray("8598.55473041534,2149.63868260384\r\n"));
  EXPECT_EQ(test::readAll(fx.path("PSY_DAT.TMP")),
            lines({"\"AAA_NA\",0", "35,24,40.5", "26,18,45", "8598.555,2149.639", "850,0",
                   "1,1,0,-100000,0", "1,0,0,0,\"C\"", "850"}));
  const QList<QByteArray> l = test::readAll(fx.path("PSY_RES.TMP")).split('\n');
  ASSERT_EQ(l.size(), 15);
  EXPECT_EQ(l[5], "-100000,-100000,-100000\r");  // no reheat: the marker is never converted
  EXPECT_EQ(l[11], "850\r");                     // 850 m³/h = 500 CFM, back unchanged
  EXPECT_EQ(s.MetricCode, 1);
}

// A refused calculation writes no results file and hands back the message.
TEST(SummerRunFiles, RefusalWritesNoResults) {
  test::ProgramFolderFixture fx;
  SummerRunInput in = englishOffice(2);  // "NA_PAF"
  in.envWB = 82, in.envRH = 58;
  in.latent = 0;
  in.amount = 4000;
  const RunOutcome out = runCalculation(in, study());
  EXPECT_EQ(out.code, -15);
  EXPECT_EQ(out.message.title, QString::fromUtf8(u8"*** Π Ρ Ο Σ Ο Χ Η *** "));
  EXPECT_TRUE(QFile::exists(fx.path("PSY_DAT.TMP")));
  EXPECT_FALSE(QFile::exists(fx.path("PSY_RES.TMP")));
}

// The same design in metric load units and in English: 35/24 °C = 95/75.2 °F,
// 26/18 °C = 78.8/64.4 °F, 1700 m³/h = 1000 CFM, 100000 / 20000 Btu/h.
TEST(SummerUnits, SameDesignAsEnglish) {
  test::ProgramFolderFixture fx;
  SummerRunInput e;
  e.loadUnit = QStringLiteral("BTU");
  e.envDB = 95, e.envWB = 75.2f, e.envRH = 40;
  e.spaDB = 78.8f, e.spaWB = 64.4f, e.spaRH = 45;
  e.sensible = 100000, e.latent = 20000, e.amount = 1000;
  StudyState eng;
  ASSERT_TRUE(runCalculation(e, eng).ok());
  for (const char* u : {"WATT", "RT", "BTUh"}) {
    const QString unit = QString::fromLatin1(u);
    auto typed = [&](double btu) {
      if (unit == QLatin1String("WATT")) return btu / 3.970923 / 0.8598555;
      return unit == QLatin1String("RT") ? btu / 12000.0 : btu;
    };
    SummerRunInput m;
    m.loadUnit = unit;
    m.envDB = 35, m.envWB = 24, m.envRH = 40;
    m.spaDB = 26, m.spaWB = 18, m.spaRH = 45;
    m.sensible = typed(100000), m.latent = typed(20000), m.amount = 1700;
    StudyState met;
    ASSERT_TRUE(runCalculation(m, met).ok()) << u;
    EXPECT_EQ(met.MetricCode, unit == QLatin1String("BTUh") ? 32 : 1);
    EXPECT_NEAR(met.SupplyFlow / 1.7, eng.SupplyFlow, 0.001 * eng.SupplyFlow + 0.1) << u;
    EXPECT_NEAR(met.CoilLoad * 3.970923, eng.CoilLoad, 0.001 * eng.CoilLoad) << u;
    EXPECT_NEAR(met.DB_T * 1.8 + 32, eng.DB_T, 0.1) << u;
    EXPECT_NEAR(met.WB_T * 1.8 + 32, eng.WB_T, 0.1) << u;
    EXPECT_NEAR(met.h_T / (0.2518301785 / 0.45359), eng.h_T, 0.01) << u;
    EXPECT_NEAR(met.ADP, eng.ADP, 0.01) << u;  // stays in °F
  }
}

// Data files the calculation refuses to read, with the line named.
TEST(SummerBadData, RefusedWithLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"AAA_NA\",1\r\n95,75,40\r\n78,65\r\n", u8"γραμμή 4"},
      {"\"AAA_NA\",5\r\n95,75,40\r\n78,65,50\r\n1,2\r\n1,0\r\n7,1,0,-100000,0\r\n1,0,0,0,"
       "\"C\"\r\n1\r\n",
       u8"γραμμές 1 και 6"},
      {"\"AAA_NA\",1\r\n95,75,40\r\n78,65,50\r\n1,2\r\n1,0\r\n0,1,0,-100000,0\r\n1,0,0,0,"
       "\"X\"\r\n1\r\n",
       u8"γραμμή 7"},  // unknown fresh-air mode
      {"", u8"γραμμή 1"}};
  for (const auto& [bytes, says] : cases) {
    StudyState s;
    const RunOutcome out = calculateData(QByteArray(bytes), s);
    EXPECT_EQ(out.message.code, kCodeBadData);
    EXPECT_TRUE(out.detail.contains(QString::fromUtf8(says))) << out.detail.toStdString();
    EXPECT_TRUE(out.message.text.contains(out.detail));
  }
}

// A heating data file: outdoor 0 °C, room 20 °C (68 °F), 8598.555 kcal/h =
// 34144.2 Btu/h, with the given fresh air (m³/h) and line 6 (coil outlet, summer flow).
QByteArray heatingFile(const char* amount, const char* line6) {
  const QByteArray a(amount);
  return lines({"\"AAA_NA\",0", "0,-1,80", "20,14,50", "8598.555,0", (a + ",0").constData(), line6,
                "1,0,0,0,\"C\"", a.constData()});
}

// Chosen coil outlet 45 °C = 113 °F -> 34144.2/(1.08·45) = 702.6 -> 703 CFM = 1195.1 m³/h.
TEST(SummerHeating, ChosenCoilOutletGivesFlow) {
  StudyState s;
  const RunOutcome out = calculateData(heatingFile("500", "1,0,1,45,0"), s);
  ASSERT_TRUE(out.ok()) << out.code;
  EXPECT_TRUE(out.heating);
  EXPECT_FLOAT_EQ(s.DB_S, 45);
  EXPECT_FLOAT_EQ(s.SupplyFlow, 1195.1f);
  EXPECT_FLOAT_EQ(s.HighHumid[kHighHumidityValues - 1], s.HumidWaterKg);
}

// Neither coil outlet nor summer flow: refused, not computed from the marker.
TEST(SummerHeating, WithoutCoilOutletOrFlowRefused) {
  StudyState s;
  const RunOutcome out = calculateData(heatingFile("500", "1,0,1,-100000,0"), s);
  EXPECT_EQ(out.message.code, kCodeHeatingUnset);
  EXPECT_EQ(out.message.title, QString::fromUtf8(u8"...!! ΠΡΟΣΟΧΗ !!..."));
  EXPECT_TRUE(
      out.message.text.endsWith(QString::fromUtf8(u8"... Οι Υπολογισμοί ΔΕΝ θα γίνουν ...")));
}

// Summer flow 700 m³/h: 68 + 34144/(1.08·411.8) = 144.8 °F asks through the
// message service; declined, it ends without a further message.
TEST(SummerHeating, HotSupplyQuestionThroughMessages) {
  test::ProgramFolderFixture fx;
  fx.messages.answer(MsgAnswer::No);
  StudyState s;
  const RunOutcome out =
      calculateData(heatingFile("100", "1,0,1,-10000,700"), s, askThroughMessages());
  EXPECT_EQ(out.code, -100);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.shown()[0].code, -102);
  EXPECT_EQ(fx.messages.shown()[0].defaultButton, MsgAnswer::No);
  EXPECT_TRUE(fx.messages.shown()[0].text.contains(QStringLiteral("(-> 62.7 [")));
  EXPECT_TRUE(out.message.text.isEmpty());
}

// Summer flow 100 m³/h: 68 + 34144/(1.08·58.8) = 605.7 °F > 150 °F -> refused, no question.
TEST(SummerHeating, SupplyAbove150Refused) {
  test::ProgramFolderFixture fx;
  StudyState s;
  const RunOutcome out =
      calculateData(heatingFile("50", "1,0,1,-10000,100"), s, askThroughMessages());
  EXPECT_TRUE(fx.messages.shown().empty());
  EXPECT_EQ(out.message.code, -100);
  EXPECT_EQ(out.message.title, QString::fromUtf8(u8"*** ΑΠΑΡΑΔΕΚΤΗ ΘΕΡΜΟΚΡΑΣΙΑ *** "));
  EXPECT_EQ(
      out.message.text,
      QString::fromUtf8(
          u8"... Η Θερμοκρασία εξόδου του Αέρα στους Χώρους, είναι μεγαλύτερη των 65 [°C] ...\n"
          u8"... Πρέπει να αυξήσετε την παροχή Αέρα από το Καλοκαίρι ...\n"
          u8"         \n"
          u8"... Οι Υπολογισμοί ΔΕΝ θα γίνουν ..."));
}

}  // namespace summer_run_tests
