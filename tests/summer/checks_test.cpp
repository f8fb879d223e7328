// Checks of the summer data screen and the conversions it applies while the user types.
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
        LimitCase{"OutdoorDB54Passes", 0, 54.0f, 25, 26, 50, 0},
        LimitCase{"OutdoorDB54_1Refused", 0, 54.1f, 25, 26, 50, kOutdoorDBRange},
        LimitCase{"OutdoorDB19_9Refused", 0, 19.9f, 40, 14, 50, kOutdoorDBRange},
        LimitCase{"OutdoorDB130_1FRefused", 5, 130.1f, 25, 78.8f, 50, kOutdoorDBRange},
        LimitCase{"OutdoorDB67_9FRefused", 5, 67.9f, 40, 59, 50, kOutdoorDBRange},
        LimitCase{"OutdoorRH100Passes", 0, 36, 100, 26, 50, 0},
        LimitCase{"OutdoorRH100_1Refused", 0, 36, 100.1f, 26, 50, kOutdoorRHRange},
        LimitCase{"OutdoorRH9_9Refused", 0, 40, 9.9f, 26, 50, kOutdoorRHRange},
        LimitCase{"RoomDB33Passes", 0, 40, 25, 33, 50, 0},
        LimitCase{"RoomDB33_1Refused", 0, 40, 25, 33.1f, 50, kRoomDBRange},
        LimitCase{"RoomDB9_9Refused", 0, 36, 25, 9.9f, 50, kRoomDBRange},
        LimitCase{"RoomDB92_1FRefused", 5, 110, 25, 92.1f, 50, kRoomDBRange},
        LimitCase{"RoomDB49_9FRefused", 5, 96.8f, 25, 49.9f, 50, kRoomDBRange},
        LimitCase{"RoomRH35Passes", 0, 36, 25, 26, 35, 0},
        LimitCase{"RoomRH34_9Refused", 0, 36, 25, 26, 34.9f, kRoomRHRange},
        LimitCase{"RoomRH80Passes", 0, 36, 25, 24, 80, 0},
        LimitCase{"RoomRH80_1Refused", 0, 36, 25, 24, 80.1f, kRoomRHRange},
        // 30 - 5 = 25 < 26: needs 5 °C of difference; 31 - 5 = 26 passes.
        LimitCase{"Outdoor30Room26Refused", 0, 30, 40, 26, 50, kNeedTempDifference},
        // 87.8 - 9 = 78.8: exactly 9 °F passes, 0.1 °F less is refused.
        LimitCase{"Outdoor87_8FRoom78_8FPasses", 5, 87.8f, 40, 78.8f, 50, 0},
        LimitCase{"Outdoor87_7FRoom78_8FRefused", 5, 87.7f, 40, 78.8f, 50, kNeedTempDifference},
        // The first failing rule wins: outdoor dry bulb before everything.
        LimitCase{"OrderOutdoorFirst", 0, 60, 5, 40, 90, kOutdoorDBRange},
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
        PlausCase{"OutdoorWB9_9", [](SummerEntry& e) { e.outdoor.wb = 9.9f; }, kOutdoorWB,
                  Field::EnvWB},
        PlausCase{"OutdoorWBPendingNotChecked",
                  [](SummerEntry& e) {
                    e.outdoor.wb = 0;
                    e.outdoor.wbPending = true;
                  },
                  0, Field::None},
        PlausCase{"OutdoorRH0", [](SummerEntry& e) { e.outdoor.rh = 0; }, kOutdoorRH, Field::EnvRH},
        PlausCase{"RoomDB9", [](SummerEntry& e) { e.room.db = 9; }, kRoomDB, Field::SpaDB},
        PlausCase{"RoomWB9_9", [](SummerEntry& e) { e.room.wb = 9.9f; }, kRoomWB, Field::SpaWB},
        PlausCase{"RoomRH0", [](SummerEntry& e) { e.room.rh = 0; }, kRoomRH, Field::SpaRH},
        PlausCase{"NoSensibleLoad", [](SummerEntry& e) { e.sens = 0; }, kSensibleLoad, Field::Sens},
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
        FreshCase{"MixingNoLoads", 0, true, 0, 0, 2000, 0, kNoSpaces, Field::None},
        FreshCase{"MixingNoAmount", 0, true, 1000, 200, 0, 0, kNoFreshAmount, Field::Amount},
        // The calculation uses an amount only when its whole part is not 0.
        FreshCase{"MixingAmountBelowOne", 0, true, 1000, 200, 0.9f, 0, kNoFreshAmount,
                  Field::Amount},
        FreshCase{"MixingNoPerCent", 0, false, 1000, 200, 2000, 0, kNoFreshPerCent, Field::PerCent},
        FreshCase{"RecircNoAmountPasses", 1, true, 1000, 200, 0, 0, 0, Field::None},
        FreshCase{"RecircNoLoads", 1, true, 0, 0, 0, 0, kNoSpaces, Field::None},
        FreshCase{"FreshLoadsNoAmount", 2, true, 1000, 200, 0, 0, kNoFreshAmount, Field::Amount},
        // Fresh air that takes up no loads is sized by its amount alone.
        FreshCase{"FreshNoLoadsNoAmount", 3, true, 0, 0, 0, 0, kNoFreshAmount, Field::Amount}),
    [](const ::testing::TestParamInfo<FreshCase>& i) { return std::string(i.param.name); });

TEST(Conversions, TemperaturesRoundToTenths) {
  // 26 × 9/5 + 32 = 78.8; (78.8 − 32) × 5/9 = 26.0
  EXPECT_FLOAT_EQ(celsiusToFahrenheit(26.0f), 78.8f);
  EXPECT_FLOAT_EQ(fahrenheitToCelsius(78.8f), 26.0f);
  // 25.3 × 1.8 + 32 = 77.54 -> 77.5; (77.5 − 32) / 1.8 = 25.277 -> 25.3
  EXPECT_FLOAT_EQ(celsiusToFahrenheit(25.3f), 77.5f);
  EXPECT_FLOAT_EQ(fahrenheitToCelsius(77.5f), 25.3f);
  // Half up: 0.25 -> 0.3, -0.25 -> -0.2
  EXPECT_DOUBLE_EQ(roundToDecimals(0.25, 1), 0.3);
  EXPECT_DOUBLE_EQ(roundToDecimals(-0.25, 1), -0.2);
}

TEST(Conversions, LoadKeptInEveryUnit) {
  // 10 000 W = 8 598.555 kcal/h = 10 kW; × 3.970923 = 34 144.20 Btu/h = 2.84535 RT
  LoadSet w = LoadSet::fromValue(10000.0, LoadUnit::Watt);
  EXPECT_DOUBLE_EQ(w.in(LoadUnit::Watt), 10000.0);
  EXPECT_NEAR(w.in(LoadUnit::Kcal), 8598.555, 1e-6);
  EXPECT_NEAR(w.in(LoadUnit::KW), 10.0, 1e-6);
  EXPECT_NEAR(w.in(LoadUnit::Btu), 8598.555 * 3.970923, 1e-6);
  EXPECT_NEAR(w.in(LoadUnit::RT), 8598.555 * 3.970923 / 12000.0, 1e-9);
  // The typed unit is kept as typed (no drift through kcal/h).
  LoadSet b = LoadSet::fromValue(12345.67, LoadUnit::Btu);
  EXPECT_DOUBLE_EQ(b.in(LoadUnit::Btu), 12345.67);
}

}  // namespace
