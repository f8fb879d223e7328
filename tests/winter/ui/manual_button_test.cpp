// The manual button of both data screens (the winter screen's library links
// the summer one, so both are driven here): a click hands the delivered manual
// to the desktop; without the file, or without a PDF viewer, both screens show
// the same message.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "TestSupport.h"
#include "engine/NumberEntry.h"
#include "shell/ui/ManualViewer.h"
#include "shell/ui/ShellMessages.h"
#include "summer/ui/FrmPsyDat.h"
#include "winter/ui/FrmPsyDaW.h"

using namespace aeriton;

namespace {

struct ScreenCase {
  const char* name;
  std::function<QDialog*()> make;
};

class ManualButton : public ::testing::TestWithParam<ScreenCase> {
 public:
  void SetUp() override {
    setSeparators(Separators{'.', ','});
    shell::setDocumentOpener([this](const QUrl& url) {
      requests.push_back(url);
      return viewerAnswers;
    });
    screen.reset(GetParam().make());
    screen->show();
    QApplication::setActiveWindow(screen.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
  }
  void TearDown() override {
    screen.reset();
    shell::setDocumentOpener(nullptr);
  }
  void clickManual() {
    auto* button = screen->findChild<QPushButton*>(QStringLiteral("CmdManual"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text().remove(QLatin1Char('&')).trimmed(),
              QStringLiteral("Εγχειρίδιο Προγράμματος"));
    QTest::mouseClick(button, Qt::LeftButton);
  }
  QString firstLine() const {
    return QStringLiteral("... ΔΕΝ ήταν δυνατόν να ανοίξει το Εγχειρίδιο του Προγράμματος ...\n");
  }

  test::ProgramFolderFixture fx;
  test::ModalWatchdog watchdog;
  std::unique_ptr<QDialog> screen;
  std::vector<QUrl> requests;
  bool viewerAnswers = true;
};

}  // namespace

// The manual beside the program: the desktop is asked to open exactly it.
TEST_P(ManualButton, OpensTheManualFromTheProgramFolder) {
  test::writeAll(fx.path("Aeriton.pdf"), "%PDF-1.4");
  clickManual();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0], QUrl::fromLocalFile(fx.path("Aeriton.pdf")));
  EXPECT_TRUE(fx.messages.shown().empty());
}

// No manual: the screen says so, naming the file; nothing is started.
TEST_P(ManualButton, MissingManualMessage) {
  clickManual();
  EXPECT_TRUE(requests.empty());
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& m = fx.messages.shown()[0];
  EXPECT_EQ(m.code, shell::kMsgManualNotOpened);
  EXPECT_EQ(m.title, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."));
  EXPECT_EQ(m.text, firstLine() + fx.path("Aeriton.pdf") +
                        QStringLiteral("\n... Το αρχείο ΔΕΝ υπάρχει : εγκαταστήστε ξανά το "
                                       "Πρόγραμμα ..."));
}

// A desktop with no PDF viewer: the same message, its remedy about the viewer.
TEST_P(ManualButton, NoViewerMessage) {
  test::writeAll(fx.path("Aeriton.pdf"), "%PDF-1.4");
  viewerAnswers = false;
  clickManual();
  EXPECT_EQ(requests.size(), 1u);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  EXPECT_EQ(fx.messages.shown()[0].text,
            firstLine() + fx.path("Aeriton.pdf") +
                QStringLiteral("\n... ΔΕΝ βρέθηκε Πρόγραμμα ανάγνωσης PDF : εγκαταστήστε ένα, ή "
                               "ανοίξτε το αρχείο με όποιο έχετε ..."));
}

INSTANTIATE_TEST_SUITE_P(
    DataScreens, ManualButton,
    ::testing::Values(ScreenCase{"Summer", [] { return new summer::FrmPsyDat(); }},
                      ScreenCase{"Winter", [] { return new winter::FrmPsyDaW(nullptr); }}),
    [](const ::testing::TestParamInfo<ScreenCase>& info) { return std::string(info.param.name); });
