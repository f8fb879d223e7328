#include "register/ui/FrmCLient.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "register/Designer.h"
#include "register/RegisterMessages.h"
#include "register/ui/FrmCLPass.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"

namespace aeriton::designer {
namespace {

const QString kChoiceCaption = QStringLiteral("ΕΠΙΛΟΓΗ ΜΕΛΕΤΗΤΗ ΑΠΟ ΤΗ ΛΙΣΤΑ");
const QString kNewCaption = QStringLiteral("ΔΩΣΕ ΤΟ ΟΝΟΜΑ ΤΟΥ ΝΕΟΥ ΜΕΛΕΤΗΤΗ");
const QString kCorrectCaption = QStringLiteral("ΔΙΟΡΘΩΣΗ ΤΟΥ ΟΝΟΜΑΤΟΣ ΜΕΛΕΤΗΤΗ");

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QChar mnemonic) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  style::setMnemonic(b, caption, mnemonic);
  return b;
}

}  // namespace

FrmCLient::FrmCLient(QWidget* parent, const QString& path) : QDialog(parent), session_(path) {
  setObjectName(QStringLiteral("FrmCLient"));
  setWindowTitle(QStringLiteral("Μελετητές - Αρχείο Ονομάτων"));
  setModal(true);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  layout->setSpacing(style::kSpacing);

  auto* box = style::section(QStringLiteral(" ΜΕΛΕΤΗΤΕΣ "), this, "FraNames");
  auto* left = new QVBoxLayout(box);
  left->setContentsMargins(8, 4, 8, 6);
  left->setSpacing(6);
  designer_ = new QLabel(box);
  designer_->setObjectName(QStringLiteral("Lbl_Designer"));
  style::setRole(designer_, style::Role::Title);
  left->addWidget(designer_);

  auto* listCaption = new QLabel(QStringLiteral("Ονόματα Μελετητών :"), box);
  listCaption->setObjectName(QStringLiteral("Lbl_Names"));
  left->addWidget(listCaption);
  list_ = new QListWidget(box);
  list_->setObjectName(QStringLiteral("Lst_Names"));
  list_->setMinimumSize(520, 220);
  listCaption->setBuddy(list_);
  left->addWidget(list_, 1);

  action_ = new QLabel(kChoiceCaption, box);
  action_->setObjectName(QStringLiteral("Lbl_Action"));
  left->addSpacing(6);
  left->addWidget(action_);
  auto* entry = new QHBoxLayout;
  text_ = new QLineEdit(box);
  text_->setObjectName(QStringLiteral("Txt_Client"));
  text_->setMaxLength(kNameWidth);
  count_ = new QLabel(box);
  count_->setObjectName(QStringLiteral("Lbl_Count"));
  count_->setMinimumWidth(
      count_->fontMetrics().horizontalAdvance(QStringLiteral("< 78 > Χαρακτήρες  ")));
  entry->addWidget(text_, 1);
  entry->addWidget(count_);
  left->addLayout(entry);
  layout->addWidget(box, 1);

  auto* right = new QVBoxLayout;
  right->setSpacing(style::kSpacing);
  right->setContentsMargins(0, 9, 0, 0);
  auto* cmdNew = button(this, "Cmd_New", QStringLiteral("Νέο Όνομα"), QChar(u'Ν'));
  auto* cmdCor = button(this, "Cmd_COR", QStringLiteral("Διόρθωση"), QChar(u'Δ'));
  auto* cmdDel = button(this, "Cmd_Del", QStringLiteral("Διαγραφή"), QChar(u'γ'));
  auto* cmdCopy = button(this, "Cmd_Copy", QStringLiteral("Καταχώρηση στη Λίστα"), QChar(u'Κ'));
  auto* cmdOk = button(this, "Cmd_OK", QStringLiteral("OK"), QChar());
  auto* cmdLock = button(this, "Cmd_Lock", QStringLiteral("Password"), QChar(u'P'));
  auto* cmdExit = button(this, "Cmd_Exit", QStringLiteral("Έξοδος"), QChar(u'Έ'));
  style::setRole(cmdOk, style::Role::Primary);
  style::equalButtons({cmdNew, cmdCor, cmdDel, cmdCopy, cmdOk, cmdLock, cmdExit});
  right->addWidget(cmdNew);
  right->addWidget(cmdCor);
  right->addWidget(cmdDel);
  right->addWidget(cmdCopy);
  right->addStretch(1);
  right->addWidget(cmdOk);
  right->addWidget(cmdLock);
  right->addSpacing(10);
  right->addWidget(cmdExit);
  layout->addLayout(right);

  connect(cmdNew, &QPushButton::clicked, this, &FrmCLient::onNew);
  connect(cmdCor, &QPushButton::clicked, this, &FrmCLient::onCorrect);
  connect(cmdDel, &QPushButton::clicked, this, &FrmCLient::onDelete);
  connect(cmdCopy, &QPushButton::clicked, this, &FrmCLient::onCopy);
  connect(cmdOk, &QPushButton::clicked, this, &FrmCLient::onOk);
  connect(cmdLock, &QPushButton::clicked, this, &FrmCLient::onLock);
  connect(cmdExit, &QPushButton::clicked, this, &QDialog::accept);
  connect(list_, &QListWidget::currentRowChanged, this, &FrmCLient::onRowChanged);
  connect(text_, &QLineEdit::textChanged, this, &FrmCLient::onTextChanged);
  // A double click on a name chooses it, as the OK button does.
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
    if (mode_ == Mode::Choice) onOk();
  });

  showDesigner();
  setMode(Mode::Choice);
  onTextChanged(text_->text());
  style::fixSizeOnShow(this);
}

bool FrmCLient::load() {
  if (session_.open() != 0) {
    showMessage(damagedRegisterMessage(session_.path(), session_.damageReason()));
    return false;
  }
  // The entry of the chosen designer is highlighted; without one, the first.
  const int chosen = session_.names().indexOf(current().trimmed());
  fillList(chosen >= 0 ? chosen : 0);
  return true;
}

void FrmCLient::askPassword() {
  if (!session_.isProtected()) return;
  const std::optional<QString> typed = FrmCLPass::ask(FrmCLPass::Mode::Existing, parentWidget());
  if (!typed) return;
  if (const int code = session_.givePassword(*typed)) showMessage(registerMessage(code));
}

void FrmCLient::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  centreWindow(this);
  list_->setFocus();
}

void FrmCLient::showDesigner() {
  designer_->setText(QStringLiteral("Μελετητής : ") + current());
}

void FrmCLient::fillList(int highlight) {
  const QSignalBlocker block(list_);
  list_->clear();
  list_->addItems(session_.names());
  if (list_->count() > 0)
    list_->setCurrentRow(std::min(std::max(highlight, 0), list_->count() - 1));
  if (mode_ == Mode::Choice)
    text_->setText(list_->currentItem() ? list_->currentItem()->text() : QString());
}

void FrmCLient::setMode(Mode mode) {
  mode_ = mode;
  const bool locked = mode == Mode::Choice;
  text_->setReadOnly(locked);
  // White while a name is typed, grey while locked.
  style::setRole(text_, locked ? style::Role::Locked : style::Role::Entry);
  action_->setText(mode == Mode::NewName   ? kNewCaption
                   : mode == Mode::Correct ? kCorrectCaption
                                           : kChoiceCaption);
  if (locked) {
    editRow_ = -1;
    text_->setText(list_->currentItem() ? list_->currentItem()->text() : QString());
  }
}

void FrmCLient::onTextChanged(const QString& text) {
  count_->setText(QStringLiteral("< %1 > Χαρακτήρες").arg(text.size()));
}

void FrmCLient::onRowChanged(int row) {
  if (mode_ == Mode::Choice) text_->setText(row >= 0 ? list_->item(row)->text() : QString());
}

void FrmCLient::onNew() {
  setMode(Mode::NewName);
  text_->clear();
  text_->setFocus();
}

void FrmCLient::onCorrect() {
  const int row = list_->currentRow();
  if (row < 0) return;
  setMode(Mode::Correct);
  editRow_ = row;
  text_->setText(list_->item(row)->text());
  text_->setFocus();
}

bool FrmCLient::refused(int code) {
  if (code == 0) return false;
  if (code == kMsgNotWritten)
    showMessage(registerNotWrittenMessage(session_.path(), session_.writeError()));
  else
    showMessage(registerMessage(code));
  return true;
}

void FrmCLient::onDelete() {
  if (!session_.passwordGiven()) {
    refused(kMsgNoPassword);
    return;
  }
  const int row = list_->currentRow();
  if (list_->count() == 1) {
    refused(kMsgOnlyEntry);
    return;
  }
  if (row < 0) return;
  if (showMessage(registerMessage(kMsgDeleteName)) != MsgAnswer::Yes) return;
  if (refused(session_.remove(row))) return;
  setMode(Mode::Choice);
  fillList(0);
}

bool FrmCLient::storeTypedName() {
  if (mode_ == Mode::Choice) return false;
  const QString name = text_->text().trimmed();
  if (name.isEmpty()) {
    text_->setFocus();
    return true;
  }
  if (mode_ == Mode::NewName) {
    if (showMessage(registerMessage(kMsgAddName)) != MsgAnswer::Yes) return true;
    if (refused(session_.append(name))) return true;
    setMode(Mode::Choice);
    fillList(static_cast<int>(session_.names().size()) - 1);
  } else {
    if (showMessage(registerMessage(kMsgCorrectName)) != MsgAnswer::Yes) return true;
    const int row = editRow_;
    if (refused(session_.correct(row, name))) return true;
    setMode(Mode::Choice);
    fillList(row);
  }
  return true;
}

void FrmCLient::chooseHighlighted() {
  const int row = list_->currentRow();
  if (row < 0) return;
  const QString name = list_->item(row)->text().trimmed();
  if (refused(RegisterSession::choiceRefusal(name))) return;
  if (showMessage(registerMessage(kMsgChooseName, name)) != MsgAnswer::Yes) return;
  choose(name);
  showDesigner();
}

void FrmCLient::onCopy() {
  if (mode_ == Mode::Choice) return;
  if (refused(session_.passwordGiven() ? 0 : kMsgNoPassword)) return;
  storeTypedName();
}

void FrmCLient::onOk() {
  if (refused(session_.passwordGiven() ? 0 : kMsgNoPassword)) return;
  if (storeTypedName()) return;
  chooseHighlighted();
}

void FrmCLient::onLock() {
  if (session_.isProtected()) {
    const std::optional<QString> typed = FrmCLPass::ask(FrmCLPass::Mode::Existing, this);
    if (!typed) return;
    if (refused(session_.givePassword(*typed))) return;
  }
  const std::optional<QString> chosen = FrmCLPass::ask(FrmCLPass::Mode::New, this);
  if (!chosen) return;
  refused(session_.setPassword(*chosen));
}

}  // namespace aeriton::designer
