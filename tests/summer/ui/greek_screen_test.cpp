// A summer study typed and calculated on the data screen under Greek regional
// settings, with decimals typed with either decimal key: the calculation runs,
// its files hold ".", the results screen shows the Greek separators.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"
#include "study/StudyState.h"
#include "summer/ui/FrmPsyDat.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

class GreekSummerScreen : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(test::GreekLocale::cLibraryUsesComma());
    // What start-up does: the separators of the user's locale.
    setSeparators(detectSeparators(QLocale()));
    ASSERT_EQ(separators().decimal, QLatin1Char(','));
    study().Title = QString::fromUtf8("Γραφεία Πάτρας");
    screen = std::make_unique<FrmPsyDat>();
    screen->show();
    QApplication::setActiveWindow(screen.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
  }
  void TearDown() override {
    screen.reset();
    setSeparators(Separators{});
  }
  NumericBox* box(const char* name) {
    auto* b = screen->findChild<NumericBox*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  void type(const char* name, const QString& keys) {
    NumericBox* b = box(name);
    b->setFocus(Qt::TabFocusReason);
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

  test::GreekLocale greek;
  test::ProgramFolderFixture fx;
  test::ModalWatchdog watchdog;
  std::unique_ptr<FrmPsyDat> screen;
};

}  // namespace

TEST_F(GreekSummerScreen, StudyWithDecimalsIsCalculatedEndToEnd) {
  auto* units = screen->findChild<QComboBox*>("CboUnits");
  units->setCurrentIndex(1);  // kcal/h
  screen->CboUnits_Click(1);
  // The main keyboard's "." and the "," both type the decimal comma.
  stateByRH("TxtEnvDB", "TxtEnvRH", "36", "25");
  EXPECT_EQ(box("TxtEnvWB")->text(), "20,9");
  stateByRH("TxtSpaDB", "TxtSpaRH", "26", "50.5");
  EXPECT_EQ(box("TxtSpaRH")->text(), "50,5");
  type("TxtSens", "30000.5");
  EXPECT_EQ(box("TxtSens")->text(), "30.000,50");
  type("TxtLat", "2500,5");
  type("TxtAmount", "1250.5");
  EXPECT_EQ(box("TxtAmount")->text(), "1.250,5");

  QByteArray dat, res;
  QStringList shown;
  int opened = 0;
  QTimer closer;
  closer.setInterval(30);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || w->objectName() != "FrmPSRes") return;
    ++opened;
    dat = test::readAll(fx.path("PSY_DAT.TMP"));
    res = test::readAll(fx.path("PSY_RES.TMP"));
    for (const char* name : {"TxtEnvDB", "TxtSpaWB", "TxtSens", "TxtFlowRate"})
      if (auto* e = w->findChild<QLineEdit*>(name)) shown << e->text();
    study().Unsaved = false;
    w->close();
  });
  closer.start();
  QTest::mouseClick(screen->findChild<QPushButton*>("CmdAeriton"), Qt::LeftButton);
  closer.stop();

  ASSERT_TRUE(fx.messages.shown().empty()) << fx.messages.shown().front().text.toStdString();
  ASSERT_EQ(opened, 1);
  EXPECT_EQ(test::readAll(fx.path("SUM_KCALH.tmp")), QByteArray("30000.5,2500.5\r\n"));
  const QList<QByteArray> d = dat.split('\n');
  ASSERT_EQ(d.size(), 9) << dat.toStdString();
  EXPECT_EQ(d[0], "\"AAA_NA\",0\r");
  EXPECT_TRUE(d[2].startsWith("26,") && d[2].endsWith(",50.5\r")) << d[2].toStdString();
  EXPECT_EQ(d[3], "30000.5,2500.5\r");
  EXPECT_EQ(d[4], "1250.5,0\r");
  EXPECT_EQ(d[7], "1250.5\r");
  const QList<QByteArray> r = res.split('\n');
  ASSERT_EQ(r.size(), 15) << res.toStdString();
  EXPECT_EQ(r[6], "30000.5,2500.5\r");
  // The results screen shows the study with the Greek separators.
  ASSERT_EQ(shown.size(), 4);
  EXPECT_EQ(shown[0], "36,0");
  EXPECT_TRUE(shown[1].contains(',')) << shown[1].toStdString();
  EXPECT_EQ(shown[2], "30.000,50");
  EXPECT_TRUE(shown[3].contains('.')) << shown[3].toStdString();  // a flow in the thousands
}
