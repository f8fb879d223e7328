#pragma once
// Helpers shared by the test suites.

#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "study/MessageService.h"

namespace aeriton::test {

// A fresh program folder for one test: the program's files go to a temporary
// folder, the study state is reset and a scripted message service records
// every message (answer questions with messages.answer(...)).
class ProgramFolderFixture {
 public:
  ProgramFolderFixture();
  ~ProgramFolderFixture();
  QString folder() const;  // with trailing "/"
  QString path(const QString& name) const;
  ScriptedMessageService messages;

 private:
  QTemporaryDir dir_;
};

// Fails the running test (instead of hanging) when a modal window other than
// the expected ones stays open: every interval it closes the active modal
// window and records its title.
class ModalWatchdog {
 public:
  explicit ModalWatchdog(int intervalMs = 2000);
  ~ModalWatchdog();
  // Titles of the windows it had to close.
  QStringList closed() const { return closed_; }

 private:
  QTimer timer_;
  QStringList closed_;
};

QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);

}  // namespace aeriton::test
