// "Studies.std" (the study list's index of 526-byte records) under any bytes:
// every whole record is read, a short tail is left out, each record gives its
// list line, and a record written again from what was read reads back the
// same.

#include "FuzzSupport.h"
#include "files/StudyIndex.h"

using namespace aeriton;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::freshStart();
  const QByteArray input = fuzz::bytesOf(data, size);
  fuzz::writeProgramFile(QString::fromLatin1(files::kStudiesFileName), input);

  const auto records = files::readStudiesFile();
  FUZZ_CHECK(records.size() == size / files::kStudyRecordLength);
  for (const files::StudyRecord& r : records) {
    const QString line = files::studyListLine(r.index, r.title);
    FUZZ_CHECK(line.startsWith('('));
    const QByteArray bytes = files::studyRecordBytes(r);
    FUZZ_CHECK(bytes.size() == files::kStudyRecordLength);
    fuzz::writeProgramFile(QString::fromLatin1(files::kStudiesFileName), bytes);
    const auto back = files::readStudiesFile();
    FUZZ_CHECK(back.size() == 1);
    FUZZ_CHECK(files::studyRecordBytes(back[0]) == bytes);
  }
  return 0;
}
