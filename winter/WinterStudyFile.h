#pragma once
// The winter study file: ".WIR" with its title file ".TAW", in the layout of
// "PSY_RES.TMP". Saving is the results screen's SavePSFile (files::saveStudy);
// this is the winter data screen's side.

#include <QString>
#include <optional>

#include "files/StudyFileCore.h"

namespace aeriton::winter {

// OpenPSFile_W (winter data screen, CmdPSOpen): see files::openStudy.
files::OpenOutcome OpenPSFile_W(const files::PathChooser& choose);

// CheckForFileValidity of a winter study file: an older layout is written anew
// in place with its modification date and time kept.
files::StudyLayout CheckForFileValidity(const QString& path);

// What PutValuesOnWinterForm shows, read from "PSY_RES.TMP" and the study's
// title and load unit.
struct WinterFormValues {
  QString title;
  int unitIndex = 0;              // CboUnits: "WATT" 0, "KCAL" 1, "KW" 2, "RT" 3, "BTUh" 4, "BTU" 5
  int kindIndex = 0;              // CboKind from the flags of line 10
  bool amountMode = true;         // "C": OptAmount with the amount; "P": OptPerCent
  float freshValue = 0;           // the amount, or the per cent
  QString freshText;              // "#,##0.0"
  bool sameUnitInSummer = false;  // CboKindy: 0 another unit, 1 the same unit
  float coilOutTemp = 0;          // another unit: the supply temperature shown
  QString coilOutText;            // "#,##0"
  float summerFlow = 0;           // the same unit: the summer flow
  QString summerFlowText;         // "#,##0.0"
  float envDB = 0, envWB = 0, envRH = 0;
  float spaDB = 0, spaWB = 0, spaRH = 0;
  QString envDBText, envWBText, envRHText, spaDBText, spaWBText, spaRHText;  // "#,##0.0"
  double sens = 0;                                                           // in the load unit
  QString sensText;  // "#,##0.00" for kW and RT, "#,##0.0" otherwise
};

// Reads "PSY_RES.TMP" (nullopt when it is missing or damaged).
std::optional<WinterFormValues> winterFormValues();

}  // namespace aeriton::winter
