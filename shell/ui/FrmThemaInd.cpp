#include "shell/ui/FrmThemaInd.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/StudyTitle.h"
#include "shell/ui/ShellApi.h"
#include "shell/ui/ShellMessages.h"
#include "shell/ui/StartupController.h"
#include "study/StudyState.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"

namespace aeriton::shell {
namespace {

// The data screen whose LblThema shows the title: the current data screen, or
// (when the window is opened from a data screen the shell did not open) the
// window that opened it.
QLabel* titleLabel(QWidget* opener) {
  const QString name = QStringLiteral("LblThema");
  if (QWidget* screen = currentDataScreen()) {
    if (auto* label = screen->findChild<QLabel*>(name)) return label;
  }
  if (opener) {
    if (auto* label = opener->window()->findChild<QLabel*>(name)) return label;
  }
  return nullptr;
}

}  // namespace

FrmThemaInd::FrmThemaInd(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmThemaInd"));
  setWindowTitle(QStringLiteral("Θέμα - Τίτλος της Μελέτης"));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  layout->setSpacing(style::kSpacing);
  auto* box = style::section(QStringLiteral(" ΘΕΜΑ-ΤΙΤΛΟΣ ΤΗΣ ΜΕΛΕΤΗΣ "), this, "FraThema");
  auto* inner = new QVBoxLayout(box);
  inner->setContentsMargins(8, 4, 8, 8);
  auto* caption = new QLabel(QStringLiteral("Δώστε το θέμα (τίτλο) της μελέτης:"), box);
  caption->setObjectName(QStringLiteral("LblCaption"));
  inner->addWidget(caption);
  text_ = new QLineEdit(box);
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setMinimumWidth(520);
  text_->setText(study().Title.trimmed());
  caption->setBuddy(text_);
  inner->addWidget(text_);
  layout->addWidget(box);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(style::kSpacing);
  buttons->addStretch(1);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("CmdOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(this);
  cancel->setObjectName(QStringLiteral("CmdCancel"));
  style::setMnemonic(cancel, QStringLiteral("Άκυρο"), QChar(u'Ά'));
  style::equalButtons({ok, cancel});
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &FrmThemaInd::onOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  style::fixSizeOnShow(this);
}

void FrmThemaInd::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  centreWindow(this);
  text_->selectAll();
  text_->setFocus();
}

void FrmThemaInd::onOk() {
  const TitleChange change = applyStudyTitle(study(), text_->text(), currentSeason());
  if (!change.companionPath.isEmpty() && !change.companionWritten)
    showMessage(titleFileNotWrittenMessage(change.companionPath, change.error));
  if (QLabel* label = titleLabel(parentWidget())) label->setText(study().Title.trimmed());
  accept();
}

}  // namespace aeriton::shell
