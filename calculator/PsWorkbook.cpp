#include "calculator/PsWorkbook.h"

#include <QFileInfo>

#include "engine/Units.h"
#include "study/StudyState.h"

namespace aeriton::calculator {
namespace {

namespace u = aeriton::units;
using reports::setNumber;
using reports::setText;

QString bracketed(const QString& unit) {
  return QStringLiteral(" [%1]").arg(unit);
}

double signedLoad(float magnitude, LoadColour colour) {
  return colour == LoadColour::Heating ? -static_cast<double>(magnitude)
                                       : static_cast<double>(magnitude);
}

}  // namespace

reports::CellMap printCells(const CalcForm& f, const QString& designer) {
  reports::CellMap cells;
  const ValueList& v = f.metric ? f.metricValues : f.english;

  setText(cells, QStringLiteral("A2"), designer.trimmed());
  const QString title = f.title.trimmed();
  setText(cells, QStringLiteral("A5"), title == titlePlaceholder() ? QString() : title);
  setText(cells, QStringLiteral("A9"),
          v[kTDBin] >= v[kTDBout] ? QStringLiteral("Ψυχρομετρικοί Υπολογισμοί Καλοκαιριού")
                                  : QStringLiteral("Ψυχρομετρικοί Υπολογισμοί Χειμώνα"));

  // Flow and the two states, rows 15..19 and 22..26.
  setNumber(cells, QStringLiteral("B12"), v[kFlow]);
  const bool enthalpyAsShown = f.metric && f.enthalpyCaption == u::kCaptionKJ;
  auto state = [&](int firstRow, int db, int hBox) {
    for (int i = 0; i < 5; ++i) {
      const int box = db + i;
      const double value = box == hBox && enthalpyAsShown ? boxNumber(f, hBox) : v[box];
      setNumber(cells, QStringLiteral("B%1").arg(firstRow + i), value);
    }
  };
  state(15, kTDBin, kHin);
  state(22, kTDBout, kHout);

  // Loads.
  double sens = 0, lat = 0;
  QString loadUnit, loadFormat = QStringLiteral("#,##0");
  if (!f.metric) {
    sens = v[kSens];
    lat = v[kLat];
    loadUnit = kCaptionBtuH;
  } else if (isTrue(f.showKcal) || (!isTrue(f.showWatts) && !isTrue(f.showKW))) {
    sens = signedLoad(f.sens.kcal, f.sensColour);
    lat = signedLoad(f.lat.kcal, f.latColour);
    loadUnit = kCaptionKcalH;
  } else if (isTrue(f.showWatts)) {
    sens = signedLoad(f.sens.watts, f.sensColour);
    lat = signedLoad(f.lat.watts, f.latColour);
    loadUnit = kCaptionWatts;
  } else {
    sens = signedLoad(f.sens.kw, f.sensColour);
    lat = signedLoad(f.lat.kw, f.latColour);
    loadUnit = kCaptionKW;
    loadFormat = QStringLiteral("#,##0.00");
  }
  setNumber(cells, QStringLiteral("B28"), sens, loadFormat);
  setNumber(cells, QStringLiteral("B29"), lat, loadFormat);
  setNumber(cells, QStringLiteral("B30"), sens + lat, loadFormat);

  // Unit cells, in both systems, so that the sheet never shows a unit the
  // numbers are not in.
  const QString flow = bracketed(f.metric ? QStringLiteral("m³/h") : QStringLiteral("CFM"));
  const QString temp = bracketed(f.metric ? QStringLiteral("°C") : QStringLiteral("°F"));
  const QString hum = bracketed(f.metric ? QStringLiteral("g/Kg") : QStringLiteral("Grains/Lib"));
  const QString enth =
      bracketed(f.metric ? (enthalpyAsShown ? u::kCaptionKJ : u::kCaptionKcal) : u::kCaptionBtuLb);
  const QString rh = bracketed(QStringLiteral("%"));
  setText(cells, QStringLiteral("C12"), flow);
  for (const char* c : {"C15", "C16", "C22", "C23"}) setText(cells, QLatin1String(c), temp);
  for (const char* c : {"C17", "C24"}) setText(cells, QLatin1String(c), rh);
  for (const char* c : {"C18", "C25"}) setText(cells, QLatin1String(c), hum);
  for (const char* c : {"C19", "C26"}) setText(cells, QLatin1String(c), enth);
  for (const char* c : {"C28", "C29", "C30"}) setText(cells, QLatin1String(c), bracketed(loadUnit));
  return cells;
}

bool isTemplateName(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  return name.compare(QLatin1String(kWorkbookTemplate), Qt::CaseInsensitive) == 0;
}

}  // namespace aeriton::calculator
