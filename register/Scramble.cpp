#include "register/Scramble.h"

#include <cmath>

#include "register/RuntimeRandom.h"

namespace aeriton::designer {
namespace {

// The 32-bit integer nearest to a whole-number product (the runtime's CLng).
int32_t toInt32(double value) {
  return static_cast<int32_t>(std::llround(value));
}

}  // namespace

int32_t scrambleSeed() {
  int a = 0, b = 0;
  int32_t s = 0;
  for (const char* p = kScrambleKey; *p; ++p) {
    const double code = static_cast<unsigned char>(*p);
    a = (a + 7) % 19;
    b = (b + 13) % 23;
    s = s ^ toInt32(std::ldexp(code, a)) ^ toInt32(std::ldexp(code, b));
  }
  return s;
}

QByteArray scrambleShifts(int count) {
  static const int32_t seed = scrambleSeed();
  RuntimeRandom rng;
  rng.rnd(-1.0f);
  rng.randomize(static_cast<double>(seed));
  QByteArray shifts;
  shifts.reserve(count > 0 ? count : 0);
  for (int i = 0; i < count; ++i) {
    // Rnd * 256 is exact in a single (the draw holds 24 bits), so Int() gives
    // the top byte of the state.
    const float scaled = rng.rnd() * 256.0f;
    shifts.append(static_cast<char>(static_cast<int>(std::floor(scaled))));
  }
  return shifts;
}

QByteArray scramble(const QByteArray& plain) {
  const QByteArray r = scrambleShifts(static_cast<int>(plain.size()));
  QByteArray out(plain.size(), '\0');
  for (int i = 0; i < plain.size(); ++i) {
    const int c = static_cast<unsigned char>(plain[i]);
    const int shift = static_cast<unsigned char>(r[i]);
    out[i] = static_cast<char>((c + shift) & 255);
  }
  return out;
}

QByteArray unscramble(const QByteArray& scrambled) {
  const QByteArray r = scrambleShifts(static_cast<int>(scrambled.size()));
  QByteArray out(scrambled.size(), '\0');
  for (int i = 0; i < scrambled.size(); ++i) {
    const int c = static_cast<unsigned char>(scrambled[i]);
    const int shift = static_cast<unsigned char>(r[i]);
    out[i] = static_cast<char>((c + 256 - shift) & 255);
  }
  return out;
}

}  // namespace aeriton::designer
