#include "summer/ChartSetting.h"

#include "summer/Raise.h"
#include "summer/ResultsView.h"

namespace aeriton::summer {

ChartOpening SettingData(const StudyState& calc, const StudyState& file) {
  using namespace chart;
  ChartOpening o;
  o.english = studySystemOf(file) == UnitSystem::English;
  const bool metric = !o.english;
  ChartProcessData& p = o.process;
  const auto set = [&p](int k, double db, double wb) {
    p.point[k].DryBulb = db;
    p.point[k].WetBulb = wb;
    p.point[k].AbsHum = 0;
  };
  set(kPointN, file.EnvDB, file.EnvWB);
  set(kPointM, file.DB_M, file.WB_M);
  set(kPointT, file.DB_T, file.WB_T);
  set(kPointX, file.SpaDB, file.SpaWB);

  const bool hotter = file.EnvDB > file.SpaDB;
  const bool colder = file.EnvDB < file.SpaDB;
  o.heating = colder;
  o.range = defaultChartRange(o.english, o.heating);

  if (colder) {
    p.Kind = 3;
    set(kPointS, file.DB_S, file.WB_S);
    set(kPointADP, file.DB_T, file.WB_T);  // a heating unit has no dew point; not drawn
    return o;
  }

  const bool raised = file.CoilOutChange[rec::SupplyDB] > 0.0f;
  const bool reheat = !isMarker(file.Reheat) && file.Reheat != 0.0f && !isMarker(file.DB_S);
  CoilDesign design;
  const bool haveDesign = coilDesign(calc, file, design);
  if (raised) {
    // The unit after the raise: new coil outlet, then the reheater.
    const float dbT = file.CoilOutChange[rec::CoilDB], wbT = file.CoilOutChange[rec::CoilWB];
    set(kPointT, dbT, wbT);
    set(kPointS, file.CoilOutChange[rec::SupplyDB], file.CoilOutChange[rec::SupplyWB]);
    p.Kind = hotter ? 2 : 0;
    // The dew point the raise works the new outlet from (DB' = ADP' +
    // BF (DB_M − ADP')), on the saturation curve.
    if (haveDesign && design.BF < 1.0f) {
      const double adp = (dbT - design.BF * file.DB_M) / (1.0 - design.BF);
      set(kPointADP, adp, adp);
    } else {
      set(kPointADP, dbT, wbT);
    }
    return o;
  }

  if (reheat)
    set(kPointS, file.DB_S, file.WB_S);
  else
    set(kPointS, file.DB_T, file.WB_T);
  p.Kind = !hotter ? 0 : (reheat ? 2 : 1);
  if (haveDesign) {
    // The dew point is held in °F.
    const double adp = metric ? (design.ADP - 32.0) * 5.0 / 9.0 : design.ADP;
    set(kPointADP, adp, adp);
  } else {
    set(kPointADP, file.DB_T, file.WB_T);
  }
  return o;
}

}  // namespace aeriton::summer
