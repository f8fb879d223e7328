#pragma once
// Expected register bytes, built in the tests independently of the program's
// scrambling: the 78 shifts below were worked out from the generator's
// description (see scramble_test.cpp for the first ones step by step), and the
// records are assembled by hand from them.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

#include "study/Cp1253.h"

namespace aeriton::test {

// r_i = Int(Rnd * 256) for i = 0..77 after "Rnd -1 : Randomize 225222804":
// the top byte of the 24-bit state, starting from the state 0x98EB86.
inline constexpr std::array<int, 78> kShifts = {
    246, 42,  89,  91,  214, 84,  191, 189, 52,  236, 31,  97,  58,  69,  20,  202,
    111, 155, 116, 192, 136, 156, 202, 245, 129, 38,  7,   232, 237, 83,  116, 10,
    139, 179, 235, 31,  25,  216, 71,  232, 109, 24,  25,  255, 193, 142, 156, 2,
    79,  98,  236, 243, 29,  74,  114, 223, 27,  81,  163, 190, 107, 215, 234, 155,
    0,   218, 226, 245, 106, 115, 201, 100, 240, 164, 49,  127, 224, 80};

// Text in Windows-1253, padded with spaces to width, each byte shifted by r_i.
inline QByteArray expectScrambled(const QString& text, int width) {
  QByteArray plain = toCp1253(text);
  plain.append(QByteArray(width - plain.size(), ' '));
  QByteArray out;
  for (int i = 0; i < width; ++i)
    out.append(static_cast<char>((static_cast<unsigned char>(plain[i]) + kShifts[i]) & 255));
  return out;
}

// One 100-byte record: position (16-bit little-endian), name, password (20
// plain spaces when there is none).
inline QByteArray expectRecord(int position, const QString& name, const QString& password = {}) {
  QByteArray r;
  r.append(static_cast<char>(position & 0xFF));
  r.append(static_cast<char>((position >> 8) & 0xFF));
  r.append(expectScrambled(name, 78));
  r.append(password.isEmpty() ? QByteArray(20, ' ') : expectScrambled(password, 20));
  return r;
}

// The whole file for names in order, all with the same password.
inline QByteArray expectRegister(const QStringList& names, const QString& password = {}) {
  QByteArray bytes;
  for (int k = 0; k < names.size(); ++k) bytes.append(expectRecord(k + 1, names[k], password));
  return bytes;
}

}  // namespace aeriton::test
