// A winter study (".WIR" with its title file ".TAW") under any bytes, as the
// winter data screen opens it: refused with a message and nothing changed, or
// made the current study with "PSY_RES.TMP" its copy, the screen's values
// formed, and saved again and reopened with the same values. The study list
// of its folder is built and read back.
//
// Input: the study file, "=====\n", the title file.

#include "StudyFileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  aeriton::fuzz::fuzzStudyFile(aeriton::files::StudySeason::Winter, data, size);
  return 0;
}
