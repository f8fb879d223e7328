#include "files/StudyFileCore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/FileData.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/RecordText.h"

namespace aeriton::files {
namespace {

// Fields on each line of a study file. Line 13 holds 13 values in the present
// layout and 8 in the older one.
constexpr int kLineFields[14] = {2, 3, 3, 3, 3, 3, 2, 2, 5, 5, 5, 1, 13, 27};
constexpr int kOlderLine13Fields = 8;

const char* kEscape = "Escape";

bool lineStructureIs(const QByteArray& bytes, int line13Fields) {
  const auto lines = RecordReader(bytes).lines();
  if (lines.size() != 14) return false;
  for (int k = 0; k < 14; ++k) {
    const int expected = k == 12 ? line13Fields : kLineFields[k];
    if (static_cast<int>(lines[k].size()) != expected) return false;
  }
  return true;
}

// Reads a file that must be a small regular file.
bool readSmallFile(const QString& path, QByteArray& bytes, QString* error) {
  QFileInfo info(path);
  if (!info.exists()) {
    *error = QStringLiteral("το αρχείο δεν υπάρχει");
    return false;
  }
  if (!info.isFile()) {
    *error = QStringLiteral("δεν είναι αρχείο");
    return false;
  }
  if (info.size() > kMaxStudyFileBytes) {
    *error = QStringLiteral("πολύ μεγάλο αρχείο");
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return false;
  }
  bytes = file.read(kMaxStudyFileBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    *error = file.errorString();
    return false;
  }
  return true;
}

// Writes a file whole and gives it back the modification time it had.
bool rewriteKeepingTime(const QString& path, const QByteArray& bytes, QString* error) {
  const QDateTime modified = QFileInfo(path).lastModified();
  if (!writeFileAtomically(path, bytes, error)) return false;
  QFile file(path);
  if (file.open(QIODevice::ReadWrite)) {
    file.setFileTime(modified, QFileDevice::FileModificationTime);
    file.close();
  }
  return true;
}

}  // namespace

StudyFileKind studyFileKind(StudySeason season) {
  if (season == StudySeason::Summer) return {"*.AIR", ".AIR", ".TAS"};
  return {"*.WIR", ".WIR", ".TAW"};
}

int kindIndexOfFlags(int mix, int recirc, int fresh, int freshLoads) {
  if (isTrue(mix)) return 0;
  if (isTrue(recirc)) return 1;
  if (isTrue(fresh) && freshLoads == 2) return 2;
  if (isTrue(fresh) && freshLoads == 1) return 3;
  return -1;
}

QString kindCodeOfIndex(int index) {
  static const char* codes[4] = {"AAA_NA", "AA_100", "NA_PAF", "NA_DPF"};
  return index >= 0 && index < 4 ? QString::fromLatin1(codes[index]) : QString();
}

bool isLoadUnitCode(const QString& code) {
  return loadUnitIndex(code) >= 0;
}

int loadUnitIndex(const QString& code) {
  static const QStringList codes = {"WATT", "KCAL", "KW", "RT", "BTUh", "BTU"};
  return static_cast<int>(codes.indexOf(code));
}

double loadInUnit(double stored, int metricCode, const QString& unit) {
  // The factors of the study screens (single-precision constants).
  constexpr double kKcalPerWatt = 0.8598555;
  constexpr double kKcalPerKW = 859.8555;
  constexpr double kBtuPerKcal = 3.970923;
  constexpr double kBtuPerRT = 12000.0;
  const bool metric = metricCode != 0;
  const double kcal = metric ? stored : stored / kBtuPerKcal;
  const double btu = metric ? stored * kBtuPerKcal : stored;
  if (unit == QLatin1String("WATT")) return kcal / kKcalPerWatt;
  if (unit == QLatin1String("KW")) return kcal / kKcalPerKW;
  if (unit == QLatin1String("RT")) return btu / kBtuPerRT;
  if (unit == QLatin1String("BTUh") || unit == QLatin1String("BTU")) return btu;
  return kcal;
}

StudyFileCheck inspectStudyFile(const QString& path, const StudyState& base) {
  StudyFileCheck check;
  QByteArray bytes;
  if (!readSmallFile(path, bytes, &check.error)) return check;
  StudyState s = base;
  const ReadResult read = readResultsFile(bytes, s);
  if (!read) {
    check.error = read.error;
    return check;
  }
  const bool older = read.changeRecordValues == 8;
  if (!lineStructureIs(bytes, older ? kOlderLine13Fields : kCoilOutChangeValues)) {
    check.error = QStringLiteral("οι γραμμές του αρχείου δεν έχουν τη διάταξη μελέτης");
    return check;
  }
  // The reader has refused foreign codes (kind, flags, fresh-air mode, unit
  // codes), naming their line.
  check.layout = older ? StudyLayout::Older : StudyLayout::Current;
  check.values = s;
  // The older layout is written anew with the same values; line 1 keeps the
  // kind code it had.
  check.current = older ? resultsFileBytes(s) : bytes;
  return check;
}

StudyLayout CheckForFileValidity(const QString& path, QString* error) {
  StudyFileCheck check = inspectStudyFile(path, study());
  if (error) *error = check.error;
  if (check.layout == StudyLayout::Older) {
    QString writeError;
    if (!rewriteKeepingTime(path, check.current, &writeError)) {
      if (error) *error = writeError;
      return StudyLayout::Damaged;
    }
  }
  return check.layout;
}

TitleFile readTitleFile(const QString& companionPath) {
  TitleFile t;
  const QString path = findExistingFile(companionPath);
  if (path.isEmpty()) return t;
  t.exists = true;
  QByteArray bytes;
  QString error;
  if (!readSmallFile(path, bytes, &error)) return t;
  RecordReader r(bytes);
  // The title file may end after the title (or even before it): the load unit
  // is then kcal/h, and the file is completed when the study opens.
  if (!r.atEnd()) r.readString(t.title);
  if (r.atEnd()) {
    t.unitMissing = true;
    t.unit = QStringLiteral("KCAL");
  } else {
    r.readString(t.unit);
    t.unit = t.unit.trimmed();
    if (!isLoadUnitCode(t.unit)) return t;
  }
  t.title = t.title.trimmed();
  t.readable = true;
  return t;
}

QByteArray titleFileBytes(const QString& title, const QString& unit) {
  RecordWriter w;
  w.str(title).endLine().str(unit).endLine();
  return w.bytes();
}

FileResult saveStudy(const PathChooser& choose) {
  StudyState& s = study();
  const StudyFileKind kind =
      studyFileKind(s.CoolingProcess ? StudySeason::Summer : StudySeason::Winter);
  s.FileFilter = kind.pattern;
  QString name = choose ? choose(kind.pattern, true).trimmed() : QString();
  if (name.isEmpty() || name == QLatin1String(kEscape)) {
    s.StudyFileName.clear();
    return FileResult::Cancelled;
  }
  name = ensureExtension(name, kind.extension);

  if (s.FreshMode == QLatin1String("P")) {
    s.FreshAmount = 0;
    s.FreshPerCent = s.FreshValue;
  } else {
    s.FreshPerCent = 0;
  }
  const QByteArray bytes = resultsFileBytes(s);
  const QString companion = replaceLastFour(name, kind.companion);
  QString error;
  QString failed;
  if (!writeFileAtomically(appfolder::path(kResultsFileName), bytes, &error)) {
    failed = appfolder::path(kResultsFileName);
  } else if (!writeFileAtomically(name, bytes, &error)) {
    failed = name;
  } else if (!writeFileAtomically(companion, titleFileBytes(s.Title.trimmed(), s.LoadUnit),
                                  &error)) {
    failed = companion;
  }
  if (!failed.isEmpty()) {
    showMessage(writeFailedMessage(failed, error));
    return FileResult::Failed;
  }
  s.StudyFileName = name;
  s.Unsaved = false;
  return FileResult::Done;
}

OpenOutcome openStudy(StudySeason season, const PathChooser& choose) {
  OpenOutcome out;
  StudyState& s = study();
  const StudyFileKind kind = studyFileKind(season);
  s.FileFilter = kind.pattern;
  QString name = choose ? choose(kind.pattern, false).trimmed() : QString();
  if (name == QLatin1String(kEscape) || (name.isEmpty() && season == StudySeason::Summer)) {
    s.StudyFileName.clear();
    return out;
  }
  if (name.isEmpty()) return out;
  name = ensureExtension(name, kind.extension);
  out.path = name;
  out.result = FileResult::Failed;

  // Everything is checked before anything is written or changed.
  const StudyFileCheck check = inspectStudyFile(name, s);
  if (check.layout == StudyLayout::Damaged) {
    showMessage(damagedFileMessage());
    return out;
  }
  const QString companion = replaceLastFour(name, kind.companion);
  const TitleFile title = readTitleFile(companion);
  if (!title.exists) {
    showMessage(missingTitleFileMessage(companion));
    return out;
  }
  if (!title.readable) {
    showMessage(damagedFileMessage());
    return out;
  }

  QString error;
  if (check.layout == StudyLayout::Older) {
    if (!rewriteKeepingTime(name, check.current, &error)) {
      showMessage(writeFailedMessage(name, error));
      return out;
    }
    out.upgraded = true;
  }
  if (title.unitMissing) {
    const QString existing = findExistingFile(companion);
    if (!writeFileAtomically(existing, titleFileBytes(title.title, title.unit), &error)) {
      showMessage(writeFailedMessage(existing, error));
      return out;
    }
    out.titleFileRepaired = true;
  }
  if (!writeFileAtomically(appfolder::path(kResultsFileName), check.current, &error)) {
    showMessage(writeFailedMessage(appfolder::path(kResultsFileName), error));
    return out;
  }

  StudyState opened = check.values;
  // The kind of system comes from the flags of line 10, never from line 1.
  opened.KindCode = kindCodeOfIndex(
      kindIndexOfFlags(opened.KindMix, opened.KindRecirc, opened.KindFresh, opened.FreshLoads));
  opened.FreshValue =
      opened.FreshMode == QLatin1String("P") ? opened.FreshPerCent : opened.FreshAmount;
  opened.Title = title.title;
  opened.setLoadUnit(title.unit);
  opened.PrevLoadUnit = title.unit;
  opened.StudyFileName = name;
  opened.FileFilter = kind.pattern;
  opened.Unsaved = false;
  s = opened;

  out.raisedSupplyTemp = s.CoilOutChange[0] > 0.0f;
  out.raisedInCelsius = s.MetricCode == 1;
  out.result = FileResult::Done;
  return out;
}

// Title of the study-file refusals.
static QString fileTitle() {
  return QStringLiteral("...! ΠΡΟΣΟΧΗ !..");
}

Message damagedFileMessage() {
  return okMessage(kDamagedFileCode, fileTitle(),
                   QStringLiteral("... Υπάρχει σοβαρό πρόβλημα στο εν λόγω Αρχείο ..."));
}

Message missingTitleFileMessage(const QString& companionPath) {
  return okMessage(
      kMissingTitleFileCode, fileTitle(),
      QStringLiteral("... ΔΕΝ βρέθηκε το Αρχείο του Θέματος-Τίτλου της Μελέτης ...\n") +
          QDir::toNativeSeparators(companionPath));
}

Message writeFailedMessage(const QString& path, const QString& error) {
  return okMessage(kWriteFailedCode, fileTitle(),
                   QStringLiteral("... Το Αρχείο ΔΕΝ μπόρεσε να γραφτεί ...\n") +
                       QDir::toNativeSeparators(path) +
                       (error.isEmpty() ? QString() : "\n" + error));
}

}  // namespace aeriton::files
