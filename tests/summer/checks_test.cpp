// Checks of the summer data screen and the conversions it applies while the user types.
#include <gtest/gtest.h>

#include <cmath>

#include "study/StudyState.h"
#include "summer/SummerChecks.h"
#include "summer/SummerEntry.h"
#include "summer/SummerMessages.h"

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
  e.sens = 10000, e.lat = 2000;
  e.kindIndex = kKindMixing;
  e.amountMode = true, e.amount = 2000;
  e.title = "Γραφεία Αθήνας";
  return e;
}

// Bounds are inclusive; the lower RH and room bounds are the ones this program
// chose (10 %, 10 °C, 80 %), the others those of the refusal texts.
TEST(Limits, CodeAndField) {
  const struct {
    const char* name;
    int unitIndex;
    float outDB, outRH, roomDB, roomRH;
    int code;
  } cases[] = {
      {"OutdoorDB54Passes", 0, 54.0f, 25, 26, 50, 0},
      {"OutdoorDB54_1Refused", 0, 54.1f, 25, 26, 50, kOutdoorDBRange},
      {"OutdoorDB19_9Refused", 0, 19.9f, 40, 14, 50, kOutdoorDBRange},
      {"OutdoorDB130_1FRefused", 5, 130.1f, 25, 78.8f, 50, kOutdoorDBRange},
      {"OutdoorRH100_1Refused", 0, 36, 100.1f, 26, 50, kOutdoorRHRange},
      {"OutdoorRH9_9Refused", 0, 40, 9.9f, 26, 50, kOutdoorRHRange},
      {"RoomDB33_1Refused", 0, 40, 25, 33.1f, 50, kRoomDBRange},
      {"RoomDB9_9Refused", 0, 36, 25, 9.9f, 50, kRoomDBRange},
      {"RoomDB92_1FRefused", 5, 110, 25, 92.1f, 50, kRoomDBRange},
      {"RoomRH35Passes", 0, 36, 25, 26, 35, 0},
      {"RoomRH34_9Refused", 0, 36, 25, 26, 34.9f, kRoomRHRange},
      {"RoomRH80Passes", 0, 36, 25, 24, 80, 0},
      {"RoomRH80_1Refused", 0, 36, 25, 24, 80.1f, kRoomRHRange},
      // 30 - 5 = 25 < 26: needs 5 °C of difference; 31 - 5 = 26 passes.
      {"Outdoor30Room26Refused", 0, 30, 40, 26, 50, kNeedTempDifference},
      // 87.8 - 9 = 78.8: exactly 9 °F passes, 0.1 °F less is refused.
      {"Outdoor87_8FRoom78_8FPasses", 5, 87.8f, 40, 78.8f, 50, 0},
      {"Outdoor87_7FRoom78_8FRefused", 5, 87.7f, 40, 78.8f, 50, kNeedTempDifference},
      // The first failing rule wins: outdoor dry bulb before everything.
      {"OrderOutdoorFirst", 0, 60, 5, 40, 90, kOutdoorDBRange},
      {"OrderRoomDBBeforeRoomRH", 0, 36, 25, 40, 90, kRoomDBRange},
  };
  for (const auto& c : cases) {
    SummerEntry e = athens();
    e.unitIndex = c.unitIndex;
    e.outdoor.db = c.outDB, e.outdoor.rh = c.outRH;
    e.room.db = c.roomDB, e.room.rh = c.roomRH;
    const CheckResult r = CheckForLimits(e);
    EXPECT_EQ(r.code, c.code) << c.name;
    Field expected = Field::None;
    if (c.code == kOutdoorDBRange) expected = Field::EnvDB;
    if (c.code == kOutdoorRHRange) expected = Field::EnvRH;
    if (c.code == kRoomDBRange) expected = Field::SpaDB;
    if (c.code == kRoomRHRange) expected = Field::SpaRH;
    EXPECT_EQ(r.field, expected) << c.name;
  }
}

// What a range refusal says is what the check does: a value the check accepts
// lies inside the range the message names, the value it refuses outside.
TEST(Limits, RefusalTextsNameTheBoundsInForce) {
  const struct {
    const char* name;
    int unitIndex;
    float outDB, outRH, roomDB, roomRH;  // refused
    float accepted;                      // the same field, accepted
    int code;
  } cases[] = {
      {"RoomRH85", 0, 36, 25, 24, 85, 80, kRoomRHRange},
      {"RoomRH34", 0, 36, 25, 26, 34, 35, kRoomRHRange},
      {"RoomDB9C", 0, 36, 25, 9, 50, 10, kRoomDBRange},
      {"RoomDB49F", 5, 96.8f, 25, 49, 50, 50, kRoomDBRange},
      {"RoomDB34C", 0, 45, 25, 34, 50, 33, kRoomDBRange},
      {"OutdoorRH9", 0, 40, 9, 26, 50, 10, kOutdoorRHRange},
      {"OutdoorDB19C", 0, 19, 40, 12, 50, 20, kOutdoorDBRange},
      {"OutdoorDB131F", 5, 131, 25, 78.8f, 50, 130, kOutdoorDBRange},
  };
  for (const auto& c : cases) {
    SummerEntry e = athens();
    e.unitIndex = c.unitIndex;
    e.outdoor.db = c.outDB, e.outdoor.rh = c.outRH;
    e.room.db = c.roomDB, e.room.rh = c.roomRH;
    ASSERT_EQ(CheckForLimits(e).code, c.code) << c.name;
    const QString text = messagesPS(c.code, validationUnits(c.unitIndex)).text;
    // "... μεταξύ LO [°C] και HI [°C] ..." or "... μεταξύ LO % και HI % ...".
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const int at = words.indexOf(QStringLiteral("μεταξύ"));
    ASSERT_GE(at, 0) << c.name;
    const double lo = words.value(at + 1).toDouble();
    const double hi = words.value(at + 4).toDouble();
    const float refused = c.code == kRoomRHRange      ? c.roomRH
                          : c.code == kRoomDBRange    ? c.roomDB
                          : c.code == kOutdoorRHRange ? c.outRH
                                                      : c.outDB;
    EXPECT_TRUE(refused < lo || refused > hi) << c.name << ": " << text.toStdString();
    EXPECT_TRUE(c.accepted >= lo && c.accepted <= hi) << c.name << ": " << text.toStdString();
  }
}

// A state never completed: the RH box holds the placeholder, which is no humidity.
TEST(Limits, PendingRelativeHumidityIsRefusedAsMissing) {
  SummerEntry e = athens();
  e.outdoor.rhPending = true;
  EXPECT_EQ(CheckForLimits(e).code, kOutdoorRHRange);
  e = athens();
  e.room.rhPending = true;
  EXPECT_EQ(CheckForLimits(e).code, kRoomRHRange);
}

// Each implausible value is refused with its code and field; the first failure wins.
TEST(Plausibility, CodeAndField) {
  const struct {
    const char* name;
    void (*change)(SummerEntry&);
    int code;
    Field field;
  } cases[] = {
      {"Athens", [](SummerEntry&) {}, 0, Field::None},
      {"Outdoor22", [](SummerEntry& e) { e.outdoor.db = 22, e.room.db = 16; }, kOutdoorDB,
       Field::EnvDB},
      {"OutdoorWB9_9", [](SummerEntry& e) { e.outdoor.wb = 9.9f; }, kOutdoorWB, Field::EnvWB},
      {"OutdoorWBPendingNotChecked",
       [](SummerEntry& e) { e.outdoor.wb = 0, e.outdoor.wbPending = true; }, 0, Field::None},
      {"OutdoorRH0", [](SummerEntry& e) { e.outdoor.rh = 0; }, kOutdoorRH, Field::EnvRH},
      {"RoomDB9", [](SummerEntry& e) { e.room.db = 9; }, kRoomDB, Field::SpaDB},
      {"RoomWB9_9", [](SummerEntry& e) { e.room.wb = 9.9f; }, kRoomWB, Field::SpaWB},
      {"RoomRH0", [](SummerEntry& e) { e.room.rh = 0; }, kRoomRH, Field::SpaRH},
      {"NoSensibleLoad", [](SummerEntry& e) { e.sens = 0; }, kSensibleLoad, Field::Sens},
      {"NoLoadsFreshNoLoadsPasses",
       [](SummerEntry& e) { e.sens = e.lat = 0, e.kindIndex = kKindFreshNoLoads; }, 0, Field::None},
      {"FirstFailureWins", [](SummerEntry& e) { e.outdoor.wb = 5, e.room.rh = 0, e.sens = 0; },
       kOutdoorWB, Field::EnvWB}};
  for (const auto& c : cases) {
    SummerEntry e = athens();
    c.change(e);
    const CheckResult r = CheckPSValues(e);
    EXPECT_EQ(r.code, c.code) << c.name;
    EXPECT_EQ(r.field, c.field) << c.name;
  }
}

// An amount counts only when its whole part is not 0; fresh air without loads is
// sized by its amount alone.
TEST(LoadsFresh, CodeAndField) {
  const struct {
    int kind;
    bool amountMode;
    float sens, lat, amount;
    int perCent, code;
    Field field;
  } cases[] = {{0, true, 0, 0, 2000, 0, kNoSpaces, Field::None},
               {0, true, 1000, 200, 0, 0, kNoFreshAmount, Field::Amount},
               {0, true, 1000, 200, 0.9f, 0, kNoFreshAmount, Field::Amount},
               {0, false, 1000, 200, 2000, 0, kNoFreshPerCent, Field::PerCent},
               {1, true, 1000, 200, 0, 0, 0, Field::None},
               {2, true, 1000, 200, 0, 0, kNoFreshAmount, Field::Amount},
               {3, true, 0, 0, 0, 0, kNoFreshAmount, Field::Amount}};
  for (const auto& c : cases) {
    SummerEntry e = athens();
    e.kindIndex = c.kind, e.amountMode = c.amountMode;
    e.sens = c.sens, e.lat = c.lat;
    e.amount = c.amount, e.perCent = c.perCent;
    const CheckResult r = CheckLoadsAndFreshAir(e);
    EXPECT_EQ(r.code, c.code) << c.kind << " " << c.amount;
    EXPECT_EQ(r.field, c.field) << c.kind << " " << c.amount;
  }
}

TEST(Conversions, TemperaturesRoundToTenths) {
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
  EXPECT_NEAR(w.in(LoadUnit::Btu), 8598.555 * 3.970923, 1e-6);
  EXPECT_NEAR(w.in(LoadUnit::RT), 8598.555 * 3.970923 / 12000.0, 1e-9);
  LoadSet b = LoadSet::fromValue(12345.67, LoadUnit::Btu);
  EXPECT_DOUBLE_EQ(b.in(LoadUnit::Btu), 12345.67);  // kept as typed, no drift via kcal/h
}

}  // namespace
