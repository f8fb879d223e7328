#pragma once
// The result workbook of a summer or winter study: which template, and what
// goes into each of its cells.
//
// The workbook shows what the results screen shows, in the study's own units
// (°C with kcal/kg, kJ/kg or kcal/kg by load unit, m³/h and the load unit for a
// metric study; °F, Btu/lb, CFM and Btu/h for an English one). The values come
// from the results file as the results screen reads it; nothing is
// recomputed here.
//
// Cell map (sheet of the template):
//   A1  "Μελετητής : " + designer        A4  study title
//   A7  season and kind of system
//   B12 B13 B14  outdoor dry bulb, wet bulb, relative humidity
//   B17 B18 B19  room dry bulb, wet bulb, relative humidity
//   B22 B23      room sensible and latent loads (load unit)
//   B24 (C24)    fresh air as entered ("[ % ]" in C24 in per-cent mode)
//   A25 A26      the notes of a raised supply-air temperature
//   B29 B30 B31  mixed air M: dry bulb, wet bulb, enthalpy
//   B34 B35 B36  coil outlet T (the new coil outlet after a raise)
//   B38 B39 B40  fresh-air flow and its sensible and latent loads
//   B42          summer: reheat (with the raise's); winter: humidifier water
//   B44 B45      air supplied to the rooms (empty: no reheat, no raise)
//   A46          winter: the air flow comes from the summer fan
//   B47          supply air flow        B49  coil load

#include <QString>

#include "reports/Workbook.h"
#include "study/StudyState.h"

namespace aeriton::reports {

struct ResultWorkbookInput {
  StudyState results;      // as read from the results file, in the study's units
  QString loadUnit;        // the study's load-unit code ("WATT", "KCAL", ...)
  float shownPerCent = 0;  // per-cent mode: the per cent entered on the data screen
  QString title;           // the study title
  QString designer;        // the designer's name (register/Designer.h)
};

// A winter (heating) study: the outdoor air colder than the room.
bool isWinterResults(const StudyState& results);

// The template for the study's unit system, season and load unit
// ("LD_PS_MS.xlsx" ... "LD_PS_EW.xlsx").
QString resultTemplateName(const StudyState& results, const QString& loadUnit);

struct ResultWorkbook {
  QString templateName;
  CellMap cells;
  bool winter = false;
};

// The template and every cell of the result workbook.
ResultWorkbook WriteResultWorkbook(const ResultWorkbookInput& in);

// The ending of a saved result workbook: "_PSS.xlsx" (summer), "_PSW.xlsx" (winter).
QString savedWorkbookSuffix(bool winter);
// A chosen file name as the print dialog keeps it: without ".xlsx" / ".xls".
QString withoutWorkbookExtension(const QString& name);
// Where the workbook is saved: the chosen name (kept without extension) with
// the suffix; without a chosen name the program folder's "AIRFiles/ASCII/"
// with the stem of the study file. Empty when there is neither (nothing to
// name the file after).
QString savedWorkbookPath(const QString& chosenName, const QString& studyFileName, bool winter);

// The input as the results screen has it: "PSY_RES.TMP" of the program
// folder, with the per cent entered from "PSY_DAT.TMP". False when the
// results file cannot be read.
bool resultInputFromProgramFolder(ResultWorkbookInput& in, QString* error = nullptr);

}  // namespace aeriton::reports
