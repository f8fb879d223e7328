#pragma once
// The one record of the open study, shared by every screen and calculation.
//
// While a calculation runs the values are in English units (°F, lb/lb, grains/lb,
// Btu/lb, CFM, Btu/h); before and after it they are in the study's own unit
// system. Relative humidities are per cent. Singles are `float` on purpose: the
// files and the rounding rules of the program are defined on single precision.

#include <QString>
#include <array>
#include <cstdint>

namespace aeriton {

// Flags stored in files are 16-bit integers: -1 for true, 0 for false. Any
// non-zero value reads as true.
constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;
inline bool isTrue(int v) {
  return v != 0;
}

// Marker of a summer result that was not computed (no reheat, no raised
// supply temperature). Never shown, never converted between unit systems.
constexpr float kNotComputed = -100000.0f;
// Marker of an unset winter field / no chosen coil outlet temperature.
constexpr float kWinterUnset = -10000.0f;

constexpr int kHighHumidityValues = 26;
constexpr int kCoilOutChangeValues = 13;

struct StudyState {
  // ---- identity and units ------------------------------------------------
  QString Title;              // study title (data screens' LblThema)
  QString LoadUnit = "WATT";  // "WATT", "KCAL", "KW", "RT", "BTUh", "BTU"
  QString PrevLoadUnit = "WATT";
  // One flag per load unit, exactly one set.
  bool UnitKcal = false, UnitWatt = true, UnitKW = false, UnitRT = false;
  bool UnitBtuF = false;  // "BTU": Btu/h with °F
  bool UnitBtuC = false;  // "BTUh": Btu/h with °C
  int16_t MetricCode = 1;
  int16_t EnglishCode = 0;
  bool CoolingProcess = false;
  bool HeatingProcess = false;
  QString StudyFileName;  // full path of the current study file; "Escape" = dialog cancelled
  QString FileFilter;     // "*.AIR" or "*.WIR"
  QString Designer;

  // ---- inputs --------------------------------------------------------------
  float EnvDB = 0, EnvWB = 0, EnvRH = 0;
  float SpaDB = 0, SpaWB = 0, SpaRH = 0;
  float SensLoad = 0, LatLoad = 0;
  float FreshAmount = 0, FreshPerCent = 0;
  float FreshValue = 0;     // amount in amount mode, per cent in per-cent mode
  QString FreshMode = "C";  // "C" amount, "P" per cent
  QString KindCode = "AAA_NA";
  int16_t KindMix = 1, KindRecirc = 0, KindFresh = 0, FreshLoads = 0;
  float SummerFlow = 0;  // winter: air flow of the summer operation

  // ---- derived properties and results --------------------------------------
  float EnvW = 0, EnvGr = 0, Env_h = 0;
  float SpaW = 0, SpaGr = 0, Spa_h = 0;
  float DB_M = 0, WB_M = 0, RH_M = 0, W_M = 0, Gr_M = 0, h_M = 0;  // mixed air
  float DB_T = 0, WB_T = 0, RH_T = 0, W_T = 0, Gr_T = 0, h_T = 0;  // coil outlet
  float DB_S = 0, WB_S = 0, RH_S = 0, W_S = 0, Gr_S = 0, h_S = 0;  // supply / after reheat
  float SupplyTempShown = 0;

  // Apparatus dew point group. Stays in English units after a summer
  // calculation (°F, lb/lb, grains/lb, Btu/lb), as do W_M, W_T and W_S.
  float ADP = 0, W_ADP = 0, Gr_ADP = 0, h_ADP = 0;
  float ESHF = 0;       // effective sensible heat factor
  float LineRatio = 0;  // last line ratio of the dew-point search
  float BF = 0;         // bypass factor

  float SupplyFlow = 0;
  float FreshFlow = 0;
  float CoilLoad = 0;
  float Reheat = 0;
  float FreshSensLoad = 0, FreshLatLoad = 0;
  float HumidWaterLb = 0, HumidWaterKg = 0;

  int16_t HighHumidity = 0;  // humid-room flag
  std::array<float, kHighHumidityValues> HighHumid{};
  std::array<float, kCoilOutChangeValues> CoilOutChange{};

  // ---- flags and exchange slots -------------------------------------------
  bool Unsaved = false;
  int16_t MessageCode = 0;
  QString UserAnswer;  // "YES", "NO", "CANCEL" or empty

  // ---- run state of the shell ---------------------------------------------
  bool TitleEntered = false;  // raised by the study-title window
  bool FirstEntry = false;    // data screen runs its first-entry initialisation
  bool SeasonChange = false;  // raised while data screens unload for a season change

  // Load-unit helpers.
  void setLoadUnit(const QString& code);
};

// The one instance, created with the program and living until it ends.
StudyState& study();

// Forget everything (tests start each case from a fresh study).
void resetStudy();

}  // namespace aeriton
