#include "register/RegisterMessages.h"

namespace aeriton::designer {
namespace {

const QString kNewLine = QStringLiteral("\n");

Message question(int code, const QString& title, const QString& text, MsgIcon icon) {
  Message m;
  m.code = code;
  m.title = title;
  m.text = text;
  m.icon = icon;
  m.buttons = MsgButtons::YesNo;
  m.defaultButton = MsgAnswer::No;
  m.beeps = 2;
  return m;
}

// The refusals open with a line break, so their text stands clear of the title.
Message refusal(int code, const QString& text) {
  return okMessage(code, registerAlertTitle(), kNewLine + text, MsgIcon::Critical, 2);
}

}  // namespace

QString registerAlertTitle() {
  return QStringLiteral("  ! !   ΠΡΟΣΟΧΗ   ! ! ");
}

Message registerMessage(int code, const QString& name) {
  switch (code) {
    case kMsgAddName:
      return question(code, QStringLiteral("... ΠΡΟΣΘΗΚΗ ΟΝΟΜΑΤΟΣ ΜΕΛΕΤΗΤΗ ΣΤΗ ΛΙΣΤΑ ..."),
                      QStringLiteral("... Θέλετε να προστεθεί το Νέο Όνομα στη Λίστα ?? ..."),
                      MsgIcon::Question);
    case kMsgNoPassword:
      return refusal(code, QStringLiteral("!! ΔΕΝ έχετε δώσει το Password !!"));
    case kMsgWrongPassword:
      return refusal(code, QStringLiteral("!! Το Password ΔΕΝ ισχύει !!"));
    case kMsgDeleteName:
      return question(
          code, QStringLiteral("... ΔΙΑΓΡΑΦΗ ΟΝΟΜΑΤΟΣ ΜΕΛΕΤΗΤΗ ΑΠΟ ΤΗ ΛΙΣΤΑ ..."),
          QStringLiteral("... Θέλετε να Διαγραφεί το < Φωτισμένο > Όνομα από τη Λίστα ?? ..."),
          MsgIcon::Critical);
    case kMsgOnlyEntry:
      return refusal(code, QStringLiteral("... ΔΕΝ μπορώ να διαγράψω τη μοναδική Καταχώρηση ..."));
    case kMsgCorrectName:
      return question(
          code, QStringLiteral("... ΠΡΟΣΘΗΚΗ ΔΙΟΡΘΩΜΕΝΟΥ ΟΝΟΜΑΤΟΣ ΜΕΛΕΤΗΤΗ ΣΤΗ ΛΙΣΤΑ ..."),
          QStringLiteral("... Θέλετε να Διορθωθεί το Όνομα στη Λίστα ?? ..."), MsgIcon::Question);
    case kMsgChooseName:
      return question(code, QStringLiteral("... ΕΠΙΛΟΓΗ ΟΝΟΜΑΤΟΣ ΜΕΛΕΤΗΤΗ ..."),
                      QStringLiteral("... Μελετητής : ") + name + QStringLiteral(" ...") +
                          kNewLine + QStringLiteral("... ΣΥΜΦΩΝΕΙΤΕ ??? ..."),
                      MsgIcon::Question);
    case kMsgNameTooLong:
      return refusal(code,
                     QStringLiteral("     ... Για < Εκτύπωση μέσω του Προγράμματος (και όχι μέσω "
                                    "του Microsot Excel) > ...     ") +
                         kNewLine +
                         QStringLiteral("... το όνομα του Μελετητή ΔΕΝ πρέπει να περιλαμβάνει "
                                        "περισσότερους από 50 χαρακτήρες ..."));
    case kMsgPasswordsDiffer:
      return okMessage(code, registerAlertTitle(),
                       QStringLiteral("... Τα δυο Passwords, που εδώσατε ΔΕΝ συμπίπτουν ..."),
                       MsgIcon::Critical, 2);
    case kMsgNoProtection:
      return question(code, registerAlertTitle(),
                      QStringLiteral("... Η πρόσβαση στο Αρχείο Ονομάτων μελετητών, ΔΕΝ θα "
                                     "προστατεύεται με Password ...") +
                          kNewLine +
                          QStringLiteral("                                     ... Σίγουρα "
                                         "θέλετε κάτι τέτοιο ?? ...        "),
                      MsgIcon::Critical);
    default:
      break;
  }
  return Message{};
}

Message damagedRegisterMessage(const QString& path, const QString& reason) {
  return okMessage(kMsgDamaged, registerAlertTitle(),
                   kNewLine +
                       QStringLiteral("... Το Αρχείο Ονομάτων Μελετητών ΔΕΝ μπορεί να "
                                      "διαβαστεί ...") +
                       kNewLine + path + kNewLine + reason + kNewLine +
                       QStringLiteral("... Το Αρχείο ΔΕΝ αλλάζει· στις εκτυπώσεις μένει ο "
                                      "Μελετητής που ισχύει ..."),
                   MsgIcon::Critical, 2);
}

Message registerNotWrittenMessage(const QString& path, const QString& reason) {
  return okMessage(kMsgNotWritten, registerAlertTitle(),
                   kNewLine +
                       QStringLiteral("... Το Αρχείο Ονομάτων Μελετητών ΔΕΝ μπόρεσε να "
                                      "γραφτεί ...") +
                       kNewLine + path + kNewLine + reason + kNewLine +
                       QStringLiteral("... Το Αρχείο έμεινε όπως ήταν ..."),
                   MsgIcon::Critical, 2);
}

}  // namespace aeriton::designer
