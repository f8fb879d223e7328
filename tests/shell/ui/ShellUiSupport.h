#pragma once
// Helpers for driving the shell's modal windows from a test.

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace aeriton::test {

// Once a modal window with the object name is shown, runs the action on it
// (once). Gives up silently after timeoutMs; the modal watchdog then fails the
// test instead of letting it hang.
inline void onModal(const QString& name, std::function<void(QWidget*)> action,
                    int timeoutMs = 5000) {
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [=] {
    QWidget* w = QApplication::activeModalWidget();
    const bool found = w && w->objectName() == name && w->isVisible();
    if (!found && clock->elapsed() < timeoutMs) return;
    timer->stop();
    timer->deleteLater();
    delete clock;
    if (found) action(w);
  });
  timer->start();
}

// Types text into a widget key by key, as a Greek keyboard would (QTest's
// keyClicks only knows Latin keys).
inline void typeText(QWidget* w, const QString& text) {
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &release);
  }
}

}  // namespace aeriton::test
