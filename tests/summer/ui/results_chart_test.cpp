// The results screen's chart button: the chart window opens with the study's
// process and default range; without a readable chart table the user is told
// and the screen stays as it was.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"
#include "chart/ChartData.h"
#include "chart/ChartMessages.h"
#include "chart/ChartTable.h"
#include "chart/PsyDraw.h"
#include "chart/ui/FrmPsyDrawForm.h"
#include "engine/NumberEntry.h"
#include "summer/results_study.h"
#include "summer/ui/FrmPSRes.h"

using namespace aeriton;

namespace {

test::SummerStudy office(float latent) {
  test::SummerStudy st;
  st.envDB = 35, st.envWB = 24, st.spaDB = 26, st.spaWB = 18.5f;
  st.sens = 10000, st.lat = latent, st.fresh = 600;
  return st;
}

class ResultsChart : public ::testing::Test {
 protected:
  void SetUp() override {
    chart::resetChart();
    setSeparators(Separators{'.', ','});
  }
  void TearDown() override { chart::resetChart(); }
  QPushButton* plot(QWidget& w) { return w.findChild<QPushButton*>("CmdPSPlot"); }
  test::ProgramFolderFixture fx;
};

}  // namespace

// A metric study with reheat: the chart window opens maximised on the cooling
// range, with the study's points; closing it returns to the results.
TEST_F(ResultsChart, OpensTheChartOfTheStudy) {
  test::writeAll(fx.path("Data.dat"), chart::chartDataFileBytes());
  ASSERT_EQ(test::runSummerStudy(office(6000)), 0);
  test::ModalWatchdog watchdog;
  summer::FrmPSRes w(nullptr);
  w.show();
  ASSERT_NE(plot(w), nullptr);
  EXPECT_TRUE(plot(w)->isEnabled());
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* c = qobject_cast<chart::frmPsyDrawForm*>(QApplication::activeModalWidget());
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([c] { return c->canvas()->drawings() > 0; }, 5000));
    seen = true;
    EXPECT_EQ(c->windowTitle(), "Psychrometric Diagram");
    EXPECT_TRUE(c->windowState() & Qt::WindowMaximized);
    const chart::ChartModule& m = chart::chartModule();
    EXPECT_EQ(m.Process.Kind, 2);
    EXPECT_EQ(m.ChartMinTemp, -13);
    EXPECT_EQ(m.ChartMaxTemp, 54);
    EXPECT_EQ(m.ChartMaxAbsHum, 60);
    EXPECT_FLOAT_EQ(static_cast<float>(m.Process.point[chart::kPointN].DryBulb), 35.0f);
    EXPECT_TRUE(chart::lastDrawing().pointDrawn[chart::kPointS]);
    c->accept();
  });
  QTest::mouseClick(plot(w), Qt::LeftButton);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(w.loaded());
  EXPECT_TRUE(fx.messages.shown().empty());
  EXPECT_TRUE(watchdog.closed().isEmpty());
}

// No "Data.dat", then a short one: the message names the file and says what
// is wrong with it; no chart window opens, the results stay.
TEST_F(ResultsChart, MissingOrShortTableIsReportedAndNothingOpens) {
  ASSERT_EQ(test::runSummerStudy(office(2000)), 0);
  test::ModalWatchdog watchdog;
  summer::FrmPSRes w(nullptr);
  w.show();
  const QString before = w.findChild<QLineEdit*>("TxtDB_T")->text();

  QTest::mouseClick(plot(w), Qt::LeftButton);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& m = fx.messages.shown()[0];
  EXPECT_EQ(m.code, chart::kChartDataMessage);
  EXPECT_EQ(m.title, QString::fromUtf8("...! ΠΡΟΣΟΧΗ !.."));
  EXPECT_TRUE(m.text.contains(QString::fromUtf8("ΔΕΝ βρέθηκε το Αρχείο < Data.dat >")))
      << m.text.toStdString();
  EXPECT_TRUE(m.text.contains(QDir::toNativeSeparators(fx.path("Data.dat"))));
  EXPECT_EQ(m.icon, MsgIcon::Critical);

  const QByteArray table = chart::chartDataFileBytes();
  test::writeAll(fx.path("Data.dat"), table.left(table.size() / 2));
  QTest::mouseClick(plot(w), Qt::LeftButton);
  ASSERT_EQ(fx.messages.shown().size(), 2u);
  EXPECT_TRUE(fx.messages.shown()[1].text.contains(QString::fromUtf8("είναι ελλιπές")));

  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.findChild<QLineEdit*>("TxtDB_T")->text(), before);
  EXPECT_TRUE(watchdog.closed().isEmpty());
}

// The results file gone from under the screen: said so, no chart.
TEST_F(ResultsChart, UnreadableResultsAreReported) {
  test::writeAll(fx.path("Data.dat"), chart::chartDataFileBytes());
  ASSERT_EQ(test::runSummerStudy(office(2000)), 0);
  test::ModalWatchdog watchdog;
  summer::FrmPSRes w(nullptr);
  w.show();
  QFile::remove(fx.path("PSY_RES.TMP"));
  QTest::mouseClick(plot(w), Qt::LeftButton);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.shown()[0].code, chart::kChartResultsMessage);
  EXPECT_TRUE(fx.messages.shown()[0].text.contains("PSY_RES.TMP"));
  EXPECT_TRUE(watchdog.closed().isEmpty());
}
