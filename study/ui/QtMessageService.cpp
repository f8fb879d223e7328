#include "study/ui/QtMessageService.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace aeriton {

MsgAnswer QtMessageService::show(const Message& message) {
  for (int i = 0; i < message.beeps; ++i) QApplication::beep();
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(message.title);
  box.setText(message.text);
  switch (message.icon) {
    case MsgIcon::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
    case MsgIcon::Exclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case MsgIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MsgIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MsgIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  QMessageBox::StandardButtons buttons;
  switch (message.buttons) {
    case MsgButtons::Ok:
      buttons = QMessageBox::Ok;
      break;
    case MsgButtons::OkCancel:
      buttons = QMessageBox::Ok | QMessageBox::Cancel;
      break;
    case MsgButtons::YesNo:
      buttons = QMessageBox::Yes | QMessageBox::No;
      break;
    case MsgButtons::YesNoCancel:
      buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      break;
  }
  box.setStandardButtons(buttons);
  auto toStd = [](MsgAnswer a) {
    switch (a) {
      case MsgAnswer::Yes:
        return QMessageBox::Yes;
      case MsgAnswer::No:
        return QMessageBox::No;
      case MsgAnswer::Cancel:
        return QMessageBox::Cancel;
      case MsgAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
  };
  if (buttons.testFlag(toStd(message.defaultButton)))
    box.setDefaultButton(toStd(message.defaultButton));
  // Greek captions for the standard buttons keep the box in one language.
  // Several questions name the buttons < YES >, < NO >, < CANCEL > in their text,
  // so the captions carry both words.
  if (auto* b = box.button(QMessageBox::Yes)) b->setText(QStringLiteral("Ναι (YES)"));
  if (auto* b = box.button(QMessageBox::No)) b->setText(QStringLiteral("Όχι (NO)"));
  if (auto* b = box.button(QMessageBox::Cancel)) b->setText(QStringLiteral("Άκυρο (CANCEL)"));
  if (auto* b = box.button(QMessageBox::Ok)) b->setText(QStringLiteral("OK"));
  const int r = box.exec();
  switch (r) {
    case QMessageBox::Yes:
      return MsgAnswer::Yes;
    case QMessageBox::No:
      return MsgAnswer::No;
    case QMessageBox::Cancel:
      return MsgAnswer::Cancel;
    case QMessageBox::Ok:
      return MsgAnswer::Ok;
    default:
      break;
  }
  // Closed by the window frame or Escape: the safest answer the box offers.
  if (message.buttons == MsgButtons::YesNoCancel || message.buttons == MsgButtons::OkCancel)
    return MsgAnswer::Cancel;
  if (message.buttons == MsgButtons::YesNo) return MsgAnswer::No;
  return MsgAnswer::Ok;
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
