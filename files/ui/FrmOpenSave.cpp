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
#include "study/ui/Style.h"

namespace aeriton::files {

FrmOpenSave::FrmOpenSave(QWidget* parent, const QString& folder, const QString& pattern)
    : QDialog(parent),
      folder_(appendBackslash(folder)),
      pattern_(pattern),
      result_(QString::fromUtf8(text::kEscape)) {
  setObjectName("FrmOpenSave");
  setModal(true);
  setWindowTitle(QStringLiteral("Λίστα Μελετών  -  %1").arg(pattern));

  auto* listBox = style::section(QStringLiteral(" ΜΕΛΕΤΕΣ ΤΟΥ ΚΑΤΑΛΟΓΟΥ "), this, "FraStudies");
  list_ = new QListWidget(listBox);
  list_->setObjectName("LstStudies");
  QFont mono = list_->font();
  mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::TypeWriter);
  list_->setFont(mono);
  auto* ll = new QVBoxLayout(listBox);
  ll->setContentsMargins(8, 4, 8, 6);
  ll->addWidget(list_);

  auto* box = style::section(QStringLiteral(" ΣΤΟΙΧΕΙΑ ΤΗΣ ΜΕΛΕΤΗΣ "), this, "FraStudy");
  title_ = new QLabel(box);
  title_->setObjectName("LblTitle");
  title_->setWordWrap(true);
  style::setRole(title_, style::Role::Title);
  folderLabel_ = new QLabel(box);
  folderLabel_->setObjectName("LblFolder");
  folderLabel_->setWordWrap(true);
  fileLabel_ = new QLabel(box);
  fileLabel_->setObjectName("LblFile");
  auto* form = style::sectionGrid(box);
  const QList<QWidget*> captions = {style::caption(QStringLiteral("ΘΕΜΑ :"), box),
                                    style::caption(QStringLiteral("ΚΑΤΑΛΟΓΟΣ :"), box),
                                    style::caption(QStringLiteral("ΑΡΧΕΙΟ :"), box)};
  const QList<QLabel*> values = {title_, folderLabel_, fileLabel_};
  for (int r = 0; r < captions.size(); ++r) {
    form->addWidget(captions[r], r, 0, Qt::AlignTop);
    form->addWidget(values[r], r, 1);
    // Room for two lines, so that a long title or folder moves nothing.
    values[r]->setMinimumHeight(values[r]->fontMetrics().height() * (r < 2 ? 2 : 1));
    values[r]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
  form->setColumnStretch(1, 1);

  auto* open = new QPushButton(this);
  open->setObjectName("CmdOpenSave");
  style::setMnemonic(open, QStringLiteral("Επιλογή Μελέτης"), QChar(u'Ε'));
  style::setRole(open, style::Role::Primary);
  open->setDefault(true);
  auto* cancel = new QPushButton(this);
  cancel->setObjectName("CmdCancel");
  style::setMnemonic(cancel, QStringLiteral("Έξοδος"), QChar(u'ξ'));
  style::equalButtons({open, cancel});
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(style::kSpacing);
  buttons->addWidget(open);
  buttons->addStretch(1);
  buttons->addWidget(cancel);

  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  top->setSpacing(style::kSpacing);
  top->addWidget(listBox, 1);
  top->addWidget(box);
  top->addLayout(buttons);
  resize(640, 480);

  connect(list_, &QListWidget::currentRowChanged, this, [this] { showSelected(); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { take(); });
  connect(open, &QPushButton::clicked, this, &FrmOpenSave::take);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  fill();
  centreWindow(this);
  style::fixSizeOnShow(this);
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
