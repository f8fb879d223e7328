// "PSY_RES.TMP" under any bytes: the reader refuses with a line or gives a
// study with valid codes that writes back stably; the results screen's view
// of it forms every shown value and text in both unit systems and every load
// unit, and both data screens fill themselves from it without fault.

#include "FuzzSupport.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/ResultsView.h"
#include "summer/StudyFile.h"
#include "winter/WinterStudyFile.h"

using namespace aeriton;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::freshStart();
  const QByteArray input = fuzz::bytesOf(data, size);

  StudyState file;
  const ReadResult r = readResultsFile(input, file);
  if (!r.ok) {
    FUZZ_CHECK(r.line >= 1);
    FUZZ_CHECK(!r.error.isEmpty());
    return 0;
  }
  FUZZ_CHECK(r.changeRecordValues == 13 || r.changeRecordValues == 8);
  const QByteArray once = resultsFileBytes(file);
  StudyState again;
  const ReadResult second = readResultsFile(once, again);
  FUZZ_CHECK(second.ok && second.changeRecordValues == 13);
  FUZZ_CHECK(resultsFileBytes(again) == once);

  // The results screen, in every load unit and both systems. The first byte
  // picks the shown per cent.
  const float perCent = size > 0 ? static_cast<float>(data[0] % 101) : 0.0f;
  for (const char* unit : {"WATT", "KCAL", "KW", "RT", "BTUh", "BTU"}) {
    summer::ResultsView view(file, QString::fromLatin1(unit), perCent);
    for (int pass = 0; pass < 2; ++pass) {
      for (int f = 0; f < summer::kFieldCount; ++f) {
        const auto field = static_cast<summer::ResultField>(f);
        (void)view.value(field);
        (void)view.text(field);
      }
      (void)view.presentOutletTemperature();
      view.MakeChanges();
    }
  }

  // The winter data screen fills itself from the file in every load unit.
  fuzz::writeProgramFile(QString::fromLatin1(kResultsFileName), input);
  for (const char* unit : {"WATT", "RT", "BTU"}) {
    study().setLoadUnit(QString::fromLatin1(unit));
    FUZZ_CHECK(winter::winterFormValues().has_value());
  }
  return 0;
}
