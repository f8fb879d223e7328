#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QWidget>
#include <clocale>
#include <cstdio>

#include "study/AppFolder.h"
#include "study/StudyState.h"

namespace aeriton::test {

ProgramFolderFixture::ProgramFolderFixture() {
  appfolder::setFolder(dir_.path());
  resetStudy();
  setMessageService(&messages);
}

ProgramFolderFixture::~ProgramFolderFixture() {
  setMessageService(nullptr);
  appfolder::setFolder(QString());
}

QString ProgramFolderFixture::folder() const {
  return appendBackslash(dir_.path());
}
QString ProgramFolderFixture::path(const QString& name) const {
  return folder() + name;
}

ModalWatchdog::ModalWatchdog(int intervalMs) {
  timer_.setInterval(intervalMs);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      closed_ << modal->windowTitle();
      ADD_FAILURE() << "unexpected modal window left open: " << modal->windowTitle().toStdString();
      modal->close();
    }
  });
  timer_.start();
}

ModalWatchdog::~ModalWatchdog() {
  timer_.stop();
}

GreekLocale::GreekLocale() : previousDefault_(QLocale()) {
  if (const char* now = std::setlocale(LC_ALL, nullptr)) previousC_ = now;
  if (!std::setlocale(LC_ALL, "el_GR.UTF-8")) std::setlocale(LC_ALL, "el_GR.utf8");
  QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
}

GreekLocale::~GreekLocale() {
  QLocale::setDefault(previousDefault_);
  if (!previousC_.empty()) std::setlocale(LC_ALL, previousC_.c_str());
}

bool GreekLocale::cLibraryUsesComma() {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", 2.5);
  return QByteArray(text) == "2,5";
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return QByteArray();
  return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

}  // namespace aeriton::test
