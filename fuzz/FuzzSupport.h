#pragma once
// What the fuzz targets share: a program folder of their own, files written
// from the input bytes, inputs split into the several files a reader takes,
// and a check that stops the run (a finding) when a property fails.
//
// The same targets run under libFuzzer (the "fuzz" preset) and, replaying
// their corpora, as ordinary tests of the normal build.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace aeriton::fuzz {

// The program folder of this process (a temporary folder, with a trailing
// "/"); the program is pointed at it on first use.
QString programFolder();

// Starts an input from nothing: the program folder emptied, the study reset,
// the dialog's remembered folder forgotten, no message service installed.
void freshStart();

QByteArray bytesOf(const uint8_t* data, size_t size);

// Writes bytes to a file of the program folder; returns its full path.
QString writeProgramFile(const QString& name, const QByteArray& bytes);
QByteArray readProgramFile(const QString& name);

// Splits an input into `count` parts at the separator lines "=====\n" (the
// seeds are written that way). Missing parts are empty; further separators
// stay in the last part.
std::vector<QByteArray> splitParts(const QByteArray& input, int count);
inline const char* kPartSeparator = "=====\n";

// A property that must hold for every input. Prints what failed and aborts,
// which libFuzzer and the replay both report as a finding.
[[noreturn]] void fail(const char* file, int line, const char* what);

}  // namespace aeriton::fuzz

#define FUZZ_CHECK(cond) \
  ((cond) ? static_cast<void>(0) : ::aeriton::fuzz::fail(__FILE__, __LINE__, #cond))

// Every target defines this entry (libFuzzer's).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Defined once for all targets: takes the regional settings of the
// environment (LC_ALL, LANG), as the program does at start.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
