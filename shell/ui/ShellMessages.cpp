#include "shell/ui/ShellMessages.h"

namespace aeriton::shell {

// A line break inside a message text: the message boxes show it as a new line.
static const QString kNewLine = QStringLiteral("\n");

Message secondInstanceMessage() {
  return okMessage(kMsgSecondInstance, QStringLiteral("Π Ρ Ο Σ Ο Χ Η"),
                   QStringLiteral("Το πρόγραμμα < Aeriton > τρέχει ήδη και δεν μπορείτε να το "
                                  "τρέξετε σε πολλαπλά παράθυρα!"));
}

Message exitConfirmMessage() {
  Message m;
  m.code = kMsgExitConfirm;
  m.title = QStringLiteral("...!! ΠΡΟΣΟΧΗ !!...");
  m.text = QStringLiteral("... Έχετε επιλέξει την έξοδο από το Πρόγραμμα ...") + kNewLine +
           QStringLiteral("       ... Είστε Σίγουρος για αυτό ?? ...        ");
  m.icon = MsgIcon::Critical;
  m.buttons = MsgButtons::YesNo;
  m.defaultButton = MsgAnswer::No;
  m.beeps = 2;
  return m;
}

Message exitOrChangeMessage() {
  Message m;
  m.code = kMsgExitOrChange;
  m.title = QStringLiteral("... ΕΠΙΛΕΞΤΕ ...");
  m.text =
      QStringLiteral(
          "... ΕΞΟΔΟΣ και από το Πρόγραμμα, ή ΑΛΛΑΓΗ Εποχής Ψυχρομετρικών Υπολογισμών ;;;...") +
      kNewLine +
      QStringLiteral(
          "... Επιλέξτε : < YES > για ΕΞΟΔΟ, < ΝO > για Αλλαγή Εποχής Υπολογισμών, < CANCEL >, για "
          "παραμονή ως έχετε ...");
  m.icon = MsgIcon::Question;
  m.buttons = MsgButtons::YesNoCancel;
  // Enter keeps the user where he is: leaving must be a deliberate choice.
  m.defaultButton = MsgAnswer::Cancel;
  m.beeps = 2;
  return m;
}

Message titleFileNotWrittenMessage(const QString& path, const QString& reason) {
  return okMessage(kMsgTitleFileNotWritten, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."),
                   QStringLiteral("Δεν ήταν δυνατή η εγγραφή του αρχείου τίτλου της μελέτης:") +
                       kNewLine + path + kNewLine + reason,
                   MsgIcon::Exclamation);
}

Message folderFileNotWrittenMessage(const QString& path, const QString& reason) {
  return okMessage(
      kMsgFolderFileNotWritten, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."),
      QStringLiteral("Δεν ήταν δυνατή η δημιουργία του αρχείου με τον φάκελο των μελετών:") +
          kNewLine + path + kNewLine + reason + kNewLine +
          QStringLiteral(
              "Το πρόγραμμα συνεχίζει· οι μελέτες θα αναζητηθούν στον φάκελο του προγράμματος."),
      MsgIcon::Exclamation);
}

Message noInstanceLockMessage(const QString& path, const QString& reason) {
  return okMessage(
      kMsgNoInstanceLock, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."),
      QStringLiteral("Δεν ήταν δυνατή η δημιουργία του αρχείου που εμποδίζει δεύτερο αντίγραφο "
                     "του προγράμματος:") +
          kNewLine + path + kNewLine + reason + kNewLine +
          QStringLiteral("Το πρόγραμμα συνεχίζει· μην το ανοίξετε δεύτερη φορά μέχρι να κλείσει."),
      MsgIcon::Exclamation);
}

Message registryNotWrittenMessage(const QString& path, const QString& reason) {
  return okMessage(
      kMsgRegistryNotWritten, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."),
      QStringLiteral(
          "Δεν ήταν δυνατή η καταγραφή του προγράμματος στο κοινό μητρώο προγραμμάτων:") +
          kNewLine + path + kNewLine + reason + kNewLine +
          QStringLiteral(
              "Το πρόγραμμα συνεχίζει· τα άλλα προγράμματα του κατασκευαστή ίσως δεν το βρουν."),
      MsgIcon::Exclamation);
}

Message programFolderNotWritableMessage(const QString& path, const QString& reason) {
  return okMessage(
      kMsgProgramFolderNotWritable, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."),
      QStringLiteral("Ο φάκελος εργασίας του προγράμματος δεν μπορεί να γραφτεί:") + kNewLine +
          path + kNewLine + reason + kNewLine +
          QStringLiteral("Οι υπολογισμοί και το άνοιγμα μελετών γράφουν εκεί τα αρχεία ανταλλαγής "
                         "τους και δεν θα είναι δυνατά. Ελέγξτε ότι ο φάκελος επιτρέπει εγγραφή "
                         "και ότι ο δίσκος έχει χώρο."),
      MsgIcon::Exclamation);
}

Message folderFileRepairedMessage(const QString& path, const QString& folder) {
  return okMessage(kMsgFolderFileRepaired, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."),
                   QStringLiteral("Το αρχείο με τον φάκελο των μελετών ήταν κατεστραμμένο:") +
                       kNewLine + path + kNewLine +
                       QStringLiteral("Ο φάκελος των μελετών ορίστηκε ξανά:") + kNewLine + folder,
                   MsgIcon::Exclamation);
}

Message manualNotOpenedMessage(const QString& path, ManualFailure why) {
  const QString remedy =
      why == ManualFailure::FileMissing
          ? QStringLiteral("... Το αρχείο ΔΕΝ υπάρχει : εγκαταστήστε ξανά το Πρόγραμμα ...")
          : QStringLiteral(
                "... ΔΕΝ βρέθηκε Πρόγραμμα ανάγνωσης PDF : εγκαταστήστε ένα, ή ανοίξτε "
                "το αρχείο με όποιο έχετε ...");
  return okMessage(
      kMsgManualNotOpened, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."),
      QStringLiteral("... ΔΕΝ ήταν δυνατόν να ανοίξει το Εγχειρίδιο του Προγράμματος ...") +
          kNewLine + path + kNewLine + remedy,
      MsgIcon::Exclamation);
}

}  // namespace aeriton::shell
