// aeriton-calc as its own process: the calculate button's results, clear errors for bad input.

#include <gtest/gtest.h>

#include <QProcess>

#include "CalcProcess.h"
#include "TestSupport.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/SummerChecks.h"
#include "summer/SummerRun.h"

using namespace aeriton;

namespace aeriton_calc_tests {
namespace {

using test::CalcRun;
using test::crlfLines;
using test::runCalc;

struct ScreenCase {
  const char* name;
  const char* unit;
  int kind;
  bool perCent;
  float envDB, envWB, spaDB, spaWB, spaRH;
  double sens, lat;
  float fresh;
};

}  // namespace

// aeriton-calc on the button's PSY_DAT.TMP prints its PSY_RES.TMP byte for byte.
class CalcSameAsScreen : public ::testing::TestWithParam<ScreenCase> {};
TEST_P(CalcSameAsScreen, ResultsFileIdentical) {
  const ScreenCase c = GetParam();
  test::ProgramFolderFixture fx;
  summer::SummerRunInput in;
  in.loadUnit = QString::fromLatin1(c.unit);
  in.envDB = c.envDB, in.envWB = c.envWB, in.envRH = 40;
  in.spaDB = c.spaDB, in.spaWB = c.spaWB, in.spaRH = c.spaRH;
  in.sensible = c.sens, in.latent = c.lat;
  in.kindIndex = c.kind, in.perCentMode = c.perCent;
  in.amount = in.perCent = c.fresh;
  summer::ZeroVariables(study());
  const summer::RunOutcome screen = summer::runCalculation(in, study());
  ASSERT_TRUE(screen.ok()) << screen.code;
  const QByteArray expected = test::readAll(fx.path("PSY_RES.TMP"));

  const CalcRun r = runCalc({fx.path("PSY_DAT.TMP")});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, expected);

  // With -o the same bytes go to the file, nothing to standard output.
  const CalcRun o = runCalc({fx.path("PSY_DAT.TMP"), QStringLiteral("-o"), fx.path("out.res")});
  EXPECT_EQ(o.exitCode, 0);
  EXPECT_TRUE(o.out.isEmpty());
  EXPECT_EQ(test::readAll(fx.path("out.res")), expected);
}
INSTANTIATE_TEST_SUITE_P(Studies, CalcSameAsScreen,
                         ::testing::Values(ScreenCase{"english_percent", "BTU", 0, true, 95, 75, 78,
                                                      65, 50, 100000, 20000, 30},
                                           ScreenCase{"metric_kw_humid", "KW", 0, false, 35, 27, 26,
                                                      22, 72, 30, 8, 1500},
                                           ScreenCase{"metric_btuh_dpf", "BTUh", 3, false, 35, 24,
                                                      26, 18, 45, 0, 0, 3000}),
                         [](const auto& info) { return std::string(info.param.name); });

// A refused study: exit 1, the Greek message on standard error, no results.
TEST(CalcExe, RefusalPrintsMessageAndWritesNothing) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("paf.dat"),
                 crlfLines({"\"NA_PAF\",1", "95,82,58", "78,65,50", "100000,0", "4000,0",
                            "0,1,0,-100000,0", "0,0,1,2,\"C\"", "4000"}));
  const CalcRun r = runCalc({fx.path("paf.dat"), QStringLiteral("-o"), fx.path("out.res")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_EQ(QString::fromUtf8(r.err).trimmed(),
            QString::fromUtf8(
                u8"... Η Ποσότητα του Νωπού Αέρα, είναι μάλλον υπερβολική : ΕΛΕΓΞΤΕ ΤΗΝ !..."));
  EXPECT_FALSE(QFile::exists(fx.path("out.res")));
}

// A binary data file: exit 3 and an error naming the file and line.
TEST(CalcExe, BadFileGivesClearErrorAndExitCode) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("bad.dat"), QByteArray("\x01\x02\x03\xff\xfe"));
  const CalcRun r = runCalc({fx.path("bad.dat"), QStringLiteral("-o"), fx.path("out.res")});
  EXPECT_EQ(r.exitCode, 3);
  const QString err = QString::fromUtf8(r.err);
  EXPECT_TRUE(err.contains(QStringLiteral("bad.dat"))) << err.toStdString();
  EXPECT_TRUE(err.contains(QString::fromUtf8(u8"γραμμή 2"))) << err.toStdString();
  EXPECT_FALSE(QFile::exists(fx.path("out.res")));
}

TEST(CalcExe, MissingFileAndBadCommandLine) {
  test::ProgramFolderFixture fx;
  const CalcRun missing = runCalc({fx.path("nothing.dat")});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_TRUE(missing.err.contains("nothing.dat"));
  const CalcRun unknown = runCalc({QStringLiteral("--frobnicate")});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.err,
            "aeriton-calc: Unknown option 'frobnicate'.\nTry 'aeriton-calc --help'.\n");
  EXPECT_EQ(runCalc({QStringLiteral("a.dat"), QStringLiteral("-o")}).exitCode, 2);
  // An option given twice, or two data files, is refused before any file is read.
  const CalcRun twice = runCalc({"a.dat", "-o", "x.res", "-o", "y.res"});
  EXPECT_EQ(twice.exitCode, 2);
  EXPECT_TRUE(twice.err.startsWith("aeriton-calc: -o given twice\n")) << twice.err.toStdString();
  const CalcRun chartTwice = runCalc({"a.dat", "--chart", "x.png", "--chart", "y.png"});
  EXPECT_TRUE(chartTwice.err.startsWith("aeriton-calc: --chart given twice\n"));
  const CalcRun twoFiles = runCalc({"a.dat", "b.dat"});
  EXPECT_EQ(twoFiles.exitCode, 2);
  EXPECT_TRUE(twoFiles.err.startsWith("aeriton-calc: more than one data file\n"));
}

// Winter file, summer flow 1000 CFM: 68 + 77760 / (1.08 · 1000) = 140 °F > 131 °F asks;
// --yes answers it, without it the study is refused.
TEST(CalcExe, WinterFileAsksAboutHotSupplyAir) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("w.dat"),
                 crlfLines({"\"AAA_NA\",1", "20,18,80", "68,55,40", "77760,0", "200,0",
                            "0,0,1,-10000,1000", "1,0,0,0,\"C\"", "200"}));
  const CalcRun no = runCalc({fx.path("w.dat"), QStringLiteral("-o"), fx.path("no.res")});
  EXPECT_EQ(no.exitCode, 1);
  EXPECT_TRUE(QString::fromUtf8(no.err).contains(QString::fromUtf8(u8"μεγαλύτερη των 54 [°C]")))
      << no.err.toStdString();
  EXPECT_FALSE(QFile::exists(fx.path("no.res")));

  const CalcRun yes = runCalc({fx.path("w.dat"), QStringLiteral("--yes")});
  ASSERT_EQ(yes.exitCode, 0) << yes.err.toStdString();
  const QList<QByteArray> l = yes.out.split('\n');
  ASSERT_EQ(l.size(), 15);
  EXPECT_TRUE(l[5].startsWith("140,")) << l[5].toStdString();  // supply dry bulb
  EXPECT_EQ(l[10], "0,0,1,140,1000\r");
}

// 100 % fresh air taking the loads with outdoor air far drier than the room
// (38 °C / 20 % against 26 °C / 55 %, 20 000 / 500 kcal/h, 1000 m³/h): a dry
// coil, not a refusal. The same bytes as the calculate button's path; coil
// outlet 17.3 °C at the outdoor moisture, 7959.4 m³/h, 47 700 kcal/h (the hand
// computation stands in the summer calculation's tests).
TEST(CalcExe, FreshAirUnitWithDryOutdoorAirGivesResults) {
  test::ProgramFolderFixture fx;
  const QByteArray data = crlfLines({"\"NA_PAF\",0", "38,20.8,20", "26,19.5,55", "20000,500",
                                     "1000,0", "1,1,0,-100000,0", "0,0,1,2,\"C\"", "1000"});
  test::writeAll(fx.path("paf.dat"), data);
  const CalcRun r = runCalc({fx.path("paf.dat")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();

  StudyState expected;
  summer::ZeroVariables(expected);  // as the calculate button starts
  ASSERT_TRUE(summer::calculateData(data, expected).ok());
  EXPECT_EQ(r.out, resultsFileBytes(expected));

  StudyState out;
  ASSERT_TRUE(readResultsFile(r.out, out).ok);
  EXPECT_FLOAT_EQ(out.DB_T, 17.3f);
  EXPECT_FLOAT_EQ(out.SupplyFlow, 7959.4f);
  EXPECT_NEAR(out.CoilLoad, 47700, 1);
  EXPECT_GT(out.CoilLoad, 0);
  EXPECT_FLOAT_EQ(out.FreshLatLoad, 0);  // the coil removes no water
  EXPECT_FLOAT_EQ(out.Reheat, 0);
  EXPECT_EQ(out.DB_S, kNotComputed);
  EXPECT_FLOAT_EQ(out.SpaRH, 55);  // the room as entered
}

// 100 % fresh air taking the loads, with more fresh air than they need
// (outdoor 105/80 °F, room 75/64 °F, 20000 / 10000 Btu/h, 2000 CFM): the
// supply is the fresh air, its coil dew point comes from the moisture the
// supply may carry (53.71 °F) and a reheat brings it to the temperature that
// holds the room. Coil outlet 56.275 °F (wet bulb 55.416 °F, from pw =
// 29.921·0.0091401/0.6315233 = 0.43305 between Carrier's 0.42186 at 55 °F and
// 0.44879 at 56 °F), after the reheat 65.741 °F (wet bulb 59 °F, Carrier
// 0.43049 within 0.005), reheat 20446 Btu/h, coil load 176620 Btu/h, coil duty
// 105246 / 68328 Btu/h (the hand computation stands in the summer
// calculation's tests). The same bytes as the calculate button's path.
TEST(CalcExe, FreshAirUnitWithExcessFreshAirIsReheatedToHoldTheRoom) {
  test::ProgramFolderFixture fx;
  const QByteArray data = crlfLines({"\"NA_PAF\",1", "105,80,34.06", "75,64,55.08", "20000,10000",
                                     "2000,0", "0,1,0,-100000,0", "0,0,1,2,\"C\"", "2000"});
  test::writeAll(fx.path("paf.dat"), data);
  const CalcRun r = runCalc({fx.path("paf.dat")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();

  StudyState expected;
  summer::ZeroVariables(expected);  // as the calculate button starts
  ASSERT_TRUE(summer::calculateData(data, expected).ok());
  EXPECT_EQ(r.out, resultsFileBytes(expected));

  const QList<QByteArray> l = r.out.split('\n');
  ASSERT_EQ(l.size(), 15);
  EXPECT_EQ(l[3], "105,80,43.28\r");                    // mixed air: the outdoor air
  EXPECT_EQ(l[4], "56.3,55.4,23.43\r");                 // coil outlet
  EXPECT_EQ(l[5], "65.7,59,25.74\r");                   // after the reheat
  EXPECT_EQ(l[8], "2000,176620,105246,68328,20446\r");  // CFMsa, QC, coil duty, REH
  EXPECT_EQ(l[11], "2000\r");                           // all of it fresh air

  // The supply after the reheat takes the room's 20000 Btu/h sensible load.
  StudyState out;
  ASSERT_TRUE(readResultsFile(r.out, out).ok);
  EXPECT_NEAR(1.08 * out.SupplyFlow * (out.SpaDB - out.DB_S), 20000, 1.08 * 2000 * 0.05);
}

}  // namespace aeriton_calc_tests
