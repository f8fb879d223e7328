// The maker's shared program registry under any bytes (other programs write it
// too): the program's record is rewritten in place or appended, and every
// other byte of the file stays as it was.

#include "FuzzSupport.h"
#include "shell/ProgramRegistry.h"

using namespace aeriton;
using namespace aeriton::shell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::freshStart();
  const QByteArray input = fuzz::bytesOf(data, size);
  const QString path = fuzz::writeProgramFile(QStringLiteral("OrvoProgs.log"), input);

  const RegistryEntry entry{QStringLiteral("Aeriton"), QStringLiteral("C:\\Programs\\Aeriton\\"),
                            QStringLiteral("Aeriton.EXE")};
  const RegistryOutcome outcome = registerProgram(path, entry);
  const QByteArray after = fuzz::readProgramFile(QStringLiteral("OrvoProgs.log"));
  const qsizetype L = kRegistryRecordLength;
  const qsizetype whole = input.size() / L * L;
  switch (outcome) {
    case RegistryOutcome::Skipped:
      FUZZ_CHECK(after == input);
      return 0;
    case RegistryOutcome::Updated: {
      FUZZ_CHECK(after.size() == input.size());
      // Exactly one record differs, and it is now the program's.
      qsizetype changed = -1;
      for (qsizetype at = 0; at < whole; at += L)
        if (after.mid(at, L) != input.mid(at, L)) {
          FUZZ_CHECK(changed < 0);
          changed = at;
        }
      FUZZ_CHECK(after.mid(whole) == input.mid(whole));
      if (changed >= 0) FUZZ_CHECK(after.mid(changed, L).startsWith("Aeriton "));
      break;
    }
    case RegistryOutcome::Appended:
      // The new record follows the last whole one; a short tail is written over.
      FUZZ_CHECK(after.left(whole) == input.left(whole));
      FUZZ_CHECK(after.size() == whole + L);
      FUZZ_CHECK(after.mid(whole, L).startsWith("Aeriton "));
      break;
  }
  bool found = false;
  for (const RegistryEntry& e : readRegistry(path))
    if (e.name == entry.name) found = found || e.folder.trimmed() == entry.folder;
  FUZZ_CHECK(found);
  return 0;
}
