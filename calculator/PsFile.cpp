#include "calculator/PsFile.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

#include "engine/NumberEntry.h"
#include "engine/Units.h"
#include "study/RecordText.h"
#include "study/StudyState.h"

namespace aeriton::calculator {
namespace {

namespace u = aeriton::units;

const QString kMetricWord = QStringLiteral("Metric");
const QString kEnglishWord = QStringLiteral("English");
const QString kSummerWord = QStringLiteral("Summer");
const QString kWinterWord = QStringLiteral("Winter");

int16_t flag(bool v) {
  return v ? kTrue : kFalse;
}

QString cleanTitle(const QString& title) {
  const QString t = title.trimmed();
  return t == titlePlaceholder() ? QString() : t;
}

// The load unit a metric file's loads are in: the first true flag, kcal/h
// when none is.
LoadUnit shownUnit(const PsyFile& p) {
  if (isTrue(p.showKcal)) return LoadUnit::Kcal;
  if (isTrue(p.showWatts)) return LoadUnit::Watts;
  if (isTrue(p.showKW)) return LoadUnit::KW;
  return LoadUnit::Kcal;
}

float kcalOf(float shown, LoadUnit unit) {
  switch (unit) {
    case LoadUnit::Watts:
      return static_cast<float>(shown * u::kCalcKcalPerWatt);
    case LoadUnit::KW:
      return static_cast<float>(shown * u::kCalcKcalPerKW);
    case LoadUnit::Kcal:
      break;
  }
  return shown;
}

// The loads of one box in every unit, the unit shown holding the stored
// number itself.
Loads loadsOf(float shown, bool metric, LoadUnit unit) {
  if (!metric) return loadsFromBtu(shown);
  Loads l = loadsFromKcal(kcalOf(shown, unit));
  if (unit == LoadUnit::Watts) l.watts = shown;
  if (unit == LoadUnit::KW) l.kw = shown;
  return l;
}

QString fieldReason(int field) {
  return QStringLiteral(
             "... Το πεδίο %1 ΔΕΝ είναι έγκυρο : το Αρχείο είναι κατεστραμμένο ή ΔΕΝ είναι "
             "Αρχείο Ψυχρομετρικής Μεταβολής (.psy) ...")
      .arg(field);
}

QString truncatedReason(int field) {
  return QStringLiteral("... Το Αρχείο είναι ελλιπές : τελειώνει πριν από το πεδίο %1 ...")
      .arg(field);
}

}  // namespace

PsyFile saveAsFile(CalcForm& f) {
  PsyFile p;
  if (!f.metric) f.showKcal = f.showWatts = f.showKW = kFalse;
  p.metricUnits = flag(f.metric);
  p.showKcal = f.showKcal;
  p.showWatts = f.showWatts;
  p.showKW = f.showKW;
  p.summer = !(boxNumber(f, kTDBout) > boxNumber(f, kTDBin));
  for (int b = 1; b <= kBoxCount; ++b) p.values[b] = static_cast<float>(boxNumber(f, b));
  // A metric file holds kcal/kg: enthalpies shown in kJ/kg go back to the
  // kcal/kg (two decimals) that the screen showed before the switch.
  if (f.metric && f.enthalpyCaption == u::kCaptionKJ) {
    for (int b : {kHin, kHout})
      p.values[b] = u::RoundSingle(static_cast<float>(p.values[b] * u::kKcalPerKJDisplay), 2);
  }
  // The latent load carries its direction: negative when moisture is added.
  if (f.latColour == LoadColour::Heating) p.values[kLat] = -p.values[kLat];
  p.title = cleanTitle(f.title);
  p.rhInGiven = flag(f.rhInGiven);
  p.rhOutGiven = flag(f.rhOutGiven);
  return p;
}

QByteArray psyFileBytes(const PsyFile& p) {
  RecordWriter w;
  w.integer(p.metricUnits)
      .str(isTrue(p.metricUnits) ? kMetricWord : kEnglishWord)
      .integer(p.showKcal)
      .integer(p.showWatts)
      .integer(p.showKW)
      .str(p.summer ? kSummerWord : kWinterWord)
      .endLine();
  for (int b = kFlow; b <= kHin; ++b) w.single(p.values[b]);
  w.endLine();
  for (int b = kTDBout; b <= kHout; ++b) w.single(p.values[b]);
  w.endLine();
  w.single(p.values[kSens]).single(p.values[kLat]).endLine();
  w.str(p.title).integer(p.rhInGiven).integer(p.rhOutGiven).endLine();
  return w.bytes();
}

PsyReadResult readPsyFile(const QByteArray& bytes) {
  PsyReadResult res;
  PsyFile& p = res.file;
  RecordReader r(bytes);
  if (r.atEnd()) {
    res.reason = QStringLiteral("... Το Αρχείο είναι κενό ...");
    return res;
  }
  int field = 0;
  bool ok = true;
  // Each reader names the field it stopped at.
  auto failed = [&]() {
    ok = false;
    res.field = field;
    res.reason = r.atEnd() ? truncatedReason(field) : fieldReason(field);
    return false;
  };
  auto int16Field = [&](int16_t& out) {
    ++field;
    int v = 0;
    if (!r.readInt(v) || v < -32768 || v > 32767) return failed();
    out = static_cast<int16_t>(v);
    return true;
  };
  auto wordField = [&](const QString& a, const QString& b, bool& isA) {
    ++field;
    QString w;
    if (!r.readString(w)) return failed();
    w = w.trimmed();
    if (w.compare(a, Qt::CaseInsensitive) == 0)
      isA = true;
    else if (w.compare(b, Qt::CaseInsensitive) == 0)
      isA = false;
    else
      return failed();
    return true;
  };
  auto singleField = [&](float& out) {
    ++field;
    if (!r.readSingle(out)) return failed();
    return true;
  };

  bool metricWord = true;
  if (int16Field(p.metricUnits) && wordField(kMetricWord, kEnglishWord, metricWord)) {
    // The word and the flag must name the same system.
    if (metricWord != isTrue(p.metricUnits)) failed();
  }
  if (ok && int16Field(p.showKcal) && int16Field(p.showWatts) && int16Field(p.showKW) &&
      wordField(kSummerWord, kWinterWord, p.summer)) {
    for (int b = 1; b <= kBoxCount && ok; ++b) singleField(p.values[b]);
    if (ok) {
      ++field;
      if (r.readString(p.title)) {
        if (int16Field(p.rhInGiven)) int16Field(p.rhOutGiven);
      } else {
        failed();
      }
    }
  }
  if (!ok) return res;
  res.ok = true;
  res.field = 0;
  return res;
}

PsyReadResult readPsyFileAt(const QString& path) {
  PsyReadResult res;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    res.reason =
        QStringLiteral("... Το Αρχείο ΔΕΝ μπορεί να ανοιχθεί : %1 ...").arg(file.errorString());
    return res;
  }
  if (file.size() > kPsyMaxBytes) {
    res.reason = QStringLiteral(
        "... Το Αρχείο είναι πολύ μεγάλο : ΔΕΝ είναι Αρχείο Ψυχρομετρικής Μεταβολής (.psy) ...");
    return res;
  }
  const QByteArray bytes = file.read(kPsyMaxBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    res.reason =
        QStringLiteral("... Το Αρχείο ΔΕΝ μπορεί να διαβαστεί : %1 ...").arg(file.errorString());
    return res;
  }
  return readPsyFile(bytes);
}

void showPsyFile(const PsyFile& p, CalcForm& f) {
  newStudy(f);
  f.metric = isTrue(p.metricUnits);
  f.showKcal = p.showKcal;
  f.showWatts = p.showWatts;
  f.showKW = p.showKW;
  f.title = cleanTitle(p.title);
  const bool rhIn = isTrue(p.rhInGiven), rhOut = isTrue(p.rhOutGiven);
  f.inletByRH = f.rhInGiven = rhIn;
  f.wbInGiven = !rhIn;
  f.outletByRH = f.rhOutGiven = rhOut;
  f.wbOutGiven = !rhOut;

  // Loads: magnitudes in every unit; the sensible load's direction from the
  // dry bulbs (air leaving warmer than it entered was heated), the latent
  // load's from its sign.
  const LoadUnit unit = shownUnit(p);
  const float sensShown = std::fabs(p.values[kSens]);
  const float latShown = std::fabs(p.values[kLat]);
  const bool sensHeating = p.values[kTDBout] > p.values[kTDBin];
  const bool latHeating = p.values[kLat] < 0.0f;
  f.sens = loadsOf(sensShown, f.metric, unit);
  f.lat = loadsOf(latShown, f.metric, unit);

  // Both lists: the file's system as stored (loads in kcal/h or Btu/h, with
  // their signs), the other by the calculator's factors.
  ValueList& shown = f.metric ? f.metricValues : f.english;
  ValueList& other = f.metric ? f.english : f.metricValues;
  shown.fill(0.0f);
  other.fill(0.0f);
  for (int b = 1; b <= kHout; ++b) shown[b] = p.values[b];
  const float sensBase = f.metric ? f.sens.kcal : f.sens.btu;
  const float latBase = f.metric ? f.lat.kcal : f.lat.btu;
  shown[kSens] = sensHeating ? -sensBase : sensBase;
  shown[kLat] = latHeating ? -latBase : latBase;
  for (int b = 1; b <= kBoxCount; ++b) {
    const u::CalcQuantity q = quantityOf(b);
    other[b] =
        static_cast<float>(f.metric ? u::CalcToEnglish(q, shown[b]) : u::CalcToMetric(q, shown[b]));
  }
  shown[kInletMode] = other[kInletMode] = rhIn ? -1.0f : 0.0f;

  // The boxes.
  const QString valueFormat = QStringLiteral("#,##0.00");
  for (int b = 1; b <= kHout; ++b) {
    if ((b == kRHin || b == kRHout) && p.values[b] == 0.0f) {
      f.text[b].clear();
      continue;
    }
    f.text[b] = FormatNumber(p.values[b], valueFormat);
  }
  const QString loadFormat =
      f.metric && unit != LoadUnit::Kcal ? QStringLiteral("#,##0.0") : valueFormat;
  f.text[kSens] = FormatNumber(sensShown, loadFormat);
  f.text[kLat] = FormatNumber(latShown, loadFormat);
  f.sensColour = sensHeating ? LoadColour::Heating : LoadColour::Cooling;
  f.latColour = latHeating ? LoadColour::Heating : LoadColour::Cooling;

  f.enthalpyCaption = f.metric ? u::kCaptionKcal : u::kCaptionBtuLb;
  if (!f.metric)
    f.loadCaption = kCaptionBtuH;
  else
    f.loadCaption = unit == LoadUnit::Watts ? kCaptionWatts
                    : unit == LoadUnit::KW  ? kCaptionKW
                                            : kCaptionKcalH;
}

void showPsyFileForCalculation(const PsyFile& p, CalcForm& f) {
  showPsyFile(p, f);
  for (int b : {kWin, kHin, kWout, kHout, kSens, kLat})
    if (p.values[b] == 0.0f) f.text[b].clear();
  if (f.text[kSens].isEmpty()) f.sensColour = LoadColour::None;
  if (f.text[kLat].isEmpty()) f.latColour = LoadColour::None;
  for (int b : {kTWBin, kRHin, kTWBout, kRHout})
    if (isComputedBox(f, b)) f.text[b] = computedText();
}

}  // namespace aeriton::calculator
