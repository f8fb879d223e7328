// The file dialog, the study list and the recent load studies, driven through
// their controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"
#include "files/FileBrowser.h"
#include "files/ui/FrmFileOS.h"
#include "files/ui/FrmOpenSave.h"
#include "files/ui/FrmRecFiles.h"
#include "study/RecordText.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::files;

namespace {

void writeStudy(const QString& dir, const QString& name, const QString& title) {
  test::writeAll(dir + name, "\"AAA_NA\",0\r\n");
  test::writeAll(dir + name.left(name.size() - 4) + ".TAS",
                 RecordWriter().str(title).endLine().str("WATT").endLine().bytes());
}

template <typename T>
T* child(QWidget* w, const char* name) {
  T* c = w->findChild<T*>(name);
  EXPECT_NE(c, nullptr) << name;
  return c;
}

QStringList items(QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

// Three Greek-titled summer studies and a winter one.
struct StudyFolder {
  test::ProgramFolderFixture fx;
  QString dir = fx.path("AIRFiles/AIR/");  // the default study folder
  StudyFolder() {
    forgetDialogFolder();
    QDir().mkpath(dir);
    writeStudy(dir, "Grafeia.AIR", QStringLiteral("Γραφεία Υπουργείου, Αθήνα - 3ος όροφος"));
    writeStudy(dir, "Katastima.AIR", QStringLiteral("Κατάστημα \"Ερμού\" 12"));
    writeStudy(dir, "Scholeio.air", QStringLiteral("Σχολείο Καλαμαριάς"));
    test::writeAll(dir + "Xeimonas.WIR", "\"AAA_NA\",0\r\n");  // a winter study
  }
  ~StudyFolder() { forgetDialogFolder(); }
};

}  // namespace

TEST(FrmFileOS, CreateModeAddsTheUpperCaseExtensionOpenModeRefusesAMissingFile) {
  StudyFolder f;
  FrmFileOS dlg(nullptr, "*.AIR", true);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("Δημιουργία Αρχείου"));
  // It opens in the default study folder and lists the summer studies only.
  EXPECT_EQ(dlg.currentFolder(), f.dir);
  EXPECT_EQ(items(child<QListWidget>(&dlg, "File1")),
            QStringList({"Grafeia.AIR", "Katastima.AIR", "Scholeio.air"}));
  child<QLineEdit>(&dlg, "TxtFileName")->setText(QStringLiteral("Νέα Μελέτη"));
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdOK"), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), f.dir + QStringLiteral("Νέα Μελέτη.AIR"));

  // In open mode a missing file is refused and the dialog stays open.
  FrmFileOS open(nullptr, "*.AIR", false);
  open.show();
  QTest::keyClicks(child<QLineEdit>(&open, "TxtFileName"), "Kanena");
  QTest::mouseClick(child<QPushButton>(&open, "CmdOK"), Qt::LeftButton);
  ASSERT_EQ(f.fx.messages.shown().size(), 1u);
  const Message& m = f.fx.messages.shown()[0];
  EXPECT_EQ(m.code, 40);
  EXPECT_EQ(m.text, QStringLiteral("... Το Αρχείο ΔΕΝ υπάρχει ...\n") +
                        QDir::toNativeSeparators(f.dir + "Kanena"));
  EXPECT_TRUE(open.isVisible());
  EXPECT_EQ(open.result(), "Escape");
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
  list->setCurrentRow(1);
  EXPECT_EQ(child<QLabel>(&dlg, "LblFile")->text(), "Katastima.AIR");
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdOpenSave"), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), f.dir + "Katastima.AIR");
}

TEST(FrmRecFiles, WithoutTheListF2ShowsTheNoticeAndRecallTakesTheChosenStudy) {
  test::ProgramFolderFixture fx;
  {
    test::ModalWatchdog watchdog;
    EXPECT_EQ(openRecentFiles(nullptr), "");
  }
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& m = fx.messages.shown()[0];
  EXPECT_EQ(m.code, 42);
  EXPECT_EQ(m.text, QString::fromUtf8("...! ΔΕΝ ΥΠΑΡΧΟΥΝ ΠΡΟΣΦΑΤΑ ΑΡΧΕΙΑ !..."));
  EXPECT_EQ(m.beeps, 2);

  test::writeAll(fx.path("RecentFiles.txt"), "C:\\Kalyx\\a.XLD\r\nC:\\Kalyx\\b.kld\r\n");
  study().HeatingProcess = true;
  FrmRecFiles dlg(nullptr);
  dlg.show();
  child<QListWidget>(&dlg, "List1")->setCurrentRow(1);
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdRecall"), Qt::LeftButton);
  EXPECT_EQ(study().StudyFileName, "C:\\Kalyx\\b.kld");
  EXPECT_TRUE(study().CoolingProcess);  // lower-case ".kld" is a summer load study
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
  EXPECT_EQ(q.title, QString::fromUtf8("!!  ΠΡΟΣΟΧΗ  !!"));
  EXPECT_EQ(q.text, QString::fromUtf8("ΤΟ ΑΡΧΕΙΟ :\nb.XLD\n"
                                      "ΘΑ ΔΙΑΓΡΑΦΕΙ ΑΠΟ ΤΗΝ ΛΙΣΤΑ ΠΡΟΣΦΑΤΩΝ ΑΡΧΕΙΩΝ !!...\n"
                                      "      Θέλετε να συνεχίσω με την Διαγραφή ??       "));
  EXPECT_EQ(list->count(), 2);
  fx.messages.answer(MsgAnswer::Yes);
  list->setCurrentRow(0);
  QTest::keyClick(list, Qt::Key_Delete);  // the Delete key works like the button
  EXPECT_EQ(fx.messages.shown().size(), 2u);
  EXPECT_EQ(test::readAll(fx.path("RecentFiles.txt")), "C:\\K\\b.XLD\r\n");
  EXPECT_EQ(list->count(), 1);
}

TEST(FrmFileOS, OpenWithoutANameSaysWhatIsMissing) {
  StudyFolder f;
  test::ModalWatchdog watchdog;
  FrmFileOS dlg(nullptr, "*.AIR", false);
  dlg.show();
  QTest::mouseClick(child<QPushButton>(&dlg, "CmdOK"), Qt::LeftButton);
  ASSERT_EQ(f.fx.messages.shown().size(), 1u);
  const Message& m = f.fx.messages.shown()[0];
  EXPECT_EQ(m.code, 46);
  EXPECT_EQ(m.title, QString::fromUtf8("...! ΠΡΟΣΟΧΗ !.."));
  EXPECT_EQ(m.text, QString::fromUtf8("... Δεν έχετε δώσει ή επιλέξει το Όνομα του Αρχείου ..."));
  EXPECT_EQ(m.icon, MsgIcon::Exclamation);
  // The dialog stays, waiting for the name.
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), "Escape");
  EXPECT_EQ(dlg.focusWidget(), child<QLineEdit>(&dlg, "TxtFileName"));
}

TEST(FrmRecFiles, RecallSaysWhatWasRecalled) {
  // The list closes; a notice names the load study that is now the study file.
  test::ProgramFolderFixture fx;
  test::writeAll(fx.path("RecentFiles.txt"), "C:\\Kalyx\\a.XLD\r\nC:\\Kalyx\\b.kld\r\n");
  test::ModalWatchdog watchdog;
  QTimer::singleShot(0, [] {
    auto* dlg = qobject_cast<FrmRecFiles*>(QApplication::activeModalWidget());
    if (!dlg) return;
    dlg->findChild<QListWidget*>("List1")->setCurrentRow(0);
    dlg->recall();
  });
  EXPECT_EQ(openRecentFiles(nullptr), "C:\\Kalyx\\a.XLD");
  ASSERT_EQ(fx.messages.shown().size(), 1u);
  const Message& m = fx.messages.shown()[0];
  EXPECT_EQ(m.code, 45);
  EXPECT_EQ(m.title, QString::fromUtf8(" < ΨΥΧΡΟΜΕΤΡΙΚΟΙ  ΥΠΟΛΟΓΙΣΜΟΙ  ΑΕΡΟΣ > "));
  EXPECT_EQ(m.text, QString::fromUtf8("... Το Αρχείο Φορτίων :\n") +
                        QDir::toNativeSeparators("C:\\Kalyx\\a.XLD") +
                        QString::fromUtf8("\n... είναι τώρα το τρέχον Αρχείο της Μελέτης "
                                          "( Χειμώνας ) ..."));
  EXPECT_EQ(m.icon, MsgIcon::Information);
  EXPECT_TRUE(study().HeatingProcess);
}
