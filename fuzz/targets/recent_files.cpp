// "RecentFiles.txt" (the companion load program's recent studies) under any
// bytes: every entry gives its list line and season, and removing one entry
// removes exactly that line and keeps every other line byte for byte.
//
// The first byte chooses the entry removed; the rest is the file.

#include "FuzzSupport.h"
#include "files/RecentFiles.h"

using namespace aeriton;

namespace {

// The lines of the file without their ends (CR LF, LF or CR).
std::vector<QByteArray> linesOf(const QByteArray& bytes) {
  std::vector<QByteArray> lines;
  qsizetype start = 0, i = 0;
  const qsizetype n = bytes.size();
  while (i < n) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      lines.push_back(bytes.mid(start, i - start));
      if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < n) lines.push_back(bytes.mid(start));
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::freshStart();
  if (size == 0) return 0;
  const int choice = data[0];
  const QByteArray input = fuzz::bytesOf(data + 1, size - 1);
  fuzz::writeProgramFile(QString::fromLatin1(files::kRecentFilesName), input);

  const auto entries = files::readRecentFiles();
  for (const files::RecentEntry& e : entries) {
    FUZZ_CHECK(!e.path.isEmpty());
    FUZZ_CHECK(files::recentListLine(e.path).size() >= files::kRecentNameWidth);
    (void)files::loadStudySeason(e.path);
  }
  if (entries.empty()) {
    FUZZ_CHECK(!files::removeRecentFile(0));
    return 0;
  }

  const int k = choice % static_cast<int>(entries.size());
  FUZZ_CHECK(files::removeRecentFile(k));
  const auto before = linesOf(input);
  std::vector<QByteArray> expected;
  for (int i = 0; i < static_cast<int>(before.size()); ++i)
    if (i != entries[static_cast<size_t>(k)].line)
      expected.push_back(before[static_cast<size_t>(i)]);
  QByteArray expectedBytes;
  for (const QByteArray& l : expected) expectedBytes += l + "\r\n";
  FUZZ_CHECK(fuzz::readProgramFile(QString::fromLatin1(files::kRecentFilesName)) == expectedBytes);

  const auto after = files::readRecentFiles();
  FUZZ_CHECK(after.size() + 1 == entries.size());
  for (size_t i = 0, j = 0; i < entries.size(); ++i) {
    if (static_cast<int>(i) == k) continue;
    FUZZ_CHECK(after[j].path == entries[i].path);
    ++j;
  }
  return 0;
}
