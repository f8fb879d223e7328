// The designer register windows driven through their controls: names added,
// corrected, deleted and chosen, the password set and changed, and a protected
// register that writes nothing without its password. The files are compared
// byte for byte with records assembled by hand.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "../RegisterExpect.h"
#include "TestSupport.h"
#include "register/Designer.h"
#include "register/RegisterMessages.h"
#include "register/RegisterSession.h"
#include "register/ui/DesignerRegister.h"
#include "register/ui/FrmCLPass.h"
#include "register/ui/FrmCLient.h"
#include "shell/ui/ShellUiSupport.h"

using namespace aeriton;
using namespace aeriton::designer;

namespace {

template <class T>
T* child(QWidget* w, const char* name) {
  T* c = w->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

void click(QWidget* w, const char* name) {
  if (auto* b = child<QPushButton>(w, name)) b->click();
}

QStringList listed(QWidget* w) {
  QStringList out;
  auto* list = child<QListWidget>(w, "Lst_Names");
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

std::vector<int> codes(const ScriptedMessageService& s) {
  std::vector<int> out;
  for (const Message& m : s.shown()) out.push_back(m.code);
  return out;
}

class RegisterWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    setGivenPassword(QString());
    choose(QString());
  }
  void TearDown() override {
    setGivenPassword(QString());
    choose(QString());
  }
  QString path() const { return program.path("CLIENTS.ORV"); }
  QByteArray file() const { return test::readAll(path()); }
  void writeRegister(const QStringList& names, const QString& password = {}) {
    test::writeAll(path(), test::expectRegister(names, password));
  }

  test::ProgramFolderFixture program;
  test::ModalWatchdog watchdog;
};

TEST_F(RegisterWindows, MissingRegisterOpensEmptyAndItsFirstNameCreatesIt) {
  // No register yet: the window opens empty; a new name, confirmed, becomes
  // record 1 of a new file.
  bool ran = false;
  test::onModal("FrmCLient", [&](QWidget* w) {
    ran = true;
    auto* box = child<QLineEdit>(w, "Txt_Client");
    EXPECT_TRUE(listed(w).isEmpty());
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(child<QLabel>(w, "Lbl_Count")->text(), QStringLiteral("< 0 > Χαρακτήρες"));
    EXPECT_EQ(child<QLabel>(w, "Lbl_Designer")->text(), QStringLiteral("Μελετητής : "));

    click(w, "Cmd_New");
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_EQ(child<QLabel>(w, "Lbl_Action")->text(),
              QStringLiteral("ΔΩΣΕ ΤΟ ΟΝΟΜΑ ΤΟΥ ΝΕΟΥ ΜΕΛΕΤΗΤΗ"));
    test::typeText(box, QStringLiteral("Νίκος Πετρίδης"));
    EXPECT_EQ(child<QLabel>(w, "Lbl_Count")->text(), QStringLiteral("< 14 > Χαρακτήρες"));
    program.messages.answer(MsgAnswer::Yes);
    click(w, "Cmd_OK");

    EXPECT_EQ(file(), test::expectRegister({QStringLiteral("Νίκος Πετρίδης")}));
    EXPECT_EQ(listed(w), QStringList{QStringLiteral("Νίκος Πετρίδης")});
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(child<QLabel>(w, "Lbl_Action")->text(),
              QStringLiteral("ΕΠΙΛΟΓΗ ΜΕΛΕΤΗΤΗ ΑΠΟ ΤΗ ΛΙΣΤΑ"));
    click(w, "Cmd_Exit");
  });
  openRegister(nullptr);
  EXPECT_TRUE(ran);
  EXPECT_EQ(codes(program.messages), std::vector<int>{kMsgAddName});
}

TEST_F(RegisterWindows, NewNameAnsweredNoWritesNothing) {
  writeRegister({"Alpha"});
  FrmCLient w;
  ASSERT_TRUE(w.load());
  click(&w, "Cmd_New");
  QTest::keyClicks(child<QLineEdit>(&w, "Txt_Client"), "Beta");
  program.messages.answer(MsgAnswer::No);
  click(&w, "Cmd_OK");
  EXPECT_EQ(file(), test::expectRegister({"Alpha"}));
  EXPECT_EQ(listed(&w), QStringList{"Alpha"});
  EXPECT_EQ(w.mode(), FrmCLient::Mode::NewName);  // still typing
  // Cmd_Copy stores the same typed name.
  program.messages.answer(MsgAnswer::Yes);
  click(&w, "Cmd_Copy");
  EXPECT_EQ(file(), test::expectRegister({"Alpha", "Beta"}));
  EXPECT_EQ(codes(program.messages), (std::vector<int>{kMsgAddName, kMsgAddName}));
  EXPECT_EQ(child<QListWidget>(&w, "Lst_Names")->currentRow(), 1);
}

TEST_F(RegisterWindows, CorrectTheHighlightedName) {
  writeRegister({"Alpha", QStringLiteral("Βήτα Λάθος"), "Gamma"});
  FrmCLient w;
  ASSERT_TRUE(w.load());
  auto* list = child<QListWidget>(&w, "Lst_Names");
  auto* box = child<QLineEdit>(&w, "Txt_Client");
  list->setCurrentRow(1);
  EXPECT_EQ(box->text(), QStringLiteral("Βήτα Λάθος"));  // the locked box follows the list
  click(&w, "Cmd_COR");
  EXPECT_FALSE(box->isReadOnly());
  EXPECT_EQ(child<QLabel>(&w, "Lbl_Action")->text(),
            QStringLiteral("ΔΙΟΡΘΩΣΗ ΤΟΥ ΟΝΟΜΑΤΟΣ ΜΕΛΕΤΗΤΗ"));
  EXPECT_EQ(box->text(), QStringLiteral("Βήτα Λάθος"));
  box->clear();
  test::typeText(box, QStringLiteral("Βήτα Σωστό"));
  program.messages.answer(MsgAnswer::Yes);
  click(&w, "Cmd_OK");
  ASSERT_EQ(codes(program.messages), std::vector<int>{kMsgCorrectName});
  EXPECT_EQ(file(), test::expectRegister({"Alpha", QStringLiteral("Βήτα Σωστό"), "Gamma"}));
  EXPECT_EQ(listed(&w), (QStringList{"Alpha", QStringLiteral("Βήτα Σωστό"), "Gamma"}));
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_TRUE(box->isReadOnly());
}

TEST_F(RegisterWindows, DeleteAskedAndRefusedForTheOnlyName) {
  writeRegister({"Only"});
  {
    FrmCLient w;
    ASSERT_TRUE(w.load());
    click(&w, "Cmd_Del");
    ASSERT_EQ(codes(program.messages), std::vector<int>{kMsgOnlyEntry});
    EXPECT_EQ(file(), test::expectRegister({"Only"}));
  }
  program.messages.clear();
  writeRegister({"A", "B", "C"});
  FrmCLient w;
  ASSERT_TRUE(w.load());
  child<QListWidget>(&w, "Lst_Names")->setCurrentRow(1);
  program.messages.answer(MsgAnswer::No);
  click(&w, "Cmd_Del");
  EXPECT_EQ(file(), test::expectRegister({"A", "B", "C"}));
  program.messages.answer(MsgAnswer::Yes);
  click(&w, "Cmd_Del");
  EXPECT_EQ(codes(program.messages), (std::vector<int>{kMsgDeleteName, kMsgDeleteName}));
  EXPECT_EQ(file(), test::expectRegister({"A", "C"}));

  EXPECT_EQ(listed(&w), (QStringList{"A", "C"}));
  EXPECT_EQ(child<QListWidget>(&w, "Lst_Names")->currentRow(), 0);
}

TEST_F(RegisterWindows, ChooseFiftyCharactersButNotFiftyOne) {
  const QString name50 = QString(45, QChar(u'Α')) + QStringLiteral(" Ωμέγ");
  const QString name51 = name50 + QStringLiteral("α");
  ASSERT_EQ(name50.size(), 50);
  writeRegister({"Short", name50, name51});
  FrmCLient w;
  ASSERT_TRUE(w.load());
  auto* list = child<QListWidget>(&w, "Lst_Names");
  EXPECT_EQ(list->currentRow(), 0);  // no designer chosen: the first entry

  list->setCurrentRow(1);
  program.messages.answer(MsgAnswer::Yes);
  click(&w, "Cmd_OK");
  ASSERT_EQ(codes(program.messages), std::vector<int>{kMsgChooseName});
  EXPECT_EQ(program.messages.last()->text, QStringLiteral("... Μελετητής : ") + name50 +
                                               QStringLiteral(" ...\n... ΣΥΜΦΩΝΕΙΤΕ ??? ..."));
  EXPECT_EQ(current(), name50);
  EXPECT_EQ(child<QLabel>(&w, "Lbl_Designer")->text(), QStringLiteral("Μελετητής : ") + name50);

  list->setCurrentRow(2);
  click(&w, "Cmd_OK");
  EXPECT_EQ(codes(program.messages), (std::vector<int>{kMsgChooseName, kMsgNameTooLong}));
  EXPECT_EQ(current(), name50);

  // Answering No keeps the designer chosen before.
  list->setCurrentRow(0);
  program.messages.answer(MsgAnswer::No);
  click(&w, "Cmd_OK");
  EXPECT_EQ(current(), name50);
  // Choosing writes nothing.
  EXPECT_EQ(file(), test::expectRegister({"Short", name50, name51}));

  // Opened again, the window highlights the chosen designer.
  FrmCLient again;
  ASSERT_TRUE(again.load());
  EXPECT_EQ(child<QListWidget>(&again, "Lst_Names")->currentRow(), 1);
  EXPECT_EQ(child<QLineEdit>(&again, "Txt_Client")->text(), name50);
}

TEST_F(RegisterWindows, PasswordSetThenChanged) {
  writeRegister({"A", "B"});
  FrmCLient w;
  ASSERT_TRUE(w.load());
  w.show();
  // Not protected: the lock button asks for the new password straight away.
  bool asked = false;
  test::onModal("FrmCLPass", [&](QWidget* p) {
    asked = true;
    EXPECT_EQ(p->windowTitle(), QStringLiteral("ΕΞΟΥΣΙΟΔΟΤΗΣΗ"));
    EXPECT_EQ(child<QLabel>(p, "LblPass")->text(), QStringLiteral("Δώστε το Νέο Password :"));
    EXPECT_TRUE(child<QLineEdit>(p, "TxtPassOK")->isVisible());
    QTest::keyClicks(child<QLineEdit>(p, "TxtPass"), "abc");
    QTest::keyClicks(child<QLineEdit>(p, "TxtPassOK"), "abc");
    click(p, "CmdOK");
  });
  click(&w, "Cmd_Lock");
  ASSERT_TRUE(asked);
  EXPECT_EQ(file(), test::expectRegister({"A", "B"}, "abc"));
  EXPECT_TRUE(program.messages.shown().empty());

  // Protected: first the existing password, then the new one twice.
  int step = 0;
  test::onModal("FrmCLPass", [&](QWidget* p) {
    step = 1;
    EXPECT_EQ(child<QLabel>(p, "LblPass")->text(), QStringLiteral("Δώστε το υπάρχον Password :"));
    EXPECT_FALSE(child<QLineEdit>(p, "TxtPassOK")->isVisible());
    QTest::keyClicks(child<QLineEdit>(p, "TxtPass"), "abc");
    test::onModal("FrmCLPass", [&](QWidget* q) {
      step = 2;
      EXPECT_EQ(child<QLabel>(q, "LblPass")->text(), QStringLiteral("Δώστε το Νέο Password :"));
      test::typeText(child<QLineEdit>(q, "TxtPass"), QStringLiteral("νέο"));
      test::typeText(child<QLineEdit>(q, "TxtPassOK"), QStringLiteral("νέο"));
      click(q, "CmdOK");
    });
    click(p, "CmdOK");
  });
  click(&w, "Cmd_Lock");
  EXPECT_EQ(step, 2);
  EXPECT_EQ(file(), test::expectRegister({"A", "B"}, QStringLiteral("νέο")));
  EXPECT_TRUE(program.messages.shown().empty());
}

TEST_F(RegisterWindows, NewPasswordAndItsRepeatMustAgree) {
  writeRegister({"A"});
  FrmCLient w;
  ASSERT_TRUE(w.load());
  w.show();
  bool stayedOpen = false;
  test::onModal("FrmCLPass", [&](QWidget* p) {
    auto* repeat = child<QLineEdit>(p, "TxtPassOK");
    QTest::keyClicks(child<QLineEdit>(p, "TxtPass"), "one");
    QTest::keyClicks(repeat, "two");
    click(p, "CmdOK");
    // The message, the repeat box emptied and focused, the window still there.
    stayedOpen = p->isVisible();
    EXPECT_TRUE(repeat->text().isEmpty());
    EXPECT_EQ(p->focusWidget(), repeat);
    EXPECT_EQ(child<QLineEdit>(p, "TxtPass")->text(), QStringLiteral("one"));
    QTest::keyClicks(repeat, "one");
    click(p, "CmdOK");
  });
  click(&w, "Cmd_Lock");
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(codes(program.messages), std::vector<int>{kMsgPasswordsDiffer});
  EXPECT_EQ(file(), test::expectRegister({"A"}, "one"));
}

TEST_F(RegisterWindows, EmptyNewPasswordRemovesTheProtectionOnlyWhenConfirmed) {
  writeRegister({"A", "B"}, "old");
  setGivenPassword("old");  // given earlier in this run
  FrmCLient w;
  ASSERT_TRUE(w.load());
  w.show();
  bool stayedOpen = false;
  test::onModal("FrmCLPass", [&](QWidget* p) {
    QTest::keyClicks(child<QLineEdit>(p, "TxtPass"), "old");
    test::onModal("FrmCLPass", [&](QWidget* q) {
      program.messages.answer(MsgAnswer::No);
      click(q, "CmdOK");  // both boxes empty
      stayedOpen = q->isVisible();
      EXPECT_EQ(q->focusWidget(), child<QLineEdit>(q, "TxtPass"));
      program.messages.answer(MsgAnswer::Yes);
      click(q, "CmdOK");
    });
    click(p, "CmdOK");
  });
  click(&w, "Cmd_Lock");
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(codes(program.messages), (std::vector<int>{kMsgNoProtection, kMsgNoProtection}));
  EXPECT_EQ(file(), test::expectRegister({"A", "B"}));
  EXPECT_FALSE(w.session().isProtected());
}

TEST_F(RegisterWindows, LockRefusesAWrongExistingPassword) {
  writeRegister({"A"}, "right");
  setGivenPassword("right");
  FrmCLient w;
  ASSERT_TRUE(w.load());
  w.show();
  test::onModal("FrmCLPass", [&](QWidget* p) {
    QTest::keyClicks(child<QLineEdit>(p, "TxtPass"), "wrong");
    click(p, "CmdOK");
  });
  click(&w, "Cmd_Lock");  // a second password window would be closed by the watchdog
  ASSERT_EQ(codes(program.messages), std::vector<int>{kMsgWrongPassword});
  EXPECT_EQ(file(), test::expectRegister({"A"}, "right"));
}

TEST_F(RegisterWindows, ProtectedRegisterWithAWrongOrEmptyPasswordWritesNothing) {
  const QByteArray before = test::expectRegister({"A", "B"}, "secret");
  test::writeAll(path(), before);
  struct Case {
    const char* typed;
    int atOpening;
  };
  for (const Case& c : {Case{"wrong", kMsgWrongPassword}, Case{"", kMsgNoPassword}}) {
    SCOPED_TRACE(c.typed);
    program.messages.clear();
    bool registerShown = false;
    test::onModal("FrmCLPass", [&](QWidget* p) {
      EXPECT_EQ(child<QLabel>(p, "LblPass")->text(), QStringLiteral("Δώστε το υπάρχον Password :"));
      QTest::keyClicks(child<QLineEdit>(p, "TxtPass"), c.typed);
      test::onModal("FrmCLient", [&](QWidget* w) {
        registerShown = true;
        EXPECT_EQ(listed(w), (QStringList{"A", "B"}));
        click(w, "Cmd_New");
        QTest::keyClicks(child<QLineEdit>(w, "Txt_Client"), "C");
        program.messages.answer(MsgAnswer::Yes);  // would confirm the name: never asked
        click(w, "Cmd_OK");
        click(w, "Cmd_Copy");
        click(w, "Cmd_Exit");
      });
      click(p, "CmdOK");
    });
    openRegister(nullptr);
    EXPECT_TRUE(registerShown);
    EXPECT_EQ(codes(program.messages),
              (std::vector<int>{c.atOpening, kMsgNoPassword, kMsgNoPassword}));
    EXPECT_EQ(file(), before);
  }
  // Deleting needs the password as well, and so does choosing.
  program.messages.clear();
  FrmCLient w;
  ASSERT_TRUE(w.load());
  click(&w, "Cmd_Del");
  click(&w, "Cmd_OK");
  EXPECT_EQ(codes(program.messages), (std::vector<int>{kMsgNoPassword, kMsgNoPassword}));
  EXPECT_EQ(file(), before);
  EXPECT_EQ(current(), defaultName());
}

TEST_F(RegisterWindows, ProtectedRegisterOpensWithItsPassword) {
  writeRegister({"A"}, "secret");
  test::onModal("FrmCLPass", [&](QWidget* p) {
    QTest::keyClicks(child<QLineEdit>(p, "TxtPass"), "secret");
    test::onModal("FrmCLient", [&](QWidget* w) {
      click(w, "Cmd_New");
      QTest::keyClicks(child<QLineEdit>(w, "Txt_Client"), "B");
      program.messages.answer(MsgAnswer::Yes);
      click(w, "Cmd_OK");
      program.messages.answer(MsgAnswer::Yes);
      click(w, "Cmd_OK");  // choose the new name, now highlighted
      click(w, "Cmd_Exit");
    });
    click(p, "CmdOK");
  });
  openRegister(nullptr);
  EXPECT_EQ(codes(program.messages), (std::vector<int>{kMsgAddName, kMsgChooseName}));
  EXPECT_EQ(file(), test::expectRegister({"A", "B"}, "secret"));
  EXPECT_EQ(current(), QStringLiteral("B"));
}

TEST_F(RegisterWindows, DamagedRegisterIsReportedAndNotShown) {
  const QByteArray damaged = test::expectRecord(1, "A") + QByteArray(37, 'x');
  test::writeAll(path(), damaged);
  openRegister(nullptr);  // a register window left open would be closed by the watchdog
  ASSERT_EQ(codes(program.messages), std::vector<int>{kMsgDamaged});
  const Message& m = program.messages.shown()[0];
  EXPECT_EQ(m.title, QStringLiteral("  ! !   ΠΡΟΣΟΧΗ   ! ! "));
  EXPECT_TRUE(m.text.contains(path()));
  EXPECT_TRUE(m.text.contains(QStringLiteral("137 bytes")));
  EXPECT_EQ(file(), damaged);
  EXPECT_TRUE(watchdog.closed().isEmpty());
}

TEST_F(RegisterWindows, RegisterThatCannotBeWrittenIsReported) {
  FrmCLient w;
  ASSERT_TRUE(w.load());
  ASSERT_TRUE(QDir(program.folder()).mkpath("CLIENTS.ORV/keep"));
  click(&w, "Cmd_New");
  QTest::keyClicks(child<QLineEdit>(&w, "Txt_Client"), "A");
  program.messages.answer(MsgAnswer::Yes);
  click(&w, "Cmd_OK");
  ASSERT_EQ(codes(program.messages), (std::vector<int>{kMsgAddName, kMsgNotWritten}));
  EXPECT_TRUE(program.messages.last()->text.contains(path()));
  EXPECT_TRUE(listed(&w).isEmpty());
  EXPECT_EQ(w.mode(), FrmCLient::Mode::NewName);  // the typed name is not lost
}

}  // namespace
