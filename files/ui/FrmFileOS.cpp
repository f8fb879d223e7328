#include "files/ui/FrmFileOS.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/FileBrowser.h"
#include "files/FileData.h"
#include "files/StudyIndex.h"
#include "files/ui/FilesTexts.h"
#include "files/ui/FrmOpenSave.h"
#include "study/AppFolder.h"
#include "study/MessageService.h"
#include "study/StudyState.h"
#include "study/ui/QtMessageService.h"

namespace aeriton::files {
namespace {

constexpr const char* kParentFolder = "..";
constexpr int kMissingFileCode = 40;

QString uiText(const char* utf8) {
  return QString::fromUtf8(utf8);
}

}  // namespace

FrmFileOS::FrmFileOS(QWidget* parent, const QString& pattern, bool createMode)
    : QDialog(parent), pattern_(pattern), create_(createMode), result_(uiText(text::kEscape)) {
  setObjectName("FrmFileOS");
  setModal(true);
  setWindowTitle(createMode ? uiText(text::kCreateCaption) : QStringLiteral("Άνοιγμα Αρχείου"));

  auto* nameLabel = new QLabel(uiText(text::kFileNameLabel));
  nameLabel->setObjectName("LblFileName");
  name_ = new QLineEdit;
  name_->setObjectName("TxtFileName");
  nameLabel->setBuddy(name_);
  files_ = new QListWidget;
  files_->setObjectName("File1");
  auto* patternLabel = new QLabel(QStringLiteral("Αρχεία τύπου :  %1").arg(pattern_));
  patternLabel->setObjectName("LblPattern");

  auto* curLabel = new QLabel(uiText(text::kCurrentFolderLabel));
  curDir_ = new QLabel;
  curDir_->setObjectName("LblCurDir");
  curDir_->setWordWrap(true);
  curDir_->setStyleSheet("QLabel { color: #00007f; font-weight: bold; }");
  folders_ = new QListWidget;
  folders_->setObjectName("Dir1");
  auto* driveLabel = new QLabel(QStringLiteral("Μονάδα Δίσκου :"));
  drives_ = new QComboBox;
  drives_->setObjectName("Drive1");

  auto* left = new QVBoxLayout;
  left->addWidget(nameLabel);
  left->addWidget(name_);
  left->addWidget(files_, 1);
  left->addWidget(patternLabel);
  auto* right = new QVBoxLayout;
  right->addWidget(curLabel);
  right->addWidget(curDir_);
  right->addWidget(folders_, 1);
  right->addWidget(driveLabel);
  right->addWidget(drives_);
  auto* lists = new QHBoxLayout;
  lists->addLayout(left, 1);
  lists->addLayout(right, 1);

  auto* titleBox = new QGroupBox(QStringLiteral(" Θέμα-Τίτλος της Μελέτης "));
  title_ = new QLabel;
  title_->setObjectName("LblStudyTitle");
  title_->setWordWrap(true);
  title_->setMinimumHeight(title_->fontMetrics().height() * 2);
  auto* tl = new QVBoxLayout(titleBox);
  tl->addWidget(title_);

  ok_ = new QPushButton(createMode ? QStringLiteral("Αποθήκευση") : QStringLiteral("Άνοιγμα"));
  ok_->setObjectName("CmdOK");
  ok_->setDefault(true);
  auto* defPath = new QPushButton(QStringLiteral("Προεπιλεγμένος Κατάλογος"));
  defPath->setObjectName("Cmd_DefaultPath");
  auto* list = new QPushButton(QStringLiteral("Λίστα Μελετών"));
  list->setObjectName("CmdStudies");
  list->setEnabled(!companionExtension(pattern_).isEmpty());
  auto* exit = new QPushButton(QStringLiteral("Έξοδος"));
  exit->setObjectName("CmdExit");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(defPath);
  buttons->addWidget(list);
  buttons->addStretch(1);
  buttons->addWidget(exit);

  auto* top = new QVBoxLayout(this);
  top->addLayout(lists, 1);
  top->addWidget(titleBox);
  top->addLayout(buttons);
  resize(720, 480);

  connect(drives_, qOverload<int>(&QComboBox::activated), this, &FrmFileOS::onDriveChosen);
  connect(folders_, &QListWidget::itemActivated, this, &FrmFileOS::onFolderActivated);
  connect(files_, &QListWidget::itemClicked, this, &FrmFileOS::onFileClicked);
  connect(files_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item) onFileClicked(item);
  });
  connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    onFileClicked(item);
    onOk();
  });
  connect(name_, &QLineEdit::textEdited, this, &FrmFileOS::showTitleOf);
  connect(name_, &QLineEdit::returnPressed, this, &FrmFileOS::onOk);
  connect(ok_, &QPushButton::clicked, this, &FrmFileOS::onOk);
  connect(defPath, &QPushButton::clicked, this, &FrmFileOS::onDefaultPath);
  connect(list, &QPushButton::clicked, this, &FrmFileOS::onStudyList);
  connect(exit, &QPushButton::clicked, this, &QDialog::reject);

  fillDrives();
  setFolder(dialogStartFolder());
  name_->setFocus();
  centreWindow(this);
}

void FrmFileOS::fillDrives() {
  drives_->clear();
  drives_->addItems(driveList());
}

void FrmFileOS::setFolder(const QString& folder) {
  folder_ = appendBackslash(QDir::cleanPath(folder));
  const int d = drives_->findText(driveOf(folder_), Qt::MatchFixedString);
  if (d >= 0) drives_->setCurrentIndex(d);
  curDir_->setText(QDir::toNativeSeparators(folder_));
  fillFolders();
  fillFiles();
  showTitleOf(name_->text());
}

void FrmFileOS::fillFolders() {
  folders_->clear();
  if (!QDir(folder_).isRoot()) folders_->addItem(QString::fromLatin1(kParentFolder));
  folders_->addItems(subFolders(folder_));
}

void FrmFileOS::fillFiles() {
  files_->clear();
  files_->addItems(studyFiles(folder_, pattern_));
}

void FrmFileOS::showTitleOf(const QString& name) {
  const QString path = chosenPath(folder_, name, pattern_, false);
  QString title;
  if (!path.isEmpty()) {
    // A name typed without its extension still shows the title of its study.
    const QString ext = patternExtension(pattern_);
    QString study = findExistingFile(path);
    if (study.isEmpty() && !ext.contains('*')) study = findExistingFile(ensureExtension(path, ext));
    if (!study.isEmpty()) title = readStudyTitle(study, companionExtension(pattern_));
  }
  title_->setText(title);
}

void FrmFileOS::onDriveChosen(int index) {
  if (index < 0) return;
  const QString drive = drives_->itemText(index);
  if (QFileInfo(drive).isDir()) setFolder(drive);
}

void FrmFileOS::onFolderActivated(QListWidgetItem* item) {
  if (!item) return;
  QDir dir(folder_);
  if (item->text() == QLatin1String(kParentFolder)) {
    if (!dir.cdUp()) return;
  } else if (!dir.cd(item->text())) {
    return;
  }
  setFolder(dir.absolutePath());
}

void FrmFileOS::onFileClicked(QListWidgetItem* item) {
  if (!item) return;
  name_->setText(item->text());
  showTitleOf(item->text());
}

void FrmFileOS::onDefaultPath() {
  const QString folder = defaultStudyFolder();
  // The default folder is the program's own: create it on first use.
  QDir().mkpath(folder);
  if (QFileInfo(folder).isDir()) setFolder(folder);
}

void FrmFileOS::onStudyList() {
  FrmOpenSave list(this, folder_, pattern_);
  if (list.exec() != QDialog::Accepted) return;
  const QString path = list.result();
  if (path.isEmpty() || path == uiText(text::kEscape)) return;
  const FileData d = splitPath(path);
  setFolder((d.drive.isEmpty() ? QString() : d.drive + ':') + d.folder);
  name_->setText(d.fileName);
  onOk();
}

void FrmFileOS::onOk() {
  QString path = chosenPath(folder_, name_->text(), pattern_, create_);
  if (path.isEmpty()) {
    name_->setFocus();
    return;
  }
  if (!create_) {
    const QString ext = patternExtension(pattern_);
    QString existing = findExistingFile(path);
    if (existing.isEmpty() && !ext.contains('*'))
      existing = findExistingFile(ensureExtension(path, ext));
    if (existing.isEmpty()) {
      Message m;
      m.code = kMissingFileCode;
      m.title = QStringLiteral("...! ΠΡΟΣΟΧΗ !..");
      m.text = QStringLiteral("... Το Αρχείο ΔΕΝ υπάρχει ...\n") + QDir::toNativeSeparators(path);
      m.icon = MsgIcon::Exclamation;
      m.beeps = 2;
      showMessage(m);
      name_->setFocus();
      name_->selectAll();
      return;
    }
    path = existing;
  }
  const FileData d = splitPath(path);
  rememberDialogFolder((d.drive.isEmpty() ? QString() : d.drive + ':') + d.folder);
  result_ = path;
  accept();
}

QString FrmFileOS::choose(QWidget* parent, const QString& pattern, bool createMode) {
  study().FileFilter = pattern;
  FrmFileOS dialog(parent, pattern, createMode);
  dialog.exec();
  return dialog.result();
}

}  // namespace aeriton::files
