// The exchange and study file readers check every coded field (kind code,
// kind flags, fresh-air mode, unit codes) against the values the screens
// write, and refuse a file that breaks them with its line named - nothing of
// such a file reaches the study.
#include <gtest/gtest.h>

#include <QList>

#include "study/ExchangeFiles.h"
#include "study/StudyState.h"

using namespace aeriton;

namespace coded_fields_tests {
namespace {

// A metric mixing study as the summer screen writes it.
StudyState mixingStudy() {
  StudyState s;
  s.KindCode = "AAA_NA";
  s.MetricCode = 1, s.EnglishCode = 0;
  s.EnvDB = 35, s.EnvWB = 24.1f, s.EnvRH = 42.5f;
  s.SpaDB = 26, s.SpaWB = 18.7f, s.SpaRH = 50;
  s.SensLoad = 21500, s.LatLoad = 4300;
  s.FreshAmount = s.FreshValue = 1200;
  s.CoolingProcess = true;
  s.DB_S = kNotComputed;
  return s;
}

// The file with line `line` (1-based) replaced.
QByteArray withLine(const QByteArray& file, int line, const QByteArray& text) {
  QList<QByteArray> lines = file.split('\n');
  lines[line - 1] = text + "\r";
  return lines.join('\n');
}

struct BadLine {
  const char* name;
  int line;
  const char* text;
  int refusedLine;
  const char* says;  // the reason, after "γραμμή N: " (or the whole message)
};

class DataFileCodes : public ::testing::TestWithParam<BadLine> {};

TEST_P(DataFileCodes, RefusedWithTheLineAndNothingRead) {
  const BadLine c = GetParam();
  const QByteArray bad = withLine(dataFileBytes(mixingStudy()), c.line, c.text);
  StudyState s;
  s.Title = "untouched";
  const StudyState before = s;
  const ReadResult r = readDataFile(bad, s);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.line, c.refusedLine);
  EXPECT_EQ(r.error, QString::fromUtf8(c.says));
  EXPECT_EQ(dataFileBytes(s), dataFileBytes(before));
  EXPECT_EQ(s.Title, before.Title);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DataFileCodes,
    ::testing::Values(
        BadLine{"UnknownKind", 1, "\"XYZ\",0", 1, u8"γραμμή 1: άγνωστο είδος συστήματος \"XYZ\""},
        BadLine{"TwoKindFlags", 7, "1,1,0,0,\"C\"", 7,
                u8"γραμμή 7: οι σημαίες 1, 1, 0, 0 δεν ορίζουν είδος συστήματος"},
        BadLine{"NoKindFlag", 7, "0,0,0,0,\"C\"", 7,
                u8"γραμμή 7: οι σημαίες 0, 0, 0, 0 δεν ορίζουν είδος συστήματος"},
        BadLine{"FreshSubKindThree", 7, "0,0,1,3,\"C\"", 7,
                u8"γραμμή 7: οι σημαίες 0, 0, 1, 3 δεν ορίζουν είδος συστήματος"},
        BadLine{"SubKindWithMixing", 7, "1,0,0,2,\"C\"", 7,
                u8"γραμμή 7: οι σημαίες 1, 0, 0, 2 δεν ορίζουν είδος συστήματος"},
        BadLine{"FlagsOfAnotherKind", 7, "0,1,0,0,\"C\"", 7,
                u8"γραμμή 7: οι σημαίες του είδους δεν αντιστοιχούν στο \"AAA_NA\""},
        BadLine{"ModePInf", 7, "1,0,0,0,\"P-inf\"", 7,
                u8"γραμμή 7: ο τρόπος του νωπού αέρα πρέπει να είναι \"C\" ή \"P\" (βρέθηκε "
                u8"\"P-inf\")"},
        BadLine{"ModeLowerCase", 7, "1,0,0,0,\"c\"", 7,
                u8"γραμμή 7: ο τρόπος του νωπού αέρα πρέπει να είναι \"C\" ή \"P\" (βρέθηκε "
                u8"\"c\")"},
        BadLine{"EnglishCodeFive", 1, "\"AAA_NA\",5", 1,
                u8"γραμμές 1 και 6: άγνωστο σύστημα μονάδων (1, 5)"},
        BadLine{"MetricCodeSeven", 6, "7,1,0,-100000,0", 6,
                u8"γραμμές 1 και 6: άγνωστο σύστημα μονάδων (7, 0)"},
        BadLine{"UnitCodesThatDoNotPair", 6, "32,1,0,-100000,0", 6,
                u8"γραμμές 1 και 6: άγνωστο σύστημα μονάδων (32, 0)"}),
    [](const auto& info) { return std::string(info.param.name); });

// A per cent belongs to mixing only: 100 % fresh air with "P" is refused.
TEST(DataFileCodes, PerCentOnlyWithMixing) {
  StudyState s = mixingStudy();
  s.KindCode = "NA_PAF";
  s.KindMix = 0, s.KindFresh = 1, s.FreshLoads = 2;
  s.FreshMode = "P";
  StudyState read;
  const ReadResult r = readDataFile(dataFileBytes(s), read);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.line, 7);
  EXPECT_EQ(r.error, QString::fromUtf8(u8"γραμμή 7: ποσοστό νωπού αέρα (\"P\") δίνεται μόνο για "
                                       u8"ανάμιξη (\"AAA_NA\")"));
}

// Every kind the screens write, with both unit systems and both modes, reads.
TEST(DataFileCodes, EveryValidCombinationReads) {
  struct Kind {
    const char* code;
    int16_t mix, recirc, fresh, loads;
  };
  const Kind kinds[] = {{"AAA_NA", 1, 0, 0, 0},
                        {"AA_100", 0, 1, 0, 0},
                        {"NA_PAF", 0, 0, 1, 2},
                        {"NA_DPF", 0, 0, 1, 1}};
  const int16_t pairs[3][2] = {{1, 0}, {0, 1}, {32, 32}};
  for (const Kind& k : kinds) {
    for (const auto& pair : pairs) {
      for (const char* mode : {"C", "P"}) {
        if (QLatin1String(mode) == QLatin1String("P") && k.mix == 0) continue;
        StudyState s = mixingStudy();
        s.KindCode = k.code;
        // A flag stored as -1 (the runtime's true) counts as set.
        s.KindMix = k.mix ? -1 : 0, s.KindRecirc = k.recirc, s.KindFresh = k.fresh;
        s.FreshLoads = k.loads;
        s.MetricCode = pair[0], s.EnglishCode = pair[1];
        s.FreshMode = mode;
        StudyState read;
        const ReadResult r = readDataFile(dataFileBytes(s), read);
        EXPECT_TRUE(r.ok) << k.code << " " << pair[0] << " " << mode << " "
                          << r.error.toStdString();
        EXPECT_EQ(read.KindCode, QString::fromLatin1(k.code));
      }
    }
  }
}

// Fields spread over other lines than the usual ones (the reader is
// tolerant): the line named is the one the field really stands on.
TEST(DataFileCodes, TheLineNamedIsWhereTheFieldStands) {
  const QByteArray file =
      "\"AAA_NA\",0\r\n35,24.1,42.5\r\n26,18.7,50\r\n21500,4300\r\n1200,0\r\n1,1,0,-100000,0\r\n"
      "1,0,0,0\r\n\r\n\"X\"\r\n1200\r\n";
  StudyState s;
  const ReadResult r = readDataFile(file, s);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.line, 9);
  EXPECT_TRUE(r.error.startsWith(QString::fromUtf8(u8"γραμμή 9: ο τρόπος του νωπού αέρα")));
}

// Blanks around a code are tolerated; the code is kept without them.
TEST(DataFileCodes, BlanksAroundACodeAreDropped) {
  const QByteArray file =
      withLine(withLine(dataFileBytes(mixingStudy()), 1, "\" AAA_NA \",0"), 7, "1,0,0,0,\"C \"");
  StudyState s;
  ASSERT_TRUE(readDataFile(file, s).ok);
  EXPECT_EQ(s.KindCode, QStringLiteral("AAA_NA"));
  EXPECT_EQ(s.FreshMode, QStringLiteral("C"));
}

// ---- results and study files --------------------------------------------------------

StudyState calculatedStudy() {
  StudyState s = mixingStudy();
  s.CoilOutChange.fill(kNotComputed);
  s.HighHumid.fill(kNotComputed);
  s.SupplyFlow = 6420, s.CoilLoad = 48500;
  return s;
}

class ResultsFileCodes : public ::testing::TestWithParam<BadLine> {};

TEST_P(ResultsFileCodes, RefusedWithTheLine) {
  const BadLine c = GetParam();
  const QByteArray bad = withLine(resultsFileBytes(calculatedStudy()), c.line, c.text);
  StudyState s;
  const ReadResult r = readResultsFile(bad, s);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.line, c.refusedLine);
  EXPECT_EQ(r.error, QString::fromUtf8(c.says));
  EXPECT_EQ(resultsFileBytes(s), resultsFileBytes(StudyState{}));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ResultsFileCodes,
    ::testing::Values(
        BadLine{"UnknownKind", 1, "\"P-inf\",0", 1,
                u8"γραμμή 1: άγνωστο είδος συστήματος \"P-inf\""},
        BadLine{"NoKindFlag", 10, "0,0,0,0,\"C\"", 10,
                u8"γραμμή 10: οι σημαίες 0, 0, 0, 0 δεν ορίζουν είδος συστήματος"},
        BadLine{"ModePInf", 10, "1,0,0,0,\"P-inf\"", 10,
                u8"γραμμή 10: ο τρόπος του νωπού αέρα πρέπει να είναι \"C\" ή \"P\" (βρέθηκε "
                u8"\"P-inf\")"},
        BadLine{"MetricCodeSeven", 11, "7,1,0,0,0", 11,
                u8"γραμμές 1 και 11: άγνωστο σύστημα μονάδων (7, 0)"},
        BadLine{"EnglishCodeOfAnother", 1, "\"AAA_NA\",1", 11,
                u8"γραμμές 1 και 11: άγνωστο σύστημα μονάδων (1, 1)"}),
    [](const auto& info) { return std::string(info.param.name); });

// Line 1 of a study file has no say in the kind (the flags decide): a code
// that disagrees with the flags is read, as long as it is one of the four.
TEST(ResultsFileCodes, LineOneNeedNotAgreeWithTheFlags) {
  const QByteArray file = withLine(resultsFileBytes(calculatedStudy()), 1, "\"NA_DPF\",0");
  StudyState s;
  const ReadResult r = readResultsFile(file, s);
  EXPECT_TRUE(r.ok) << r.error.toStdString();
  EXPECT_EQ(s.KindMix, 1);
}

}  // namespace
}  // namespace coded_fields_tests
