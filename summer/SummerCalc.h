#pragma once
// The summer (cooling) calculation of a central air-handling unit.
//
// From the outdoor and room design states, the room sensible and latent loads,
// the kind of air system and the fresh air it finds the outdoor-air loads, the
// coil bypass factor, the effective sensible heat factor, the apparatus dew
// point, the supply flow, the mixed air at the coil inlet, the coil outlet, any
// reheat and the coil load. Everything is computed in English units (°F,
// lb/lb, grains/lb, Btu/lb, CFM, Btu/h) at 29.921 inHg; a metric study is
// converted before (Convert_British) and after (Convert_Metric).
//
// When the outdoor air is colder than the room the case is a heating one and
// is handed to the winter calculation.
//
// Results left in the study state:
//   mixed air DB_M.., coil outlet DB_T.., after reheat DB_S.. (-100000 in DB_S,
//   WB_S, h_S and 0 in W_S, Gr_S when there is no reheat), SupplyFlow,
//   FreshFlow, CoilLoad, Reheat, FreshSensLoad, FreshLatLoad, the humid-room
//   flag and block. Relative humidities are per cent.
//   The apparatus dew point group (ADP °F, W_ADP lb/lb, Gr_ADP grains, h_ADP
//   Btu/lb, ESHF, LineRatio, BF) and the humidity ratios W_M, W_T, W_S stay in
//   English units after Convert_Metric: the raise of the supply temperature
//   works from them.

#include <QByteArray>
#include <QString>

#include "study/StudyState.h"
#include "winter/WinterCalc.h"

namespace aeriton::summer {

// Result codes of the calculation (0: the results are in the study).
constexpr int kCodeOk = 0;
// "NA_PAF": the coil outlet is moister than the room; the fresh air cannot
// carry the room's moisture.
constexpr int kCodeFreshAirExcessive = -15;
// The coil outlet lies below freezing (dry or wet bulb below 32 °F) or its
// enthalpy below 0 Btu/lb: the room humidity asked for is too low.
constexpr int kCodeNegativeCoilOutlet = -2201;
// A search reached its bound without an answer.
constexpr int kCodeSearchBound = -2202;
// A flow, a temperature difference or a load sum came out zero where it
// divides, or a state fell outside the saturation table.
constexpr int kCodeDivisionByZero = -2203;
// A heating case (outdoor colder than the room) that carries neither a coil
// outlet temperature nor a summer flow.
constexpr int kCodeHeatingUnset = -2204;
// The data file could not be read or holds inconsistent values.
constexpr int kCodeBadData = -2205;

// Which bounded search gave up (for the message).
enum class Search {
  None,
  WetBulb,
  DewPoint,
  ApparatusDewPoint,
  PerCentPasses,
  HumidRoom,
  FreshAirFlow
};

struct CalcResult {
  int code = kCodeOk;
  Search search = Search::None;           // for kCodeSearchBound
  winter::WinterCalcDetail winterDetail;  // for a heating case
  bool heating = false;                   // the case went to the winter calculation
  bool ok() const { return code == kCodeOk; }
};

// ---- bounds of the searches ----------------------------------------------------
// Lowest whole degree the searches of this calculation use (the saturation
// table holds hundredths of inHg below it).
constexpr int kSearchLowF = 7;
// Last whole degree of the saturation table used by the summer calculation.
constexpr int kSearchHighF = 130;
// The apparatus dew point search starts here (°F) and may not pass the room
// dry bulb: a dew point above the room temperature cannot cool the room.
constexpr int kAdpStartF = 45;
// Dew point chosen when the effective line is steeper than any dew point
// from 45 °F up, with the bypass factor that goes with it.
constexpr int kAdpFallbackF = 48;
constexpr float kAdpFallbackBF = 0.05f;
// Match tolerances: line ratio of the ADP search, grains of the room dew point.
constexpr float kLineRatioTolerance = 0.01f;
constexpr float kDewPointGrainsTolerance = 0.01f;
// Per-cent fresh air: passes until the supply flow changes by at most 4 %,
// at least two (the first has no previous flow), at most 200.
constexpr float kPerCentConvergence = 0.04f;
constexpr int kPerCentMaxPasses = 200;
// A per cent of fresh air whose own bypassed load (and the reheat its moisture
// calls for) grows faster than the supply flow that carries it has no flow at
// all: every pass multiplies the flow. Past this flow (CFM), far beyond any
// air-handling unit, the passes stop before the arithmetic overflows.
constexpr float kPerCentFlowLimit = 1e9f;
// 100 % fresh air whose loads need more air than given: the flow is searched
// again with the outdoor-air loads of the last flow until it changes by at
// most 1 %, in at most 20 passes.
constexpr float kFreshFlowConvergence = 0.01f;
constexpr int kFreshFlowMaxPasses = 20;
// Humid-room variant: rounded room humidity (%) from which it is computed, and
// the share of the supply flow that passes the coil.
constexpr float kHumidRoomRH = 71.0f;
constexpr float kHumidCoilShare = 0.6729475f;

// ---- the calculation -------------------------------------------------------------
// The calculation on a study whose inputs are already in English units
// (relative humidities in per cent). `ask` answers the winter calculation's
// question about a very hot supply air (nullptr: "no").
CalcResult calculateEnglish(StudyState& s, const winter::ContinueQuestion& ask = nullptr);

// Calculate: reads the data file bytes (the "PSY_DAT.TMP" layout) into the
// study, converts a metric study (MetricCode 1 or 32) to English units and
// computes. A malformed file gives kCodeBadData with the line in *error.
CalcResult Calculate(const QByteArray& dataBytes, StudyState& s,
                     const winter::ContinueQuestion& ask = nullptr, QString* error = nullptr);

// The two halves of Calculate: reading and checking the data file (false with
// the line in *error), and the calculation of the study just read.
bool readData(const QByteArray& dataBytes, StudyState& s, QString* error = nullptr);
CalcResult calculateRead(StudyState& s, const winter::ContinueQuestion& ask = nullptr);

// Metric study -> English units, in place: outdoor and room dry and wet bulbs
// °C -> °F (one decimal), loads kcal/h -> Btu/h, the fresh-air amount m³/h ->
// CFM (one decimal, amount mode only); a chosen heating coil outlet temperature
// and the summer flow of a heating case likewise. Relative humidities unchanged.
void Convert_British(StudyState& s);
// The results back to the metric system, in place: temperatures °F -> °C (one
// decimal), enthalpies Btu/lb -> kcal/kg, flows CFM -> m³/h (one decimal),
// loads Btu/h -> kcal/h, and the humid-room block. Markers (-100000, -10000)
// are never converted.
void Convert_Metric(StudyState& s);

// Positions of the humid-room block (line 14 after its flag), in the study's
// units (English: °F, grains/lb, Btu/lb, CFM, Btu/h; metric: °C, g/kg,
// kcal/kg, m³/h, kcal/h). Condensate in kg/h and lb/h in both systems.
namespace humid {
constexpr int CoilFlow = 0;         // flow through the coil
constexpr int MoistureRemoved = 1;  // room-side moisture difference ΔGR
constexpr int DewPoint = 2;         // coil dew point Tt
constexpr int DewPointGr = 3;       // its saturated absolute humidity
constexpr int MixDB = 4, MixWB = 5, MixRH = 6, MixGr = 7, MixH = 8;
constexpr int OutDB = 9, OutWB = 10, OutRH = 11, OutGr = 12, OutH = 13;
constexpr int RoomDB = 14, RoomWB = 15, RoomRH = 16, RoomGr = 17, RoomH = 18;
constexpr int CoilLoad = 19;
constexpr int CondensateKg = 20;  // kg/h
constexpr int BypassFactor = 21;
constexpr int EffectiveSensible = 22;  // S of the balance
constexpr int DewPointH = 23;          // enthalpy of saturated air at Tt
constexpr int BypassFlow = 24;         // supply flow that does not pass the coil
constexpr int CondensateLb = 25;       // lb/h
}  // namespace humid

// Half-up rounding in single precision: floor(x·10^n + 0.5) / 10^n.
float roundSingle(float x, int decimals);

}  // namespace aeriton::summer
