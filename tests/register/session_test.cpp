// The open register: every change written byte for byte, and a protected
// register that refuses to change without its password.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "RegisterExpect.h"
#include "TestSupport.h"
#include "register/Designer.h"
#include "register/RegisterMessages.h"
#include "register/RegisterSession.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::designer;

namespace {

class Session : public ::testing::Test {
 protected:
  void SetUp() override { setGivenPassword(QString()); }
  void TearDown() override { setGivenPassword(QString()); }
  test::ProgramFolderFixture program;
  QString path() const { return program.path("CLIENTS.ORV"); }
  QByteArray file() const { return test::readAll(path()); }
};

TEST_F(Session, MissingRegisterIsCreatedByTheFirstName) {
  RegisterSession s;
  ASSERT_EQ(s.open(), 0);
  EXPECT_TRUE(s.names().isEmpty());
  EXPECT_FALSE(s.isProtected());
  ASSERT_EQ(s.append(QStringLiteral("  Δημήτρης Λάμπρου  ")), 0);
  EXPECT_EQ(file(), test::expectRegister({QStringLiteral("Δημήτρης Λάμπρου")}));
  EXPECT_EQ(s.names(), QStringList{QStringLiteral("Δημήτρης Λάμπρου")});
}

TEST_F(Session, AddCorrectDelete) {
  RegisterSession s;
  ASSERT_EQ(s.open(), 0);
  ASSERT_EQ(s.append("Alpha"), 0);
  ASSERT_EQ(s.append(QStringLiteral("Βήτα")), 0);
  ASSERT_EQ(s.append("Gamma"), 0);
  EXPECT_EQ(file(), test::expectRegister({"Alpha", QStringLiteral("Βήτα"), "Gamma"}));

  ASSERT_EQ(s.correct(1, QStringLiteral("Βήτα Διορθωμένο")), 0);
  EXPECT_EQ(file(), test::expectRegister({"Alpha", QStringLiteral("Βήτα Διορθωμένο"), "Gamma"}));

  ASSERT_EQ(s.remove(0), 0);  // the others move up: record k = entry k
  EXPECT_EQ(file(), test::expectRegister({QStringLiteral("Βήτα Διορθωμένο"), "Gamma"}));
  ASSERT_EQ(s.remove(1), 0);
  EXPECT_EQ(file(), test::expectRegister({QStringLiteral("Βήτα Διορθωμένο")}));

  EXPECT_EQ(s.remove(0), kMsgOnlyEntry);
  EXPECT_EQ(file(), test::expectRegister({QStringLiteral("Βήτα Διορθωμένο")}));

  RegisterSession again;
  ASSERT_EQ(again.open(), 0);
  EXPECT_EQ(again.names(), QStringList{QStringLiteral("Βήτα Διορθωμένο")});
}

TEST_F(Session, PasswordSetIntoEveryRecordAndChanged) {
  test::writeAll(path(), test::expectRegister({"A", "B", "C"}));
  RegisterSession s;
  ASSERT_EQ(s.open(), 0);
  ASSERT_EQ(s.setPassword(QStringLiteral("σπίτι")), 0);
  EXPECT_EQ(file(), test::expectRegister({"A", "B", "C"}, QStringLiteral("σπίτι")));
  EXPECT_TRUE(s.isProtected());
  EXPECT_TRUE(s.passwordGiven());  // whoever set it has given it

  // Another opening later in the run: a wrong password is refused, the right
  // one accepted, then changed.
  RegisterSession later;
  ASSERT_EQ(later.open(), 0);
  EXPECT_EQ(later.password(), QStringLiteral("σπίτι"));
  EXPECT_EQ(later.givePassword(QStringLiteral("σπιτι")), kMsgWrongPassword);
  EXPECT_EQ(later.setPassword("new"), kMsgNoPassword);
  EXPECT_EQ(later.givePassword(QStringLiteral(" σπίτι ")), 0);
  ASSERT_EQ(later.setPassword("new"), 0);
  EXPECT_EQ(file(), test::expectRegister({"A", "B", "C"}, "new"));

  // Removing the protection writes plain spaces again.
  ASSERT_EQ(later.setPassword(QString()), 0);
  EXPECT_EQ(file(), test::expectRegister({"A", "B", "C"}));
  EXPECT_FALSE(later.isProtected());
}

TEST_F(Session, ProtectedRegisterWritesNothingWithoutItsPassword) {
  const QByteArray before = test::expectRegister({"A", "B"}, "secret");
  test::writeAll(path(), before);
  for (const QString& typed : {QString(), QStringLiteral("   "), QStringLiteral("wrong")}) {
    RegisterSession s;
    ASSERT_EQ(s.open(), 0);
    EXPECT_TRUE(s.isProtected());
    EXPECT_EQ(s.givePassword(typed),
              typed.trimmed().isEmpty() ? kMsgNoPassword : kMsgWrongPassword);
    EXPECT_FALSE(s.passwordGiven());
    EXPECT_EQ(s.append("C"), kMsgNoPassword);
    EXPECT_EQ(s.correct(0, "Z"), kMsgNoPassword);
    EXPECT_EQ(s.remove(1), kMsgNoPassword);
    EXPECT_EQ(s.setPassword(""), kMsgNoPassword);
    EXPECT_EQ(s.names(), (QStringList{"A", "B"}));
    EXPECT_EQ(file(), before);
  }
  RegisterSession s;
  ASSERT_EQ(s.open(), 0);
  ASSERT_EQ(s.givePassword("secret"), 0);
  ASSERT_EQ(s.append("C"), 0);
  EXPECT_EQ(file(), test::expectRegister({"A", "B", "C"}, "secret"));
}

TEST_F(Session, PasswordOfAnEmptyRegisterGoesWithTheFirstName) {
  RegisterSession s;
  ASSERT_EQ(s.open(), 0);
  ASSERT_EQ(s.setPassword("pw"), 0);
  EXPECT_FALSE(QFile::exists(path()));
  ASSERT_EQ(s.append("First"), 0);
  EXPECT_EQ(file(), test::expectRegister({"First"}, "pw"));
}

TEST_F(Session, DamagedRegistersAreNotOpened) {
  test::writeAll(path(), QByteArray(250, ' '));
  RegisterSession s;
  EXPECT_EQ(s.open(), kMsgDamaged);
  EXPECT_EQ(s.damageReason(),
            QStringLiteral("Το μήκος του αρχείου (250 bytes) δεν είναι πολλαπλάσιο των 100 bytes "
                           "μιας εγγραφής."));
  test::writeAll(path(), test::expectRecord(1, "A") + QByteArray(100, '\x02'));
  EXPECT_EQ(s.open(), kMsgDamaged);
  EXPECT_EQ(s.damageReason(), QStringLiteral("Η εγγραφή 2 δεν περιέχει αναγνώσιμο όνομα."));
  EXPECT_TRUE(s.names().isEmpty());
}

TEST_F(Session, FailedWriteKeepsTheRegisterAsItWas) {
  RegisterSession s;
  ASSERT_EQ(s.open(), 0);
  ASSERT_EQ(s.append("A"), 0);
  ASSERT_TRUE(QFile::remove(path()));
  ASSERT_TRUE(QDir(program.folder()).mkpath("CLIENTS.ORV/keep"));
  EXPECT_EQ(s.append("B"), kMsgNotWritten);
  EXPECT_FALSE(s.writeError().isEmpty());
  EXPECT_EQ(s.names(), QStringList{"A"});
}

TEST_F(Session, NamesAreKeptAsTheFileGivesThemBack) {
  RegisterSession s;
  ASSERT_EQ(s.open(), 0);
  // 80 characters are cut to the 78 of the field; a character the code page
  // lacks becomes '?'.
  const QString longName = QString(80, QChar(u'Ω'));
  ASSERT_EQ(s.append(longName), 0);
  ASSERT_EQ(s.append(QStringLiteral("Ωμέγα ✓")), 0);
  EXPECT_EQ(s.names(), (QStringList{QString(78, QChar(u'Ω')), QStringLiteral("Ωμέγα ?")}));
  RegisterSession again;
  ASSERT_EQ(again.open(), 0);
  EXPECT_EQ(again.names(), s.names());
}

TEST_F(Session, NamesLongerThanFiftyCannotBePrinted) {
  EXPECT_EQ(RegisterSession::choiceRefusal(QString(50, 'x')), 0);
  EXPECT_EQ(RegisterSession::choiceRefusal(QString(51, 'x')), kMsgNameTooLong);
  EXPECT_EQ(RegisterSession::choiceRefusal(QString(50, 'x') + "  "), 0);
}

TEST(DesignerChoice, DefaultUntilANameIsChosen) {
  test::ProgramFolderFixture program;
  choose(QString());
  // No register: the designer line stays blank.
  EXPECT_EQ(current(), QString());
  // A register: its first name stands for the installation.
  ASSERT_TRUE(writeRegister(
      registerPath(),
      RegisterContents{{QStringLiteral("Α. Πρώτος"), QStringLiteral("Β. Δεύτερος")}, QString()}));
  EXPECT_EQ(current(), QStringLiteral("Α. Πρώτος"));
  choose(QStringLiteral("  Ελένη Σ. "));
  EXPECT_EQ(current(), QStringLiteral("Ελένη Σ."));
  EXPECT_EQ(study().Designer, QStringLiteral("Ελένη Σ."));  // the run's study state holds it
  choose(QString());
  EXPECT_EQ(current(), defaultName());
}

TEST(RegisterMessagesTable, TitlesTextsAndButtons) {
  struct Row {
    int code;
    const char16_t* title;
    const char16_t* text;
    MsgIcon icon;
    MsgButtons buttons;
  };
  const Row rows[] = {
      {1, u"... ΠΡΟΣΘΗΚΗ ΟΝΟΜΑΤΟΣ ΜΕΛΕΤΗΤΗ ΣΤΗ ΛΙΣΤΑ ...",
       u"... Θέλετε να προστεθεί το Νέο Όνομα στη Λίστα ?? ...", MsgIcon::Question,
       MsgButtons::YesNo},
      {2, u"  ! !   ΠΡΟΣΟΧΗ   ! ! ", u"\n!! ΔΕΝ έχετε δώσει το Password !!", MsgIcon::Critical,
       MsgButtons::Ok},
      {3, u"  ! !   ΠΡΟΣΟΧΗ   ! ! ", u"\n!! Το Password ΔΕΝ ισχύει !!", MsgIcon::Critical,
       MsgButtons::Ok},
      {4, u"... ΔΙΑΓΡΑΦΗ ΟΝΟΜΑΤΟΣ ΜΕΛΕΤΗΤΗ ΑΠΟ ΤΗ ΛΙΣΤΑ ...",
       u"... Θέλετε να Διαγραφεί το < Φωτισμένο > Όνομα από τη Λίστα ?? ...", MsgIcon::Critical,
       MsgButtons::YesNo},
      {5, u"  ! !   ΠΡΟΣΟΧΗ   ! ! ", u"\n... ΔΕΝ μπορώ να διαγράψω τη μοναδική Καταχώρηση ...",
       MsgIcon::Critical, MsgButtons::Ok},
      {6, u"... ΠΡΟΣΘΗΚΗ ΔΙΟΡΘΩΜΕΝΟΥ ΟΝΟΜΑΤΟΣ ΜΕΛΕΤΗΤΗ ΣΤΗ ΛΙΣΤΑ ...",
       u"... Θέλετε να Διορθωθεί το Όνομα στη Λίστα ?? ...", MsgIcon::Question, MsgButtons::YesNo},
      {7, u"... ΕΠΙΛΟΓΗ ΟΝΟΜΑΤΟΣ ΜΕΛΕΤΗΤΗ ...",
       u"... Μελετητής : Ν. Νικολάου ...\n... ΣΥΜΦΩΝΕΙΤΕ ??? ...", MsgIcon::Question,
       MsgButtons::YesNo},
      {8, u"  ! !   ΠΡΟΣΟΧΗ   ! ! ",
       u"\n     ... Για < Εκτύπωση μέσω του Προγράμματος (και όχι μέσω του Microsot Excel) > "
       u"...     \n... το όνομα του Μελετητή ΔΕΝ πρέπει να περιλαμβάνει περισσότερους από 50 "
       u"χαρακτήρες ...",
       MsgIcon::Critical, MsgButtons::Ok},
      {9, u"  ! !   ΠΡΟΣΟΧΗ   ! ! ", u"... Τα δυο Passwords, που εδώσατε ΔΕΝ συμπίπτουν ...",
       MsgIcon::Critical, MsgButtons::Ok},
      {10, u"  ! !   ΠΡΟΣΟΧΗ   ! ! ",
       u"... Η πρόσβαση στο Αρχείο Ονομάτων μελετητών, ΔΕΝ θα προστατεύεται με Password ...\n"
       u"                                     ... Σίγουρα θέλετε κάτι τέτοιο ?? ...        ",
       MsgIcon::Critical, MsgButtons::YesNo},
  };
  for (const Row& row : rows) {
    const Message m = registerMessage(row.code, QStringLiteral("Ν. Νικολάου"));
    SCOPED_TRACE(row.code);
    EXPECT_EQ(m.code, row.code);
    EXPECT_EQ(m.title, QString::fromUtf16(row.title));
    EXPECT_EQ(m.text, QString::fromUtf16(row.text));
    EXPECT_EQ(m.icon, row.icon);
    EXPECT_EQ(m.buttons, row.buttons);
    // Questions default to No; every register message beeps twice.
    EXPECT_EQ(m.defaultButton, row.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok);
    EXPECT_EQ(m.beeps, 2);
  }
}

}  // namespace
