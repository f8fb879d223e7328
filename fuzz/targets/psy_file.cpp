// The two-state calculator's ".psy" file under any bytes: the reader refuses
// with a field and a reason, or gives a record that is shown on the screen,
// written back stably, and - as aeriton-calc --psy runs it - calculated by the
// calculate button, whose filled screen saves a file that reads back.

#include <cmath>

#include "FuzzSupport.h"
#include "calculator/PsCalc.h"
#include "calculator/PsFile.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::calculator;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::freshStart();
  const QByteArray input = fuzz::bytesOf(data, size);
  const PsyReadResult read = readPsyFile(input);
  if (!read.ok) {
    FUZZ_CHECK(read.field >= 0 && read.field <= kPsyFields);
    FUZZ_CHECK(!read.reason.isEmpty());
    return 0;
  }
  // Written again and read back, the file no longer changes.
  const QByteArray once = psyFileBytes(read.file);
  const PsyReadResult again = readPsyFile(once);
  FUZZ_CHECK(again.ok);
  FUZZ_CHECK(psyFileBytes(again.file) == once);

  // The screen shows it and the calculate button runs, as aeriton-calc --psy
  // takes it.
  CalcForm f;
  showPsyFileForCalculation(read.file, f);
  const CalcOutcome out = calcButton(f);
  if (out.kind != CalcOutcome::Done) return 0;
  for (int b = 1; b <= kBoxCount; ++b) {
    FUZZ_CHECK(std::isfinite(f.english[b]));
    FUZZ_CHECK(std::isfinite(f.metricValues[b]));
  }
  const QByteArray saved = psyFileBytes(saveAsFile(f));
  FUZZ_CHECK(readPsyFile(saved).ok);
  // The other unit system and back.
  switchUnits(f, !f.metric);
  switchUnits(f, !f.metric);
  return 0;
}
