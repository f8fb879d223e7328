// The manual button's shared code: the desktop is asked to open the delivered
// manual; a missing file or no viewer gives one message, by exact text.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "TestSupport.h"
#include "shell/ui/ManualViewer.h"
#include "shell/ui/ShellMessages.h"
#include "study/AppFolder.h"

using namespace aeriton;
using namespace aeriton::shell;

namespace {

class ManualViewerTest : public ::testing::Test {
 public:
  void SetUp() override {
    setDocumentOpener([this](const QUrl& url) {
      requests.push_back(url);
      return viewerAnswers;
    });
  }
  void TearDown() override { setDocumentOpener(nullptr); }

  test::ProgramFolderFixture fx;
  std::vector<QUrl> requests;
  bool viewerAnswers = true;
};

}  // namespace

// The manual in the program folder: the desktop gets its file URL, no message.
TEST_F(ManualViewerTest, DeliveredManualIsHandedToTheDesktop) {
  test::writeAll(fx.path("Aeriton.pdf"), "%PDF-1.4");
  EXPECT_TRUE(openManual());
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0], QUrl::fromLocalFile(fx.path("Aeriton.pdf")));
  EXPECT_TRUE(requests[0].isLocalFile());
  EXPECT_TRUE(fx.messages.shown().empty());
}

// An installed program whose user has a working folder of his own still finds
// the manual beside the executable.
TEST_F(ManualViewerTest, InstalledManualIsFoundWithASeparateWorkingFolder) {
  QTemporaryDir program;
  appfolder::setProgramFolder(program.path());
  test::writeAll(program.filePath("Aeriton.pdf"), "%PDF-1.4");
  EXPECT_TRUE(openManual());
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0], QUrl::fromLocalFile(program.filePath("Aeriton.pdf")));
  appfolder::setProgramFolder(QString());
}

// No manual: the desktop is not asked, the message names the file and says
// to reinstall.
TEST_F(ManualViewerTest, MissingManualIsReported) {
  EXPECT_FALSE(openManual());
  EXPECT_TRUE(requests.empty());
  const Message* m = fx.messages.last();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->code, kMsgManualNotOpened);
  EXPECT_EQ(m->title, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."));
  EXPECT_EQ(m->text,
            QStringLiteral("... ΔΕΝ ήταν δυνατόν να ανοίξει το Εγχειρίδιο του Προγράμματος ...\n") +
                fx.path("Aeriton.pdf") +
                QStringLiteral("\n... Το αρχείο ΔΕΝ υπάρχει : εγκαταστήστε ξανά το Πρόγραμμα ..."));
  EXPECT_EQ(m->icon, MsgIcon::Exclamation);
  EXPECT_EQ(m->buttons, MsgButtons::Ok);
}

// A desktop without a PDF viewer: the same message, its last line about the viewer.
TEST_F(ManualViewerTest, NoViewerIsReported) {
  test::writeAll(fx.path("Aeriton.pdf"), "%PDF-1.4");
  viewerAnswers = false;
  EXPECT_FALSE(openManual());
  EXPECT_EQ(requests.size(), 1u);
  const Message* m = fx.messages.last();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->code, kMsgManualNotOpened);
  EXPECT_EQ(m->text,
            QStringLiteral("... ΔΕΝ ήταν δυνατόν να ανοίξει το Εγχειρίδιο του Προγράμματος ...\n") +
                fx.path("Aeriton.pdf") +
                QStringLiteral("\n... ΔΕΝ βρέθηκε Πρόγραμμα ανάγνωσης PDF : εγκαταστήστε ένα, ή "
                               "ανοίξτε το αρχείο με όποιο έχετε ..."));
}
