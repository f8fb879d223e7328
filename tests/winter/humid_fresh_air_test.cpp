// 100 % fresh air more humid than the room design, through the whole winter
// run: the unit cannot dry the air, so the supply keeps the outdoor humidity -
// no humidifier water (never a negative amount), a coil that heats the
// outdoor air straight to the supply temperature, the room humidity reported
// as it will be.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "study/StudyState.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRun.h"

namespace aeriton::winter {
namespace {

// English study, 100 % fresh air that takes no loads, kept at the summer flow
// of 2000 CFM: outdoor 57 °F / 56 °F, room 68 °F / 54 °F, no load, so the
// supply leaves at the room's 68 °F.
//   outdoor: pv = 0.4521 − 29.469 × 1 / 2727.2 = 0.4413 inHg, 65.2 grains
//   room:    pv = 0.4203 − 29.501 × 14 / 2729.8 = 0.2690 inHg, 39.6 grains
WinterEntries humidFreshAir(int kind) {
  WinterEntries e;
  e.unitIndex = kUnitBtuF;
  e.envDB = 57, e.envWB = 56, e.envRH = 94.3;
  e.spaDB = 68, e.spaWB = 54, e.spaRH = 39;
  e.kindIndex = kind;
  if (kind != kKindFreshNoLoads) e.load.set(kUnitBtuF, 1);
  e.kindyIndex = kSummerSameUnit;
  e.summerFlow = 2000;
  e.optAmount = true;
  e.amount = 2000;
  e.title = "Αποθήκη";
  return e;
}

TEST(HumidFreshAir, SupplyKeepsTheOutdoorHumidityAndNoWaterIsTakenOut) {
  for (int kind : {kKindFreshLoads, kKindFreshNoLoads}) {
    test::ProgramFolderFixture folder;
    StudyState& s = study();
    ZeroVariables(s);
    CollectInputs(humidFreshAir(kind), s);
    const RunOutcome out = runWinterStudy(s, [](float) { return true; });
    ASSERT_EQ(out.code, 0) << kind;
    EXPECT_NEAR(s.EnvGr, 65.2, 0.1) << kind;
    // No humidification: S has the humidity of T, which is the outdoor air's.
    EXPECT_FLOAT_EQ(s.HumidWaterKg, 0.0f) << kind;
    EXPECT_FLOAT_EQ(s.Gr_S, s.Gr_T) << kind;
    EXPECT_FLOAT_EQ(s.Gr_T, s.EnvGr) << kind;
    // The coil heats 57 °F outdoor air to the 68 °F supply (1 Btu/h of load
    // lifts it by 0.0005 °F), and its capacity is the sensible heat of that:
    // 4.45 × 2000 × (0.24 + 0.45 × 0.009317) × 11 = 23906 Btu/h.
    EXPECT_FLOAT_EQ(s.DB_M, 57.0f) << kind;
    EXPECT_FLOAT_EQ(s.DB_T, 68.0f) << kind;
    EXPECT_FLOAT_EQ(s.DB_S, 68.0f) << kind;
    EXPECT_NEAR(s.CoilLoad, 23906, 30) << kind;
    // The room will be as humid as the outdoor air: 0.4413 / pws(68) 0.69021.
    EXPECT_NEAR(s.SpaRH, 63.94, 0.1) << kind;
    EXPECT_FLOAT_EQ(s.SpaWB, 54.0f) << kind;  // the entered wet bulb is kept
    EXPECT_FLOAT_EQ(s.FreshLatLoad, 0.0f) << kind;
  }
}

}  // namespace
}  // namespace aeriton::winter
