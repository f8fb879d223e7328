#pragma once
// The summer study file: ".AIR" with its title file ".TAS" (a heating case
// computed on the summer screen is saved as ".WIR" + ".TAW"), in the layout of
// "PSY_RES.TMP". The file dialog is handed in as a PathChooser so that the
// logic runs without a screen.

#include <QString>
#include <optional>

#include "files/StudyFileCore.h"

namespace aeriton::summer {

// SavePSFile (results screen, both seasons): see files::saveStudy.
files::FileResult SavePSFile(const files::PathChooser& choose);

// OpenPSFile_S (summer data screen): see files::openStudy. On success the
// study holds the opened values and "PSY_RES.TMP" is the opened file; the
// screen then shows them with the values of summerFormValues().
files::OpenOutcome OpenPSFile_S(const files::PathChooser& choose);

// CheckForFileValidity of a summer study file.
files::StudyLayout CheckForFileValidity(const QString& path);

// What PutValuesOnSummerForm shows, read from "PSY_RES.TMP" and the study's
// title and load unit. Numbers are in the study's units; texts are formatted
// with the screen's patterns and the separators in force.
struct SummerFormValues {
  QString title;
  int unitIndex = 0;       // CboUnits entry of the load-unit code
  int kindIndex = 0;       // CboKind entry of the kind flags
  bool amountMode = true;  // "C": OptAmount; "P": OptPerCent
  float amount = 0;        // m³/h or CFM
  int perCent = 0;         // 0 when none
  float envDB = 0, envWB = 0, envRH = 0;
  float spaDB = 0, spaWB = 0, spaRH = 0;
  // Absolute humidities from the dry bulb and relative humidity (the wet-bulb
  // search of the engine): g/kg rounded to two decimals (grains / 7) for a
  // metric study, grains/lb rounded to two decimals for an English one. NaN
  // when the state lies outside the engine's table.
  double envAH = 0, spaAH = 0;
  double sens = 0, lat = 0;  // room loads in the load unit
  // Texts: temperatures and humidities "#,##0.0", absolute humidities
  // "#,##0.00", loads "#,##0.00", amount "#,#00.0".
  QString envDBText, envWBText, envRHText, envAHText;
  QString spaDBText, spaWBText, spaRHText, spaAHText;
  QString sensText, latText, amountText, perCentText;
};

// Reads "PSY_RES.TMP" (nullopt when it is missing or damaged).
std::optional<SummerFormValues> summerFormValues();

}  // namespace aeriton::summer
