// "PSY_DAT.TMP" (and the data files of aeriton-calc) under any bytes: the
// reader either refuses with a line and a reason or gives a study whose coded
// fields are valid and which writes back stably; such a study then goes
// through the calculation exactly as aeriton-calc sends it (the winter
// screen's heating run for a winter file, else the summer screen's path),
// which either refuses with a message code or leaves finite results that
// read back.

#include "FuzzSupport.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/SummerChecks.h"
#include "summer/SummerRun.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRun.h"

using namespace aeriton;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::freshStart();
  const QByteArray input = fuzz::bytesOf(data, size);

  StudyState read;
  const ReadResult r = readDataFile(input, read);
  if (!r.ok) {
    FUZZ_CHECK(r.line >= 1);
    FUZZ_CHECK(!r.error.isEmpty());
    return 0;
  }
  const QStringList kinds = {"AAA_NA", "AA_100", "NA_PAF", "NA_DPF"};
  FUZZ_CHECK(kinds.contains(read.KindCode));
  FUZZ_CHECK(read.FreshMode == QLatin1String("C") || read.FreshMode == QLatin1String("P"));
  FUZZ_CHECK((read.MetricCode == 1 && read.EnglishCode == 0) ||
             (read.MetricCode == 0 && read.EnglishCode == 1) ||
             (read.MetricCode == 32 && read.EnglishCode == 32));

  // Written again and read back, the file no longer changes.
  const QByteArray once = dataFileBytes(read);
  StudyState again;
  FUZZ_CHECK(readDataFile(once, again).ok);
  FUZZ_CHECK(dataFileBytes(again) == once);

  // The calculation, as aeriton-calc runs it. The last byte answers the
  // hot-supply-air question.
  const bool yes = size > 0 && (data[size - 1] & 1);
  auto ask = [yes](float) { return yes; };
  StudyState& s = study();
  const bool winterFile = read.EnvDB < read.SpaDB && read.DB_S != kNotComputed;
  if (winterFile) {
    winter::ZeroVariables(s);
    const winter::RunOutcome out = winter::calculateWinterData(input, ask, s);
    if (out.code != 0) {
      // A refusal says why, unless the user declined the question himself.
      FUZZ_CHECK(out.code < 0);
      FUZZ_CHECK(out.showMessage || out.code == winter::kCodeSupplyTooHot);
      FUZZ_CHECK(out.results.isEmpty());
      return 0;
    }
    FUZZ_CHECK(resultsFinite(s));
    StudyState back;
    FUZZ_CHECK(readResultsFile(out.results, back).ok);
  } else {
    summer::ZeroVariables(s);
    const summer::RunOutcome out = summer::calculateData(input, s, ask);
    if (!out.ok()) {
      FUZZ_CHECK(out.code < 0);
      FUZZ_CHECK(!out.message.text.isEmpty() || out.code == winter::kCodeSupplyTooHot);
      return 0;
    }
    FUZZ_CHECK(resultsFinite(s));
    StudyState back;
    FUZZ_CHECK(readResultsFile(resultsFileBytes(s), back).ok);
  }
  return 0;
}
