#pragma once
// The Greek captions, unit labels and messages of the results screen and its
// two small windows, kept in one place so that screens, logic and tests use the
// same text.

namespace aeriton::summer::texts {

inline constexpr char kPowerCaption[] =
    "ΑΠΑΡΑΙΤΗΤΗ ΨΥΚΤΙΚΗ ΙΣΧΥΣ ΣΤΟ ΣΤΟΙΧΕΙΟ....................................................";
inline constexpr char kUnitKcalH[] = "[Kcal/h]";
inline constexpr char kUnitWatts[] = "[Watts]";
inline constexpr char kUnitKw[] = "[Kw]";
inline constexpr char kUnitRT[] = "[RT]";
inline constexpr char kUnitBtuH[] = "[Btu/h]";
inline constexpr char kUnitM3h[] = "[m³/h]";
inline constexpr char kUnitCfm[] = "[CFM]";
inline constexpr char kUnitC[] = "[°C]";
inline constexpr char kUnitF[] = "[°F]";
inline constexpr char kUnitKcalKg[] = "[Kcal/Kg]";
inline constexpr char kUnitKJKg[] = "[KJ/Kg]";
inline constexpr char kUnitBtuLb[] = "[Btu/Lb]";
inline constexpr char kGroupCaption[] = " Παροχή Αέρα και Ψυκτική Ισχύς Κλιματιστικής Μονάδας ";
inline constexpr char kOAUnitM3h[] = "[ m³/h ]";
inline constexpr char kOAUnitCfm[] = "[ CFM ]";
inline constexpr char kOAUnitPerCent[] = "[ % ]";
inline constexpr char kMetricCaption[] = "Μετρικό Σύστημα";
inline constexpr char kEnglishCaption[] = "ΑγγλοΣαξωνικό Σύστημα";
inline constexpr char kUnsavedLine1[] = "!! Υπάρχουν Δεδομένα, που ΔΕΝ έχουν < σωθεί > !!";
inline constexpr char kUnsavedLine2[] = "Θέλετε να < σώσω > τα Δεδομένα ?";
inline constexpr char kImageHint[] =
    "Με < Διπλό Κλικ > στην εικόνα, βλέπετε τα Χαρ/κά του Αέρα μετά το Στοιχείο";
inline constexpr char kCoolingCaption[] = "Ψυχρομετρικοί Υπολογισμοί Αέρος";
inline constexpr char kCoolingPeriod[] = "(Περίοδος Καλοκαιριού)";
inline constexpr char kHeatingCaption[] = "Ψυχρομετρικοί Υπολογισμοί για Χειμώνα";
inline constexpr char kHeatingPeriod[] = "(Περίοδος Χειμώνα)";
inline constexpr char kWinterTempC[] = "Θερμoκρασία  Εξόδου του Αέρα από το Στοιχείο, σε [°C ] :";
inline constexpr char kWinterTempF[] = "Θερμoκρασία  Εξόδου του Αέρα από το Στοιχείο, σε [°F ] :";
inline constexpr char kWinterFlowM3[] =
    "Παροχή Αέρα από την Περίοδο του Καλοκαιριού, σε [ m³/h ] :";
inline constexpr char kWinterFlowCfm[] =
    "Παροχή Αέρα από την Περίοδο του Καλοκαιριού, σε [ CFM ] :";
inline constexpr char kVeeUnitC[] = "°C";
inline constexpr char kVeeUnitF[] = "°F";
inline constexpr char kVeeTitle[] = "  ***  ΠΡΟΣΟΧΗ   ***  ";
inline constexpr char kVeeNotBelowRoom1[] =
    "... ΔΕΝ είναι δυνατόν η Θερμοκρασία του Αέρα Τροφοδοσίας των Χώρων ...";
inline constexpr char kVeeNotBelowRoom2[] =
    "   ... να είναι ΜΕΓΑΛΥΤΕΡΗ ή ΙΣΗ προς την Θερμοκρασία των Χώρων ...   ";
inline constexpr char kVeeNotAboveOutlet1[] =
    "    ... ΔΕΝ έχει νόημα η Θερμοκρασία του Αέρα Τροφοδοσίας των Χώρων ...   ";
inline constexpr char kVeeNotAboveOutlet2[] =
    "... να είναι ΜΙΚΡΟΤΕΡΗ ή ΙΣΗ προς την προηγούμενη Θερμοκρασία του Αέρα ...";
inline constexpr char kVeeTooClose1[] =
    " ... Η Θερμοκρασία του Αέρα Τροφοδοσίας των Χώρων, πρέπει να είναι ... ";
inline constexpr char kVeeTooCloseC[] =
    "... τουλάχιστον κατά 5 [°C] ΜΙΚΡΟΤΕΡΗ από την Θερμοκρασία των Χώρων ...";
inline constexpr char kVeeTooCloseF[] =
    "... τουλάχιστον κατά 9 [°F] ΜΙΚΡΟΤΕΡΗ από την Θερμοκρασία των Χώρων ...";
inline constexpr char kRaisedDBCaption[] =
    "ΘΕΡΜΟΚΡ. < Ξ.Θ. > ΤΟΥ ΑΕΡΑ, ΣΤΗΝ ΕΞΟΔΟ ΤΗΣ ΜΟΝΑΔΑΣ..............";
inline constexpr char kRaisedWBCaption[] =
    "ΘΕΡΜΟΚΡ. < Υ.Θ. > ΤΟΥ ΑΕΡΑ, ΣΤΗΝ ΕΞΟΔΟ ΤΗΣ ΜΟΝΑΔΑΣ..............";
inline constexpr char kRaisedHCaption[] =
    "ΕΝΘΑΛΠΙΑ ΑΕΡΑ, ΣΤΗΝ ΕΞΟΔΟ ΤΗΣ ΜΟΝΑΔΑΣ................................";
inline constexpr char kCoilOutTitle[] = "... ΧΑΡΑΚΤΗΡΙΣΤΙΚΑ ΑΕΡΑ ΣΤΗΝ ΕΞΟΔΟ ΤΟΥ ΣΤΟΙΧΕΙΟΥ ...";
inline constexpr char kCoilOutDB[] = "ΘΕΡΜΟΚΡΑΣΙΑ ΞΗΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ ΜΕΤΑ ΤΟ ΣΤΟΙΧΕΙΟ............";
inline constexpr char kCoilOutWB[] = "ΘΕΡΜΟΚΡΑΣΙΑ ΥΓΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ ΜΕΤΑ ΤΟ ΣΤΟΙΧΕΙΟ............";
inline constexpr char kCoilOutH[] = "ΕΝΘΑΛΠΙΑ ΑΕΡΑ ΜΕΤΑ ΤΟ ΣΤΟΙΧΕΙΟ............................";
inline constexpr char kUnitC2[] = "  [°C]";
inline constexpr char kUnitF2[] = "  [°F]";
inline constexpr char kUnitKcalKg2[] = "  [Kcal/Kg]";
inline constexpr char kUnitBtuLb2[] = "  [Btu/Lb]";
inline constexpr char kDiagTitle[] = "... BF, ESHF και Tadp...";
inline constexpr char kDiagBF[] = "... Ο Συντελεστής < BF > παράκαμψης του Στοιχείου είναι : ";
inline constexpr char kDiagESHF[] = "... Ο υπολογισμένος < ESHF > είναι : ";
inline constexpr char kDiagADP[] = "... Το Σημείο Δρόσου της Μονάδας, προσδιορίσθηκε στους : ";
inline constexpr char kDegC[] = " °C";
inline constexpr char kDegF[] = " °F";
inline constexpr char kDiagPointT[] = "... Σημείο < T > ...";
inline constexpr char kDiagPointTValues[] = "... Τα χαρακτηριστικά του σημείου < Τ > είναι : ";
inline constexpr char kSlash[] = " / ";
inline constexpr char kUnsavedTitle[] = "  ! !   ΠΡΟΣΟΧΗ   ! ! ";
// Notice of a cooling case whose fresh air is drier than the room air.
inline constexpr char kFreshAirDrier[] = "Ο νωπός αέρας είναι ξηρότερος από τον αέρα του χώρου.";

}  // namespace aeriton::summer::texts
