#include "files/ui/FrmRecFiles.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/FileData.h"
#include "files/RecentFiles.h"
#include "files/ui/FilesTexts.h"
#include "study/MessageService.h"
#include "study/StudyState.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"

namespace aeriton::files {
namespace {

FrmRecFiles::UnsavedHandler& unsavedHandler() {
  static FrmRecFiles::UnsavedHandler handler;
  return handler;
}

constexpr int kNoRecentFilesCode = 42;
constexpr int kDeleteQuestionCode = 43;
constexpr int kDeleteFailedCode = 44;
constexpr int kRecalledCode = 45;

}  // namespace

void FrmRecFiles::setUnsavedHandler(UnsavedHandler handler) {
  unsavedHandler() = std::move(handler);
}

FrmRecFiles::FrmRecFiles(QWidget* parent) : QDialog(parent) {
  setObjectName("FrmRecFiles");
  setModal(true);
  setWindowTitle(QStringLiteral("Πρόσφατα Αρχεία Φορτίων"));

  auto* listBox = style::section(QStringLiteral(" ΠΡΟΣΦΑΤΑ ΑΡΧΕΙΑ ΦΟΡΤΙΩΝ "), this, "FraRecent");
  auto* caption = new QLabel(QStringLiteral("Όνομα Αρχείου / Κατάλογος :"), listBox);
  list_ = new QListWidget(listBox);
  list_->setObjectName("List1");
  QFont mono = list_->font();
  mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::TypeWriter);
  list_->setFont(mono);
  auto* ll = new QVBoxLayout(listBox);
  ll->setContentsMargins(8, 4, 8, 6);
  ll->addWidget(caption);
  ll->addWidget(list_, 1);

  auto* recallButton = new QPushButton(this);
  recallButton->setObjectName("CmdRecall");
  style::setMnemonic(recallButton, QStringLiteral("Ανάκληση"), QChar(u'Α'));
  style::setRole(recallButton, style::Role::Primary);
  recallButton->setDefault(true);
  auto* deleteButton = new QPushButton(this);
  deleteButton->setObjectName("CmdDelete");
  style::setMnemonic(deleteButton, QStringLiteral("Διαγραφή από τη Λίστα"), QChar(u'Δ'));
  auto* cancel = new QPushButton(this);
  cancel->setObjectName("CmdCancel");
  style::setMnemonic(cancel, QStringLiteral("Έξοδος"), QChar(u'Έ'));
  style::equalButtons({recallButton, deleteButton, cancel});
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(style::kSpacing);
  buttons->addWidget(recallButton);
  buttons->addWidget(deleteButton);
  buttons->addStretch(1);
  buttons->addWidget(cancel);

  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  top->setSpacing(style::kSpacing);
  top->addWidget(listBox, 1);
  top->addLayout(buttons);
  resize(820, 380);

  connect(recallButton, &QPushButton::clicked, this, &FrmRecFiles::recall);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { recall(); });
  connect(deleteButton, &QPushButton::clicked, this, &FrmRecFiles::DeleteCurrentFile);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  fill();
  centreWindow(this);
  style::fixSizeOnShow(this);
}

void FrmRecFiles::fill() {
  list_->clear();
  for (const RecentEntry& e : readRecentFiles()) list_->addItem(recentListLine(e.path));
}

void FrmRecFiles::recall() {
  const int row = list_->currentRow();
  if (row < 0) return;  // no selection: no path is read
  if (study().Unsaved && unsavedHandler()) {
    const bool goOn = unsavedHandler()(this);
    study().MessageCode = 0;
    study().UserAnswer.clear();
    if (!goOn) return;
  }
  const auto entries = readRecentFiles();
  if (row >= static_cast<int>(entries.size())) return;
  const QString path = entries[row].path;
  StudyState& s = study();
  s.StudyFileName = path;
  switch (loadStudySeason(path)) {
    case LoadSeason::Summer:
      s.CoolingProcess = true;
      s.HeatingProcess = false;
      break;
    case LoadSeason::Winter:
      s.CoolingProcess = false;
      s.HeatingProcess = true;
      break;
    case LoadSeason::Unknown:
      break;
  }
  recalled_ = path;
  accept();
}

void FrmRecFiles::DeleteCurrentFile() {
  const int row = list_->currentRow();
  if (row < 0) return;
  const auto entries = readRecentFiles();
  if (row >= static_cast<int>(entries.size())) return;
  Message m;
  m.code = kDeleteQuestionCode;
  m.title = QString::fromUtf8(text::kDeleteTitle);
  m.text = QString::fromUtf8(text::kDeleteLine1) + '\n' + splitPath(entries[row].path).fileName +
           '\n' + QString::fromUtf8(text::kDeleteLine3) + '\n' +
           QString::fromUtf8(text::kDeleteLine4);
  m.icon = MsgIcon::Question;
  m.buttons = MsgButtons::YesNo;
  m.defaultButton = MsgAnswer::No;  // removing is the deliberate choice
  m.beeps = 2;
  showMessage(m);
  const bool yes = study().UserAnswer == QLatin1String("YES");
  study().UserAnswer.clear();
  if (!yes) return;
  QString error;
  if (!removeRecentFile(row, &error)) {
    Message f;
    f.code = kDeleteFailedCode;
    f.title = QStringLiteral("...! ΠΡΟΣΟΧΗ !..");
    f.text = QStringLiteral("... Η Λίστα Πρόσφατων Αρχείων ΔΕΝ μπόρεσε να αλλάξει ...\n") + error;
    f.icon = MsgIcon::Critical;
    f.beeps = 2;
    showMessage(f);
  }
  fill();
}

void FrmRecFiles::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    DeleteCurrentFile();
    return;
  }
  QDialog::keyPressEvent(event);
}

Message recalledMessage(const QString& path) {
  QString season;
  switch (loadStudySeason(path)) {
    case LoadSeason::Summer:
      season = QStringLiteral(" ( Καλοκαίρι )");
      break;
    case LoadSeason::Winter:
      season = QStringLiteral(" ( Χειμώνας )");
      break;
    case LoadSeason::Unknown:
      break;
  }
  Message m;
  m.code = kRecalledCode;
  m.title = QStringLiteral(" < ΨΥΧΡΟΜΕΤΡΙΚΟΙ  ΥΠΟΛΟΓΙΣΜΟΙ  ΑΕΡΟΣ > ");
  m.text = QStringLiteral("... Το Αρχείο Φορτίων :\n") + QDir::toNativeSeparators(path) +
           QStringLiteral("\n... είναι τώρα το τρέχον Αρχείο της Μελέτης") + season +
           QStringLiteral(" ...");
  m.icon = MsgIcon::Information;
  m.beeps = 0;
  return m;
}

QString openRecentFiles(QWidget* parent) {
  if (!recentFilesExist()) {
    Message m;
    m.code = kNoRecentFilesCode;
    m.title = QStringLiteral(" < ΨΥΧΡΟΜΕΤΡΙΚΟΙ  ΥΠΟΛΟΓΙΣΜΟΙ  ΑΕΡΟΣ > ");
    m.text = QString::fromUtf8(text::kNoRecentFiles);
    m.icon = MsgIcon::Information;
    m.beeps = 2;
    showMessage(m);
    return QString();
  }
  FrmRecFiles dialog(parent);
  dialog.exec();
  const QString path = dialog.recalled();
  if (!path.isEmpty()) showMessage(recalledMessage(path));
  return path;
}

}  // namespace aeriton::files
