#pragma once
// The calculator's file (".psy", under "PSFiles/" in the program folder):
// 22 fields in the sequential record format, written as five records
//
//   MetricUnits, "Metric"|"English", ShowKcal, ShowWatts, ShowKW, "Summer"|"Winter"
//   flow, inlet DB, WB, RH, absolute humidity, enthalpy
//   outlet DB, WB, RH, absolute humidity, enthalpy
//   sensible load, latent load
//   "title", RHinGiven, RHoutGiven
//
// The values are those of the screen, in its unit system: m³/h, °C, %, g/kg,
// kcal/kg (a screen showing kJ/kg stores kcal/kg) and the loads in the unit
// the load flags name (kcal/h, W or kW), or CFM, °F, %, grains/lb, Btu/lb and
// Btu/h. The sensible load is stored as its magnitude (its direction follows
// from the two dry bulbs); the latent load is negative when moisture is added
// to the air. Flags are 16-bit integers (-1 true, 0 false; any non-zero reads
// as true). A reader accepts the fields split by commas or line ends.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

#include "calculator/PsCalc.h"

namespace aeriton::calculator {

inline const char* kPsyFolder = "PSFiles";
inline const char* kPsyExtension = ".psy";
constexpr int kPsyFields = 22;
// A calculator file is a few hundred bytes; anything far larger is not one.
constexpr qint64 kPsyMaxBytes = 64 * 1024;

struct PsyFile {
  int16_t metricUnits = -1;  // -1 metric, 0 English
  int16_t showKcal = 0, showWatts = 0, showKW = 0;
  bool summer = true;  // the outlet dry bulb is not above the inlet one
  // The 13 box values, index 1..13 (Box), as stored.
  std::array<float, kBoxCount + 1> values{};
  QString title;
  int16_t rhInGiven = 0, rhOutGiven = 0;
};

// SaveAsFile: the record of the screen. An English screen's load flags
// become 0 (on the form too).
PsyFile saveAsFile(CalcForm& f);

// The bytes of the file (Windows-1253 text, "." decimal point, CR LF).
QByteArray psyFileBytes(const PsyFile& p);

struct PsyReadResult {
  bool ok = false;
  int field = 0;   // 1-based field that could not be read (0: the file as a whole)
  QString reason;  // one Greek line for the message
  PsyFile file;
};
// Reads the 22 fields, checking that each is of its kind (the unit-system and
// season words included). Extra fields after the 22nd are ignored.
PsyReadResult readPsyFile(const QByteArray& bytes);
// The same from disk (a file that cannot be opened, or is far too large, is
// refused with its reason).
PsyReadResult readPsyFileAt(const QString& path);

// OpenFile: the screen from a file read: its unit system, the given humidity
// of each state, both value lists (the other system by the calculator's
// factors), the loads in every unit, the boxes in the file's system with the
// load colours, the captions and the title.
void showPsyFile(const PsyFile& p, CalcForm& f);
// The screen as the file shows it, made ready for the calculate button as a
// batch run takes it: the boxes the calculation fills are emptied when they
// hold 0 (a load emptied loses its colour) and the computed humidities await
// the calculation.
void showPsyFileForCalculation(const PsyFile& p, CalcForm& f);

}  // namespace aeriton::calculator
