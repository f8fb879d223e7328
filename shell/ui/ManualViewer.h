#pragma once
// The manual button of the data screens: opens the manual "Aeriton.pdf", which
// is delivered in the program folder, with the desktop's PDF viewer.

#include <QUrl>
#include <functional>

namespace aeriton::shell {

// The manual's file name in the program folder.
QString manualFileName();
// Where the manual is looked for (a user's own copy first, then the installed one).
QString manualPath();

// Hands a document to the desktop (QDesktopServices::openUrl); false when no
// program could be started for it. Tests install their own to see the request.
using DocumentOpener = std::function<bool(const QUrl&)>;
// nullptr restores the desktop's opener.
void setDocumentOpener(DocumentOpener opener);

// Opens the manual. A missing file or a desktop that cannot open it gives the
// message manualNotOpenedMessage (through the message service) and false.
bool openManual();

}  // namespace aeriton::shell
