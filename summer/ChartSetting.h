#pragma once
// SettingData: the results of a study handed to the psychrometric chart.
//
// The chart shows the process of the results in the study's own units:
//   N outdoor air, M mixed air at the coil inlet, T coil outlet (heating: the
//   heating-coil outlet), S the air after the reheater (heating: after the
//   humidifiers), X the room, ADP the apparatus dew point of the coil.
// Kind 1 is cooling without reheat, 2 cooling with reheat, 3 heating (outdoor
// colder than the room), 0 outdoor and room at the same dry bulb.
//
// After a raise of the supply-air temperature the unit works differently: the
// coil cools to the new coil outlet T' and the reheater lifts the air to the
// raised supply temperature S'. The chart then shows T', S' (Kind 2) and the
// coil's new dew point, on the coil line through M and T':
//   ADP' = (DB_T' − BF · DB_M) / (1 − BF).

#include "chart/ChartData.h"
#include "study/StudyState.h"

namespace aeriton::summer {

struct ChartOpening {
  chart::ChartProcessData process;
  bool english = false;  // the study is in English units
  bool heating = false;
  chart::ChartRange range;  // the chart's default range for the study
};

// calc: the study state of the calculation just made (for the coil's dew
// point when it belongs to the file); file: the results file as read, in the
// study's units.
ChartOpening SettingData(const StudyState& calc, const StudyState& file);

}  // namespace aeriton::summer
