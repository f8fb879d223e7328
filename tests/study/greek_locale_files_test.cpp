// The record files and the exchange files under Greek regional settings: the
// C library and Qt's default locale both write a decimal comma there, the
// files must still hold "." and no thousands separator, and read back.

#include <gtest/gtest.h>

#include <QFile>

#include "TestSupport.h"
#include "study/ExchangeFiles.h"
#include "study/RecordText.h"
#include "study/StudyState.h"

using namespace aeriton;

namespace {

QByteArray lines(std::initializer_list<const char*> ls) {
  QByteArray b;
  for (const char* l : ls) b.append(l).append("\r\n");
  return b;
}

// A metric summer study with decimals everywhere a file carries them.
void fillStudy(StudyState& s) {
  s.KindCode = "AAA_NA", s.EnglishCode = 0, s.MetricCode = 1;
  s.EnvDB = 36.f, s.EnvWB = 20.9f, s.EnvRH = 25.f;
  s.SpaDB = 26.5f, s.SpaWB = 18.4f, s.SpaRH = 45.5f;
  s.SensLoad = 25794.6f, s.LatLoad = 2149.639f;
  s.FreshAmount = 1250.5f, s.FreshPerCent = 0;
  s.CoolingProcess = true, s.HeatingProcess = false;
  s.DB_S = -100000.f, s.SummerFlow = 0;
  s.KindMix = 1, s.KindRecirc = 0, s.KindFresh = 0, s.FreshLoads = 0;
  s.FreshMode = "C", s.FreshValue = 1250.5f;
  s.DB_M = 28.3f, s.WB_M = 19.1f, s.h_M = 12.75f;
  s.DB_T = 13.2f, s.WB_T = 12.6f, s.h_T = 8.45f;
  s.WB_S = -100000.f, s.h_S = -100000.f;
  s.SupplyFlow = 9876.f, s.CoilLoad = 45678.f, s.FreshSensLoad = 3456.5f;
  s.FreshLatLoad = 0.00001f, s.Reheat = 0;
  s.SupplyTempShown = 0, s.FreshFlow = 1250.5f;
  s.CoilOutChange.fill(-100000.f);
  s.CoilOutChange[10] = 0, s.CoilOutChange[11] = 0, s.CoilOutChange[12] = 0;
  s.HighHumidity = 0;
  s.HighHumid.fill(-100000.f);
  s.HighHumid[25] = 1.25f;
}

class GreekFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::GreekLocale::cLibraryUsesComma())
        << "the el_GR.UTF-8 locale is not installed (scripts/setup.sh generates it)";
  }
  test::GreekLocale greek;
};

}  // namespace

TEST_F(GreekFiles, NumbersAreWrittenWithAPointAndNoGrouping) {
  const std::pair<float, const char*> singles[] = {
      {20.9f, "20.9"},     {-0.5f, "-.5"},         {25794.6f, "25794.6"},
      {0.00001f, "1E-05"}, {1234567.f, "1234567"}, {12345678.f, "1.234568E+07"}};
  for (const auto& [value, text] : singles) EXPECT_EQ(formatSingle(value), QByteArray(text));
  EXPECT_EQ(formatDouble(8598.55473041534), QByteArray("8598.55473041534"));
  EXPECT_EQ(formatDouble(0.1), QByteArray(".1"));

  RecordWriter w;
  w.single(36.f)
      .single(20.9f)
      .single(25.f)
      .endLine()
      .dbl(2149.63868260384)
      .integer(-1202)
      .endLine();
  EXPECT_EQ(w.bytes(), lines({"36,20.9,25", "2149.63868260384,-1202"}));
}

TEST_F(GreekFiles, NumbersAreReadWithAPoint) {
  RecordReader r("36,20.9,25\r\n-.5,1E-05,1D+03\r\n");
  float a = 0, b = 0, c = 0, d = 0, e = 0;
  double f = 0;
  ASSERT_TRUE(r.readSingle(a) && r.readSingle(b) && r.readSingle(c));
  ASSERT_TRUE(r.readSingle(d) && r.readSingle(e) && r.readDouble(f));
  EXPECT_FLOAT_EQ(a, 36.f);
  EXPECT_FLOAT_EQ(b, 20.9f);
  EXPECT_FLOAT_EQ(c, 25.f);
  EXPECT_FLOAT_EQ(d, -.5f);
  EXPECT_FLOAT_EQ(e, 1e-5f);
  EXPECT_DOUBLE_EQ(f, 1000.0);
  EXPECT_EQ(parseRecordNumber("20,9"), std::nullopt);  // a comma is a field separator
}

TEST_F(GreekFiles, DataAndResultsFilesByteForByte) {
  StudyState s;
  fillStudy(s);
  EXPECT_EQ(dataFileBytes(s),
            lines({"\"AAA_NA\",0", "36,20.9,25", "26.5,18.4,45.5", "25794.6,2149.639", "1250.5,0",
                   "1,1,0,-100000,0", "1,0,0,0,\"C\"", "1250.5"}));
  const QByteArray results = resultsFileBytes(s);
  const QList<QByteArray> l = results.split('\n');
  ASSERT_EQ(l.size(), 15);
  EXPECT_EQ(l[1], "36,20.9,25\r");
  EXPECT_EQ(l[3], "28.3,19.1,12.75\r");
  EXPECT_EQ(l[4], "13.2,12.6,8.45\r");
  EXPECT_EQ(l[6], "25794.6,2149.639\r");
  EXPECT_EQ(l[8], "9876,45678,3456.5,1E-05,0\r");
  EXPECT_EQ(l[11], "1250.5\r");
  EXPECT_TRUE(l[13].endsWith(",1.25\r"));

  // Both read back to the same study.
  StudyState back;
  ASSERT_TRUE(readDataFile(dataFileBytes(s), back));
  EXPECT_FLOAT_EQ(back.EnvWB, 20.9f);
  EXPECT_FLOAT_EQ(back.SpaRH, 45.5f);
  EXPECT_FLOAT_EQ(back.FreshValue, 1250.5f);
  StudyState res;
  ASSERT_TRUE(readResultsFile(results, res));
  EXPECT_EQ(resultsFileBytes(res), results);
}

TEST_F(GreekFiles, WrittenFileOnDiskHoldsThePoint) {
  test::ProgramFolderFixture fx;
  StudyState s;
  fillStudy(s);
  ASSERT_TRUE(writeFileAtomically(fx.path("PSY_DAT.TMP"), dataFileBytes(s)));
  const QByteArray bytes = test::readAll(fx.path("PSY_DAT.TMP"));
  EXPECT_TRUE(bytes.contains("36,20.9,25\r\n"));
  EXPECT_FALSE(bytes.contains("20,9"));
}
