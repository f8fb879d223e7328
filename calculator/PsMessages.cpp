#include "calculator/PsMessages.h"

#include "engine/NumberEntry.h"
#include "engine/Psychro.h"

namespace aeriton::calculator {
namespace {

QString warningTitle() {
  return QStringLiteral("  ! !   ΠΡΟΣΟΧΗ   ! ! ");
}
QString shortTitle() {
  return QStringLiteral(" !! ΠΡΟΣΟΧΗ !! ");
}

}  // namespace

Message messagesLC(int code) {
  switch (code) {
    case 1:
      return okMessage(code, warningTitle(),
                       QStringLiteral("\n!! Ελλιπή Στοιχεία ... ΔΕΝ θα γίνουν Υπολογισμοί ... !!"));
    case 2:
      return okMessage(
          code, warningTitle(),
          QStringLiteral("\n!! Ελλιπή Στοιχεία ... ΔΕΝ θα Δημιουργηθεί Αρχείο ... !!"));
    case 3:
      return okMessage(
          code, warningTitle(),
          QStringLiteral("\n!! Ελλιπή Στοιχεία ... Πατήστε το πλήκτρο < Υπολογισμός > ... !!"));
    case 4: {
      Message m;
      m.code = code;
      m.title = QStringLiteral("  ! !   ΠΡΟΣΟΧΗ : ΟΛΑ ΤΑ ΔΕΔΟΜΕΝΑ, ΘΑ ΔΙΑΓΡΑΦΟΥΝ  ! ! ");
      m.text = QStringLiteral("\n                           ... Νέα Μελέτη ? ...");
      m.icon = MsgIcon::Question;
      m.buttons = MsgButtons::YesNo;
      m.defaultButton = MsgAnswer::No;
      m.beeps = 2;
      return m;
    }
    case 6:
      return okMessage(
          code, shortTitle(),
          QStringLiteral("\n... Το όνομα του Αρχείου, που εδώσατε ΔΕΝ είναι έγκυρο ...\n"
                         "... Το Αρχείο του < Microsoft Excel > ΔΕΝ δημιουργείται ..."));
    case 7:
      return okMessage(code, shortTitle(),
                       QStringLiteral("\n... ΔΕΝ έχετε δώσει το Θέμα της Μελέτης ..."));
    default:
      break;
  }
  return okMessage(code, warningTitle(), QString());
}

Message outOfRangeMessage(bool inlet, bool metric) {
  // The saturation table's -10 °F .. 130 °F, in the unit of the screen.
  const double low = psy::kTableLow, high = psy::kTableHigh;
  const QString lowText = metric ? FormatNumber((low - 32.0) * 5.0 / 9.0, QStringLiteral("0.0"))
                                 : FormatNumber(low, QStringLiteral("0"));
  const QString highText = metric ? FormatNumber((high - 32.0) * 5.0 / 9.0, QStringLiteral("0.0"))
                                  : FormatNumber(high, QStringLiteral("0"));
  const QString unit = metric ? QStringLiteral("°C") : QStringLiteral("°F");
  const QString state = inlet ? QStringLiteral("Εισόδου") : QStringLiteral("Εξόδου");
  return okMessage(
      kCodeOutOfRange, warningTitle(),
      QStringLiteral("\n!! Μη Αποδεκτή Κατάσταση %1 ... ΔΕΝ θα γίνουν Υπολογισμοί ... !!\n"
                     "... Θερμοκρασίες από %2 έως %3 %4, Υγρό Θερμόμετρο όχι πάνω από το "
                     "Ξηρό, Σχετική Υγρασία έως 100 % ...")
          .arg(state, lowText, highText, unit));
}

Message fileUnreadableMessage(const QString& fileName, const QString& reason) {
  return okMessage(kCodeFileUnreadable, shortTitle(),
                   QStringLiteral("\n... Το Αρχείο < %1 > ΔΕΝ διαβάστηκε ...\n%2\n"
                                  "... Τα Στοιχεία της Οθόνης ΔΕΝ άλλαξαν ...")
                       .arg(fileName, reason));
}

Message fileUnwritableMessage(const QString& fileName, const QString& detail) {
  return okMessage(
      kCodeFileUnwritable, shortTitle(),
      QStringLiteral("\n... Το Αρχείο < %1 > ΔΕΝ γράφτηκε ...\n... %2 ...").arg(fileName, detail));
}

Message calcsDoneMessage() {
  return okMessage(kCodeCalcsDone, QStringLiteral("... ! ΠΡΟΣΟΧΗ !..."),
                   QStringLiteral("... Έχουν, ήδη γίνει ΥΠΟΛΟΓΙΣΜΟΙ !..."), MsgIcon::Exclamation);
}

}  // namespace aeriton::calculator
