#pragma once
// The file dialog of the study files: a drive list, a folder list and a file
// list over the real file system, the file-name box and the current folder.
// Choosing or typing a study file name shows the title of the study from its
// title file. The result is the chosen full path, or "Escape" when the dialog
// is left by its exit button, by Escape or by closing the window.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace aeriton::files {

class FrmFileOS : public QDialog {
  Q_OBJECT
 public:
  // pattern: "*.AIR", "*.WIR" (studies) or "*.KLD", "*.XLD" (load studies).
  // createMode: the caption "Δημιουργία Αρχείου"; a typed name receives the
  // pattern's extension.
  FrmFileOS(QWidget* parent, const QString& pattern, bool createMode);

  // The chosen full path, or "Escape".
  QString result() const { return result_; }
  QString currentFolder() const { return folder_; }
  // Moves the lists to a folder (and its drive).
  void setFolder(const QString& folder);

  // Shows the dialog modally and returns its result; the pattern becomes the
  // study's file filter.
  static QString choose(QWidget* parent, const QString& pattern, bool createMode);

 private:
  void fillDrives();
  void fillFolders();
  void fillFiles();
  void showTitleOf(const QString& name);
  void onDriveChosen(int index);
  void onFolderActivated(QListWidgetItem* item);
  void onFileClicked(QListWidgetItem* item);
  void onDefaultPath();
  void onStudyList();
  void onOk();

  QString pattern_;
  bool create_;
  QString folder_;
  QString result_;
  QComboBox* drives_ = nullptr;
  QListWidget* folders_ = nullptr;
  QListWidget* files_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLabel* curDir_ = nullptr;
  QLabel* title_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace aeriton::files
