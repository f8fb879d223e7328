#pragma once
// The pseudo-random generator of the BASIC runtime (the Rnd function and the
// Randomize statement), reproduced bit for bit. The designer register scrambles
// its names with this sequence, so a register written by an earlier
// installation can only be read back when every draw and every reseed matches.
//
// The generator, as Microsoft documents it (knowledge-base article Q231847,
// "How Visual Basic Generates Pseudo-Random Numbers for the RND Function") and
// as the runtime's published reseeding rules describe it:
//
//   state     a 24-bit integer x, 0x50000 = 327680 when the program starts.
//   Rnd       x <- (x * 1140671485 + 12820163) mod 2^24 and returns x / 2^24,
//             a single in [0, 1) that holds x exactly (24 bits of mantissa).
//             1140671485 = 0x43FD43FD (0xFD43FD modulo 2^24),
//             12820163 = 0xC39EC3.
//   Rnd(n<0)  first replaces the state by a seed made from the 32 bits u of the
//             single n: x = (u + (u >> 24)) mod 2^24, then draws as above.
//             Rnd(-1): u = 0xBF800000, x = 0x8000BF, the draw gives 0x395886
//             (0.224007), the same number every time.
//   Rnd(0)    returns the last number again without drawing.
//   Randomize n (a double)
//             keeps the low byte of the state and replaces its middle two
//             bytes: with h the high 32 bits of the double n,
//             x = (x AND 0xFF0000FF) OR (((h AND 0xFFFF) XOR (h >> 16)) << 8).
//             Only bits 8-23 change; the low byte left by the previous draw
//             stays, which is why "Rnd -1 : Randomize n" always restarts the
//             same sequence for the same n.
//
// The runtime shifts h as a signed 32-bit integer, so for a negative n the top
// byte of its 32-bit state may become 0xFF; that byte never reaches a draw,
// which only uses the state modulo 2^24. It is kept anyway so that the state
// itself matches the runtime's.

#include <cstdint>

namespace aeriton::designer {

class RuntimeRandom {
 public:
  static constexpr uint32_t kInitialState = 0x50000;    // 327680
  static constexpr uint32_t kMultiplier = 1140671485u;  // 0x43FD43FD
  static constexpr uint32_t kIncrement = 12820163u;     // 0xC39EC3
  static constexpr uint32_t kModulusMask = 0xFFFFFFu;   // mod 2^24

  // Rnd(number): see above. Without an argument the runtime draws as for 1.
  float rnd(float number = 1.0f);
  // Randomize number.
  void randomize(double number);

  // The runtime's 32-bit state word (its low 24 bits are x).
  uint32_t state() const { return state_; }
  void setState(uint32_t state) { state_ = state; }

 private:
  uint32_t state_ = kInitialState;
};

}  // namespace aeriton::designer
