#pragma once
// The recent load studies of the companion load program ("RecentFiles.txt"):
// recall one as the current study file, or remove one from the list.

#include <QDialog>
#include <functional>

#include "study/MessageService.h"

class QListWidget;

namespace aeriton::files {

class FrmRecFiles : public QDialog {
  Q_OBJECT
 public:
  explicit FrmRecFiles(QWidget* parent);

  // Asked before a recall when the study has unsaved results: returns false
  // to stop the recall (the user cancelled the save question). The data
  // screens install it; without one the recall goes on.
  using UnsavedHandler = std::function<bool(QWidget* parent)>;
  static void setUnsavedHandler(UnsavedHandler handler);

  // The recalled path (empty until a recall).
  QString recalled() const { return recalled_; }

  // CmdRecall: makes the selected entry the current study file and closes.
  void recall();
  // DeleteCurrentFile: asks, then removes the selected entry from the list.
  void DeleteCurrentFile();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fill();

  QListWidget* list_ = nullptr;
  QString recalled_;
};

// The F2 key of the data screens: shows the recent list, or the notice that
// there is none when "RecentFiles.txt" does not exist. A recall is confirmed
// with the notice recalledMessage() (the list closes, so the user sees what
// happened). Returns the recalled path (empty when nothing was recalled).
QString openRecentFiles(QWidget* parent);
// "The load study ... is now the current study file (summer / winter)".
Message recalledMessage(const QString& path);

}  // namespace aeriton::files
