#pragma once
// The body shared by the summer and winter study-file targets.

#include <cstddef>
#include <cstdint>

#include "files/StudyFileCore.h"

namespace aeriton::fuzz {

void fuzzStudyFile(files::StudySeason season, const uint8_t* data, size_t size);

}  // namespace aeriton::fuzz
