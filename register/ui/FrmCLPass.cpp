#include "register/ui/FrmCLPass.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "register/ClientRegister.h"
#include "register/RegisterMessages.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"

namespace aeriton::designer {

FrmCLPass::FrmCLPass(Mode mode, QWidget* parent) : QDialog(parent), mode_(mode) {
  setObjectName(QStringLiteral("FrmCLPass"));
  setWindowTitle(QStringLiteral("ΕΞΟΥΣΙΟΔΟΤΗΣΗ"));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  layout->setSpacing(style::kSpacing);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);
  prompt_ = new QLabel(mode == Mode::New ? QStringLiteral("Δώστε το Νέο Password :")
                                         : QStringLiteral("Δώστε το υπάρχον Password :"),
                       this);
  prompt_->setObjectName(QStringLiteral("LblPass"));
  pass_ = new QLineEdit(this);
  pass_->setObjectName(QStringLiteral("TxtPass"));
  pass_->setEchoMode(QLineEdit::Password);
  pass_->setMaxLength(kPasswordWidth);
  pass_->setMinimumWidth(220);
  prompt_->setBuddy(pass_);
  grid->addWidget(prompt_, 0, 0, Qt::AlignRight);
  grid->addWidget(pass_, 0, 1);

  repeatPrompt_ = new QLabel(QStringLiteral("Ξανά το Νέο Password :"), this);
  repeatPrompt_->setObjectName(QStringLiteral("LblPassOK"));
  repeat_ = new QLineEdit(this);
  repeat_->setObjectName(QStringLiteral("TxtPassOK"));
  repeat_->setEchoMode(QLineEdit::Password);
  repeat_->setMaxLength(kPasswordWidth);
  repeatPrompt_->setBuddy(repeat_);
  grid->addWidget(repeatPrompt_, 1, 0, Qt::AlignRight);
  grid->addWidget(repeat_, 1, 1);
  const bool newMode = mode == Mode::New;
  repeatPrompt_->setVisible(newMode);
  repeat_->setVisible(newMode);
  layout->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("CmdOK"));
  ok_->setDefault(true);
  auto* cancel = new QPushButton(this);
  cancel->setObjectName(QStringLiteral("CmdCancel"));
  style::setMnemonic(cancel, QStringLiteral("Άκυρο"), QChar(u'Ά'));
  style::equalButtons({ok_, cancel});
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &FrmCLPass::onOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(sizeHint());
}

QString FrmCLPass::password() const {
  return pass_->text().trimmed();
}

void FrmCLPass::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  centreWindow(this);
  pass_->setFocus();
}

void FrmCLPass::onOk() {
  if (mode_ == Mode::Existing) {
    accept();
    return;
  }
  if (pass_->text().trimmed() != repeat_->text().trimmed()) {
    showMessage(registerMessage(kMsgPasswordsDiffer));
    repeat_->clear();
    repeat_->setFocus();
    return;
  }
  if (password().isEmpty() && showMessage(registerMessage(kMsgNoProtection)) != MsgAnswer::Yes) {
    pass_->setFocus();
    return;
  }
  accept();
}

std::optional<QString> FrmCLPass::ask(Mode mode, QWidget* parent) {
  FrmCLPass window(mode, parent);
  if (window.exec() != QDialog::Accepted) return std::nullopt;
  return window.password();
}

}  // namespace aeriton::designer
