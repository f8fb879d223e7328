#pragma once
// The two studies the save-loop helper saves in turn, shared with the test
// that kills it, so that both know the only contents a file may have.

#include <QString>
#include <QStringList>

#include "study/StudyState.h"

namespace aeriton::test {

// Study `which` (0 or 1): a calculated cooling study, its fresh air already in
// the form a save leaves it (amount mode, per cent 0), so that the bytes saved
// are exactly resultsFileBytes of it.
inline StudyState saveLoopStudy(int which) {
  StudyState s;
  s.CoolingProcess = true;
  s.HeatingProcess = false;
  s.KindCode = QStringLiteral("AAA_NA");
  s.FreshMode = QStringLiteral("C");
  s.EnvDB = which ? 35.5f : 34.0f, s.EnvWB = 24.1f, s.EnvRH = 42.5f;
  s.SpaDB = 26, s.SpaWB = 18.7f, s.SpaRH = 50;
  s.DB_M = 28.1f, s.WB_M = 20.2f, s.h_M = 13.61f;
  s.DB_T = 13.9f, s.WB_T = 13.1f, s.h_T = 8.91f;
  s.DB_S = s.WB_S = s.h_S = kNotComputed;
  s.SensLoad = which ? 43000.0f : 21500.0f, s.LatLoad = 4300;
  s.FreshAmount = s.FreshValue = s.FreshFlow = which ? 2400.0f : 1200.0f;
  s.SupplyFlow = which ? 12840.0f : 6420.0f, s.CoilLoad = which ? 97000.0f : 48500.0f;
  s.MetricCode = 1, s.EnglishCode = 0;
  s.CoilOutChange.fill(kNotComputed);
  s.CoilOutChange[10] = s.CoilOutChange[11] = s.CoilOutChange[12] = 0;
  s.HighHumid.fill(kNotComputed);
  s.Title = which ? QStringLiteral("Γραφεία Β' ορόφου") : QStringLiteral("Κατάστημα ισογείου");
  s.setLoadUnit(QStringLiteral("WATT"));
  return s;
}

// The registry folders the helper records in turn.
inline QString saveLoopRegistryFolder(int which) {
  return which ? QStringLiteral("C:\\Programs\\Aeriton B\\") : QStringLiteral("D:\\Aeriton\\");
}

// The designer registers the helper writes in turn: three names without a
// password, four with one.
inline QStringList saveLoopDesigners(int which) {
  QStringList names = {QStringLiteral("Γ. Παπαδόπουλος"), QStringLiteral("Ε. Νικολάου"),
                       QStringLiteral("Κ. Ιωάννου")};
  if (which) names << QStringLiteral("Δ. Αλεξίου");
  return names;
}
inline QString saveLoopPassword(int which) {
  return which ? QStringLiteral("Κλειδί") : QString();
}

}  // namespace aeriton::test
