// The BASIC runtime's generator: draws, the negative-argument reseed and
// Randomize, checked against values worked out by hand from its description.
#include <gtest/gtest.h>

#include "register/RuntimeRandom.h"

using aeriton::designer::RuntimeRandom;

namespace {

constexpr double kTwo24 = 16777216.0;

TEST(RuntimeRandom, FirstDrawsFromTheStartState) {
  RuntimeRandom rng;
  EXPECT_EQ(rng.state(), 0x50000u);  // 327680
  // x1 = (0x50000 * 0xFD43FD + 0xC39EC3) mod 2^24. 0x50000 = 5 * 2^16, so only
  // the low byte of 5 * 0xFD43FD = 0x4F253F1 survives: 0xF1 << 16 = 0xF10000;
  // 0xF10000 + 0xC39EC3 = 0x1B49EC3 -> 0xB49EC3 = 11837123; / 2^24 = 0.7055475.
  EXPECT_EQ(rng.rnd(), static_cast<float>(11837123 / kTwo24));
  EXPECT_EQ(rng.state(), 0xB49EC3u);
  EXPECT_NEAR(11837123 / kTwo24, 0.7055475, 5e-8);
  // The next two, as every program printing Rnd after start-up shows them:
  // 0x888E7A = 8949370 (0.533424) and 0x945B55 = 9722709 (0.5795186).
  EXPECT_EQ(rng.rnd(), static_cast<float>(8949370 / kTwo24));
  EXPECT_EQ(rng.rnd(), static_cast<float>(9722709 / kTwo24));
  EXPECT_NEAR(8949370 / kTwo24, 0.533424, 5e-7);
  EXPECT_NEAR(9722709 / kTwo24, 0.5795186, 5e-8);
}

TEST(RuntimeRandom, NegativeArgumentSeedsFromTheSinglesBits) {
  RuntimeRandom rng;
  rng.rnd();
  rng.rnd();
  // -1 as a single is 0xBF800000; u + (u >> 24) = 0xBF800000 + 0xBF = 0xBF8000BF,
  // mod 2^24 = 0x8000BF. The draw: 0x800000 * 0xFD43FD = 0x800000 (mod 2^24, the
  // multiplier is odd) and 0xBF * 0xFD43FD = 0xBCF5B9C3 -> 0xF5B9C3; their sum
  // 0x175B9C3 -> 0x75B9C3; + 0xC39EC3 = 0x1395886 -> 0x395886 = 3758214
  // (0.224007), whatever the state was before.
  EXPECT_EQ(rng.rnd(-1.0f), static_cast<float>(3758214 / kTwo24));
  EXPECT_EQ(rng.state(), 0x395886u);
  EXPECT_NEAR(3758214 / kTwo24, 0.224007, 5e-7);
  rng.rnd();
  EXPECT_EQ(rng.rnd(-1.0f), static_cast<float>(3758214 / kTwo24));
}

TEST(RuntimeRandom, ZeroArgumentRepeatsTheLastDraw) {
  RuntimeRandom rng;
  const float first = rng.rnd();
  EXPECT_EQ(rng.rnd(0.0f), first);
  EXPECT_EQ(rng.state(), 0xB49EC3u);
}

TEST(RuntimeRandom, RandomizeReplacesTheMiddleBytesFromTheDoublesHighWord) {
  RuntimeRandom rng;
  rng.rnd(-1.0f);  // state 0x395886
  // 225222804 = 0x0D6CA094 = 1.xxx * 2^27: exponent 1023 + 27 = 0x41A, and the
  // top 20 of the 27 fraction bits 0x56CA094 are 0x56CA094 >> 7 = 0xAD941, so
  // the high word is 0x41AAD941. (0xD941 XOR 0x41AA) << 8 = 0x98EB00 replaces
  // the middle bytes; the low byte 0x86 of 0x395886 stays: 0x98EB86.
  rng.randomize(225222804.0);
  EXPECT_EQ(rng.state(), 0x98EB86u);
  // (0x98EB86 * 0xFD43FD) mod 2^24 = 0x32D56E; + 0xC39EC3 = 0xF67431.
  rng.rnd();
  EXPECT_EQ(rng.state(), 0xF67431u);
}

TEST(RuntimeRandom, RandomizeWithANegativeNumberSetsTheTopByteButNotTheSequence) {
  RuntimeRandom rng;  // 0x50000: low byte 0x00
  // -1 as a double has the high word 0xBFF00000; shifted as a signed word,
  // h >> 16 = 0xFFFFBFF0; XOR with h AND 0xFFFF = 0 gives 0xFFFFBFF0; << 8 =
  // 0xFFBFF000.
  rng.randomize(-1.0);
  EXPECT_EQ(rng.state(), 0xFFBFF000u);
  // The draw uses the state mod 2^24 = 0xBFF000:
  // (0xBFF000 * 0xFD43FD + 0xC39EC3) mod 2^24 = 0x43CEC3.
  rng.rnd();
  EXPECT_EQ(rng.state(), 0x43CEC3u);
}

TEST(RuntimeRandom, RandomizeWithZeroKeepsOnlyTheLowByte) {
  RuntimeRandom rng;
  rng.rnd(-1.0f);  // 0x395886
  rng.randomize(0.0);
  EXPECT_EQ(rng.state(), 0x86u);
}

}  // namespace
