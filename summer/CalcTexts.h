// Message texts of the calculation, copied character for character; never retype them.
#pragma once

namespace aeriton::summer::texts {

inline constexpr char kNegTitle[] = u8"...!! ΠΡΟΣΟΧΗ !!...";
inline constexpr char kNegLine1[] =
    u8"... ΔΕΝ είναι δυνατόν να γίνει επεξεργασία των Δεδομένων σας ...";
inline constexpr char kNegLine2[] =
    u8"... Μάλλον έχετε επιλέξει πολύ χαμηλή επιθυμητή Σχετική Υγρασία Κλιματιζόμενων Χώρων ...";
inline constexpr char kNegLine3[] = u8"... Δοκιμάστε να την αυξήσετε λίγο ...";
inline constexpr char kFreshTitle[] = u8"*** Π Ρ Ο Σ Ο Χ Η *** ";
inline constexpr char kFreshText[] =
    u8"... Η Ποσότητα του Νωπού Αέρα, είναι μάλλον υπερβολική : ΕΛΕΓΞΤΕ ΤΗΝ !...";
inline constexpr char kHotTitle[] = u8"*** ΑΠΑΡΑΔΕΚΤΗ ΘΕΡΜΟΚΡΑΣΙΑ *** ";
inline constexpr char kHotLine1[] =
    u8"... Η Θερμοκρασία εξόδου του Αέρα στους Χώρους, είναι μεγαλύτερη των 65 [°C] ...";
inline constexpr char kHotLine2[] = u8"... Πρέπει να αυξήσετε την παροχή Αέρα από το Καλοκαίρι ...";
inline constexpr char kHotLine3[] = u8"         ";
inline constexpr char kHotLine4[] = u8"... Οι Υπολογισμοί ΔΕΝ θα γίνουν ...";
inline constexpr char kAskTitle[] = u8"!!  ΠΡΟΣΟΧΗ   !!";
inline constexpr char kAskLine1[] =
    u8"... Η Θερμοκρασία εξόδου του Αέρα στους Χώρους, είναι μεγαλύτερη των 54 [°C] (-> ";
inline constexpr char kAskLine1End[] = u8" [°C]) ...";
inline constexpr char kAskLine2[] =
    u8"... Μια τέτοια Θερμοκρασία απαιτεί την τοποθέτηση των Στομίων σε ικανό ύψος, ...";
inline constexpr char kAskLine3[] = u8"... ώστε να μη βρίσκονται κοντά σε αυτά Άνθρωποι ...";
inline constexpr char kAskLine4[] =
    u8"... Ίσως να πρέπει να αυξήσετε την παροχή Αέρα από το Καλοκαίρι ...";
inline constexpr char kAskLine5[] = u8"      ";
inline constexpr char kAskLine6[] =
    u8"... ΝΑ ΣΥΝΕΧΙΣΘΕΙ Η ΔΙΑΔΙΚΑΣΙΑ ΤΩΝ ΨΥΧΡΟΜΕΤΡΙΚΩΝ ΥΠΟΛΟΓΙΣΜΩΝ ?? ...";
inline constexpr char kMixTitle[] = u8"*** ΑΠΑΡΑΔΕΚΤΑ ΔΕΔΟΜΕΝΑ *** ";
inline constexpr char kMixText[] =
    u8"... Μάλλον πρέπει να γίνεται με την ίδια Μονάδα Ψύξη και το Καλοκαίρι ...";

}  // namespace aeriton::summer::texts
