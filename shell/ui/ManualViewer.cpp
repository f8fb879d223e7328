#include "shell/ui/ManualViewer.h"

#include <QDesktopServices>

#include "shell/ui/ShellMessages.h"
#include "study/AppFolder.h"
#include "study/MessageService.h"

namespace aeriton::shell {
namespace {

bool desktopOpen(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

DocumentOpener& opener() {
  static DocumentOpener o = desktopOpen;
  return o;
}

}  // namespace

QString manualFileName() {
  return QStringLiteral("Aeriton.pdf");
}

QString manualPath() {
  return appfolder::deliveredPath(manualFileName());
}

void setDocumentOpener(DocumentOpener o) {
  opener() = o ? std::move(o) : DocumentOpener(desktopOpen);
}

bool openManual() {
  const QString path = manualPath();
  if (!fileExists(path)) {
    showMessage(manualNotOpenedMessage(path, ManualFailure::FileMissing));
    return false;
  }
  if (!opener()(QUrl::fromLocalFile(path))) {
    showMessage(manualNotOpenedMessage(path, ManualFailure::NoViewer));
    return false;
  }
  return true;
}

}  // namespace aeriton::shell
