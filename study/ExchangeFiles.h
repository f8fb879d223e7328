#pragma once
// The exchange files of a calculation, in the program folder:
//   "PSY_DAT.TMP"   the study inputs, written by a data screen, read by the calculation
//   "PSY_RES.TMP"   inputs and results (14 lines), the layout of the study files too
//
// PSY_DAT.TMP (display units of the study):
//   1 kind code, EnglishCode
//   2 EnvDB, EnvWB, EnvRH
//   3 SpaDB, SpaWB, SpaRH
//   4 SensLoad, LatLoad
//   5 FreshAmount, FreshPerCent
//   6 MetricCode, outdoor-hotter (1/0), outdoor-cooler (1/0), DB_S (-100000 for a
//     summer study, the chosen coil outlet temperature or -10000 for a winter one),
//     SummerFlow
//   7 KindMix, KindRecirc, KindFresh, FreshLoads, FreshMode
//   8 FreshValue
//
// PSY_RES.TMP / ".AIR" / ".WIR":
//   1 kind code, EnglishCode
//   2 EnvDB, EnvWB, EnvRH            3 SpaDB, SpaWB, SpaRH
//   4 DB_M, WB_M, h_M                5 DB_T, WB_T, h_T
//   6 DB_S, WB_S, h_S (-100000 three times: no reheat)
//   7 SensLoad, LatLoad              8 FreshAmount, FreshPerCent
//   9 SupplyFlow, CoilLoad, FreshSensLoad, FreshLatLoad, Reheat
//  10 KindMix, KindRecirc, KindFresh, FreshLoads, FreshMode
//  11 MetricCode, outdoor-hotter, outdoor-cooler, SupplyTempShown, SummerFlow
//  12 FreshFlow
//  13 the coil-outlet change record (13 singles)
//  14 HighHumidity flag, then the 26 singles of the humid-room block
//     (summer; in the study's units: °C or °F, g/kg or grains/lb, kcal/kg or
//     Btu/lb, m³/h or CFM, kcal/h or Btu/h; -100000 when not computed):
//      1 coil flow            2 moisture removed ΔGR   3 coil dew point Tt
//      4 its saturated humidity
//      5-9   mixed air before the coil: DB, WB, RH %, humidity, enthalpy
//     10-14  coil outlet:                DB, WB, RH %, humidity, enthalpy
//     15-19  room side:                  DB, WB, RH %, humidity, enthalpy
//     20 coil load            21 condensate kg/h       22 bypass factor
//     23 effective sensible load of the balance        24 enthalpy at Tt
//     25 supply flow that bypasses the coil            26 condensate lb/h
//     (a heating case writes the humidifier water, kg/h, as value 26)

#include <QByteArray>
#include <QString>

#include "study/StudyState.h"

namespace aeriton {

inline const char* kDataFileName = "PSY_DAT.TMP";
inline const char* kResultsFileName = "PSY_RES.TMP";

QByteArray dataFileBytes(const StudyState& s);
QByteArray resultsFileBytes(const StudyState& s);
// True when every number the file would hold is finite: the writers put 0 in
// place of NaN or infinity, so a calculation checks this before it writes.
bool dataFinite(const StudyState& s);
bool resultsFinite(const StudyState& s);

// Outcome of reading an exchange or study file.
struct ReadResult {
  bool ok = false;
  int line = 0;                 // line of the first field that could not be read
  QString error;                // what went wrong, for the user or the log
  int changeRecordValues = 13;  // 8 when the file had the older line 13
  explicit operator bool() const { return ok; }
};

// Both readers refuse, naming the line, a file whose coded fields hold a value
// no screen writes: a kind code other than "AAA_NA", "AA_100", "NA_PAF",
// "NA_DPF"; kind flags that name no kind (exactly one of mixing, full
// recirculation, full fresh air; the sub-kind 2 or 1 with full fresh air, else
// 0); a fresh-air mode other than "C" or "P"; unit codes other than the pairs
// 1/0, 0/1 and 32/32. Nothing of a refused file reaches the study.

// Reads PSY_DAT.TMP bytes into the study (inputs only). The kind code must
// agree with the flags, and "P" is given only for mixing.
ReadResult readDataFile(const QByteArray& bytes, StudyState& s);
// Reads a results/study file. A file whose line 13 holds the older 8 values
// (raised dry bulb, wet bulb, RH, enthalpy, grains, reheat, new flow, new coil
// load) is accepted with changeRecordValues = 8; the five new coil-outlet values
// of the record are then 0.
ReadResult readResultsFile(const QByteArray& bytes, StudyState& s);
// The same from a file on disk; a file that cannot be opened is not read.
ReadResult readResultsFileAt(const QString& path, StudyState& s);

// Writes a file so that it is never left half-written: a temporary file in the
// same folder, renamed over the target.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace aeriton
