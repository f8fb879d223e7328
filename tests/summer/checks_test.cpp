// Checks of the summer data screen, the lists it offers and the conversions it
// applies while the user types.
#include <gtest/gtest.h>

#include <cmath>

#include "study/StudyState.h"
#include "summer/SummerChecks.h"
#include "summer/SummerEntry.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

// A complete, acceptable cooling study: Athens outdoor 36 °C / 25 %, room
// 26 °C / 50 %, 10 kW sensible, 2 kW latent, 2000 m³/h fresh air.
SummerEntry athens() {
  SummerEntry e;
  e.unitIndex = 0;
  e.outdoor = {36.0f, 21.0f, false, 25.0f, false};
  e.room = {26.0f, 18.7f, false, 50.0f, false};
  e.sens = 10000;
  e.lat = 2000;
  e.kindIndex = kKindMixing;
  e.amountMode = true;
  e.amount = 2000;
  e.title = "Γραφεία Αθήνας";
  return e;
}

SummerEntry english(SummerEntry e) {
  e.unitIndex = kEnglishUnitIndex;
  auto f = [](float c) { return c * 9.0f / 5.0f + 32.0f; };
  e.outdoor.db = f(e.outdoor.db);
  e.outdoor.wb = f(e.outdoor.wb);
  e.room.db = f(e.room.db);
  e.room.wb = f(e.room.wb);
  return e;
}

struct LimitCase {
  const char* name;
  int unitIndex;
  float outDB, outRH, roomDB, roomRH;
  int code;
};

class LimitsTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LimitsTest, CodeAndField) {
  const LimitCase& c = GetParam();
  SummerEntry e = athens();
  e.unitIndex = c.unitIndex;
  e.outdoor.db = c.outDB;
  e.outdoor.rh = c.outRH;
  e.room.db = c.roomDB;
  e.room.rh = c.roomRH;
  CheckResult r = CheckForLimits(e);
  EXPECT_EQ(r.code, c.code);
  Field expected = Field::None;
  if (c.code == kOutdoorDBRange) expected = Field::EnvDB;
  if (c.code == kOutdoorRHRange) expected = Field::EnvRH;
  if (c.code == kRoomDBRange) expected = Field::SpaDB;
  if (c.code == kRoomRHRange) expected = Field::SpaRH;
  EXPECT_EQ(r.field, expected);
}

// Bounds are inclusive; the lower RH and room bounds are the ones this program
// chose (10 %, 10 °C / 50 °F, 80 %), the others those of the refusal texts.
INSTANTIATE_TEST_SUITE_P(
    Bounds, LimitsTest,
    ::testing::Values(
        LimitCase{"Athens", 0, 36, 25, 26, 50, 0},
        LimitCase{"OutdoorDB54Passes", 0, 54.0f, 25, 26, 50, 0},
        LimitCase{"OutdoorDB54_1Refused", 0, 54.1f, 25, 26, 50, kOutdoorDBRange},
        LimitCase{"OutdoorDB20Passes", 0, 20.0f, 40, 15, 50, 0},
        LimitCase{"OutdoorDB19_9Refused", 0, 19.9f, 40, 14, 50, kOutdoorDBRange},
        LimitCase{"OutdoorDB130FPasses", 5, 130.0f, 25, 78.8f, 50, 0},
        LimitCase{"OutdoorDB130_1FRefused", 5, 130.1f, 25, 78.8f, 50, kOutdoorDBRange},
        LimitCase{"OutdoorDB68FPasses", 5, 68.0f, 40, 59, 50, 0},
        LimitCase{"OutdoorDB67_9FRefused", 5, 67.9f, 40, 59, 50, kOutdoorDBRange},
        LimitCase{"OutdoorRH100Passes", 0, 36, 100, 26, 50, 0},
        LimitCase{"OutdoorRH100_1Refused", 0, 36, 100.1f, 26, 50, kOutdoorRHRange},
        LimitCase{"OutdoorRH10Passes", 0, 40, 10, 26, 50, 0},
        LimitCase{"OutdoorRH9_9Refused", 0, 40, 9.9f, 26, 50, kOutdoorRHRange},
        LimitCase{"RoomDB33Passes", 0, 40, 25, 33, 50, 0},
        LimitCase{"RoomDB33_1Refused", 0, 40, 25, 33.1f, 50, kRoomDBRange},
        LimitCase{"RoomDB10Passes", 0, 36, 25, 10, 50, 0},
        LimitCase{"RoomDB9_9Refused", 0, 36, 25, 9.9f, 50, kRoomDBRange},
        LimitCase{"RoomDB92FPasses", 5, 110, 25, 92, 50, 0},
        LimitCase{"RoomDB92_1FRefused", 5, 110, 25, 92.1f, 50, kRoomDBRange},
        LimitCase{"RoomDB50FPasses", 5, 96.8f, 25, 50, 50, 0},
        LimitCase{"RoomDB49_9FRefused", 5, 96.8f, 25, 49.9f, 50, kRoomDBRange},
        LimitCase{"RoomRH35Passes", 0, 36, 25, 26, 35, 0},
        LimitCase{"RoomRH34_9Refused", 0, 36, 25, 26, 34.9f, kRoomRHRange},
        LimitCase{"HumidProcessRoom24_75Passes", 0, 36, 25, 24, 75, 0},
        LimitCase{"RoomRH80Passes", 0, 36, 25, 24, 80, 0},
        LimitCase{"RoomRH80_1Refused", 0, 36, 25, 24, 80.1f, kRoomRHRange},
        // 30 - 5 = 25 < 26: needs 5 °C of difference; 31 - 5 = 26 passes.
        LimitCase{"Outdoor30Room26Refused", 0, 30, 40, 26, 50, kNeedTempDifference},
        LimitCase{"Outdoor31Room26Passes", 0, 31, 40, 26, 50, 0},
        // 87.8 - 9 = 78.8: exactly 9 °F passes, 0.1 °F less is refused.
        LimitCase{"Outdoor87_8FRoom78_8FPasses", 5, 87.8f, 40, 78.8f, 50, 0},
        LimitCase{"Outdoor87_7FRoom78_8FRefused", 5, 87.7f, 40, 78.8f, 50, kNeedTempDifference},
        // 22 °C outdoor, 16 °C room is inside every range.
        LimitCase{"Outdoor22Room16Passes", 0, 22, 40, 16, 50, 0},
        // The first failing rule wins: outdoor dry bulb before everything.
        LimitCase{"OrderOutdoorFirst", 0, 60, 5, 40, 90, kOutdoorDBRange},
        LimitCase{"OrderRHBeforeRoom", 0, 36, 5, 40, 90, kOutdoorRHRange},
        LimitCase{"OrderRoomDBBeforeRoomRH", 0, 36, 25, 40, 90, kRoomDBRange}),
    [](const ::testing::TestParamInfo<LimitCase>& i) { return std::string(i.param.name); });

TEST(Limits, PendingRelativeHumidityIsRefusedAsMissing) {
  // Wet bulb given but the state never completed: the RH box still holds the
  // placeholder, which is no humidity at all.
  SummerEntry e = athens();
  e.outdoor.rhPending = true;
  EXPECT_EQ(CheckForLimits(e).code, kOutdoorRHRange);
  e = athens();
  e.room.rhPending = true;
  EXPECT_EQ(CheckForLimits(e).code, kRoomRHRange);
}

TEST(Limits, EveryMetricEntryUsesCelsius) {
  // 55 °F would be refused in °F wording, but entries 0-4 are °C: 36 °C passes.
  for (int i = 0; i < kEnglishUnitIndex; ++i) {
    SummerEntry e = athens();
    e.unitIndex = i;
    EXPECT_EQ(CheckForLimits(e).code, 0) << i;
  }
  EXPECT_EQ(CheckForLimits(english(athens())).code, 0);
}

struct PlausCase {
  const char* name;
  void (*change)(SummerEntry&);
  int code;
  Field field;
};

class PlausibilityTest : public ::testing::TestWithParam<PlausCase> {};

TEST_P(PlausibilityTest, CodeAndField) {
  SummerEntry e = athens();
  GetParam().change(e);
  CheckResult r = CheckPSValues(e);
  EXPECT_EQ(r.code, GetParam().code);
  EXPECT_EQ(r.field, GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PlausibilityTest,
    ::testing::Values(
        PlausCase{"Athens", [](SummerEntry&) {}, 0, Field::None},
        PlausCase{"Outdoor22",
                  [](SummerEntry& e) {
                    e.outdoor.db = 22;
                    e.room.db = 16;
                  },
                  kOutdoorDB, Field::EnvDB},
        PlausCase{"Outdoor25Passes",
                  [](SummerEntry& e) {
                    e.outdoor.db = 25;
                    e.room.db = 20;
                  },
                  0, Field::None},
        PlausCase{"Outdoor76_9F",
                  [](SummerEntry& e) {
                    e = english(e);
                    e.outdoor.db = 76.9f;
                  },
                  kOutdoorDB, Field::EnvDB},
        PlausCase{"OutdoorWB9_9", [](SummerEntry& e) { e.outdoor.wb = 9.9f; }, kOutdoorWB,
                  Field::EnvWB},
        PlausCase{"OutdoorWBPendingNotChecked",
                  [](SummerEntry& e) {
                    e.outdoor.wb = 0;
                    e.outdoor.wbPending = true;
                  },
                  0, Field::None},
        PlausCase{"OutdoorWB49_9F",
                  [](SummerEntry& e) {
                    e = english(e);
                    e.outdoor.wb = 49.9f;
                  },
                  kOutdoorWB, Field::EnvWB},
        PlausCase{"OutdoorRH0", [](SummerEntry& e) { e.outdoor.rh = 0; }, kOutdoorRH, Field::EnvRH},
        PlausCase{"OutdoorRH100_5", [](SummerEntry& e) { e.outdoor.rh = 100.5f; }, kOutdoorRH,
                  Field::EnvRH},
        PlausCase{"OutdoorRHPendingNotChecked",
                  [](SummerEntry& e) {
                    e.outdoor.rh = 0;
                    e.outdoor.rhPending = true;
                  },
                  0, Field::None},
        PlausCase{"RoomDB9", [](SummerEntry& e) { e.room.db = 9; }, kRoomDB, Field::SpaDB},
        PlausCase{"RoomWB9_9", [](SummerEntry& e) { e.room.wb = 9.9f; }, kRoomWB, Field::SpaWB},
        PlausCase{"RoomWBPending",
                  [](SummerEntry& e) {
                    e.room.wb = 0;
                    e.room.wbPending = true;
                  },
                  0, Field::None},
        PlausCase{"RoomRH0", [](SummerEntry& e) { e.room.rh = 0; }, kRoomRH, Field::SpaRH},
        PlausCase{"RoomRH101", [](SummerEntry& e) { e.room.rh = 101; }, kRoomRH, Field::SpaRH},
        PlausCase{"NoSensibleLoad", [](SummerEntry& e) { e.sens = 0; }, kSensibleLoad, Field::Sens},
        PlausCase{"NoSensibleLoadRecirc",
                  [](SummerEntry& e) {
                    e.sens = 0;
                    e.kindIndex = kKindRecirc;
                  },
                  kSensibleLoad, Field::Sens},
        PlausCase{"NoSensibleLoadFreshLoads",
                  [](SummerEntry& e) {
                    e.sens = 0;
                    e.kindIndex = kKindFreshLoads;
                  },
                  kSensibleLoad, Field::Sens},
        PlausCase{"NoLoadsFreshNoLoadsPasses",
                  [](SummerEntry& e) {
                    e.sens = e.lat = 0;
                    e.kindIndex = kKindFreshNoLoads;
                  },
                  0, Field::None},
        PlausCase{"FirstFailureWins",
                  [](SummerEntry& e) {
                    e.outdoor.wb = 5;
                    e.room.rh = 0;
                    e.sens = 0;
                  },
                  kOutdoorWB, Field::EnvWB}),
    [](const ::testing::TestParamInfo<PlausCase>& i) { return std::string(i.param.name); });

TEST(StatesComplete, PendingComputedValueIsRefused) {
  // The given value is there but the engine could not form the other one.
  SummerEntry e = athens();
  EXPECT_EQ(CheckStatesComplete(e).code, 0);
  e.outdoor.wbPending = true;
  EXPECT_EQ(CheckStatesComplete(e).code, kOutdoorWB);
  EXPECT_EQ(CheckStatesComplete(e).field, Field::EnvWB);
  e = athens();
  e.outdoor.rhPending = true;
  EXPECT_EQ(CheckStatesComplete(e).code, kOutdoorRH);
  e = athens();
  e.room.wbPending = true;
  EXPECT_EQ(CheckStatesComplete(e).code, kRoomWB);
  e = athens();
  e.room.rhPending = true;
  EXPECT_EQ(CheckStatesComplete(e).code, kRoomRH);
  EXPECT_EQ(CheckStatesComplete(e).field, Field::SpaRH);
}

struct FreshCase {
  const char* name;
  int kind;
  bool amountMode;
  float sens, lat, amount;
  int perCent;
  int code;
  Field field;
};

class LoadsFreshTest : public ::testing::TestWithParam<FreshCase> {};

TEST_P(LoadsFreshTest, CodeAndField) {
  const FreshCase& c = GetParam();
  SummerEntry e = athens();
  e.kindIndex = c.kind;
  e.amountMode = c.amountMode;
  e.sens = c.sens;
  e.lat = c.lat;
  e.amount = c.amount;
  e.perCent = c.perCent;
  CheckResult r = CheckLoadsAndFreshAir(e);
  EXPECT_EQ(r.code, c.code);
  EXPECT_EQ(r.field, c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadsFreshTest,
    ::testing::Values(
        FreshCase{"MixingAmount", 0, true, 1000, 200, 2000, 0, 0, Field::None},
        FreshCase{"MixingNoLoads", 0, true, 0, 0, 2000, 0, kNoSpaces, Field::None},
        FreshCase{"LatentOnlyCountsAsLoads", 0, true, 0, 500, 2000, 0, 0, Field::None},
        FreshCase{"MixingNoAmount", 0, true, 1000, 200, 0, 0, kNoFreshAmount, Field::Amount},
        // The calculation uses an amount only when its whole part is not 0.
        FreshCase{"MixingAmountBelowOne", 0, true, 1000, 200, 0.9f, 0, kNoFreshAmount,
                  Field::Amount},
        FreshCase{"MixingPerCent", 0, false, 1000, 200, 0, 20, 0, Field::None},
        FreshCase{"MixingNoPerCent", 0, false, 1000, 200, 2000, 0, kNoFreshPerCent, Field::PerCent},
        FreshCase{"RecircNoAmountPasses", 1, true, 1000, 200, 0, 0, 0, Field::None},
        FreshCase{"RecircNoPerCentPasses", 1, false, 1000, 200, 0, 0, 0, Field::None},
        FreshCase{"RecircNoLoads", 1, true, 0, 0, 0, 0, kNoSpaces, Field::None},
        FreshCase{"FreshLoadsNoAmount", 2, true, 1000, 200, 0, 0, kNoFreshAmount, Field::Amount},
        FreshCase{"FreshLoadsAmount", 2, true, 1000, 200, 3000, 0, 0, Field::None},
        FreshCase{"FreshNoLoadsPasses", 3, true, 0, 0, 3000, 0, 0, Field::None},
        // Fresh air that takes up no loads is sized by its amount alone.
        FreshCase{"FreshNoLoadsNoAmount", 3, true, 0, 0, 0, 0, kNoFreshAmount, Field::Amount}),
    [](const ::testing::TestParamInfo<FreshCase>& i) { return std::string(i.param.name); });

TEST(ZeroVariables, MarksResultsNotComputed) {
  StudyState s;
  s.DB_T = 12.5f;
  s.RH_T = 95;
  s.DB_S = 16;
  s.Reheat = 3000;
  s.CoilLoad = 25000;
  s.HighHumidity = 1;
  s.HighHumid.fill(3);
  s.CoilOutChange.fill(7);
  s.EnvDB = 36;  // inputs stay
  ZeroVariables(s);
  EXPECT_EQ(s.DB_T, kNotComputed);
  EXPECT_EQ(s.WB_T, kNotComputed);
  EXPECT_EQ(s.h_T, kNotComputed);
  EXPECT_EQ(s.RH_T, 0);
  EXPECT_EQ(s.DB_S, kNotComputed);
  EXPECT_EQ(s.WB_S, kNotComputed);
  EXPECT_EQ(s.h_S, kNotComputed);
  EXPECT_EQ(s.Reheat, 0);
  EXPECT_EQ(s.CoilLoad, 0);
  EXPECT_EQ(s.HighHumidity, 0);
  for (float v : s.HighHumid) EXPECT_EQ(v, kNotComputed);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(s.CoilOutChange[i], kNotComputed) << i;
  EXPECT_EQ(s.CoilOutChange[10], 0);
  EXPECT_EQ(s.CoilOutChange[11], 0);
  EXPECT_EQ(s.CoilOutChange[12], 0);
  EXPECT_EQ(s.EnvDB, 36);
  EXPECT_FALSE(hasRaisedSupplyTemperature(s));
}

TEST(RaisedSupply, OnlyPositiveFirstValueCounts) {
  StudyState s;
  s.CoilOutChange[0] = kNotComputed;
  EXPECT_FALSE(hasRaisedSupplyTemperature(s));
  s.CoilOutChange[0] = 0;
  EXPECT_FALSE(hasRaisedSupplyTemperature(s));
  s.CoilOutChange[0] = -3;
  EXPECT_FALSE(hasRaisedSupplyTemperature(s));
  s.CoilOutChange[0] = 17.5f;
  EXPECT_TRUE(hasRaisedSupplyTemperature(s));
  s.CoilOutChange[0] = std::nanf("");
  EXPECT_FALSE(hasRaisedSupplyTemperature(s));
}

// ---- lists -----------------------------------------------------------------

TEST(Lists, UnitEntriesCodesAndPairs) {
  const char* codes[] = {"WATT", "KCAL", "KW", "RT", "BTUh", "BTU"};
  ASSERT_EQ(unitTexts().size(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(unitEntry(i).code, codes[i]);
    EXPECT_EQ(unitIndexOfCode(codes[i]), i);
    EXPECT_EQ(unitEntry(i).fahrenheit, i == 5);
  }
  EXPECT_EQ(unitIndexOfCode("XYZ"), -1);
  EXPECT_TRUE(unitTexts()[0].startsWith("[Watts], [°C]"));
  EXPECT_TRUE(unitTexts()[5].startsWith("[Btu/h], [°F]"));
  EXPECT_EQ(validationUnits(0), (UnitPair{1, 0}));
  EXPECT_EQ(validationUnits(4), (UnitPair{1, 0}));
  EXPECT_EQ(validationUnits(5), (UnitPair{0, 1}));
  EXPECT_EQ(calculationUnits(3), (UnitPair{1, 0}));
  EXPECT_EQ(calculationUnits(4), (UnitPair{32, 32}));
  EXPECT_EQ(calculationUnits(5), (UnitPair{0, 1}));
  // Out-of-range indexes never read outside the table.
  EXPECT_EQ(unitEntry(-3).code, "WATT");
  EXPECT_EQ(unitEntry(99).code, "BTU");
}

TEST(Lists, KindsAndTheirFlags) {
  struct K {
    const char* code;
    int mix, recirc, fresh, loads;
  };
  const K kinds[] = {{"AAA_NA", 1, 0, 0, 0},
                     {"AA_100", 0, 1, 0, 0},
                     {"NA_PAF", 0, 0, 1, 2},
                     {"NA_DPF", 0, 0, 1, 1}};
  ASSERT_EQ(kindTexts().size(), 4);
  for (int i = 0; i < 4; ++i) {
    const KindEntry& k = kindEntry(i);
    EXPECT_EQ(k.code, kinds[i].code);
    EXPECT_EQ(k.mix, kinds[i].mix);
    EXPECT_EQ(k.recirc, kinds[i].recirc);
    EXPECT_EQ(k.fresh, kinds[i].fresh);
    EXPECT_EQ(k.freshLoads, kinds[i].loads);
    EXPECT_EQ(kindIndexOfCode(kinds[i].code), i);
  }
  EXPECT_EQ(kindTexts()[1], "Ανακυκλοφορία Αέρα 100%");
  // Kind controls: 0 both, 1 none, 2 and 3 amount only; 3 takes no loads.
  EXPECT_TRUE(kindControls(0).amountEnabled && kindControls(0).perCentEnabled);
  EXPECT_FALSE(kindControls(1).amountEnabled || kindControls(1).perCentEnabled);
  EXPECT_TRUE(kindControls(2).amountEnabled && !kindControls(2).perCentEnabled);
  EXPECT_TRUE(kindControls(3).amountEnabled && !kindControls(3).perCentEnabled);
  EXPECT_TRUE(kindControls(2).loadsUsed);
  EXPECT_FALSE(kindControls(3).loadsUsed);
}

TEST(Lists, PerCentOneToEightyFive) {
  QStringList p = perCentTexts();
  ASSERT_EQ(p.size(), 85);
  EXPECT_EQ(p.first(), "1");
  EXPECT_EQ(p.last(), "85");
}

// ---- conversions ---------------------------------------------------------------

TEST(Conversions, TemperaturesRoundToTenths) {
  // 26 × 9/5 + 32 = 78.8; (78.8 − 32) × 5/9 = 26.0
  EXPECT_FLOAT_EQ(celsiusToFahrenheit(26.0f), 78.8f);
  EXPECT_FLOAT_EQ(fahrenheitToCelsius(78.8f), 26.0f);
  // 25.3 × 1.8 + 32 = 77.54 -> 77.5; (77.5 − 32) / 1.8 = 25.277 -> 25.3
  EXPECT_FLOAT_EQ(celsiusToFahrenheit(25.3f), 77.5f);
  EXPECT_FLOAT_EQ(fahrenheitToCelsius(77.5f), 25.3f);
  // 36 °C = 96.8 °F; 54 °C = 129.2 °F
  EXPECT_FLOAT_EQ(celsiusToFahrenheit(36.0f), 96.8f);
  EXPECT_FLOAT_EQ(celsiusToFahrenheit(54.0f), 129.2f);
  // Half up: 0.25 -> 0.3, -0.25 -> -0.2
  EXPECT_DOUBLE_EQ(roundToDecimals(0.25, 1), 0.3);
  EXPECT_DOUBLE_EQ(roundToDecimals(-0.25, 1), -0.2);
}

TEST(Conversions, AbsoluteHumidity) {
  // 70 grains/lb = 70 / 7 = 10 g/kg
  EXPECT_DOUBLE_EQ(grainsToGramsPerKg(70.0), 10.0);
  EXPECT_DOUBLE_EQ(gramsPerKgToGrains(10.0), 70.0);
}

TEST(Conversions, LoadKeptInEveryUnit) {
  // 10 000 W = 8 598.555 kcal/h = 10 kW; × 3.970923 = 34 144.20 Btu/h = 2.84535 RT
  LoadSet w = LoadSet::fromValue(10000.0, LoadUnit::Watt);
  EXPECT_DOUBLE_EQ(w.in(LoadUnit::Watt), 10000.0);
  EXPECT_NEAR(w.in(LoadUnit::Kcal), 8598.555, 1e-6);
  EXPECT_NEAR(w.in(LoadUnit::KW), 8598.555 / 859.85547, 1e-9);
  EXPECT_NEAR(w.in(LoadUnit::KW), 10.0, 1e-6);
  EXPECT_NEAR(w.in(LoadUnit::Btu), 8598.555 * 3.970923, 1e-6);
  EXPECT_NEAR(w.in(LoadUnit::RT), 8598.555 * 3.970923 / 12000.0, 1e-9);
  // 1000 kcal/h = 3970.923 Btu/h on the study screens.
  LoadSet k = LoadSet::fromValue(1000.0, LoadUnit::Kcal);
  EXPECT_NEAR(k.in(LoadUnit::Btu), 3970.923, 1e-9);
  // 1 RT = 12 000 Btu/h = 12000 / 3.970923 kcal/h = 3021.96 kcal/h
  LoadSet rt = LoadSet::fromValue(1.0, LoadUnit::RT);
  EXPECT_DOUBLE_EQ(rt.in(LoadUnit::RT), 1.0);
  EXPECT_NEAR(rt.in(LoadUnit::Kcal), 12000.0 / 3.970923, 1e-9);
  EXPECT_NEAR(rt.in(LoadUnit::Btu), 12000.0, 1e-6);
  // The typed unit is kept as typed (no drift through kcal/h).
  LoadSet b = LoadSet::fromValue(12345.67, LoadUnit::Btu);
  EXPECT_DOUBLE_EQ(b.in(LoadUnit::Btu), 12345.67);
  EXPECT_TRUE(LoadSet().isZero());
  EXPECT_FALSE(w.isZero());
}

TEST(Conversions, FreshAirInBothUnits) {
  // 2000 m³/h / 1.7 = 1176.47 -> 1176.5 CFM; 100 CFM × 1.7 = 170.0 m³/h
  FreshAirSet m = FreshAirSet::fromValue(2000, false);
  EXPECT_DOUBLE_EQ(m.m3h, 2000.0);
  EXPECT_DOUBLE_EQ(m.cfm, 1176.5);
  FreshAirSet c = FreshAirSet::fromValue(100, true);
  EXPECT_DOUBLE_EQ(c.cfm, 100.0);
  EXPECT_DOUBLE_EQ(c.m3h, 170.0);
  EXPECT_DOUBLE_EQ(c.in(false), 170.0);
  EXPECT_DOUBLE_EQ(c.in(true), 100.0);
}

TEST(Placeholder, PendingText) {
  EXPECT_EQ(pendingText(), "ΘΑ ΥΠΟΛΟΓ.");
}

}  // namespace
