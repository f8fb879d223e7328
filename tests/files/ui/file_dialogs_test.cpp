// The file dialog, the study list and the recent load studies, driven through
// their controls.
#include <gtest/gtest.h>

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

// Types Greek text as key presses (QTest::keyClicks takes Latin-1 keys only).
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
