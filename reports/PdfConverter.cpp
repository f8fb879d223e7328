#include "reports/PdfConverter.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <memory>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <unistd.h>
#endif

namespace aeriton::reports {
namespace {

QString& programOverride() {
  static QString program;
  return program;
}

int& timeoutMs() {
  static int ms = kDefaultConversionTimeoutMs;
  return ms;
}

// LibreOffice's profile for this run. It lives until the program ends (the
// next conversions start faster with it) and is dropped after a conversion
// that had to be killed, whose profile may be left locked.
std::unique_ptr<QTemporaryDir>& profileHolder() {
  static std::unique_ptr<QTemporaryDir> dir;
  return dir;
}

QString profileFolder() {
  auto& dir = profileHolder();
  if (!dir || !dir->isValid())
    dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/aeriton-lo-XXXXXX"));
  return dir->isValid() ? dir->path() : QString();
}

// Last lines of what the converter printed, for a message.
QString tail(const QByteArray& output) {
  QStringList lines = QString::fromLocal8Bit(output).split('\n', Qt::SkipEmptyParts);
  while (lines.size() > 4) lines.removeFirst();
  return lines.join('\n').trimmed();
}

#ifdef Q_OS_UNIX
// LibreOffice's launcher starts the office process as its child: the
// converter runs in a process group of its own, so that a time-out ends both.
void ownProcessGroup(QProcess& p) {
  p.setChildProcessModifier([] { ::setpgid(0, 0); });
}
void killAll(QProcess& p) {
  const qint64 pid = p.processId();
  if (pid > 0) ::kill(-static_cast<pid_t>(pid), SIGKILL);
  p.kill();
}
#else
void ownProcessGroup(QProcess&) {}
void killAll(QProcess& p) {
  p.kill();
}
#endif

}  // namespace

QString converterProgram() {
  const QString set = programOverride();
  if (!set.isEmpty()) return QFileInfo(set).isExecutable() ? set : QString();
  for (const char* name : {"soffice", "libreoffice"}) {
    const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!found.isEmpty()) return found;
  }
  // Installations that are not on the search path.
  const QStringList usual = {
      QStringLiteral("C:/Program Files/LibreOffice/program/soffice.exe"),
      QStringLiteral("C:/Program Files (x86)/LibreOffice/program/soffice.exe"),
      QStringLiteral("/Applications/LibreOffice.app/Contents/MacOS/soffice"),
      QStringLiteral("/usr/lib/libreoffice/program/soffice"),
      QStringLiteral("/opt/libreoffice/program/soffice"),
  };
  for (const QString& p : usual)
    if (QFileInfo(p).isExecutable()) return p;
  return QString();
}

void setConverterProgram(const QString& program) {
  programOverride() = program;
}

int conversionTimeoutMs() {
  return timeoutMs();
}

void setConversionTimeoutMs(int ms) {
  timeoutMs() = ms > 0 ? ms : kDefaultConversionTimeoutMs;
}

ConversionResult convertWorkbookToPdf(const QByteArray& workbook, const QString& name) {
  ConversionResult result;
  const QString program = converterProgram();
  if (program.isEmpty()) {
    result.status = ConversionStatus::NoConverter;
    result.detail = programOverride().isEmpty()
                        ? QStringLiteral("LibreOffice (soffice) was not found")
                        : QStringLiteral("%1: no such program").arg(programOverride());
    return result;
  }
  QTemporaryDir job(QDir::tempPath() + QStringLiteral("/aeriton-pdf-XXXXXX"));
  const QString profile = profileFolder();
  if (!job.isValid() || profile.isEmpty()) {
    result.detail = QStringLiteral("no temporary folder: %1").arg(job.errorString());
    return result;
  }
  const QString base = QFileInfo(name).completeBaseName().isEmpty()
                           ? QStringLiteral("report")
                           : QFileInfo(name).completeBaseName();
  const QString input = job.filePath(base + QStringLiteral(".xlsx"));
  const QString output = job.filePath(base + QStringLiteral(".pdf"));
  {
    QFile f(input);
    if (!f.open(QIODevice::WriteOnly) || f.write(workbook) != workbook.size()) {
      result.detail = f.errorString();
      return result;
    }
  }

  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  ownProcessGroup(process);
  const QStringList args = {
      QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(),
      QStringLiteral("--headless"),
      QStringLiteral("--invisible"),
      QStringLiteral("--norestore"),
      QStringLiteral("--nolockcheck"),
      QStringLiteral("--nodefault"),
      QStringLiteral("--nologo"),
      QStringLiteral("--convert-to"),
      QStringLiteral("pdf"),
      QStringLiteral("--outdir"),
      QDir::toNativeSeparators(job.path()),
      QDir::toNativeSeparators(input),
  };
  bool timedOut = false;
  process.start(program, args);
  if (!process.waitForStarted(10000)) {
    result.status = ConversionStatus::NoConverter;
    result.detail = QStringLiteral("%1: %2").arg(program, process.errorString());
    return result;
  }
  if (QCoreApplication::instance()) {
    // Keep the screens painted while LibreOffice works; user input waits.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
      timedOut = true;
      loop.quit();
    });
    timer.start(timeoutMs());
    if (process.state() != QProcess::NotRunning) loop.exec(QEventLoop::ExcludeUserInputEvents);
  } else if (!process.waitForFinished(timeoutMs())) {
    timedOut = process.state() != QProcess::NotRunning;
  }
  if (timedOut) {
    killAll(process);
    process.waitForFinished(5000);
    profileHolder().reset();
    result.status = ConversionStatus::TimedOut;
    result.detail = QStringLiteral("killed after %1 ms").arg(timeoutMs());
    return result;
  }
  const QByteArray said = process.readAll();
  QFile pdf(output);
  if (process.exitStatus() != QProcess::NormalExit || !pdf.open(QIODevice::ReadOnly)) {
    result.status = ConversionStatus::Failed;
    result.detail = tail(said);
    if (result.detail.isEmpty())
      result.detail = QStringLiteral("exit code %1").arg(process.exitCode());
    return result;
  }
  result.pdf = pdf.readAll();
  if (result.pdf.isEmpty()) {
    result.status = ConversionStatus::Failed;
    result.detail = tail(said);
    return result;
  }
  result.status = ConversionStatus::Ok;
  return result;
}

}  // namespace aeriton::reports
