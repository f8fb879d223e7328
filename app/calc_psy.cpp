// aeriton-calc --psy IN.psy [-o OUT.psy]

#include "app/calc_psy.h"

#include <QByteArray>
#include <QFile>
#include <cstdio>

#include "calculator/PsCalc.h"
#include "calculator/PsFile.h"
#include "calculator/PsMessages.h"
#include "study/ExchangeFiles.h"

namespace aeriton::app {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitFile = 2;
constexpr int kExitMalformed = 3;

void printErr(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
  std::fputc('\n', stderr);
}

// A refusal as the screen shows it: the code (and the box the screen would
// put the focus on), the title and the text.
int refuse(const QString& inPath, const Message& m, int focusBox) {
  QString head = QStringLiteral("aeriton-calc: %1: μήνυμα %2").arg(inPath).arg(m.code);
  if (focusBox > 0) head += QStringLiteral(" (%1)").arg(calculator::boxName(focusBox));
  printErr(head);
  printErr(m.title.trimmed());
  printErr(m.text.trimmed());
  return kExitRefused;
}

}  // namespace

int runPsyBatch(const QString& inPath, const QString& outPath) {
  using namespace aeriton::calculator;
  QFile in(inPath);
  if (!in.open(QIODevice::ReadOnly)) {
    printErr(QStringLiteral("aeriton-calc: %1: %2").arg(inPath, in.errorString()));
    return kExitFile;
  }
  const QByteArray bytes = in.read(kPsyMaxBytes + 1);
  if (in.error() != QFileDevice::NoError) {
    printErr(QStringLiteral("aeriton-calc: %1: %2").arg(inPath, in.errorString()));
    return kExitFile;
  }
  in.close();
  if (bytes.size() > kPsyMaxBytes) {
    printErr(QStringLiteral("aeriton-calc: %1: too large for a calculator file").arg(inPath));
    return kExitMalformed;
  }
  const PsyReadResult read = readPsyFile(bytes);
  if (!read.ok) {
    printErr(QStringLiteral("aeriton-calc: %1: field %2: %3")
                 .arg(inPath)
                 .arg(read.field)
                 .arg(read.reason));
    return kExitMalformed;
  }

  CalcForm f;
  showPsyFileForCalculation(read.file, f);

  const CalcOutcome out = calcButton(f);
  switch (out.kind) {
    case CalcOutcome::AlreadyDone:
      return refuse(inPath, calcsDoneMessage(), 0);
    case CalcOutcome::Missing:
      return refuse(inPath, messagesLC(out.message), out.focus);
    case CalcOutcome::OutOfRange:
      return refuse(inPath, outOfRangeMessage(out.inlet, f.metric), out.focus);
    case CalcOutcome::Done:
      break;
  }

  const QByteArray result = psyFileBytes(saveAsFile(f));
  if (outPath.isEmpty()) {
    std::fwrite(result.constData(), 1, static_cast<size_t>(result.size()), stdout);
    std::fflush(stdout);
    return kExitOk;
  }
  QString error;
  if (!writeFileAtomically(outPath, result, &error)) {
    printErr(QStringLiteral("aeriton-calc: %1: %2").arg(outPath, error));
    return kExitFile;
  }
  return kExitOk;
}

}  // namespace aeriton::app
