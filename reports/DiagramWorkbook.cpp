#include "reports/DiagramWorkbook.h"

#include <cmath>

#include "engine/NumberEntry.h"
#include "reports/XlsxWorkbook.h"
#include "summer/ResultsView.h"

namespace aeriton::reports {
namespace {

QString u8(const char* t) {
  return QString::fromUtf8(t);
}

// Values of the coil-outlet change record.
enum Rec {
  RaisedDB = 0,
  RaisedWB = 1,
  RaisedH = 3,
  CoilDB = 5,
  CoilWB = 6,
  CoilH = 8,
  RaiseReheat = 10
};

AirPoint point(float db, float wb, float h) {
  AirPoint p;
  p.shown = !summer::isMarker(db) && !summer::isMarker(wb) && !summer::isMarker(h);
  p.db = db, p.wb = wb, p.h = h;
  return p;
}

bool heating(const StudyState& s) {
  return s.HeatingProcess && !s.CoolingProcess;
}

bool raisedSupply(const StudyState& s) {
  return !heating(s) && s.CoilOutChange[RaisedDB] > 0.0f;
}

// A supply state of the results that is not the coil outlet.
bool separateSupplyState(const StudyState& s) {
  return !summer::isMarker(s.DB_S) && s.DB_S != 0.0f && s.DB_S != s.DB_T;
}

// Columns (A = 1) of the dry and wet bulb of each state, by template.
struct Columns {
  int c1, c2;
};
std::array<Columns, 3> columnsOf(DiagramKind kind) {
  if (kind == DiagramKind::NoHum) return {{{5, 7}, {11, 13}, {0, 0}}};
  return {{{2, 4}, {8, 10}, {14, 16}}};
}

QString cellName(int row, int column) {
  return columnName(column) + QString::number(row);
}

}  // namespace

DiagramKind diagramKindFor(const StudyState& s) {
  if (heating(s)) return DiagramKind::Hum;
  // The reheat diagram when the summer calculation reheats, when the user
  // raised the supply air (its reheat), and when the results carry a supply
  // state of their own.
  if (s.Reheat != 0.0f || raisedSupply(s) || s.CoilOutChange[RaiseReheat] > 0.0f ||
      separateSupplyState(s))
    return DiagramKind::Reh;
  return DiagramKind::NoHum;
}

QString diagramTemplateName(DiagramKind kind) {
  switch (kind) {
    case DiagramKind::Hum:
      return QStringLiteral("W_HU.xlsx");
    case DiagramKind::NoHum:
      return QStringLiteral("S_RN.xlsx");
    case DiagramKind::Reh:
      return QStringLiteral("S_RY.xlsx");
  }
  return QString();
}

int diagramStateCount(DiagramKind kind) {
  return kind == DiagramKind::NoHum ? 2 : 3;
}

DiagramData diagramData(const StudyState& s, const QString& loadUnit) {
  DiagramData d;
  d.kind = diagramKindFor(s);
  d.english = s.MetricCode == 0;
  const QString unit = summer::effectiveLoadUnit(s, loadUnit);
  if (d.english)
    d.enthalpyUnit = EnthalpyUnit::BtuLb;
  else if (unit == "WATT" || unit == "KW" || unit == "RT")
    d.enthalpyUnit = EnthalpyUnit::KJKg;
  else
    d.enthalpyUnit = EnthalpyUnit::KcalKg;  // kcal/h, and Btu/h with °C

  d.M = point(s.DB_M, s.WB_M, s.h_M);
  const auto& rec = s.CoilOutChange;
  if (raisedSupply(s)) {
    // After a raise the coil leaves the air at its new outlet and the reheat
    // lifts it to the raised supply temperature.
    d.T = point(rec[CoilDB], rec[CoilWB], rec[CoilH]);
    d.S = point(rec[RaisedDB], rec[RaisedWB], rec[RaisedH]);
  } else {
    d.T = point(s.DB_T, s.WB_T, s.h_T);
    d.S = point(s.DB_S, s.WB_S, s.h_S);
  }
  if (d.kind == DiagramKind::NoHum) d.S.shown = false;
  return d;
}

double shownEnthalpy(const DiagramData& d, double held) {
  // A metric study holds kcal/kg, shown in kJ/kg for W, kW and RT; an
  // English study holds and shows Btu/lb. The product is taken as a single,
  // as the study's values are: 20 kcal/kg gives 83.735 kJ/kg exactly.
  if (d.enthalpyUnit == EnthalpyUnit::KJKg)
    return singleValue(static_cast<float>(held) * summer::kKcalKgToKJKg);
  return singleValue(held);
}

PointTexts pointTexts(const DiagramData& d, const AirPoint& p) {
  PointTexts t;
  if (!p.shown) return t;
  const QString temp = u8(d.english ? " [°F]" : " [°C]");
  const QString tf = QStringLiteral("#,##0.0");
  t.db = FormatNumber(summer::roundHalfUp(p.db, 1), tf) + temp;
  t.wb = FormatNumber(summer::roundHalfUp(p.wb, 1), tf) + temp;
  const double h = shownEnthalpy(d, p.h);
  switch (d.enthalpyUnit) {
    case EnthalpyUnit::BtuLb:
      t.h = FormatNumber(summer::roundHalfUp(h, 2), QStringLiteral("#,##0.00")) + u8(" [Btu/Lb]");
      break;
    case EnthalpyUnit::KcalKg:
      t.h = FormatNumber(summer::roundHalfUp(summer::roundHalfUp(h, 2), 3),
                         QStringLiteral("#,##0.000")) +
            u8(" [Kcal/Kg]");
      break;
    case EnthalpyUnit::KJKg:
      t.h = FormatNumber(summer::roundHalfUp(h, 3), QStringLiteral("#,##0.000")) + u8(" [KJ/Kg]");
      break;
  }
  return t;
}

CellMap diagramCells(const DiagramData& d, const QString& designer, const QString& title) {
  CellMap m;
  setText(m, "B3", u8("Μελετητής : ") + designer.trimmed());
  setText(m, "B6", title.trimmed());
  const auto cols = columnsOf(d.kind);
  const AirPoint* states[3] = {&d.M, &d.T, &d.S};
  const int count = diagramStateCount(d.kind);
  for (int i = 0; i < count; ++i) {
    const AirPoint& p = *states[i];
    if (!p.shown) continue;
    const Columns c = cols[static_cast<size_t>(i)];
    setSingle(m, cellName(18, c.c1), p.db);
    if (d.english) setText(m, cellName(19, c.c1), u8("[ °F ]"));
    setSingle(m, cellName(18, c.c2), p.wb);
    if (d.english) setText(m, cellName(19, c.c2), u8("[ °F ]"));
    // The template shows enthalpies with three decimals; an English sheet
    // shows Btu/lb with two, as the screen does.
    setNumber(m, cellName(25, c.c2), shownEnthalpy(d, p.h),
              d.english ? QStringLiteral("0.00") : QString());
    if (d.enthalpyUnit == EnthalpyUnit::BtuLb) setText(m, cellName(26, c.c2), u8("[Btu/Lb]"));
    if (d.enthalpyUnit == EnthalpyUnit::KJKg) setText(m, cellName(26, c.c2), u8("[KJ/Kg]"));
  }
  return m;
}

CellMap Print_By_Excel_Hum(const DiagramData& d, const QString& designer, const QString& title) {
  return diagramCells(d, designer, title);
}
CellMap Print_By_Excel_NoHum(const DiagramData& d, const QString& designer, const QString& title) {
  return diagramCells(d, designer, title);
}
CellMap Print_By_Excel_Reh(const DiagramData& d, const QString& designer, const QString& title) {
  return diagramCells(d, designer, title);
}

}  // namespace aeriton::reports
