#pragma once
// The study list: the studies of one folder with their titles, numbered as in
// the study index "Studies.std" that is rebuilt each time the list opens.
// Clicking a line shows its title, folder and file name; a double click or the
// open/save button takes the study. The result is its full path, or "Escape".

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;

namespace aeriton::files {

class FrmOpenSave : public QDialog {
  Q_OBJECT
 public:
  FrmOpenSave(QWidget* parent, const QString& folder, const QString& pattern);

  QString result() const { return result_; }
  int studyCount() const { return static_cast<int>(paths_.size()); }

 private:
  void fill();
  void showSelected();
  void take();

  QString folder_;
  QString pattern_;
  QString result_;
  QStringList paths_;
  QListWidget* list_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* folderLabel_ = nullptr;
  QLabel* fileLabel_ = nullptr;
};

}  // namespace aeriton::files
