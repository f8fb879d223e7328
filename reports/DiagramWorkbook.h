#pragma once
// The process diagrams of the air-handling unit ("Σχηματική Διάταξη
// Θερμοκρασιών"): which diagram a study gets, the air states along the unit,
// their texts on the diagram screens and the cells of the diagram workbooks.
//
//   winter:                    M (mixed air) -> heating coil -> T -> humidifiers -> S
//   summer without reheat:     M -> cooling coil -> T
//   summer with reheat:        M -> cooling coil -> T -> reheat -> S
//
// A summer study whose supply air was raised above the coil outlet by the
// user gets the reheat diagram: T is then the new coil outlet and S the
// raised supply air, as the results screen and the result workbook show them.
// A summer study whose results carry a supply state that differs from the
// coil outlet without any reheat gets the reheat diagram too, so that the
// diagram shows the air that the results screen names as leaving the unit.
//
// Workbook cells (row, column), column pairs (c1, c2) by template and state:
//   B3 "Μελετητής : " + designer        B6 study title
//   (18, c1) dry bulb   (19, c1) "[ °F ]" (English only)
//   (18, c2) wet bulb   (19, c2) "[ °F ]" (English only)
//   (25, c2) enthalpy   (26, c2) "[Btu/Lb]" (English), "[KJ/Kg]" (W, kW, RT)
//   "W_HU.xlsx", "S_RY.xlsx": M B,D  T H,J  S N,P      "S_RN.xlsx": M E,G  T K,M

#include <QString>
#include <array>

#include "reports/Workbook.h"
#include "study/StudyState.h"

namespace aeriton::reports {

enum class DiagramKind { Hum, NoHum, Reh };

// One air state in the study's units (°C or °F; enthalpy as the results file
// holds it: kcal/kg for a metric study, Btu/lb for an English one).
struct AirPoint {
  double db = 0, wb = 0, h = 0;
  bool shown = true;  // false: the results hold no such state (a marker)
};

enum class EnthalpyUnit { KcalKg, KJKg, BtuLb };

struct DiagramData {
  DiagramKind kind = DiagramKind::NoHum;
  bool english = false;
  EnthalpyUnit enthalpyUnit = EnthalpyUnit::KcalKg;
  AirPoint M, T, S;  // S unused on the diagram without reheat
};

// Which diagram the results screen's diagram button opens.
DiagramKind diagramKindFor(const StudyState& results);
// The template of a diagram: "W_HU.xlsx", "S_RN.xlsx", "S_RY.xlsx".
QString diagramTemplateName(DiagramKind kind);
// Number of states drawn (2 or 3).
int diagramStateCount(DiagramKind kind);

// The states of a study's results (as read from the results file, in the
// study's units) for its diagram; loadUnit is the study's load-unit code.
DiagramData diagramData(const StudyState& results, const QString& loadUnit);

// An enthalpy in the unit the diagram shows it (kJ/kg for W, kW and RT).
double shownEnthalpy(const DiagramData& d, double heldEnthalpy);

// The texts of a state's three fields on a diagram screen, for example
// "24.5 [°C]", "17.2 [°C]", "48.123 [KJ/Kg]" (numbers in the user's
// separators).
struct PointTexts {
  QString db, wb, h;
};
PointTexts pointTexts(const DiagramData& d, const AirPoint& p);

// The cells of the diagram workbook.
CellMap diagramCells(const DiagramData& d, const QString& designer, const QString& title);
// The three writers of the diagram screens (the same map for their diagram).
CellMap Print_By_Excel_Hum(const DiagramData& d, const QString& designer, const QString& title);
CellMap Print_By_Excel_NoHum(const DiagramData& d, const QString& designer, const QString& title);
CellMap Print_By_Excel_Reh(const DiagramData& d, const QString& designer, const QString& title);

}  // namespace aeriton::reports
