// "SUM_KCALH.tmp" (the room loads in kcal/h, read back before the data file is
// written) under any bytes: either refused with a reason, or two loads that
// the study's singles hold, so that the data file written from them carries
// only finite numbers and reads back.

#include <cmath>

#include "FuzzSupport.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/SummerRun.h"

using namespace aeriton;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray input = fuzz::bytesOf(data, size);
  double sens = 0, lat = 0;
  QString error;
  if (!summer::readLoadsFile(input, sens, lat, &error)) {
    FUZZ_CHECK(!error.isEmpty());
    return 0;
  }
  FUZZ_CHECK(std::isfinite(sens) && std::isfinite(lat));

  // What the calculate button does next, in every unit system.
  for (const char* unit : {"WATT", "BTUh", "BTU"}) {
    summer::SummerRunInput in;
    in.loadUnit = QString::fromLatin1(unit);
    in.envDB = 35, in.envWB = 25, in.envRH = 45;
    in.spaDB = 26, in.spaWB = 19, in.spaRH = 50;
    in.amount = 1000;
    StudyState s;
    summer::prepareStudy(in, sens, lat, s);
    const bool english = QLatin1String(unit) == QLatin1String("BTU");
    // Btu/h of an English study may grow past the single range (×3.97).
    if (!english || dataFinite(s)) {
      FUZZ_CHECK(dataFinite(s));
      StudyState back;
      FUZZ_CHECK(readDataFile(dataFileBytes(s), back).ok);
    }
  }
  return 0;
}
