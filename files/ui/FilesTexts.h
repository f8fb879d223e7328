#pragma once
// The fixed Greek texts of the study-file dialogs.

namespace aeriton::files::text {

inline constexpr const char* kFileNameLabel = "Όνομα Αρχείου :";
inline constexpr const char* kCurrentFolderLabel = "< Τρέχων > Κατάλογος Αρχείων :";
inline constexpr const char* kCreateCaption = "Δημιουργία Αρχείου";
inline constexpr const char* kEscape = "Escape";
inline constexpr const char* kNoRecentFiles = "...! ΔΕΝ ΥΠΑΡΧΟΥΝ ΠΡΟΣΦΑΤΑ ΑΡΧΕΙΑ !...";
inline constexpr const char* kDeleteTitle = "!!  ΠΡΟΣΟΧΗ  !!";
inline constexpr const char* kDeleteLine1 = "ΤΟ ΑΡΧΕΙΟ :";
inline constexpr const char* kDeleteLine3 = "ΘΑ ΔΙΑΓΡΑΦΕΙ ΑΠΟ ΤΗΝ ΛΙΣΤΑ ΠΡΟΣΦΑΤΩΝ ΑΡΧΕΙΩΝ !!...";
inline constexpr const char* kDeleteLine4 = "      Θέλετε να συνεχίσω με την Διαγραφή ??       ";

}  // namespace aeriton::files::text
