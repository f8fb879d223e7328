// A winter study typed and calculated on the data screen under Greek regional
// settings, decimals typed with either decimal key: the calculation runs (it
// used to blame the data with a range message), its files hold ".", the
// results screen shows the Greek separators.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"
#include "shell/ui/ShellUiSupport.h"
#include "study/StudyState.h"
#include "winter/ui/FrmPsyDaW.h"

using namespace aeriton;
using namespace aeriton::winter;

namespace {

class GreekWinterScreen : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(test::GreekLocale::cLibraryUsesComma());
    setSeparators(detectSeparators(QLocale()));
    ASSERT_EQ(separators().decimal, QLatin1Char(','));
    study().Title = QString::fromUtf8("Σχολείο Φλώρινας");
    FrmPsyDaW::setResultsOpener(nullptr);  // the real results screen
    screen = std::make_unique<FrmPsyDaW>(nullptr);
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
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Backspace);
    QTest::keyClicks(b, keys);
    b->clearFocus();
  }
  void click(const char* name) {
    QTest::mouseClick(screen->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
  }

  test::GreekLocale greek;
  test::ProgramFolderFixture fx;
  test::ModalWatchdog watchdog;
  std::unique_ptr<FrmPsyDaW> screen;
};

}  // namespace

TEST_F(GreekWinterScreen, StudyWithDecimalsIsCalculatedEndToEnd) {
  click("CmdRHn");
  type("TxtEnvDB", "-2.5");
  type("TxtEnvRH", "82,5");
  EXPECT_EQ(box("TxtEnvDB")->text(), "-2,5");
  EXPECT_EQ(box("TxtEnvRH")->text(), "82,5");
  click("CmdRHx");
  type("TxtSpaDB", "20.5");
  type("TxtSpaRH", "45.5");
  type("TxtSens", "12500");
  EXPECT_EQ(box("TxtSens")->text(), "12.500");
  type("TxtAmount", "350");

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
    for (const char* name : {"TxtEnvDB", "TxtSpaDB", "TxtFlowRate"})
      if (auto* e = w->findChild<QLineEdit*>(name)) shown << e->text();
    study().Unsaved = false;
    w->close();
  });
  closer.start();
  click("CmdAeriton");
  closer.stop();

  ASSERT_TRUE(fx.messages.shown().empty()) << fx.messages.shown().front().text.toStdString();
  ASSERT_EQ(opened, 1);
  const QList<QByteArray> d = dat.split('\n');
  ASSERT_EQ(d.size(), 9) << dat.toStdString();
  EXPECT_TRUE(d[1].startsWith("-2.5,") && d[1].endsWith(",82.5\r")) << d[1].toStdString();
  EXPECT_TRUE(d[2].startsWith("20.5,") && d[2].endsWith(",45.5\r")) << d[2].toStdString();
  EXPECT_EQ(d[4], "350,0\r");
  EXPECT_EQ(d[5], "1,0,1,45,0\r");
  const QList<QByteArray> r = res.split('\n');
  ASSERT_EQ(r.size(), 15) << res.toStdString();
  EXPECT_EQ(r[1], d[1]);
  ASSERT_EQ(shown.size(), 3);
  EXPECT_EQ(shown[0], "-2,5");
  EXPECT_EQ(shown[1], "20,5");
  EXPECT_FALSE(shown[2].isEmpty());
}

// The title button hands the climate and the load over in "PSDATA.TMP": the
// values as shown, in the files' form ("." and no grouping).
TEST_F(GreekWinterScreen, TitleButtonWritesTheShownValuesWithAPoint) {
  click("CmdRHn");
  type("TxtEnvDB", "-2.5");
  type("TxtEnvRH", "82,5");
  click("CmdRHx");
  type("TxtSpaDB", "20.5");
  type("TxtSpaRH", "45.5");
  type("TxtSens", "12500");
  const QString envWB = box("TxtEnvWB")->text();
  ASSERT_TRUE(envWB.contains(',')) << envWB.toStdString();
  test::onModal("FrmThemaInd", [](QWidget* w) { w->close(); });
  click("CmdThema");
  QString plainWB = envWB;
  plainWB.replace(',', '.');
  const QByteArray expected = "\"-2.5\",\"" + plainWB.toLatin1() + "\",\"82.5\"\r\n";
  const QByteArray bytes = test::readAll(fx.path("PSDATA.TMP"));
  EXPECT_TRUE(bytes.startsWith(expected)) << bytes.toStdString();
  EXPECT_TRUE(bytes.endsWith("\r\n\"12500\"\r\n")) << bytes.toStdString();
}
