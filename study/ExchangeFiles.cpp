#include "study/ExchangeFiles.h"

#include <QFile>
#include <QSaveFile>

#include "study/RecordText.h"

namespace aeriton {
namespace {

int flag(bool b) {
  return b ? 1 : 0;
}

void writeSingles(RecordWriter& w, std::initializer_list<float> values) {
  for (float v : values) w.single(v);
  w.endLine();
}

// Reads fields in order and remembers where the first failure happened.
class FieldReader {
 public:
  explicit FieldReader(const QByteArray& bytes) : r_(bytes) {}
  bool f(float& out) { return check(r_.readSingle(out), "αριθμός"); }
  bool i16(int16_t& out) {
    int v = 0;
    if (!check(r_.readInt(v) && v >= -32768 && v <= 32767, "ακέραιος")) return false;
    out = static_cast<int16_t>(v);
    return true;
  }
  bool b(bool& out) {
    int16_t v = 0;
    if (!i16(v)) return false;
    out = v != 0;
    return true;
  }
  bool s(QString& out) { return check(r_.readString(out), "κείμενο"); }
  bool ok() const { return ok_; }
  ReadResult result() const {
    ReadResult res;
    res.ok = ok_;
    res.line = line_;
    res.error = error_;
    return res;
  }
  RecordReader& reader() { return r_; }

 private:
  bool check(bool good, const char* what) {
    if (!ok_) return false;
    if (!good) {
      ok_ = false;
      line_ = r_.line();
      error_ =
          r_.atEnd()
              ? QStringLiteral("το αρχείο τελειώνει πριν από τη γραμμή %1").arg(line_)
              : QStringLiteral("γραμμή %1: αναμενόταν %2").arg(line_).arg(QString::fromUtf8(what));
    }
    return good;
  }
  RecordReader r_;
  bool ok_ = true;
  int line_ = 0;
  QString error_;
};

}  // namespace

namespace {

void writeData(RecordWriter& w, const StudyState& s) {
  w.str(s.KindCode).integer(s.EnglishCode).endLine();
  writeSingles(w, {s.EnvDB, s.EnvWB, s.EnvRH});
  writeSingles(w, {s.SpaDB, s.SpaWB, s.SpaRH});
  writeSingles(w, {s.SensLoad, s.LatLoad});
  writeSingles(w, {s.FreshAmount, s.FreshPerCent});
  w.integer(s.MetricCode).integer(flag(s.CoolingProcess)).integer(flag(s.HeatingProcess));
  w.single(s.DB_S).single(s.SummerFlow).endLine();
  w.integer(s.KindMix).integer(s.KindRecirc).integer(s.KindFresh).integer(s.FreshLoads);
  w.str(s.FreshMode).endLine();
  writeSingles(w, {s.FreshValue});
}

}  // namespace

namespace {

// ---- coded fields ------------------------------------------------------------------
// A file may hold any number where a number belongs, but its codes (kind of
// system, fresh-air mode, unit codes, kind flags) take only the values the
// screens write. A foreign value would otherwise travel on into the results
// and the study files (an unknown mode reads as neither amount nor per cent),
// so a file that carries one is refused, naming its line.

// Positions (0-based, among all fields of the file) of the coded fields.
struct CodedFieldPositions {
  int kind, english, metric, kindFlags, mode;
};
constexpr CodedFieldPositions kDataCoded{0, 1, 12, 17, 21};
constexpr CodedFieldPositions kResultsCoded{0, 1, 31, 26, 30};

const char* const kKindCodes[4] = {"AAA_NA", "AA_100", "NA_PAF", "NA_DPF"};

// The kind (0..3) the four flags name, -1 when they name none: exactly one of
// the mixing, full-recirculation and full-fresh-air flags set (any non-zero
// value counts as set), the fresh-air sub-kind 2 or 1 with full fresh air and
// 0 otherwise.
int kindOfFlags(const StudyState& s) {
  const int set =
      (isTrue(s.KindMix) ? 1 : 0) + (isTrue(s.KindRecirc) ? 1 : 0) + (isTrue(s.KindFresh) ? 1 : 0);
  if (set != 1) return -1;
  if (isTrue(s.KindFresh)) return s.FreshLoads == 2 ? 2 : s.FreshLoads == 1 ? 3 : -1;
  if (s.FreshLoads != 0) return -1;
  return isTrue(s.KindMix) ? 0 : 1;
}

int kindOfCode(const QString& code) {
  for (int k = 0; k < 4; ++k)
    if (code == QLatin1String(kKindCodes[k])) return k;
  return -1;
}

bool unitCode(int code) {
  return code == 0 || code == 1 || code == 32;
}

// Text of a field for a message, cut short: a damaged file may hold anything.
QString shown(const QString& text) {
  return text.size() > 24 ? text.left(24) + QStringLiteral("…") : text;
}

ReadResult refusedAt(const RecordReader& r, int field, const QString& what) {
  ReadResult res;
  res.line = r.fields()[static_cast<size_t>(field)].line;
  res.error = QStringLiteral("γραμμή %1: %2").arg(res.line).arg(what);
  return res;
}

// Checks the coded fields of a file just read into s. `dataFile`: the kind code
// must agree with the flags, and a per cent is given only for mixing (what
// the calculation needs); a results or study file takes its kind from the
// flags alone, so its line 1 need only hold one of the four codes.
ReadResult checkCodedFields(const RecordReader& r, const StudyState& s,
                            const CodedFieldPositions& at, bool dataFile) {
  const int byCode = kindOfCode(s.KindCode);
  if (byCode < 0)
    return refusedAt(r, at.kind,
                     QStringLiteral("άγνωστο είδος συστήματος \"%1\"").arg(shown(s.KindCode)));
  const int byFlags = kindOfFlags(s);
  if (byFlags < 0)
    return refusedAt(r, at.kindFlags,
                     QStringLiteral("οι σημαίες %1, %2, %3, %4 δεν ορίζουν είδος συστήματος")
                         .arg(s.KindMix)
                         .arg(s.KindRecirc)
                         .arg(s.KindFresh)
                         .arg(s.FreshLoads));
  if (dataFile && byFlags != byCode)
    return refusedAt(
        r, at.kindFlags,
        QStringLiteral("οι σημαίες του είδους δεν αντιστοιχούν στο \"%1\"").arg(s.KindCode));
  if (s.FreshMode != QLatin1String("C") && s.FreshMode != QLatin1String("P"))
    return refusedAt(r, at.mode,
                     QStringLiteral("ο τρόπος του νωπού αέρα πρέπει να είναι \"C\" ή \"P\" "
                                    "(βρέθηκε \"%1\")")
                         .arg(shown(s.FreshMode)));
  if (dataFile && s.FreshMode == QLatin1String("P") && byFlags != 0)
    return refusedAt(
        r, at.mode,
        QStringLiteral("ποσοστό νωπού αέρα (\"P\") δίνεται μόνο για ανάμιξη (\"AAA_NA\")"));
  const bool pairKnown = (s.MetricCode == 1 && s.EnglishCode == 0) ||
                         (s.MetricCode == 0 && s.EnglishCode == 1) ||
                         (s.MetricCode == 32 && s.EnglishCode == 32);
  if (!pairKnown) {
    // The line of the code that is wrong in itself, else that of MetricCode;
    // the message names both lines, since the two codes go together.
    const int field = !unitCode(s.EnglishCode) ? at.english : at.metric;
    ReadResult res = refusedAt(r, field, QString());
    const int englishLine = r.fields()[static_cast<size_t>(at.english)].line;
    const int metricLine = r.fields()[static_cast<size_t>(at.metric)].line;
    res.error = QStringLiteral("γραμμές %1 και %2: άγνωστο σύστημα μονάδων (%3, %4)")
                    .arg(englishLine)
                    .arg(metricLine)
                    .arg(s.MetricCode)
                    .arg(s.EnglishCode);
    return res;
  }
  ReadResult ok;
  ok.ok = true;
  return ok;
}

}  // namespace

QByteArray dataFileBytes(const StudyState& s) {
  RecordWriter w;
  writeData(w, s);
  return w.bytes();
}

bool dataFinite(const StudyState& s) {
  RecordWriter w;
  writeData(w, s);
  return w.nonFiniteCount() == 0;
}

namespace {

void writeResults(RecordWriter& w, const StudyState& s) {
  w.str(s.KindCode).integer(s.EnglishCode).endLine();
  writeSingles(w, {s.EnvDB, s.EnvWB, s.EnvRH});
  writeSingles(w, {s.SpaDB, s.SpaWB, s.SpaRH});
  writeSingles(w, {s.DB_M, s.WB_M, s.h_M});
  writeSingles(w, {s.DB_T, s.WB_T, s.h_T});
  writeSingles(w, {s.DB_S, s.WB_S, s.h_S});
  writeSingles(w, {s.SensLoad, s.LatLoad});
  writeSingles(w, {s.FreshAmount, s.FreshPerCent});
  writeSingles(w, {s.SupplyFlow, s.CoilLoad, s.FreshSensLoad, s.FreshLatLoad, s.Reheat});
  w.integer(s.KindMix).integer(s.KindRecirc).integer(s.KindFresh).integer(s.FreshLoads);
  w.str(s.FreshMode).endLine();
  w.integer(s.MetricCode).integer(flag(s.CoolingProcess)).integer(flag(s.HeatingProcess));
  w.single(s.SupplyTempShown).single(s.SummerFlow).endLine();
  writeSingles(w, {s.FreshFlow});
  for (float v : s.CoilOutChange) w.single(v);
  w.endLine();
  w.integer(s.HighHumidity);
  for (float v : s.HighHumid) w.single(v);
  w.endLine();
}

}  // namespace

QByteArray resultsFileBytes(const StudyState& s) {
  RecordWriter w;
  writeResults(w, s);
  return w.bytes();
}

bool resultsFinite(const StudyState& s) {
  RecordWriter w;
  writeResults(w, s);
  return w.nonFiniteCount() == 0;
}

ReadResult readDataFile(const QByteArray& bytes, StudyState& out) {
  StudyState s = out;
  FieldReader r(bytes);
  r.s(s.KindCode) && r.i16(s.EnglishCode) && r.f(s.EnvDB) && r.f(s.EnvWB) && r.f(s.EnvRH) &&
      r.f(s.SpaDB) && r.f(s.SpaWB) && r.f(s.SpaRH) && r.f(s.SensLoad) && r.f(s.LatLoad) &&
      r.f(s.FreshAmount) && r.f(s.FreshPerCent) && r.i16(s.MetricCode) && r.b(s.CoolingProcess) &&
      r.b(s.HeatingProcess) && r.f(s.DB_S) && r.f(s.SummerFlow) && r.i16(s.KindMix) &&
      r.i16(s.KindRecirc) && r.i16(s.KindFresh) && r.i16(s.FreshLoads) && r.s(s.FreshMode) &&
      r.f(s.FreshValue);
  ReadResult res = r.result();
  if (!res.ok) return res;
  s.KindCode = s.KindCode.trimmed();
  s.FreshMode = s.FreshMode.trimmed();
  res = checkCodedFields(r.reader(), s, kDataCoded, true);
  if (res.ok) out = s;
  return res;
}

namespace {

bool readResultsHead(FieldReader& r, StudyState& s) {
  return r.s(s.KindCode) && r.i16(s.EnglishCode) && r.f(s.EnvDB) && r.f(s.EnvWB) && r.f(s.EnvRH) &&
         r.f(s.SpaDB) && r.f(s.SpaWB) && r.f(s.SpaRH) && r.f(s.DB_M) && r.f(s.WB_M) && r.f(s.h_M) &&
         r.f(s.DB_T) && r.f(s.WB_T) && r.f(s.h_T) && r.f(s.DB_S) && r.f(s.WB_S) && r.f(s.h_S) &&
         r.f(s.SensLoad) && r.f(s.LatLoad) && r.f(s.FreshAmount) && r.f(s.FreshPerCent) &&
         r.f(s.SupplyFlow) && r.f(s.CoilLoad) && r.f(s.FreshSensLoad) && r.f(s.FreshLatLoad) &&
         r.f(s.Reheat) && r.i16(s.KindMix) && r.i16(s.KindRecirc) && r.i16(s.KindFresh) &&
         r.i16(s.FreshLoads) && r.s(s.FreshMode) && r.i16(s.MetricCode) && r.b(s.CoolingProcess) &&
         r.b(s.HeatingProcess) && r.f(s.SupplyTempShown) && r.f(s.SummerFlow) && r.f(s.FreshFlow);
}

bool readResultsTail(FieldReader& r, StudyState& s, int recordValues) {
  s.CoilOutChange.fill(0.0f);
  if (recordValues == 13) {
    for (float& v : s.CoilOutChange)
      if (!r.f(v)) return false;
  } else {
    // Older record: raised DB, WB, RH, h, grains, reheat, new flow, new coil
    // load. The five new coil-outlet values of the current record stay 0.
    static const int kOldToNew[8] = {0, 1, 2, 3, 4, 10, 11, 12};
    for (int k : kOldToNew)
      if (!r.f(s.CoilOutChange[k])) return false;
  }
  if (!r.i16(s.HighHumidity)) return false;
  for (float& v : s.HighHumid)
    if (!r.f(v)) return false;
  return true;
}

}  // namespace

ReadResult readResultsFile(const QByteArray& bytes, StudyState& out) {
  for (int values : {13, 8}) {
    StudyState s = out;
    FieldReader r(bytes);
    if (!readResultsHead(r, s)) return r.result();
    if (readResultsTail(r, s, values) && r.reader().atEnd()) {
      s.KindCode = s.KindCode.trimmed();
      s.FreshMode = s.FreshMode.trimmed();
      ReadResult res = checkCodedFields(r.reader(), s, kResultsCoded, false);
      if (!res.ok) return res;
      res.changeRecordValues = values;
      out = s;
      return res;
    }
    // The older layout is recognised by its shorter line 13 running past the end.
    if (values == 8) {
      ReadResult res = r.result();
      if (res.ok) {
        res.ok = false;
        res.line = r.reader().line();
        res.error =
            QStringLiteral("γραμμή %1: περισσότερα πεδία από όσα αναμένονταν").arg(res.line);
      }
      return res;
    }
  }
  return ReadResult{};
}

ReadResult readResultsFileAt(const QString& path, StudyState& s) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ReadResult res;
    res.error = file.errorString();
    return res;
  }
  return readResultsFile(file.readAll(), s);
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  if (file.write(bytes) != bytes.size()) {
    if (error) *error = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace aeriton
