#include "winter/WinterTexts.h"

#include <cmath>

#include "engine/NumberEntry.h"
#include "winter/WinterChecks.h"

namespace aeriton::winter::texts {
namespace {

// A limit as the messages write it: whole numbers without decimals.
QString boundText(double v) {
  if (v == std::floor(v)) return QString::number(static_cast<long long>(v));
  return LocaleNumberText(v);
}
QString degrees(double v, bool english) {
  return boundText(v) + (english ? QStringLiteral(" [°F]") : QStringLiteral(" [°C]"));
}

}  // namespace

QString caption() {
  return QStringLiteral("ΨΥΧΡΟΜΕΤΡΙΚΟΙ ΥΠΟΛΟΓΙΣΜΟΙ ΑΕΡΟΣ - ΠΕΡΙΟΔΟΣ ΧΕΙΜΩΝΑ");
}
QString climateFrame() {
  return QStringLiteral(" ΘΕΡΜΟΚΡΑΣΙΑΚΑ ΚΑΙ ΥΓΡΑΣΙΑΚΑ ΔΕΔΟΜΕΝΑ ");
}
QString envDB() {
  return QStringLiteral("ΘΕΡΜΟΚΡΑΣΙΑ ΞΗΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ ΠΕΡΙΒΑΛΛΟΝΤΟΣ...............");
}
QString envWB() {
  return QStringLiteral("ΘΕΡΜΟΚΡΑΣΙΑ ΥΓΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ ΠΕΡΙΒΑΛΛΟΝΤΟΣ..............");
}
QString envRH() {
  return QStringLiteral("ΣΧΕΤΙΚΗ ΥΓΡΑΣΙΑ ΠΕΡΙΒΑΛΛΟΝΤΟΣ...........................................");
}
QString spaDB() {
  return QStringLiteral("ΘΕΡΜΟΚΡΑΣΙΑ ΞΗΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ ΧΩΡΩΝ..........................");
}
QString spaWB() {
  return QStringLiteral("ΘΕΡΜΟΚΡΑΣΙΑ ΥΓΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ ΧΩΡΩΝ............................");
}
QString spaRH() {
  return QStringLiteral(
      "ΣΧΕΤΙΚΗ ΥΓΡΑΣΙΑ ΧΩΡΩΝ........................................................");
}
QString sensLoad() {
  return QStringLiteral("ΣΥΝΟΛΙΚΟ ΑΙΣΘΗΤΟ ΦΟΡΤΙΟ ΧΩΡΩΝ..........................................");
}
QString unitsCaption() {
  return QStringLiteral("ΜΟΝΑΔΕΣ ΤΗΣ ΜΕΛΕΤΗΣ");
}
QString kindCaption() {
  return QStringLiteral("ΕΙΔΟΣ ΣΥΣΤΗΜΑΤΟΣ ΚΛΙΜΑΤΙΣΜΟΥ..........................................");
}
QString kindyCaption() {
  return QStringLiteral(
      "ΛΕΙΤΟΥΡΓΙΑ ΤΟ ΚΑΛΟΚΑΙΡΙ..................................................");
}
QString coilOutLabel() {
  return QStringLiteral("Θερμοκρασία Εξόδου από το Στοιχείο");
}
QString perCelsius() {
  return QStringLiteral("σε [ °C ]");
}
QString perFahrenheit() {
  return QStringLiteral("σε [ °F ]");
}
QString summerFlowLabel() {
  return QStringLiteral("Παροχή Αέρα από το Καλοκαίρι");
}
QString perM3h() {
  return QStringLiteral("σε [ m³/h ]");
}
QString perCfm() {
  return QStringLiteral("σε [ CFM ]");
}
QString freshAmount() {
  return QStringLiteral("Νωπός Αέρας, σε [ m³/h]");
}
QString freshPerCent() {
  return QStringLiteral("Νωπός Αέρας επί τοις %");
}
QString titleCaption() {
  return QStringLiteral("ΘΕΜΑ-ΤΙΤΛΟΣ ΤΗΣ ΜΕΛΕΤΗΣ");
}
QString cmdWB() {
  return QStringLiteral(" Καθορισμός της Θερμοκρασίας Υγρού Θερμομέτρου ");
}
QString cmdRH() {
  return QStringLiteral(" Καθορισμός της Σχετικής Υγρασίας ");
}
QString placeholder() {
  return QStringLiteral("ΘΑ ΥΠΟΛΟΓ.");
}
QStringList unitTexts() {
  return {QStringLiteral("[Watts], [°C], Ενθαλπία -> [KJ/Kg]"),
          QStringLiteral("[Kcal/h], [°C], Ενθαλπία -> [Kcal/Kg]"),
          QStringLiteral("[Kw], [°C], Ενθαλπία -> [KJ/Kg]"),
          QStringLiteral("[RT], [°C], Ενθαλπία -> [KJ/Kg]"),
          QStringLiteral("[Btu/h], [°C], Ενθαλπία -> [Kcal/Kg]"),
          QStringLiteral("[Btu/h], [°F], Ενθαλπία -> [Btu/Lb]")};
}
QStringList kindTexts() {
  return {QStringLiteral("Ανάμιξη Αέρα Ανακυκλοφορίας, με Νωπό Αέρα"),
          QStringLiteral("Ανακυκλοφορία Αέρα 100%"),
          QStringLiteral("100% Νωπός Αέρας που παραλαμβάνει Φορτία"),
          QStringLiteral("100% Νωπός Αέρας που ΔΕΝ παραλαμβάνει Φορτία")};
}
QStringList kindCodes() {
  return {QStringLiteral("AAA_NA"), QStringLiteral("AA_100"), QStringLiteral("NA_PAF"),
          QStringLiteral("NA_DPF")};
}
QStringList kindyTexts() {
  return {QStringLiteral("Το Καλοκαίρι, θα γίνεται Ψύξη με ΑΛΛΗ Κεντρική Κλιματιστική Μονάδα"),
          QStringLiteral("Το Καλοκαίρι, θα γίνεται Ψύξη με την ΙΔΙΑ Κεντρική Κλιματιστική Μονάδα")};
}
QString recentFilesName() {
  return QStringLiteral("RecentFiles.txt");
}
QString noRecentFiles() {
  return QStringLiteral("...! ΔΕΝ ΥΠΑΡΧΟΥΝ ΠΡΟΣΦΑΤΑ ΑΡΧΕΙΑ !...");
}
QString cmdAeriton() {
  return QStringLiteral("ΨΥΧΡΟΜΕΤΡΙΚΟΙ ΥΠΟΛΟΓΙΣΜΟΙ");
}
QString cmdThema() {
  return QStringLiteral(" Θέμα-Τίτλος της Μελέτης ");
}
QString psDataName() {
  return QStringLiteral("PSDATA.TMP");
}
QString cmdPSOpen() {
  return QStringLiteral(" Παλαιό Αρχείο Δεδομένων Χειμώνα ");
}
QString cmdPS() {
  return QStringLiteral(" Στοιχειώδης Ψυχρομετρική Μεταβολή ");
}
QString cmdManual() {
  return QStringLiteral(" Εγχειρίδιο Προγράμματος ");
}
QString cmdExit() {
  return QStringLiteral("ΕΞΟΔΟΣ ΑΠΟ ΤΑ ΔΕΔΟΜΕΝΑ");
}
QString waitText() {
  return QStringLiteral(".. Περιμένετε ..");
}

QString inputTitle() {
  return QStringLiteral("*** ΑΠΑΡΑΔΕΚΤΗ ΚΑΤΑΧΩΡΗΣΗ *** ");
}
QString envWBRefused() {
  return QStringLiteral("... Η Θερμοκρασία Υ.Θ. του Περιβάλλοντος, ΔΕΝ γίνεται Δεκτή ...");
}
QString spaWBRefused() {
  return QStringLiteral("... Η Θερμοκρασία Υ.Θ. των Χώρων, ΔΕΝ γίνεται Δεκτή ...");
}
QString sensRefused() {
  return QStringLiteral("... Το Συνολικό Αισθητό Φορτίο των Χώρων, ΔΕΝ γίνεται Δεκτό ...");
}
// The range messages quote the limits the checks apply (winter/WinterChecks.h).
QString envDBRange(bool english) {
  const WinterLimits& L = winterLimits(english);
  return QStringLiteral("... Θερμοκρασία Περιβάλλοντος, μεταξύ %1 και %2 ...")
      .arg(degrees(L.envDBLow, english), degrees(L.envDBHigh, english));
}
QString envRHRange() {
  return QStringLiteral("... Σχετική Υγρασία Περιβάλλοντος, μεταξύ %1 % και %2 % ...")
      .arg(boundText(kEnvRHLow), boundText(kRHHigh));
}
QString spaDBRange(bool english) {
  const WinterLimits& L = winterLimits(english);
  return QStringLiteral("... Θερμοκρασία Χώρων, μεταξύ %1 και %2 ...")
      .arg(degrees(L.spaDBLow, english), degrees(L.spaDBHigh, english));
}
QString spaRHRange() {
  return QStringLiteral("... Σχετική Υγρασία Χώρων, μεταξύ %1 % και %2 % ...")
      .arg(boundText(kSpaRHLow), boundText(kRHHigh));
}
QString difference(bool english) {
  return QStringLiteral(
             "... Η Θερμοκρασία Χώρων, πρέπει να υπερβαίνει την Θερμοκρασία "
             "Περιβάλλοντος, κατά %1 ΤΟΥΛΑΧΙΣΤΟΝ ...")
      .arg(degrees(winterLimits(english).difference, english));
}
QString missingTitle() {
  return QStringLiteral(" ... ΠΡΟΣΟΧΗ !... ");
}
QString missingRooms() {
  return QStringLiteral("!! Δεν έχετε επιλέξει Χώρους !!");
}
QString missingFresh() {
  return QStringLiteral("!! Δεν έχετε δώσει την ποσότητα του Νωπού Αέρα !!");
}
QString missingCoilOut() {
  return QStringLiteral("!! Δεν έχετε δώσει την Θερμοκρασία Εξόδου του Αέρα από το Στοιχείο !!");
}
QString missingSummerFlow() {
  return QStringLiteral("!! Δεν έχετε δώσει την Παροχή της Μονάδας για το Καλοκαίρι !!");
}
QString noTitleText() {
  return QStringLiteral("... ΔΕΝ έχετε καταχωρήσει το ΘΕΜΑ-ΤΙΤΛΟ της Μελέτης ...");
}
QString noTitleTitle() {
  return QStringLiteral("...! ΠΡΟΣΟΧΗ !...");
}
QString hotTitle() {
  return QStringLiteral("!!  ΠΡΟΣΟΧΗ   !!");
}
QStringList hotLines(const QString& supplyC) {
  return {QStringLiteral(
              "... Η Θερμοκρασία εξόδου του Αέρα στους Χώρους, είναι μεγαλύτερη των 54 [°C] (-> ") +
              supplyC + QStringLiteral(" [°C]) ..."),
          QStringLiteral(
              "... Μια τέτοια Θερμοκρασία απαιτεί την τοποθέτηση των Στομίων σε ικανό ύψος, ..."),
          QStringLiteral("... ώστε να μη βρίσκονται κοντά σε αυτά Άνθρωποι ..."),
          QStringLiteral("... Ίσως να πρέπει να αυξήσετε την παροχή Αέρα από το Καλοκαίρι ..."),
          QStringLiteral("      "),
          QStringLiteral("... ΝΑ ΣΥΝΕΧΙΣΘΕΙ Η ΔΙΑΔΙΚΑΣΙΑ ΤΩΝ ΨΥΧΡΟΜΕΤΡΙΚΩΝ ΥΠΟΛΟΓΙΣΜΩΝ ?? ...")};
}
QString tooHotTitle() {
  return QStringLiteral("*** ΑΠΑΡΑΔΕΚΤΗ ΘΕΡΜΟΚΡΑΣΙΑ *** ");
}
QStringList tooHotLines() {
  return {QStringLiteral(
              "... Η Θερμοκρασία εξόδου του Αέρα στους Χώρους, είναι μεγαλύτερη των 65 [°C] ..."),
          QStringLiteral("... Πρέπει να αυξήσετε την παροχή Αέρα από το Καλοκαίρι ..."),
          QStringLiteral("         "), QStringLiteral("... Οι Υπολογισμοί ΔΕΝ θα γίνουν ...")};
}
QString badDataTitle() {
  return QStringLiteral("*** ΑΠΑΡΑΔΕΚΤΑ ΔΕΔΟΜΕΝΑ *** ");
}
QString tooMuchFreshAir() {
  return QStringLiteral(
      "... Μάλλον πρέπει να γίνεται με την ίδια Μονάδα Ψύξη και το Καλοκαίρι ...");
}
QString cannotComputeLine() {
  return QStringLiteral("... Οι Υπολογισμοί ΔΕΝ θα γίνουν ...");
}

}  // namespace aeriton::winter::texts
