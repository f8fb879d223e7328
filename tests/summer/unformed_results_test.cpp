// A data file that no screen checked, whose room lies far outside the
// saturation table (532 °F), on the summer screen's path: refused with its
// message instead of results written with 0 for what could not be formed.
#include <gtest/gtest.h>

#include <QFile>

#include "TestSupport.h"
#include "study/StudyState.h"
#include "summer/SummerChecks.h"
#include "summer/SummerRun.h"

namespace aeriton::summer {
namespace {

QByteArray absurdRoom(const char* line6) {
  return QByteArray("\"NA_DPF\",1\r\n0,7,95540\r\n532,0,870\r\n0,0\r\n1000,0\r\n") + line6 +
         "\r\n0,0,1,1,\"C\"\r\n31\r\n";
}

TEST(UnformedResults, SummerPathRefusesWithItsMessage) {
  test::ProgramFolderFixture folder;
  StudyState& s = study();
  ZeroVariables(s);
  const RunOutcome out = calculateData(absurdRoom("0,1,0,1000,0"), s);
  EXPECT_FALSE(out.ok());
  EXPECT_LT(out.code, 0);
  EXPECT_EQ(out.message.code, out.code);
  EXPECT_FALSE(out.message.text.isEmpty());
}

}  // namespace
}  // namespace aeriton::summer
