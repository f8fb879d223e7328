// "PSY_VEE.TMP" (the requested supply temperature) with "PSY_RES.TMP" under
// any bytes: the raise either refuses with a reason and leaves the results
// file as it was, or rewrites it with a record of finite values that reads
// back.
//
// Input: the request file, "=====\n", the results file.

#include <cmath>

#include "FuzzSupport.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/Raise.h"

using namespace aeriton;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::freshStart();
  const auto parts = fuzz::splitParts(fuzz::bytesOf(data, size), 2);

  float T = 0;
  if (summer::parseRaiseRequest(parts[0], T)) FUZZ_CHECK(std::isfinite(T));

  fuzz::writeProgramFile(QStringLiteral("PSY_VEE.TMP"), parts[0]);
  fuzz::writeProgramFile(QString::fromLatin1(kResultsFileName), parts[1]);
  const summer::RaiseOutcome out = summer::MakeNewCalc(StudyState{});
  // The request is used once.
  FUZZ_CHECK(fuzz::readProgramFile(QStringLiteral("PSY_VEE.TMP")).isEmpty());
  const QByteArray after = fuzz::readProgramFile(QString::fromLatin1(kResultsFileName));
  if (!out.ok) {
    FUZZ_CHECK(!out.error.isEmpty());
    FUZZ_CHECK(after == parts[1]);
    return 0;
  }
  for (float v : out.record) FUZZ_CHECK(std::isfinite(v));
  StudyState back;
  FUZZ_CHECK(readResultsFile(after, back).ok);
  FUZZ_CHECK(back.CoilOutChange == out.record);
  return 0;
}
