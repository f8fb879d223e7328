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

QByteArray dataFileBytes(const StudyState& s) {
  RecordWriter w;
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
  return w.bytes();
}

QByteArray resultsFileBytes(const StudyState& s) {
  RecordWriter w;
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
  return w.bytes();
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
      ReadResult res = r.result();
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
