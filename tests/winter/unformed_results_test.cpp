// A data file that no screen checked, whose room lies far outside the
// saturation table (532 °F): the room's relative humidity cannot be formed.
// The run refuses it as a state outside the table instead of writing the
// value as 0.
#include <gtest/gtest.h>

#include <QFile>

#include "TestSupport.h"
#include "study/StudyState.h"
#include "winter/WinterCalc.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRun.h"

namespace aeriton::winter {
namespace {

// English, 100 % fresh air without loads: outdoor 0 °F / 7 °F, room 532 °F
// with a 0 °F wet bulb (a pressure below zero), coil outlet 1000 °F.
QByteArray absurdRoom(const char* line6) {
  return QByteArray("\"NA_DPF\",1\r\n0,7,95540\r\n532,0,870\r\n0,0\r\n1000,0\r\n") + line6 +
         "\r\n0,0,1,1,\"C\"\r\n31\r\n";
}

TEST(UnformedResults, WinterRunRefusesAsOutsideTheTable) {
  test::ProgramFolderFixture folder;
  StudyState& s = study();
  ZeroVariables(s);
  const RunOutcome out = runWinterFromDataFile(absurdRoom("0,1,0,1000,0"), nullptr, s);
  EXPECT_EQ(out.code, kCodeOutOfRange);
  ASSERT_TRUE(out.showMessage);
  EXPECT_EQ(out.message.code, kCodeOutOfRange);
  EXPECT_TRUE(out.message.text.startsWith(
      QStringLiteral("... Μια κατάσταση του Αέρα βγαίνει έξω από τα όρια του Ψυχρομετρικού "
                     "Πίνακα ...")))
      << out.message.text.toStdString();
  EXPECT_TRUE(out.results.isEmpty());
  EXPECT_FALSE(QFile::exists(folder.path("PSY_RES.TMP")));
}

}  // namespace
}  // namespace aeriton::winter
