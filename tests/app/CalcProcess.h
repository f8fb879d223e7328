#pragma once
// aeriton-calc run as a separate process, as a user or a script runs it.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace aeriton::test {

struct CalcRun {
  int exitCode = -1;  // -2 when the program did not end normally
  QByteArray out, err;
};

// Runs `exe` (aeriton-calc by default) with `args`, under `locale` (LC_ALL and
// LANG) when one is given. A run that does not end within `timeoutMs` is
// killed and reported as a test failure.
inline CalcRun runCalc(const QStringList& args,
                       const QString& exe = QStringLiteral(AERITON_CALC_EXE),
                       const QString& locale = QString(), int timeoutMs = 120000) {
  QProcess p;
  if (!locale.isEmpty()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    p.setProcessEnvironment(env);
  }
  p.start(exe, args);
  CalcRun r;
  if (!p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished();
    ADD_FAILURE() << "aeriton-calc did not finish";
    return r;
  }
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

// The lines of a data file, each ended with CR LF.
inline QByteArray crlfLines(std::initializer_list<const char*> ls) {
  QByteArray b;
  for (const char* l : ls) b.append(l).append("\r\n");
  return b;
}

}  // namespace aeriton::test
