#include "StudyFileFuzz.h"

#include <QDir>

#include "FuzzSupport.h"
#include "files/StudyIndex.h"
#include "study/AppFolder.h"
#include "study/Cp1253.h"
#include "study/ExchangeFiles.h"
#include "study/MessageService.h"
#include "study/StudyState.h"
#include "summer/StudyFile.h"
#include "winter/WinterStudyFile.h"

namespace aeriton::fuzz {

void fuzzStudyFile(files::StudySeason season, const uint8_t* data, size_t size) {
  freshStart();
  ScriptedMessageService messages;
  setMessageService(&messages);

  const auto parts = splitParts(bytesOf(data, size), 2);
  const files::StudyFileKind kind = files::studyFileKind(season);
  QDir().mkpath(programFolder() + QStringLiteral("studies"));
  const QString name = QStringLiteral("studies/Study") + kind.extension;
  const QString title = QStringLiteral("studies/Study") + kind.companion;
  const QString studyPath = writeProgramFile(name, parts[0]);
  writeProgramFile(title, parts[1]);

  // The study list of the folder reads every title file.
  const QString folder = programFolder() + QStringLiteral("studies/");
  FUZZ_CHECK(files::MakeCurrentStudiesFile(folder, kind.pattern) == 1);
  const auto records = files::readStudiesFile();
  FUZZ_CHECK(records.size() == 1 && records[0].index == 1);

  // Opening: a refusal changes nothing and says why.
  const StudyState before = study();
  auto chooser = [&](const QString&, bool) { return studyPath; };
  const files::OpenOutcome out = files::openStudy(season, chooser);
  if (out.result != files::FileResult::Done) {
    FUZZ_CHECK(out.result == files::FileResult::Failed);
    FUZZ_CHECK(messages.shown().size() == 1);
    FUZZ_CHECK(messages.shown()[0].code < 0);
    FUZZ_CHECK(readProgramFile(name) == parts[0]);
    FUZZ_CHECK(readProgramFile(title) == parts[1]);
    FUZZ_CHECK(readProgramFile(QString::fromLatin1(kResultsFileName)).isEmpty());
    FUZZ_CHECK(resultsFileBytes(study()) == resultsFileBytes(before));
    FUZZ_CHECK(study().Title == before.Title && study().StudyFileName == before.StudyFileName);
    return;
  }
  FUZZ_CHECK(messages.shown().empty());
  const QByteArray current = readProgramFile(name);
  FUZZ_CHECK(readProgramFile(QString::fromLatin1(kResultsFileName)) == current);
  FUZZ_CHECK(files::isLoadUnitCode(study().LoadUnit));
  if (season == files::StudySeason::Summer) {
    StudyState shown;
    FUZZ_CHECK(readResultsFile(current, shown).ok);
  } else
    FUZZ_CHECK(winter::winterFormValues().has_value());

  // A second opening finds the present layout and changes nothing.
  const files::OpenOutcome second = files::openStudy(season, chooser);
  FUZZ_CHECK(second.result == files::FileResult::Done && !second.upgraded);
  FUZZ_CHECK(readProgramFile(name) == current);

  // Saved under another name (in the season of its flags) and reopened, the
  // study is the same.
  const bool heating = !study().CoolingProcess;
  const files::StudyFileKind savedKind =
      files::studyFileKind(heating ? files::StudySeason::Winter : files::StudySeason::Summer);
  const QString copy = programFolder() + QStringLiteral("studies/Copy") + savedKind.extension;
  FUZZ_CHECK(files::saveStudy([&](const QString&, bool) { return copy; }) ==
             files::FileResult::Done);
  const QString keptTitle = study().Title, keptUnit = study().LoadUnit;
  const files::OpenOutcome reopened =
      files::openStudy(heating ? files::StudySeason::Winter : files::StudySeason::Summer,
                       [&](const QString&, bool) { return copy; });
  FUZZ_CHECK(reopened.result == files::FileResult::Done);
  FUZZ_CHECK(resultsFileBytes(study()) ==
             readProgramFile(QStringLiteral("studies/Copy") + savedKind.extension));
  // Title text the code page cannot hold was already '?' in the saved file.
  FUZZ_CHECK(toCp1253(study().Title) == toCp1253(keptTitle.trimmed()));
  FUZZ_CHECK(study().LoadUnit == keptUnit);
}

}  // namespace aeriton::fuzz
