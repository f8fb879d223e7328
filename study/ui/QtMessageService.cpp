#include "study/ui/QtMessageService.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "study/ui/Style.h"

namespace aeriton {
namespace {

// Room the window manager takes from the title bar: its icon and its three
// buttons, with some air.
constexpr int kTitleBarAllowance = 130;
// A box never gets narrower than this.
constexpr int kMinimumWidth = 320;

QStyle::StandardPixmap pixmapOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Critical:
      return QStyle::SP_MessageBoxCritical;
    case MsgIcon::Exclamation:
      return QStyle::SP_MessageBoxWarning;
    case MsgIcon::Information:
      return QStyle::SP_MessageBoxInformation;
    case MsgIcon::Question:
      return QStyle::SP_MessageBoxQuestion;
    case MsgIcon::None:
      break;
  }
  return QStyle::SP_CustomBase;
}

}  // namespace

MessageDialog::MessageDialog(const Message& message, QWidget* parent)
    : QDialog(parent), message_(message) {
  setObjectName(QStringLiteral("MessageBox"));
  setWindowTitle(message.title);
  setModal(true);

  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(16, 14, 16, 12);
  root->setSpacing(14);
  root->setSizeConstraint(QLayout::SetFixedSize);

  auto* body = new QHBoxLayout;
  body->setSpacing(14);
  const QStyle::StandardPixmap sp = pixmapOf(message.icon);
  if (sp != QStyle::SP_CustomBase) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("LblIcon"));
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(sp, nullptr, this).pixmap(size, size));
    body->addWidget(icon, 0, Qt::AlignTop);
  }
  text_ = new QLabel(message.text, this);
  text_->setObjectName(QStringLiteral("LblText"));
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(false);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  body->addWidget(text_, 1);
  root->addLayout(body);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(10);
  buttons->addStretch(1);
  QList<QPushButton*> row;
  switch (message.buttons) {
    case MsgButtons::Ok:
      row << addButton(MsgAnswer::Ok, QStringLiteral("OK"), QChar());
      break;
    case MsgButtons::OkCancel:
      row << addButton(MsgAnswer::Ok, QStringLiteral("OK"), QChar());
      row << addButton(MsgAnswer::Cancel, QStringLiteral("Άκυρο (CANCEL)"), QChar(u'Ά'));
      break;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
      // Several questions name the buttons < YES >, < NO >, < CANCEL > in their
      // text, so the captions carry both words.
      row << addButton(MsgAnswer::Yes, QStringLiteral("Ναι (YES)"), QChar(u'Ν'));
      row << addButton(MsgAnswer::No, QStringLiteral("Όχι (NO)"), QChar(u'Ό'));
      if (message.buttons == MsgButtons::YesNoCancel)
        row << addButton(MsgAnswer::Cancel, QStringLiteral("Άκυρο (CANCEL)"), QChar(u'Ά'));
      break;
  }
  for (QPushButton* b : row) buttons->addWidget(b);
  buttons->addStretch(1);
  style::equalButtons(row);
  root->addLayout(buttons);

  // Closed by Escape or the window frame: the safest answer the box offers.
  escapeAnswer_ = hasCancel_ ? MsgAnswer::Cancel : hasNo_ ? MsgAnswer::No : MsgAnswer::Ok;
  MsgAnswer def = message.defaultButton;
  if ((def == MsgAnswer::Yes && !hasYes_) || (def == MsgAnswer::No && !hasNo_) ||
      (def == MsgAnswer::Cancel && !hasCancel_) || (def == MsgAnswer::Ok && !hasOk_))
    def = hasOk_ ? MsgAnswer::Ok : MsgAnswer::Yes;
  for (QPushButton* b : row) {
    if (b->property("answer").toInt() == static_cast<int>(def)) {
      b->setDefault(true);
      b->setFocus();
    }
  }

  // As wide as the title and the longest line (the label itself has no wrap).
  QFont titleFont = font();
  titleFont.setBold(true);
  const int titleWidth =
      QFontMetrics(titleFont).horizontalAdvance(message.title) + kTitleBarAllowance;
  int needed = std::max(titleWidth, kMinimumWidth);
  // A text longer than the screen is the only one that wraps.
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  const int available = screen ? screen->availableGeometry().width() - 40 : 1200;
  int longest = 0;
  for (const QString& line : message.text.split(QLatin1Char('\n')))
    longest = std::max(longest, text_->fontMetrics().horizontalAdvance(line));
  if (longest + 120 > available) {
    text_->setWordWrap(true);
    text_->setFixedWidth(available - 120);
  }
  needed = std::min(needed, available);
  root->addItem(new QSpacerItem(needed - 32, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
  centreWindow(this);
}

QPushButton* MessageDialog::addButton(MsgAnswer a, const QString& text, QChar mnemonic) {
  auto* b = new QPushButton(this);
  b->setAutoDefault(true);
  if (mnemonic.isNull())
    b->setText(text);
  else
    style::setMnemonic(b, text, mnemonic);
  b->setProperty("answer", static_cast<int>(a));
  switch (a) {
    case MsgAnswer::Yes:
      b->setObjectName(QStringLiteral("CmdYes"));
      hasYes_ = true;
      break;
    case MsgAnswer::No:
      b->setObjectName(QStringLiteral("CmdNo"));
      hasNo_ = true;
      break;
    case MsgAnswer::Cancel:
      b->setObjectName(QStringLiteral("CmdCancel"));
      hasCancel_ = true;
      break;
    case MsgAnswer::Ok:
      b->setObjectName(QStringLiteral("CmdOK"));
      hasOk_ = true;
      break;
  }
  connect(b, &QPushButton::clicked, this, [this, a] { finish(a); });
  return b;
}

bool MessageDialog::answerForKey(QChar key, MsgAnswer& answer) const {
  const QChar c = style::plainCapital(key);
  // Greek layout: Ν(αι), Ο(χι), Α(κυρο); Latin layout: Y(es), N(o), C(ancel).
  // Υ is the Greek letter on the Y key.
  if (hasYes_ && (c == QChar(u'Ν') || c == QChar(u'Υ') || c == QLatin1Char('Y'))) {
    answer = MsgAnswer::Yes;
    return true;
  }
  if (hasNo_ && (c == QChar(u'Ο') || c == QLatin1Char('N') || c == QLatin1Char('O'))) {
    answer = MsgAnswer::No;
    return true;
  }
  if (hasCancel_ && (c == QChar(u'Α') || c == QLatin1Char('C') || c == QLatin1Char('A'))) {
    answer = MsgAnswer::Cancel;
    return true;
  }
  if (hasOk_ &&
      (c == QChar(u'Ο') || c == QLatin1Char('O') || c == QChar(u'Κ') || c == QLatin1Char('K'))) {
    answer = MsgAnswer::Ok;
    return true;
  }
  return false;
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (!(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    QChar c;
    if (!event->text().isEmpty())
      c = event->text().at(0);
    else if (event->key() > 0 && event->key() <= 0xFFFF)
      c = QChar(event->key());
    MsgAnswer a;
    if (!c.isNull() && c.isLetter() && answerForKey(c, a)) {
      finish(a);
      event->accept();
      return;
    }
  }
  QDialog::keyPressEvent(event);
}

void MessageDialog::reject() {
  finish(escapeAnswer_);
}

void MessageDialog::finish(MsgAnswer a) {
  answer_ = a;
  done(a == escapeAnswer_ ? QDialog::Rejected : QDialog::Accepted);
}

MsgAnswer QtMessageService::show(const Message& message) {
  for (int i = 0; i < message.beeps; ++i) QApplication::beep();
  MessageDialog box(message, QApplication::activeWindow());
  box.exec();
  return box.answer();
}

namespace {

void centreNow(QWidget* window, int extraDown) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window->frameGeometry().size();
  const int x = area.x() + std::max(0, (area.width() - size.width()) / 2);
  const int y = area.y() + std::max(0, (area.height() - size.height()) / 2 + extraDown);
  window->move(x, y);
}

// A window centred while it is being built has no final size yet: centre it
// again when it is shown, after its layout has sized it.
class CentreOnShow : public QObject {
 public:
  CentreOnShow(QWidget* window, int extraDown) : QObject(window), extraDown_(extraDown) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      centreNow(static_cast<QWidget*>(watched), extraDown_);
      watched->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  int extraDown_;
};

}  // namespace

void centreWindow(QWidget* window, int extraDown) {
  if (!window || !window->isWindow()) return;
  if (!window->isVisible()) {
    window->installEventFilter(new CentreOnShow(window, extraDown));
    return;
  }
  centreNow(window, extraDown);
}

}  // namespace aeriton
