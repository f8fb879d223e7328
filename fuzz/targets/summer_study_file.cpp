// A summer study (".AIR" with its title file ".TAS") under any bytes, as the
// summer data screen opens it: refused with a message and nothing changed, or
// made the current study with "PSY_RES.TMP" its copy, the screen's values
// formed, and saved again and reopened with the same values. The study list
// of its folder is built and read back.
//
// Input: the study file, "=====\n", the title file.

#include "StudyFileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  aeriton::fuzz::fuzzStudyFile(aeriton::files::StudySeason::Summer, data, size);
  return 0;
}
