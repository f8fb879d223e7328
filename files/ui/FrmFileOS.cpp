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
#include "study/ui/Style.h"

namespace aeriton::files {
namespace {

constexpr const char* kParentFolder = "..";
constexpr int kMissingFileCode = 40;
constexpr int kNoFileNameCode = 46;

QString uiText(const char* utf8) {
  return QString::fromUtf8(utf8);
}

}  // namespace

FrmFileOS::FrmFileOS(QWidget* parent, const QString& pattern, bool createMode)
    : QDialog(parent), pattern_(pattern), create_(createMode), result_(uiText(text::kEscape)) {
  setObjectName("FrmFileOS");
  setModal(true);
  setWindowTitle(createMode ? uiText(text::kCreateCaption) : QStringLiteral("Άνοιγμα Αρχείου"));

  // The file: its name, the study files of the folder, the pattern.
  auto* fileBox = style::section(QStringLiteral(" ΑΡΧΕΙΟ ΜΕΛΕΤΗΣ "), this, "FraFile");
  auto* nameLabel = new QLabel(uiText(text::kFileNameLabel), fileBox);
  nameLabel->setObjectName("LblFileName");
  name_ = new QLineEdit(fileBox);
  name_->setObjectName("TxtFileName");
  name_->setPlaceholderText(QStringLiteral("π.χ. Γραφεία") + patternExtension(pattern_));
  nameLabel->setBuddy(name_);
  files_ = new QListWidget(fileBox);
  files_->setObjectName("File1");
  auto* patternLabel = new QLabel(QStringLiteral("Αρχεία τύπου :  %1").arg(pattern_), fileBox);
  patternLabel->setObjectName("LblPattern");
  style::setRole(patternLabel, style::Role::Hint);
  auto* left = new QVBoxLayout(fileBox);
  left->setContentsMargins(8, 4, 8, 6);
  left->addWidget(nameLabel);
  left->addWidget(name_);
  left->addWidget(files_, 1);
  left->addWidget(patternLabel);

  // The folder: the current one, its sub-folders, the drive.
  auto* folderBox = style::section(QStringLiteral(" ΚΑΤΑΛΟΓΟΣ "), this, "FraFolder");
  auto* curLabel = new QLabel(uiText(text::kCurrentFolderLabel), folderBox);
  curDir_ = new QLabel(folderBox);
  curDir_->setObjectName("LblCurDir");
  curDir_->setWordWrap(true);
  style::setRole(curDir_, style::Role::Title);
  folders_ = new QListWidget(folderBox);
  folders_->setObjectName("Dir1");
  auto* driveLabel = new QLabel(QStringLiteral("Μονάδα Δίσκου :"), folderBox);
  drives_ = new QComboBox(folderBox);
  drives_->setObjectName("Drive1");
  auto* right = new QVBoxLayout(folderBox);
  right->setContentsMargins(8, 4, 8, 6);
  right->addWidget(curLabel);
  right->addWidget(curDir_);
  right->addWidget(folders_, 1);
  right->addWidget(driveLabel);
  right->addWidget(drives_);
  auto* lists = new QHBoxLayout;
  lists->setSpacing(style::kSpacing);
  lists->addWidget(fileBox, 1);
  lists->addWidget(folderBox, 1);

  auto* titleBox = style::section(QStringLiteral(" ΘΕΜΑ-ΤΙΤΛΟΣ ΤΗΣ ΜΕΛΕΤΗΣ "), this, "FraTitle");
  title_ = new QLabel(titleBox);
  title_->setObjectName("LblStudyTitle");
  title_->setWordWrap(true);
  style::setRole(title_, style::Role::Title);
  title_->setMinimumHeight(title_->fontMetrics().height() * 2);
  auto* tl = new QVBoxLayout(titleBox);
  tl->setContentsMargins(8, 4, 8, 6);
  tl->addWidget(title_);

  ok_ = new QPushButton(this);
  ok_->setObjectName("CmdOK");
  style::setMnemonic(ok_, createMode ? QStringLiteral("Αποθήκευση") : QStringLiteral("Άνοιγμα"),
                     QChar(createMode ? u'Α' : u'Ά'));
  style::setRole(ok_, style::Role::Primary);
  ok_->setDefault(true);
  auto* defPath = new QPushButton(this);
  defPath->setObjectName("Cmd_DefaultPath");
  style::setMnemonic(defPath, QStringLiteral("Προεπιλεγμένος Κατάλογος"), QChar(u'Π'));
  auto* list = new QPushButton(this);
  list->setObjectName("CmdStudies");
  style::setMnemonic(list, QStringLiteral("Λίστα Μελετών"), QChar(u'Λ'));
  list->setEnabled(!companionExtension(pattern_).isEmpty());
  auto* exit = new QPushButton(this);
  exit->setObjectName("CmdExit");
  style::setMnemonic(exit, QStringLiteral("Έξοδος"), QChar(u'Έ'));
  style::equalButtons({ok_, defPath, list, exit});
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(style::kSpacing);
  buttons->addWidget(ok_);
  buttons->addWidget(defPath);
  buttons->addWidget(list);
  buttons->addStretch(1);
  buttons->addWidget(exit);

  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  top->setSpacing(style::kSpacing);
  top->addLayout(lists, 1);
  top->addWidget(titleBox);
  top->addLayout(buttons);
  resize(760, 500);

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
  style::fixSizeOnShow(this);
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
    // Nothing typed and nothing chosen: say what is missing.
    Message m;
    m.code = kNoFileNameCode;
    m.title = QStringLiteral("...! ΠΡΟΣΟΧΗ !..");
    m.text = QStringLiteral("... Δεν έχετε δώσει ή επιλέξει το Όνομα του Αρχείου ...");
    m.icon = MsgIcon::Exclamation;
    m.beeps = 2;
    showMessage(m);
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
