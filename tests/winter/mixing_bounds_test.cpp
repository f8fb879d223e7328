// 100 % recirculation runs with a token 0.1 CFM of fresh air. In a very large
// unit (millions of m³/h) single precision could leave the mixture a last
// digit moister than the room, and the humidifier water came out -0.01 kg/h:
// a humidifier that takes water out. The mixture stays between its ends.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "study/StudyState.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRun.h"

namespace aeriton::winter {
namespace {

// Found by the random studies: 9315.33 kW, coil outlet 34 °C, outdoor 7.3 °C
// / 3.1 °C, room 28.2 °C / 22.2 °C - 4.8 million m³/h.
TEST(MixingBounds, HugeRecirculatingUnitTakesNoWaterOut) {
  test::ProgramFolderFixture folder;
  WinterEntries e;
  e.unitIndex = kUnitKW;
  e.envDB = 7.3, e.envWB = 3.1, e.envRH = 47;
  e.spaDB = 28.2, e.spaWB = 22.2, e.spaRH = 59.8;
  e.load.set(kUnitKW, 9315.33f);
  e.kindIndex = kKindRecirc;
  e.kindyIndex = kSummerOtherUnit;
  e.coilOut = 34;
  e.title = "Εκθεσιακό κέντρο";
  StudyState& s = study();
  ZeroVariables(s);
  CollectInputs(e, s);
  ASSERT_EQ(runWinterStudy(s, [](float) { return true; }).code, 0);
  EXPECT_GT(s.SupplyFlow, 4.5e6f);  // m³/h
  EXPECT_LE(s.Gr_M, s.SpaGr);
  EXPECT_GE(s.Gr_M, s.EnvGr);
  EXPECT_GE(s.Gr_S, s.Gr_T);
  EXPECT_GE(s.HumidWaterKg, 0.0f);
  EXPECT_GE(s.HumidWaterLb, 0.0f);
}

}  // namespace
}  // namespace aeriton::winter
