#include "register/RuntimeRandom.h"

#include <cstring>

namespace aeriton::designer {
namespace {

// 2^-24: the draw x / 2^24 as the runtime returns it, exact in a single.
constexpr float kScale = 1.0f / 16777216.0f;

}  // namespace

float RuntimeRandom::rnd(float number) {
  if (number != 0.0f) {
    if (number < 0.0f) {
      uint32_t bits = 0;
      std::memcpy(&bits, &number, sizeof bits);
      state_ = (bits + (bits >> 24)) & kModulusMask;
    }
    // Unsigned arithmetic wraps modulo 2^32; the mask then keeps x mod 2^24,
    // which only depends on the low 24 bits of every operand.
    state_ = (state_ * kMultiplier + kIncrement) & kModulusMask;
  }
  return static_cast<float>(state_ & kModulusMask) * kScale;
}

void RuntimeRandom::randomize(double number) {
  uint64_t bits = 0;
  std::memcpy(&bits, &number, sizeof bits);
  const auto high = static_cast<int32_t>(static_cast<uint32_t>(bits >> 32));
  // Arithmetic shift of the signed high word, as the runtime does; written as
  // a division-free expression so that it is defined for negative words too.
  const uint32_t upper = static_cast<uint32_t>(high < 0 ? ~(~high >> 16) : high >> 16);
  const uint32_t middle = ((static_cast<uint32_t>(high) & 0xFFFFu) ^ upper) << 8;
  state_ = (state_ & 0xFF0000FFu) | middle;
}

}  // namespace aeriton::designer
