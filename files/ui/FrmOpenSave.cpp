#include "files/ui/FrmOpenSave.h"

#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/StudyIndex.h"
#include "files/ui/FilesTexts.h"
#include "study/AppFolder.h"
#include "study/MessageService.h"
#include "study/ui/QtMessageService.h"

namespace aeriton::files {

FrmOpenSave::FrmOpenSave(QWidget* parent, const QString& folder, const QString& pattern)
    : QDialog(parent),
      folder_(appendBackslash(folder)),
      pattern_(pattern),
      result_(QString::fromUtf8(text::kEscape)) {
  setObjectName("FrmOpenSave");
  setModal(true);
  setWindowTitle(QStringLiteral("Λίστα Μελετών  -  %1").arg(pattern));

  list_ = new QListWidget;
  list_->setObjectName("LstStudies");
  QFont mono = list_->font();
  mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::TypeWriter);
  list_->setFont(mono);

  auto* box = new QGroupBox(QStringLiteral(" Στοιχεία της Μελέτης "));
  title_ = new QLabel;
  title_->setObjectName("LblTitle");
  title_->setWordWrap(true);
  folderLabel_ = new QLabel;
  folderLabel_->setObjectName("LblFolder");
  folderLabel_->setWordWrap(true);
  fileLabel_ = new QLabel;
  fileLabel_->setObjectName("LblFile");
  auto* form = new QFormLayout(box);
  form->addRow(QStringLiteral("Θέμα :"), title_);
  form->addRow(QStringLiteral("Κατάλογος :"), folderLabel_);
  form->addRow(QStringLiteral("Αρχείο :"), fileLabel_);

  auto* open = new QPushButton(QStringLiteral("Επιλογή Μελέτης"));
  open->setObjectName("CmdOpenSave");
  open->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Έξοδος"));
  cancel->setObjectName("CmdCancel");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(open);
  buttons->addStretch(1);
  buttons->addWidget(cancel);

  auto* top = new QVBoxLayout(this);
  top->addWidget(list_, 1);
  top->addWidget(box);
  top->addLayout(buttons);
  resize(620, 460);

  connect(list_, &QListWidget::currentRowChanged, this, [this] { showSelected(); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { take(); });
  connect(open, &QPushButton::clicked, this, &FrmOpenSave::take);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  fill();
  centreWindow(this);
}

void FrmOpenSave::fill() {
  list_->clear();
  paths_.clear();
  QString error;
  if (MakeCurrentStudiesFile(folder_, pattern_, &error) < 0) {
    Message m;
    m.code = 41;
    m.title = QStringLiteral("...! ΠΡΟΣΟΧΗ !..");
    m.text = QStringLiteral("... Η Λίστα των Μελετών ΔΕΝ μπόρεσε να γραφτεί ...\n") + error;
    m.icon = MsgIcon::Critical;
    m.beeps = 2;
    showMessage(m);
    return;
  }
  const auto records = readStudiesFile();
  // The index holds the folder cut to its field width; the list keeps the
  // real paths of the files it was built from.
  const QStringList names = studyFiles(folder_, pattern_);
  for (int k = 0; k < static_cast<int>(records.size()) && k < names.size(); ++k) {
    list_->addItem(studyListLine(k + 1, records[k].title));
    paths_ << folder_ + names[k];
  }
}

void FrmOpenSave::showSelected() {
  const int row = list_->currentRow();
  if (row < 0 || row >= paths_.size()) {
    title_->clear();
    folderLabel_->clear();
    fileLabel_->clear();
    return;
  }
  const auto records = readStudiesFile();
  if (row < static_cast<int>(records.size())) title_->setText(records[row].title);
  folderLabel_->setText(QDir::toNativeSeparators(folder_));
  fileLabel_->setText(paths_[row].mid(folder_.size()));
}

void FrmOpenSave::take() {
  const int row = list_->currentRow();
  if (row < 0 || row >= paths_.size()) return;
  result_ = paths_[row];
  accept();
}

}  // namespace aeriton::files
