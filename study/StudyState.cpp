#include "study/StudyState.h"

namespace aeriton {

void StudyState::setLoadUnit(const QString& code) {
  LoadUnit = code;
  UnitKcal = code == "KCAL";
  UnitWatt = code == "WATT";
  UnitKW = code == "KW";
  UnitRT = code == "RT";
  UnitBtuF = code == "BTU";
  UnitBtuC = code == "BTUh";
}

StudyState& study() {
  static StudyState instance;
  return instance;
}

void resetStudy() {
  study() = StudyState{};
}

}  // namespace aeriton
