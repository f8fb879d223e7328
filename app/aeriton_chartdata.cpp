// aeriton-chartdata: writes the chart table "Data.dat" from the property engine.
//
//   aeriton-chartdata OUTPUT_FILE
//
// Run by the build; the file goes beside the program. Exit status 0 written,
// 2 wrong command line or the file could not be written.

#include <QByteArray>
#include <QString>
#include <cstdio>

#include "chart/ChartTable.h"
#include "study/ExchangeFiles.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage: aeriton-chartdata OUTPUT_FILE\n", stderr);
    return 2;
  }
  const QString path = QString::fromLocal8Bit(argv[1]);
  QString error;
  if (!aeriton::writeFileAtomically(path, aeriton::chart::chartDataFileBytes(), &error)) {
    std::fprintf(stderr, "aeriton-chartdata: %s: %s\n", argv[1], error.toLocal8Bit().constData());
    return 2;
  }
  return 0;
}
