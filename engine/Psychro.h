#pragma once
// Moist-air property engine. English units throughout, at the standard
// pressure of 29.921 inHg:
//   temperatures °F, pressures inHg, humidity ratio lb/lb, absolute humidity
//   grains/lb (7000 grains = 1 lb), enthalpy Btu/lb of dry air.
// Relative humidity is a fraction (0..1) inside the engine; FindWB_AH takes it
// in per cent.
//
// The saturation table covers every whole degree from -10 °F to 150 °F. The
// calculations of the data screens keep their states at or below 130 °F; the
// winter calculation reaches 150 °F. No operation reads outside the table: an
// argument outside it gives a result the caller can recognise (NaN, or false).

#include <QString>
#include <cstdint>

namespace aeriton::psy {

constexpr float kPressure = 29.921f;  // standard sea-level pressure, inHg
constexpr float kRAir = 53.276f;      // dry-air gas constant (used as a ratio only)
constexpr float kRVapour = 85.6f;     // vapour gas constant
constexpr float kGrainsPerLb = 7000.0f;
constexpr float kCpAir = 0.24f;       // Btu/lb·°F
constexpr float kLatent0 = 1060.5f;   // Btu/lb at 0 °F
constexpr float kCpVapour = 0.45f;    // Btu/lb·°F
constexpr double kCarrierA = 2800.0;  // Carrier's wet-bulb equation
constexpr double kCarrierB = 1.3;
constexpr double kFerrelA = 0.000367;  // Ferrel's wet-bulb equation (below 63 °F)
constexpr float kFerrelB = 1571.0f;
constexpr float kFerrelC = 32.0f;
constexpr float kFerrelThreshold = 63.0f;  // °F of dry bulb
constexpr float kMatchTolerance = 0.005f;  // inHg, wet-bulb search

constexpr int kTableLow = -10;           // first whole degree of the table, °F
constexpr int kTableHigh = 130;          // last degree of the data screens' table
constexpr int kTableHighExtended = 150;  // last degree of the winter calculation's table

// The saturation table exactly as held (entries -10..6 °F are 100 × inHg).
const float* saturationTableAsHeld();  // 161 entries, -10..150 °F

// FindPressure: true saturation pressure (inHg) of a whole degree T of the
// table; Pws is left unchanged (and false returned) when T is not in it.
bool FindPressure(int T, float& Pws);

// Interpolated saturation pressure at t (°F), inHg: p(n) + (t - n)(p(n+1) - p(n)),
// n = floor(t). NaN when t lies outside -10..150 °F.
float SatPressure(float t);

// Carrier's vapour pressure of air at DB with wet bulb WB (inHg):
// pw - (P - pw)(DB - WB) / (2800 - 1.3 WB), pw = SatPressure(WB).
float CarrierPv(float DB, float WB);

// Humidity ratio (lb/lb) from the vapour pressure: 0.6224 pv / (P - pv).
float HumidityRatio(float pv);

// Enthalpy (Btu/lb): 0.24 DB + W (1060.5 + 0.45 DB).
float Enthalpy(float DB, float W);

// Enthalpy h and humidity ratio W of the state DB, WB (Carrier's equation).
void FindEnthalpy(float DB, float WB, float& h, float& W);

// Relative humidity (fraction) and grains of the state DB, WB, Carrier's
// equation at every temperature. False when the state is outside the table.
bool FindRH(float DB, float WB, float& RH, float& Grains);

// Wet bulb of the state DB, RH (per cent), by the search over whole degrees
// of the table refined by linear interpolation; Ferrel below 63 °F dry bulb,
// Carrier from 63 °F. `cooling` selects the usual search start (30 °F for a
// cooling process, else 7 °F, or -10 °F below 10 °F); the search starts lower
// when the wet bulb lies below it. `top` is the last degree searched.
// Returns false when no wet bulb is found inside the table (dry bulb outside
// -10..top, wet bulb below -10 °F or above `top`) or RH is negative; the outputs are then left
// unchanged. RHfraction = RH / 100; Grains = 7000 W of the target vapour pressure.
bool FindWB(float DB, float RHpercent, bool cooling, float& WB, float& RHfraction, float& Grains,
            int top = kTableHigh);

// ---- Study-state wrappers (the routines the screens call) -------------------
// Mode "n" evaluates the outdoor state (EnvWB receives the wet bulb), mode "x"
// the room state (SpaWB). FindEnthalpy's wrapper writes EnvGr.
// FindWB_AH searches the table to 130 °F from the start given by the study's
// CoolingProcess; RH goes in as per cent and comes out as a fraction. When it
// returns false nothing (arguments, EnvWB/SpaWB) is changed.
// FindRH_AH copies WB to EnvWB/SpaWB on entry, even when it returns false.
bool FindRH_AH(const QString& mode, float DB, float WB, float& RH, float& Grains);
bool FindWB_AH(const QString& mode, float DB, float& WB, float& RH, float& Grains);
void FindEnthalpyEnv(float DB, float WB, float& h, float& W);
// The two-state calculator's copy: first sets CoolingProcess/HeatingProcess
// from its inlet and outlet dry bulbs (inlet > outlet is cooling).
bool FindWB_AH_Calculator(float inletDB, float outletDB, float DB, float& WB, float& RH,
                          float& Grains);

}  // namespace aeriton::psy
