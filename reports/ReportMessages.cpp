#include "reports/ReportMessages.h"

#include <QDir>

namespace aeriton::reports {
namespace {

const char* const kAttention = "  ! !  ΠΡΟΣΟΧΗ  ! ! ";
const char* const kPrintTitle = "Η ΕΚΤΥΠΩΣΗ ΔΕΝ ΕΙΝΑΙ ΔΥΝΑΤΗ";

QString u8(const char* t) {
  return QString::fromUtf8(t);
}

}  // namespace

Message missingTemplateMessage() {
  Message m = okMessage(kMissingTemplate, u8(kMissingTemplateTitle), u8(kMissingTemplateText),
                        MsgIcon::Exclamation);
  return m;
}

Message noConverterMessage() {
  return okMessage(
      kNoConverter, u8(kPrintTitle),
      u8("... Για την Προεπισκόπηση και την Εκτύπωση χρειάζεται το LibreOffice Calc, "
         "που ΔΕΝ βρέθηκε στον υπολογιστή ...\n"
         "... Εγκαταστήστε το LibreOffice (στο Debian / Ubuntu: το πακέτο "
         "libreoffice-calc ή libreoffice-calc-nogui) και δοκιμάστε ξανά ...\n"
         "... Η Αποθήκευση ως Αρχείο Φύλλου Εργασίας (.xlsx) γίνεται και χωρίς αυτό ..."),
      MsgIcon::Exclamation);
}

Message conversionFailedMessage(const QString& detail) {
  QString text = u8("... Η προετοιμασία της Εκτύπωσης από το LibreOffice ΔΕΝ ολοκληρώθηκε ...");
  if (!detail.trimmed().isEmpty()) text += '\n' + detail.trimmed();
  return okMessage(kConversionFailed, u8(kPrintTitle), text, MsgIcon::Critical);
}

Message conversionTimedOutMessage(int seconds) {
  return okMessage(kConversionTimedOut, u8(kPrintTitle),
                   u8("... Το LibreOffice ΔΕΝ ολοκλήρωσε την προετοιμασία της Εκτύπωσης "
                      "μέσα σε %1 δευτερόλεπτα και σταμάτησε ...\n"
                      "... Δοκιμάστε ξανά σε λίγο ...")
                       .arg(seconds),
                   MsgIcon::Critical);
}

Message saveFailedMessage(const QString& path, const QString& reason) {
  QString text = u8("... ΔΕΝ είναι δυνατόν να γραφτεί το Αρχείο < %1 > ...\n"
                    "... Ο Φάκελος δεν επιτρέπει εγγραφή ή το Αρχείο είναι ανοιχτό "
                    "σε άλλο πρόγραμμα ...")
                     .arg(QDir::toNativeSeparators(path));
  if (!reason.trimmed().isEmpty()) text += '\n' + reason.trimmed();
  return okMessage(kSaveFailed, u8(kAttention), text, MsgIcon::Critical);
}

Message noPrinterMessage(const QString& printerName) {
  const QString text = printerName.isEmpty()
                           ? u8("... ΔΕΝ υπάρχει εγκατεστημένος Εκτυπωτής ...\n"
                                "... Με την Προεπισκόπηση μπορείτε να δείτε την Εκτύπωση, ή να την "
                                "αποθηκεύσετε ως Αρχείο PDF ...")
                           : u8("... Ο Εκτυπωτής < %1 > ΔΕΝ είναι διαθέσιμος ...").arg(printerName);
  return okMessage(kNoPrinter, u8(kPrintTitle), text, MsgIcon::Exclamation);
}

Message printFailedMessage(const QString& printerName) {
  return okMessage(kPrintFailed, u8(kPrintTitle),
                   u8("... Η Εκτύπωση στον Εκτυπωτή < %1 > ΔΕΝ έγινε ...").arg(printerName),
                   MsgIcon::Critical);
}

Message overwriteQuestion(const QString& name) {
  Message m;
  m.code = kOverwriteQuestion;
  m.title = u8(kAttention);
  m.text = u8("... To Αρχείο < ") + name + u8(" >, υπάρχει ήδη ...") + '\n' +
           u8("... ΘΕΛΕΤΕ ΝΑ ΤΟ ΑΝΤΙΚΑΤΑΣΤΗΣΩ ?? ...");
  m.icon = MsgIcon::Question;
  m.buttons = MsgButtons::YesNo;
  m.defaultButton = MsgAnswer::No;
  m.beeps = 2;
  return m;
}

Message workbookNotice() {
  return okMessage(kWorkbookNotice, u8(kAttention),
                   u8("... Θα δημιουργηθεί Αρχείο του < Microsoft Excel > ..."),
                   MsgIcon::Information);
}

Message savedNotice(const QString& path) {
  return okMessage(kSavedNotice, u8(kAttention),
                   u8("... Δημιουργήθηκε το Αρχείο < %1 > ...").arg(QDir::toNativeSeparators(path)),
                   MsgIcon::Information);
}

}  // namespace aeriton::reports
