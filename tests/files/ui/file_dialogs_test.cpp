// The file dialog, the study list and the recent load studies, driven through
// their controls.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"
#include "files/FileBrowser.h"
#include "files/ui/FilesTexts.h"
#include "files/ui/FrmFileOS.h"
#include "files/ui/FrmOpenSave.h"
#include "files/ui/FrmRecFiles.h"
#include "study/Cp1253.h"
#include "study/RecordText.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::files;

namespace {

void writeStudy(const QString& dir, const QString& name, const QString& title,
                const char* companion = ".TAS") {
  test::writeAll(dir + name, "\"AAA_NA\",0\r\n");
  RecordWriter w;
  w.str(title).endLine().str("WATT").endLine();
  test::writeAll(dir + name.left(name.size() - 4) + companion, w.bytes());
}

template <typename T>
T* child(QWidget* w, const char* name) {
  T* c = w->findChild<T*>(name);
  EXPECT_NE(c, nullptr) << name;
  return c;
}

// Types any text, Greek included, as key presses (QTest::keyClicks takes
// Latin-1 keys only).
void typeText(QWidget* w, const QString& text) {
  for (QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &release);
  }
}

QStringList items(QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

// A folder with three Greek-titled summer studies and one winter study.
struct StudyFolder {
  test::ProgramFolderFixture fx;
  QString dir;
  StudyFolder() {
    forgetDialogFolder();
    dir = fx.path("AIRFiles/");
    QDir().mkpath(dir);
    QDir().mkpath(dir + "Παλαιές Μελέτες");
    writeStudy(dir, "Grafeia.AIR", QStringLiteral("Γραφεία Υπουργείου, Αθήνα - 3ος όροφος"));
    writeStudy(dir, "Katastima.AIR", QStringLiteral("Κατάστημα \"Ερμού\" 12"));
    writeStudy(dir, "Scholeio.air", QStringLiteral("Σχολείο Καλαμαριάς"));
    writeStudy(dir, "Xeimonas.WIR", QStringLiteral("Χειμερινή μελέτη"), ".TAW");
  }
  ~StudyFolder() { forgetDialogFolder(); }
};

}  // namespace

TEST(FrmFileOS, CreateModeNamesTheFileWithTheUpperCaseExtension) {
  StudyFolder f;
  FrmFileOS dlg(nullptr, "*.AIR", true);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8(text::kCreateCaption));
  // It opens in the default study folder and lists the summer studies only.
  EXPECT_EQ(dlg.currentFolder(), f.dir);
  EXPECT_EQ(items(child<QListWidget>(&dlg, "File1")),
            QStringList({"Grafeia.AIR", "Katastima.AIR", "Scholeio.air"}));
  EXPECT_EQ(child<QLabel>(&dlg, "LblCurDir")->text(), QDir::toNativeSeparators(f.dir));
  auto* name = child<QLineEdit>(&dlg, "TxtFileName");
  typeText(name, QStringLiteral("Νέα Μελέτη"));
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdOK"), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), f.dir + QStringLiteral("Νέα Μελέτη.AIR"));
  EXPECT_EQ(dlg.QDialog::result(), QDialog::Accepted);
}

TEST(FrmFileOS, TypingOrChoosingAStudyShowsItsTitle) {
  StudyFolder f;
  FrmFileOS dlg(nullptr, "*.AIR", false);
  dlg.show();
  auto* title = child<QLabel>(&dlg, "LblStudyTitle");
  auto* name = child<QLineEdit>(&dlg, "TxtFileName");
  QTest::keyClicks(name, "Katastima");  // without extension
  EXPECT_EQ(title->text(), QStringLiteral("Κατάστημα \"Ερμού\" 12"));
  QTest::keyClicks(name, "x");  // no such study: no title
  EXPECT_EQ(title->text(), "");
  auto* files = child<QListWidget>(&dlg, "File1");
  files->setCurrentRow(2);
  EXPECT_EQ(name->text(), "Scholeio.air");
  EXPECT_EQ(title->text(), QStringLiteral("Σχολείο Καλαμαριάς"));
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdOK"), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), f.dir + "Scholeio.air");
}

TEST(FrmFileOS, OpenModeRefusesAMissingFileAndStaysOpen) {
  StudyFolder f;
  FrmFileOS dlg(nullptr, "*.AIR", false);
  dlg.show();
  QTest::keyClicks(child<QLineEdit>(&dlg, "TxtFileName"), "Kanena");
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdOK"), Qt::LeftButton);
  ASSERT_EQ(f.fx.messages.shown().size(), 1u);
  const Message& m = f.fx.messages.shown()[0];
  EXPECT_EQ(m.code, 40);
  EXPECT_EQ(m.title, QStringLiteral("...! ΠΡΟΣΟΧΗ !.."));
  EXPECT_EQ(m.text, QStringLiteral("... Το Αρχείο ΔΕΝ υπάρχει ...\n") +
                        QDir::toNativeSeparators(f.dir + "Kanena"));
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), "Escape");
}

TEST(FrmFileOS, ExitButtonAndEscapeLeaveEscape) {
  StudyFolder f;
  {
    FrmFileOS dlg(nullptr, "*.AIR", false);
    dlg.show();
    QTest::keyClicks(child<QLineEdit>(&dlg, "TxtFileName"), "Grafeia.AIR");
    QTest::mouseClick(child<QPushButton>(&dlg, "CmdExit"), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), "Escape");
    EXPECT_EQ(dlg.QDialog::result(), QDialog::Rejected);
  }
  {
    FrmFileOS dlg(nullptr, "*.WIR", false);
    dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), "Escape");
  }
  // Through the modal entry point, closed by its window frame.
  test::ModalWatchdog watchdog;
  QTimer::singleShot(0, [] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  EXPECT_EQ(FrmFileOS::choose(nullptr, "*.WIR", true), "Escape");
  EXPECT_EQ(study().FileFilter, "*.WIR");
}

TEST(FrmFileOS, FoldersAreEnteredAndTheDefaultPathButtonReturns) {
  StudyFolder f;
  FrmFileOS dlg(nullptr, "*.AIR", false);
  dlg.show();
  auto* dirs = child<QListWidget>(&dlg, "Dir1");
  EXPECT_EQ(items(dirs), QStringList({"..", QStringLiteral("Παλαιές Μελέτες")}));
  emit dirs->itemActivated(dirs->item(1));
  EXPECT_EQ(dlg.currentFolder(), f.dir + QStringLiteral("Παλαιές Μελέτες/"));
  EXPECT_EQ(child<QListWidget>(&dlg, "File1")->count(), 0);
  emit dirs->itemActivated(dirs->item(0));  // ".." back up
  EXPECT_EQ(dlg.currentFolder(), f.dir);
  emit dirs->itemActivated(dirs->item(0));
  EXPECT_EQ(dlg.currentFolder(), f.fx.folder());
  QTest::mouseClick(child<QPushButton>(&dlg, "Cmd_DefaultPath"), Qt::LeftButton);
  EXPECT_EQ(dlg.currentFolder(), f.dir);
  EXPECT_GE(child<QComboBox>(&dlg, "Drive1")->count(), 1);
}

TEST(FrmFileOS, DefaultPathFollowsTheRememberedFolderFile) {
  StudyFolder f;
  const QString other = f.fx.path("Μελέτες 2024/");
  RecordWriter w;
  w.str(other).endLine();
  test::writeAll(f.fx.path("~orvo.psy"), w.bytes());
  FrmFileOS dlg(nullptr, "*.AIR", true);
  dlg.show();
  QTest::mouseClick(child<QPushButton>(&dlg, "Cmd_DefaultPath"), Qt::LeftButton);
  // The default folder is created when it does not exist yet.
  EXPECT_TRUE(QFileInfo(other).isDir());
  EXPECT_EQ(dlg.currentFolder(), other);
}

TEST(FrmFileOS, RemembersTheFolderOfTheLastChoice) {
  StudyFolder f;
  const QString sub = f.dir + QStringLiteral("Παλαιές Μελέτες/");
  {
    FrmFileOS dlg(nullptr, "*.AIR", true);
    dlg.setFolder(sub);
    QTest::keyClicks(child<QLineEdit>(&dlg, "TxtFileName"), "a");
    QTest::mouseClick(child<QPushButton>(&dlg, "CmdOK"), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), sub + "a.AIR");
  }
  FrmFileOS again(nullptr, "*.AIR", false);
  EXPECT_EQ(again.currentFolder(), sub);
}

TEST(FrmFileOS, StudyListButtonTakesAStudyFromTheList) {
  StudyFolder f;
  test::ModalWatchdog watchdog;
  FrmFileOS dlg(nullptr, "*.AIR", false);
  dlg.show();
  // The study list opens modally over the dialog; its second study is taken.
  bool listed = false;
  QTimer poll;
  poll.setInterval(20);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* list = qobject_cast<FrmOpenSave*>(QApplication::activeModalWidget());
    if (!list || listed) return;
    listed = true;
    list->findChild<QListWidget*>("LstStudies")->setCurrentRow(1);
    QTest::mouseClick(list->findChild<QPushButton*>("CmdOpenSave"), Qt::LeftButton);
  });
  poll.start();
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdStudies"), Qt::LeftButton);
  EXPECT_TRUE(listed);
  EXPECT_EQ(dlg.result(), f.dir + "Katastima.AIR");
  EXPECT_FALSE(dlg.isVisible());
  // Load studies of the companion program have no titles to list.
  FrmFileOS loads(nullptr, "*.KLD", false);
  EXPECT_FALSE(child<QPushButton>(&loads, "CmdStudies")->isEnabled());
}

TEST(FrmOpenSave, ListsNumberedStudiesAndTakesTheChosenOne) {
  StudyFolder f;
  test::writeAll(f.dir + "NoTitle.AIR", "x");  // its title file is missing
  FrmOpenSave dlg(nullptr, f.dir, "*.AIR");
  dlg.show();
  auto* list = child<QListWidget>(&dlg, "LstStudies");
  EXPECT_EQ(
      items(list),
      QStringList({QStringLiteral("(0001.) Γραφεία Υπουργείου, Αθήνα - 3ος όροφος"),
                   QStringLiteral("(0002.) Κατάστημα \"Ερμού\" 12"), QStringLiteral("(0003.) "),
                   QStringLiteral("(0004.) Σχολείο Καλαμαριάς")}));
  EXPECT_EQ(QFileInfo(f.fx.path("Studies.std")).size(), 4 * 526);
  list->setCurrentRow(1);
  EXPECT_EQ(child<QLabel>(&dlg, "LblTitle")->text(), QStringLiteral("Κατάστημα \"Ερμού\" 12"));
  EXPECT_EQ(child<QLabel>(&dlg, "LblFolder")->text(), QDir::toNativeSeparators(f.dir));
  EXPECT_EQ(child<QLabel>(&dlg, "LblFile")->text(), "Katastima.AIR");
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdOpenSave"), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), f.dir + "Katastima.AIR");
}

TEST(FrmOpenSave, CancelLeavesEscapeAndNoSelectionTakesNothing) {
  StudyFolder f;
  FrmOpenSave dlg(nullptr, f.dir, "*.WIR");
  dlg.show();
  EXPECT_EQ(dlg.studyCount(), 1);
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdOpenSave"), Qt::LeftButton);
  EXPECT_TRUE(dlg.isVisible());
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdCancel"), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), "Escape");
}

TEST(FrmRecFiles, F2WithoutTheListShowsTheNotice) {
  test::ProgramFolderFixture fx;
  test::ModalWatchdog watchdog;
  EXPECT_EQ(openRecentFiles(nullptr), "");
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& m = fx.messages.shown()[0];
  EXPECT_EQ(m.code, 42);
  EXPECT_EQ(m.text, QString::fromUtf8(text::kNoRecentFiles));
  EXPECT_EQ(m.icon, MsgIcon::Information);
  EXPECT_EQ(m.beeps, 2);
}

TEST(FrmRecFiles, EmptyListRecallsNothing) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("RecentFiles.txt"), "");
  FrmRecFiles dlg(nullptr);
  dlg.show();
  EXPECT_EQ(child<QListWidget>(&dlg, "List1")->count(), 0);
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdRecall"), Qt::LeftButton);
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdDelete"), Qt::LeftButton);
  EXPECT_EQ(dlg.recalled(), "");
  EXPECT_TRUE(fx.messages.shown().empty());
  EXPECT_TRUE(dlg.isVisible());
}

TEST(FrmRecFiles, RecallMakesTheChosenLoadStudyCurrentWithItsSeason) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("RecentFiles.txt"), "C:\\Kalyx\\a.XLD\r\nC:\\Kalyx\\b.kld\r\n");
  study().HeatingProcess = true;
  FrmRecFiles dlg(nullptr);
  dlg.show();
  auto* list = child<QListWidget>(&dlg, "List1");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(), "b.kld" + QString(59, ' ') + "C:\\Kalyx\\");
  list->setCurrentRow(1);
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdRecall"), Qt::LeftButton);
  EXPECT_EQ(dlg.recalled(), "C:\\Kalyx\\b.kld");
  EXPECT_EQ(study().StudyFileName, "C:\\Kalyx\\b.kld");
  EXPECT_TRUE(study().CoolingProcess);  // lower-case ".kld" is a summer load study
  EXPECT_FALSE(study().HeatingProcess);
  EXPECT_FALSE(dlg.isVisible());
}

TEST(FrmRecFiles, UnsavedStudyIsAskedAboutAndCancelStopsTheRecall) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("RecentFiles.txt"), "C:\\a.XLD\r\n");
  study().Unsaved = true;
  int asked = 0;
  FrmRecFiles::setUnsavedHandler([&](QWidget*) { return ++asked > 1; });
  FrmRecFiles dlg(nullptr);
  dlg.show();
  child<QListWidget>(&dlg, "List1")->setCurrentRow(0);
  dlg.recall();  // first answer: cancel
  EXPECT_EQ(dlg.recalled(), "");
  EXPECT_EQ(study().StudyFileName, "");
  dlg.recall();  // second: go on
  EXPECT_EQ(dlg.recalled(), "C:\\a.XLD");
  EXPECT_TRUE(study().HeatingProcess);
  EXPECT_EQ(asked, 2);
  FrmRecFiles::setUnsavedHandler(nullptr);
}

TEST(FrmRecFiles, DeletionAsksAndRemovesOnlyOnYes) {
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("RecentFiles.txt"), "C:\\K\\a.KLD\r\nC:\\K\\b.XLD\r\n");
  FrmRecFiles dlg(nullptr);
  dlg.show();
  auto* list = child<QListWidget>(&dlg, "List1");
  list->setCurrentRow(1);
  fx.messages.answer(MsgAnswer::No);
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdDelete"), Qt::LeftButton);
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& q = fx.messages.shown()[0];
  EXPECT_EQ(q.code, 43);
  EXPECT_EQ(q.title, QString::fromUtf8(text::kDeleteTitle));
  EXPECT_EQ(q.text, QString::fromUtf8(text::kDeleteLine1) + "\nb.XLD\n" +
                        QString::fromUtf8(text::kDeleteLine3) + "\n" +
                        QString::fromUtf8(text::kDeleteLine4));
  EXPECT_EQ(q.buttons, MsgButtons::YesNo);
  EXPECT_EQ(list->count(), 2);
  fx.messages.answer(MsgAnswer::Yes);
  list->setCurrentRow(0);
  QTest::keyClick(list, Qt::Key_Delete);  // the Delete key works like the button
  EXPECT_EQ(fx.messages.shown().size(), 2u);
  EXPECT_EQ(test::readAll(fx.path("RecentFiles.txt")), "C:\\K\\b.XLD\r\n");
  ASSERT_EQ(list->count(), 1);
  EXPECT_TRUE(list->item(0)->text().startsWith("b.XLD "));
}

TEST(Screenshots, FileDialogAndStudyList) {
  StudyFolder f;
  FrmFileOS dlg(nullptr, "*.AIR", true);
  dlg.show();
  child<QListWidget>(&dlg, "File1")->setCurrentRow(0);
  QApplication::processEvents();
  EXPECT_TRUE(dlg.grab().save("/tmp/files_FrmFileOS.png"));
  FrmOpenSave list(nullptr, f.dir, "*.AIR");
  list.show();
  child<QListWidget>(&list, "LstStudies")->setCurrentRow(1);
  QApplication::processEvents();
  EXPECT_TRUE(list.grab().save("/tmp/files_FrmOpenSave.png"));
  test::writeAll(f.fx.path("RecentFiles.txt"), "C:\\Kalyx\\Data\\Office.KLD\r\nC:\\Kalyx\\" +
                                                   toCp1253(QStringLiteral("Σχολεία")) +
                                                   "\\School.XLD\r\n");
  FrmRecFiles rec(nullptr);
  rec.show();
  QApplication::processEvents();
  EXPECT_TRUE(rec.grab().save("/tmp/files_FrmRecFiles.png"));
}
