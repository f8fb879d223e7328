#include "shell/ui/FrmTitle.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ProgramInfo.h"
#include "study/ui/QtMessageService.h"

namespace aeriton::shell {
namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int pointSize, bool bold,
                  const QString& colour) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  QFont f = l->font();
  f.setPointSize(pointSize);
  f.setBold(bold);
  l->setFont(f);
  l->setAlignment(Qt::AlignCenter);
  l->setWordWrap(true);
  l->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
  return l;
}

}  // namespace

FrmTitle::FrmTitle(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("FrmTitle"));
  setWindowTitle(QString::fromLatin1(kProgramName));
  setModal(true);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("FraTitle"));
  frame->setStyleSheet(
      QStringLiteral("QFrame#FraTitle { background: #f4f7fb; border: 2px solid #1f4e79; }"));
  outer->addWidget(frame);

  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(2, 2, 2, 16);
  layout->setSpacing(8);

  auto* band = new QFrame(frame);
  band->setObjectName(QStringLiteral("FraBand"));
  band->setStyleSheet(QStringLiteral("QFrame#FraBand { background: #1f4e79; border: none; }"));
  auto* bandLayout = new QVBoxLayout(band);
  bandLayout->setContentsMargins(24, 18, 24, 18);
  bandLayout->addWidget(
      makeLabel(band, "LblProgram", QString::fromLatin1(kProgramName), 30, true, "white"));
  bandLayout->addWidget(makeLabel(band, "LblSubject",
                                  QStringLiteral("Ψυχρομετρικοί Υπολογισμοί Κλιματισμού"), 14,
                                  false, "#dce8f5"));
  layout->addWidget(band);

  layout->addSpacing(6);
  auto* body = new QVBoxLayout;
  body->setContentsMargins(24, 0, 24, 0);
  body->setSpacing(8);
  layout->addLayout(body);
  body->addWidget(makeLabel(frame, "LblPurpose",
                            QStringLiteral("Διαστασιολόγηση της Κεντρικής Κλιματιστικής "
                                           "Μονάδας\nΘερινή ψύξη · Χειμερινή θέρμανση και "
                                           "ύγρανση · Ψυχρομετρικός χάρτης"),
                            11, false, "#1f1f1f"));
  body->addWidget(makeLabel(frame, "LblVersion",
                            QStringLiteral("Έκδοση %1").arg(QString::fromLatin1(kProgramVersion)),
                            11, true, "#1f4e79"));
  auto* line = new QFrame(frame);
  line->setFrameShape(QFrame::HLine);
  line->setStyleSheet(QStringLiteral("color: #9fb6cd;"));
  body->addWidget(line);
  body->addWidget(makeLabel(frame, "LblMaker",
                            QStringLiteral("Ανάπτυξη: Ομάδα Aeriton · © 2026 · "
                                           "Με την επιφύλαξη παντός δικαιώματος"),
                            9, false, "#4a4a4a"));

  auto* button = new QPushButton(QStringLiteral("Είσοδος"), frame);
  button->setObjectName(QStringLiteral("CmdEnter"));
  button->setDefault(true);
  button->setMinimumWidth(120);
  connect(button, &QPushButton::clicked, this, [this] { finish(true); });
  layout->addWidget(button, 0, Qt::AlignHCenter);

  setFixedSize(620, 340);

  // "At least 0.2 s": a coarse timer may fire a few per cent early.
  closeTimer_.setTimerType(Qt::PreciseTimer);
  closeTimer_.setSingleShot(true);
  connect(&closeTimer_, &QTimer::timeout, this, [this] { finish(false); });
  fallbackTimer_.setSingleShot(true);
  connect(&fallbackTimer_, &QTimer::timeout, this, [this] { finish(false); });
}

void FrmTitle::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  centreWindow(this);
  since_.start();
  fallbackTimer_.start(kNoActivationMs);
}

bool FrmTitle::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && !activated_) {
    activated_ = true;
    fallbackTimer_.stop();
    since_.start();
    closeTimer_.start(kShowMs);
  }
  return QDialog::event(e);
}

void FrmTitle::mousePressEvent(QMouseEvent* e) {
  QDialog::mousePressEvent(e);
  finish(true);
}

void FrmTitle::finish(bool byUser) {
  if (shownFor_ >= 0) return;
  closeTimer_.stop();
  fallbackTimer_.stop();
  shownFor_ = since_.isValid() ? since_.elapsed() : 0;
  closedByUser_ = byUser;
  accept();
}

}  // namespace aeriton::shell
