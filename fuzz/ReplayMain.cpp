// Replays fuzz inputs through a target without libFuzzer, so that the corpora
// and every input that once found a fault run as ordinary tests of the normal
// build (no clang needed).
//
//   fuzz_replay_<target> PATH...   every file of each folder (sorted by name),
//                                  or the file itself
//
// A failing property or a sanitizer report ends the process abnormally; the
// input being run is named on standard error first.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "FuzzSupport.h"

namespace {

bool runFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
    return false;
  }
  const QByteArray bytes = f.readAll();
  std::fprintf(stderr, "input %s (%lld bytes)\n", qPrintable(path),
               static_cast<long long>(bytes.size()));
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                         static_cast<size_t>(bytes.size()));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  LLVMFuzzerInitialize(&argc, &argv);
  int inputs = 0;
  bool ok = true;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    const QFileInfo info(arg);
    if (info.isDir()) {
      const QStringList names = QDir(arg).entryList(QDir::Files | QDir::Hidden, QDir::Name);
      for (const QString& name : names) {
        ok = runFile(QDir(arg).filePath(name)) && ok;
        ++inputs;
      }
    } else if (info.exists()) {
      ok = runFile(arg) && ok;
      ++inputs;
    }
    // A folder that does not exist (no regressions yet) holds no inputs.
  }
  std::printf("%d inputs replayed\n", inputs);
  if (inputs == 0) {
    std::fprintf(stderr, "no inputs found\n");
    return 1;
  }
  return ok ? 0 : 1;
}
