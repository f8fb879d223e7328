// Start-up under adverse conditions: a program folder that takes no file, a
// registry that cannot be written, a temporary folder where the lock cannot be
// made, a damaged "~orvo.psy". Each time the program starts, says in a notice
// what it cannot do, and destroys nothing.
//
// An unwritable place is made by putting a regular file where a folder should
// be, or a folder where a file should be (permissions do not stop root).
#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <deque>

#include "ShellUiSupport.h"
#include "TestSupport.h"
#include "shell/InstanceGuard.h"
#include "shell/ProgramRegistry.h"
#include "shell/Season.h"
#include "shell/ui/FrmSeason.h"
#include "shell/ui/ShellApi.h"
#include "shell/ui/ShellMessages.h"
#include "shell/ui/StartupController.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::shell;

namespace {

class AdverseStartup : public ::testing::Test {
 protected:
  test::ProgramFolderFixture program;
  test::ModalWatchdog watchdog;

  void SetUp() override { setRegistryPath(program.path("shared/OrvoProgs.log")); }
  void TearDown() override {
    setRegistryPath(QString());
    setDataScreenFactories(nullptr, nullptr);
    appfolder::setFolder(QString());
  }

  // The start-up up to the season window, which is cancelled; the notices
  // expected before it are acknowledged and the exit confirmation is answered
  // Yes.
  int runToSeasonWindow(int notices, const QString& lockPath = QString()) {
    StartupOptions o;
    o.lockPath = lockPath.isEmpty() ? program.path("run/aeriton.lock") : lockPath;
    o.showTitleWindow = false;
    o.chooseSeason = [this] {
      ++seasonWindows;
      return Season::None;
    };
    for (int k = 0; k < notices; ++k) program.messages.answer(MsgAnswer::Ok);
    program.messages.answer(MsgAnswer::Yes);
    StartupController controller(o);
    return controller.run();
  }

  // The notices shown, without the final exit confirmation.
  std::vector<Message> notices() const {
    std::vector<Message> out;
    for (const Message& m : program.messages.shown())
      if (m.code != kMsgExitConfirm) out.push_back(m);
    return out;
  }

  int seasonWindows = 0;
};

QStringList lines(const QString& text) {
  return text.split('\n');
}

void expectNotice(const Message& m, int code) {
  EXPECT_EQ(m.code, code);
  EXPECT_EQ(m.title, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."));
  EXPECT_EQ(m.icon, MsgIcon::Exclamation);
  EXPECT_EQ(m.buttons, MsgButtons::Ok);
}

}  // namespace

// The program folder is a regular file: the program starts, names the folder,
// and the season window still opens.
TEST_F(AdverseStartup, ProgramFolderThatTakesNoFile) {
  test::writeAll(program.path("Aeriton"), "not a folder");
  appfolder::setFolder(program.path("Aeriton"));
  EXPECT_EQ(runToSeasonWindow(1), 0);
  EXPECT_EQ(seasonWindows, 1);
  const auto shown = notices();
  ASSERT_EQ(shown.size(), 1u);
  expectNotice(shown[0], kMsgProgramFolderNotWritable);
  const QStringList l = lines(shown[0].text);
  ASSERT_EQ(l.size(), 4);
  EXPECT_EQ(l[0], QStringLiteral("Ο φάκελος εργασίας του προγράμματος δεν μπορεί να γραφτεί:"));
  EXPECT_EQ(l[1], QDir::toNativeSeparators(program.path("Aeriton/")));
  EXPECT_FALSE(l[2].isEmpty());  // the system's reason
  EXPECT_EQ(l[3], QStringLiteral("Οι υπολογισμοί και το άνοιγμα μελετών γράφουν εκεί τα αρχεία "
                                 "ανταλλαγής τους και δεν θα είναι δυνατά. Ελέγξτε ότι ο φάκελος "
                                 "επιτρέπει εγγραφή και ότι ο δίσκος έχει χώρο."));
  EXPECT_EQ(test::readAll(program.path("Aeriton")), QByteArray("not a folder"));
}

// Folders where two exchange files belong cannot be removed: the notice names
// them, and what the folders hold is left alone.
TEST_F(AdverseStartup, FoldersInPlaceOfExchangeFiles) {
  for (const char* name : {"PSY_DAT.TMP", "PSY_RES.TMP"}) {
    QDir().mkpath(program.path(name));
    test::writeAll(program.path(QStringLiteral("%1/kept.txt").arg(name)), "kept");
  }
  test::writeAll(program.path("PSY_VEE.TMP"), "75");
  EXPECT_EQ(runToSeasonWindow(1), 0);
  EXPECT_EQ(seasonWindows, 1);
  const auto shown = notices();
  ASSERT_EQ(shown.size(), 1u);
  expectNotice(shown[0], kMsgProgramFolderNotWritable);
  EXPECT_EQ(lines(shown[0].text).value(2),
            QStringLiteral("δεν αφαιρούνται: PSY_DAT.TMP, PSY_RES.TMP"));
  EXPECT_EQ(test::readAll(program.path("PSY_RES.TMP/kept.txt")), QByteArray("kept"));
  EXPECT_FALSE(QFile::exists(program.path("PSY_VEE.TMP")));  // an ordinary leftover goes
  EXPECT_FALSE(QFile::exists(program.path("AERITON.TMP")));  // the probe is removed
}

// The registry's place holds a folder: the start-up goes on with a notice,
// and the folder is untouched.
TEST_F(AdverseStartup, RegistryThatCannotBeWritten) {
  QDir().mkpath(program.path("shared/OrvoProgs.log"));
  test::writeAll(program.path("shared/OrvoProgs.log/other.txt"), "other");
  EXPECT_EQ(runToSeasonWindow(1), 0);
  EXPECT_EQ(seasonWindows, 1);
  const auto shown = notices();
  ASSERT_EQ(shown.size(), 1u);
  expectNotice(shown[0], kMsgRegistryNotWritten);
  const QStringList l = lines(shown[0].text);
  ASSERT_EQ(l.size(), 4);
  EXPECT_EQ(l[0], QStringLiteral("Δεν ήταν δυνατή η καταγραφή του προγράμματος στο κοινό μητρώο "
                                 "προγραμμάτων:"));
  EXPECT_EQ(l[1], QDir::toNativeSeparators(program.path("shared/OrvoProgs.log")));
  EXPECT_FALSE(l[2].isEmpty());
  EXPECT_EQ(l[3], QStringLiteral("Το πρόγραμμα συνεχίζει· τα άλλα προγράμματα του κατασκευαστή "
                                 "ίσως δεν το βρουν."));
  EXPECT_EQ(test::readAll(program.path("shared/OrvoProgs.log/other.txt")), QByteArray("other"));
}

// The registry's folder cannot be made (a file stands in its place): the
// reason is given in Greek.
TEST_F(AdverseStartup, RegistryFolderThatCannotBeMade) {
  test::writeAll(program.path("shared"), "a file");
  EXPECT_EQ(runToSeasonWindow(1), 0);
  const auto shown = notices();
  ASSERT_EQ(shown.size(), 1u);
  expectNotice(shown[0], kMsgRegistryNotWritten);
  EXPECT_EQ(lines(shown[0].text).value(2),
            QStringLiteral("ο φάκελος %1 δεν μπορεί να δημιουργηθεί").arg(program.path("shared")));
  EXPECT_EQ(test::readAll(program.path("shared")), QByteArray("a file"));
}

// The temporary folder of the lock cannot be written: the program runs
// without the lock and says that a second copy is not kept out.
TEST_F(AdverseStartup, TemporaryFolderThatTakesNoLock) {
  test::writeAll(program.path("tmp"), "a file");
  EXPECT_EQ(runToSeasonWindow(1, program.path("tmp/aeriton.lock")), 0);
  EXPECT_EQ(seasonWindows, 1);
  const auto shown = notices();
  ASSERT_EQ(shown.size(), 1u);
  expectNotice(shown[0], kMsgNoInstanceLock);
  const QStringList l = lines(shown[0].text);
  ASSERT_EQ(l.size(), 4);
  EXPECT_EQ(l[0], QStringLiteral("Δεν ήταν δυνατή η δημιουργία του αρχείου που εμποδίζει δεύτερο "
                                 "αντίγραφο του προγράμματος:"));
  EXPECT_EQ(l[1], QDir::toNativeSeparators(program.path("tmp/aeriton.lock")));
  EXPECT_FALSE(l[2].isEmpty());
  EXPECT_EQ(l[3], QStringLiteral("Το πρόγραμμα συνεχίζει· μην το ανοίξετε δεύτερη φορά μέχρι να "
                                 "κλείσει."));
}

// Everything at once: the three notices in the order of the start-up, and
// the season window after them.
TEST_F(AdverseStartup, EverythingAtOnce) {
  test::writeAll(program.path("tmp"), "a file");
  QDir().mkpath(program.path("shared/OrvoProgs.log"));
  test::writeAll(program.path("Aeriton"), "not a folder");
  appfolder::setFolder(program.path("Aeriton"));
  EXPECT_EQ(runToSeasonWindow(3, program.path("tmp/aeriton.lock")), 0);
  EXPECT_EQ(seasonWindows, 1);
  const auto shown = notices();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].code, kMsgNoInstanceLock);
  EXPECT_EQ(shown[1].code, kMsgRegistryNotWritten);
  EXPECT_EQ(shown[2].code, kMsgProgramFolderNotWritable);
}

// A damaged "~orvo.psy" (binary bytes) is written anew with the default study
// folder when the season window opens, and the user is told.
TEST_F(AdverseStartup, DamagedRememberedFolderIsRepairedWithANotice) {
  test::writeAll(program.path("~orvo.psy"), QByteArray("\x01\x02\xff\"\x00zz", 7));
  test::writeAll(program.path("Study.AIR"), "kept");
  { FrmSeason window; }
  const auto shown = notices();
  ASSERT_EQ(shown.size(), 1u);
  expectNotice(shown[0], kMsgFolderFileRepaired);
  EXPECT_EQ(shown[0].text,
            QStringLiteral("Το αρχείο με τον φάκελο των μελετών ήταν κατεστραμμένο:\n") +
                QDir::toNativeSeparators(program.path("~orvo.psy")) +
                QStringLiteral("\nΟ φάκελος των μελετών ορίστηκε ξανά:\n") +
                QDir::toNativeSeparators(program.path("AIRFiles/")));
  EXPECT_EQ(readRememberedFolder(), program.path("AIRFiles/"));
  EXPECT_EQ(test::readAll(program.path("Study.AIR")), QByteArray("kept"));
}

// A "~orvo.psy" far too large for a folder name is damaged too, and is not
// read into memory.
TEST_F(AdverseStartup, OversizedRememberedFolderIsRepaired) {
  test::writeAll(program.path("~orvo.psy"), "\"" + QByteArray(200000, 'A') + "\"\r\n");
  EXPECT_EQ(readRememberedFolder(), QString());
  bool repaired = false;
  ASSERT_TRUE(ensureRememberedFolderFile(nullptr, &repaired));
  EXPECT_TRUE(repaired);
  EXPECT_EQ(readRememberedFolder(), program.path("AIRFiles/"));
}

// A folder in place of "~orvo.psy": it cannot be written, the season window
// says so, and the folder with its content stays.
TEST_F(AdverseStartup, FolderInPlaceOfRememberedFolderFile) {
  QDir().mkpath(program.path("~orvo.psy"));
  test::writeAll(program.path("~orvo.psy/inside.txt"), "inside");
  { FrmSeason window; }
  const auto shown = notices();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].code, kMsgFolderFileNotWritten);
  EXPECT_TRUE(shown[0].text.startsWith(
      QStringLiteral("Δεν ήταν δυνατή η δημιουργία του αρχείου με τον φάκελο των μελετών:\n") +
      QDir::toNativeSeparators(program.path("~orvo.psy")) + "\n"));
  EXPECT_EQ(test::readAll(program.path("~orvo.psy/inside.txt")), QByteArray("inside"));
}

// An ordinary start shows none of these notices.
TEST_F(AdverseStartup, OrdinaryStartShowsNoNotice) {
  EXPECT_EQ(runToSeasonWindow(0), 0);
  EXPECT_TRUE(notices().empty());
  EXPECT_FALSE(QFile::exists(program.path("AERITON.TMP")));
}
