#pragma once
// The calculator's workbook: the cells of the template "PS_i.xlsx" filled
// from the screen (designer, title, season, flow, both states and the loads
// with their units). Printing, previewing and saving go through the reports
// component with this map.

#include <QString>

#include "calculator/PsCalc.h"
#include "reports/Workbook.h"

namespace aeriton::calculator {

inline const char* kWorkbookTemplate = "PS_i.xlsx";
inline const char* kWorkbookFolder = "PSFiles/XLFiles";

// PrintData's cells. Values come from the lists of the screen's unit system
// (metric enthalpies shown in kJ/kg as shown; metric loads in the unit the
// load flags select). Loads are signed: positive for heat taken out of the
// air, negative for heat put into it, so that the total (B30) is their sum.
reports::CellMap printCells(const CalcForm& f, const QString& designer);

// True when a chosen workbook name is the template's own (any letter case,
// any folder).
bool isTemplateName(const QString& path);

}  // namespace aeriton::calculator
