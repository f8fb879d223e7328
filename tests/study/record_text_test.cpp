#include <gtest/gtest.h>

#include <QFile>

#include "TestSupport.h"
#include "study/Cp1253.h"
#include "study/FixedRecordFile.h"
#include "study/RecordText.h"

using namespace aeriton;

TEST(FormatSingle, WritesShortestSevenDigitForm) {
  const std::pair<float, const char*> cases[] = {{12.5f, "12.5"},
                                                 {-0.5f, "-.5"},
                                                 {0.00001f, "1E-05"},
                                                 {-100000.0f, "-100000"},
                                                 {-0.0f, "0"},
                                                 {1234567.0f, "1234567"},
                                                 {12345678.0f, "1.234568E+07"},
                                                 {78.8f, "78.8"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(formatSingle(value), QByteArray(text)) << text;
}

TEST(RecordText, GreekTitleWithCommaAndQuoteRoundTripsInCp1253) {
  const QString title = QStringLiteral("Γραφεία \"Αθήνα\", όροφος Α΄");
  RecordWriter w;
  w.str(title).endLine().str("WATT").integer(0).endLine();
  w.single(36.f).single(.5f).endLine();
  QByteArray expected = "\"" + toCp1253(QStringLiteral("Γραφεία ")) + "\"\"" +
                        toCp1253(QStringLiteral("Αθήνα")) + "\"\", " +
                        toCp1253(QStringLiteral("όροφος Α΄")) + "\"\r\n\"WATT\",0\r\n36,.5\r\n";
  EXPECT_EQ(w.bytes(), expected);
  EXPECT_EQ(toCp1253(QStringLiteral("Α")), QByteArray("\xC1"));

  RecordReader r(w.bytes());
  QString back, unit;
  ASSERT_TRUE(r.readString(back));
  ASSERT_TRUE(r.readString(unit));
  EXPECT_EQ(back, title);
  EXPECT_EQ(unit, "WATT");
}

TEST(RecordReader, AcceptsNumberFormsAcrossCommasAndLineEnds) {
  RecordReader r("12.5,.5\r\n-.5\n1E-05 , 1D+03\r\"a,b\" ,7\r\n");
  float a = 0, b = 0, c = 0, d = 0;
  double e = 0;
  QString s;
  int i = 0;
  ASSERT_TRUE(r.readSingle(a));
  ASSERT_TRUE(r.readSingle(b));
  EXPECT_EQ(r.line(), 2);
  ASSERT_TRUE(r.readSingle(c));
  ASSERT_TRUE(r.readSingle(d));
  ASSERT_TRUE(r.readDouble(e));
  ASSERT_TRUE(r.readString(s));
  ASSERT_TRUE(r.readInt(i));
  EXPECT_FLOAT_EQ(a, 12.5f);
  EXPECT_FLOAT_EQ(b, 0.5f);
  EXPECT_FLOAT_EQ(c, -0.5f);
  EXPECT_FLOAT_EQ(d, 1e-5f);
  EXPECT_DOUBLE_EQ(e, 1000.0);
  EXPECT_EQ(s, "a,b");
  EXPECT_EQ(i, 7);
  EXPECT_TRUE(r.atEnd());
  EXPECT_FALSE(r.readSingle(a));
  EXPECT_FLOAT_EQ(a, 12.5f);
}

TEST(RecordReader, RefusesTextWhereANumberBelongs) {
  RecordReader r("\"AAA_NA\",abc,1.2.3,--5,1E\r\n");
  float v = 3;
  EXPECT_FALSE(r.readSingle(v));  // a quoted string is no number
  QString s;
  ASSERT_TRUE(r.readString(s));
  for (int k = 0; k < 4; ++k) {
    EXPECT_FALSE(r.readSingle(v)) << k;
    ASSERT_TRUE(r.readString(s));  // step over the bad field
  }
  EXPECT_FLOAT_EQ(v, 3.f);
}

TEST(FixedRecordFile, WritesPaddedTextAndInt16Records) {
  test::ProgramFolderFixture fx;
  const QString path = fx.path("records.bin");
  {
    FixedRecordFile f(path, 12);
    ASSERT_TRUE(f.open());
    QByteArray rec = fixedrec::text(QStringLiteral("Όνομα"), 10);
    fixedrec::putInt16(rec, 10, -2);
    ASSERT_TRUE(f.write(1, rec));
    ASSERT_TRUE(f.write(2, fixedrec::text("B", 12)));
    EXPECT_FALSE(f.write(4, rec));  // no holes
  }
  QByteArray bytes = test::readAll(path);
  ASSERT_EQ(bytes.size(), 24);
  EXPECT_EQ(bytes.mid(0, 12), toCp1253(QStringLiteral("Όνομα")) + "     \xFE\xFF");
  FixedRecordFile f(path, 12);
  ASSERT_TRUE(f.open(true));
  QByteArray rec;
  ASSERT_TRUE(f.read(1, rec));
  EXPECT_EQ(fixedrec::readText(rec, 0, 10), QStringLiteral("Όνομα"));
  EXPECT_EQ(fixedrec::getInt16(rec, 10), -2);
  EXPECT_FALSE(f.read(3, rec));
}

TEST(Cp1253, ComposesCombiningAccentsAndMarksWhatItCannotHold) {
  // "ά" typed as alpha + combining acute is the single byte of the composed letter.
  EXPECT_EQ(toCp1253(QString::fromUtf8("\xCE\xB1\xCC\x81")), QByteArray("\xDC"));
  EXPECT_EQ(toCp1253(QStringLiteral("Ж")), QByteArray("?"));
  EXPECT_EQ(fromCp1253(QByteArray("\xD2")), QString(QChar(0xFFFD)));
  for (int b = 0x20; b < 0x100; ++b) {
    const QByteArray one(1, static_cast<char>(b));
    const QString text = fromCp1253(one);
    if (text != QString(QChar(0xFFFD))) {
      EXPECT_EQ(toCp1253(text), one) << b;
    }
  }
}
