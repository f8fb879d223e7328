// Scrambling of the register's names and password: the seed of the key, the
// shifts of the first bytes, round trips for every byte and for Greek names.
#include "register/Scramble.h"

#include <gtest/gtest.h>

#include "RegisterExpect.h"
#include "register/ClientRegister.h"
#include "study/Cp1253.h"

using namespace aeriton;
using namespace aeriton::designer;

namespace {

TEST(Scramble, SeedOfTheKey) {
  // Key "57396204": codes 53 55 51 57 54 50 48 52.
  //   c    a   2^a*k      b   2^b*k
  //   '5'  7   6784       13  434176
  //   '7'  14  901120     3   440
  //   '3'  2   204        16  3342336
  //   '9'  9   29184      6   3648
  //   '6'  16  3538944    19  28311552
  //   '2'  4   800        9   25600
  //   '0'  11  98304      22  201326592
  //   '4'  18  13631488   12  212992
  // Running XOR: 0x6BA80, 0xB7B38, 0x387BF4, 0x3807B4, 0x1BE07B4, 0x1BE6094,
  // 0xDBFE094, 0xD6CA094 = 225222804.
  EXPECT_EQ(scrambleSeed(), 225222804);
}

TEST(Scramble, ShiftsOfTheFirstBytes) {
  // After Rnd -1 (state 0x395886) and Randomize 225222804 (state 0x98EB86, see
  // the generator tests) the draws are 0xF67431, 0x2A4630, 0x598C33, 0x5B862A,
  // 0xD63445, 0x5455F4; Int(Rnd * 256) is their top byte.
  const QByteArray r = scrambleShifts(6);
  ASSERT_EQ(r.size(), 6);
  const int expected[] = {0xF6, 0x2A, 0x59, 0x5B, 0xD6, 0x54};  // 246 42 89 91 214 84
  for (int i = 0; i < 6; ++i) EXPECT_EQ(static_cast<unsigned char>(r[i]), expected[i]) << i;
  // And the whole 78-byte field agrees with the table worked out for the tests.
  const QByteArray all = scrambleShifts(78);
  for (int i = 0; i < 78; ++i) EXPECT_EQ(static_cast<unsigned char>(all[i]), test::kShifts[i]) << i;
}

TEST(Scramble, FirstBytesOfAKnownName) {
  // "ΠΑΠΑΔΟΠΟΥΛΟΣ" in Windows-1253: Π = 0xD0, Α = 0xC1.
  //   0xD0 + 246 = 0x1C6 -> 0xC6;  0xC1 + 42 = 0xEB;
  //   0xD0 + 89  = 0x129 -> 0x29;  0xC1 + 91 = 0x11C -> 0x1C.
  const QByteArray s = scramble(toCp1253(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ")));
  ASSERT_GE(s.size(), 4);
  EXPECT_EQ(static_cast<unsigned char>(s[0]), 0xC6);
  EXPECT_EQ(static_cast<unsigned char>(s[1]), 0xEB);
  EXPECT_EQ(static_cast<unsigned char>(s[2]), 0x29);
  EXPECT_EQ(static_cast<unsigned char>(s[3]), 0x1C);
  // "ABC": 65 + 246 = 311 -> 55 ('7'), 66 + 42 = 108 ('l'), 67 + 89 = 156.
  EXPECT_EQ(scramble("ABC"), QByteArray("7l\x9C"));
  EXPECT_EQ(unscramble(QByteArray("7l\x9C")), QByteArray("ABC"));
}

TEST(Scramble, EveryByteValueAtEveryPositionRoundTrips) {
  for (int v = 0; v < 256; ++v) {
    const QByteArray plain(100, static_cast<char>(v));
    const QByteArray s = scramble(plain);
    ASSERT_EQ(s.size(), plain.size());
    EXPECT_EQ(unscramble(s), plain) << v;
    EXPECT_NE(s, plain) << v;  // the shifts are not all zero
  }
  QByteArray all;
  for (int v = 0; v < 256; ++v) all.append(static_cast<char>(v));
  EXPECT_EQ(unscramble(scramble(all)), all);
  EXPECT_EQ(scramble(unscramble(all)), all);
  EXPECT_TRUE(scramble(QByteArray()).isEmpty());
}

TEST(Scramble, GreekNamesRoundTripThroughTheirFields) {
  const QStringList names = {
      QStringLiteral("Γεώργιος Παπαδόπουλος"),
      QStringLiteral("ΑΙΚΑΤΕΡΙΝΗ ΞΥΠΟΛΥΤΟΥ-ΨΑΡΡΑ"),
      QStringLiteral("Ευάγγελος Ϊωαννίδης, Μηχ/γος Μηχ/κός Ε.Μ.Π."),
      QStringLiteral("Ά Έ Ή Ί Ό Ύ Ώ ΐ ΰ ϊ ϋ ό ύ ώ ς"),
      QStringLiteral("Office «Θερμική» № 5 – €"),
      QStringLiteral("x"),
  };
  for (const QString& name : names) {
    const QByteArray field = encodeName(name);
    ASSERT_EQ(field.size(), kNameWidth) << name.toStdString();
    EXPECT_EQ(field, test::expectScrambled(name, kNameWidth)) << name.toStdString();
    QString back;
    ASSERT_TRUE(decodeField(field, back)) << name.toStdString();
    EXPECT_EQ(back, fromCp1253(toCp1253(name))) << name.toStdString();
  }
  // The Greek ones come back exactly (the code page holds every letter).
  QString back;
  ASSERT_TRUE(decodeField(encodeName(names[0]), back));
  EXPECT_EQ(back, names[0]);
}

TEST(Scramble, PasswordFieldIsPlainSpacesWithoutPassword) {
  EXPECT_EQ(encodePassword(QString()), QByteArray(20, ' '));
  EXPECT_EQ(encodePassword(QStringLiteral("   ")), QByteArray(20, ' '));
  EXPECT_EQ(encodePassword(QStringLiteral("Κλειδί7")),
            test::expectScrambled(QStringLiteral("Κλειδί7"), 20));
  QString back = QStringLiteral("x");
  ASSERT_TRUE(decodeField(QByteArray(20, ' '), back));
  EXPECT_TRUE(back.isEmpty());
}

TEST(Scramble, FieldsScrambledBeforeTheirPaddingAreReadToo) {
  // A field whose text was scrambled and then padded with plain spaces.
  const QString name = QStringLiteral("Νίκος Αλεξίου");
  QByteArray field = scramble(toCp1253(name));
  field.append(QByteArray(kNameWidth - field.size(), ' '));
  QString back;
  ASSERT_TRUE(decodeField(field, back));
  EXPECT_EQ(back, name);
  QByteArray pass = scramble("secret");
  pass.append(QByteArray(20 - pass.size(), ' '));
  ASSERT_TRUE(decodeField(pass, back));
  EXPECT_EQ(back, QStringLiteral("secret"));
}

TEST(Scramble, FieldsThatHoldNoTextAreRefused) {
  QString back;
  EXPECT_FALSE(decodeField(QByteArray(kNameWidth, '\0'), back));
  EXPECT_FALSE(decodeField(QByteArray(kNameWidth, '\xFF'), back));
  // A name with a control character in it, scrambled properly, is refused too.
  EXPECT_FALSE(decodeField(scramble(QByteArray("AB\x01") + QByteArray(75, ' ')), back));
}

}  // namespace
