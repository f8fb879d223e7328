#pragma once
// Helpers shared by the test suites.

#include <QLocale>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <string>

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

// Greek regional settings in force for the lifetime of the object: the C
// library's locale (what printf, strtod and streams follow: "2,5") and Qt's
// default QLocale (decimal comma, "." grouping). Both are put back afterwards.
// A Greek user's program runs under exactly this pair, whatever the test
// runner's environment says.
class GreekLocale {
 public:
  GreekLocale();
  ~GreekLocale();
  GreekLocale(const GreekLocale&) = delete;
  GreekLocale& operator=(const GreekLocale&) = delete;
  // True when the C library really writes a decimal comma (the locale
  // "el_GR.UTF-8" is installed); tests assert it so that they cannot pass by
  // running under the C locale.
  static bool cLibraryUsesComma();

 private:
  std::string previousC_;
  QLocale previousDefault_;
};

QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);

}  // namespace aeriton::test
