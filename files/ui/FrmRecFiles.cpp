#include "files/ui/FrmRecFiles.h"

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

namespace aeriton::files {
namespace {

FrmRecFiles::UnsavedHandler& unsavedHandler() {
  static FrmRecFiles::UnsavedHandler handler;
  return handler;
}

constexpr int kNoRecentFilesCode = 42;
constexpr int kDeleteQuestionCode = 43;
constexpr int kDeleteFailedCode = 44;

}  // namespace

void FrmRecFiles::setUnsavedHandler(UnsavedHandler handler) {
  unsavedHandler() = std::move(handler);
}

FrmRecFiles::FrmRecFiles(QWidget* parent) : QDialog(parent) {
  setObjectName("FrmRecFiles");
  setModal(true);
  setWindowTitle(QStringLiteral("Πρόσφατα Αρχεία Φορτίων"));

  auto* caption = new QLabel(QStringLiteral("Όνομα Αρχείου / Κατάλογος :"));
  list_ = new QListWidget;
  list_->setObjectName("List1");
  QFont mono = list_->font();
  mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::TypeWriter);
  list_->setFont(mono);

  auto* recallButton = new QPushButton(QStringLiteral("Ανάκληση"));
  recallButton->setObjectName("CmdRecall");
  recallButton->setDefault(true);
  auto* deleteButton = new QPushButton(QStringLiteral("Διαγραφή από τη Λίστα"));
  deleteButton->setObjectName("CmdDelete");
  auto* cancel = new QPushButton(QStringLiteral("Έξοδος"));
  cancel->setObjectName("CmdCancel");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(recallButton);
  buttons->addWidget(deleteButton);
  buttons->addStretch(1);
  buttons->addWidget(cancel);

  auto* top = new QVBoxLayout(this);
  top->addWidget(caption);
  top->addWidget(list_, 1);
  top->addLayout(buttons);
  resize(820, 360);

  connect(recallButton, &QPushButton::clicked, this, &FrmRecFiles::recall);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { recall(); });
  connect(deleteButton, &QPushButton::clicked, this, &FrmRecFiles::DeleteCurrentFile);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  fill();
  centreWindow(this);
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
  return dialog.recalled();
}

}  // namespace aeriton::files
