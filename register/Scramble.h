#pragma once
// Scrambling of the designer register's names and password.
//
// The key text "57396204" gives a seed s: with a = b = s = 0, for each key
// character c (its code k): a = (a + 7) mod 19, b = (b + 13) mod 23,
// s = s XOR 2^a * k XOR 2^b * k. Every product is a whole number below 2^31
// (at most 2^22 * 57), so the rounding to a 32-bit integer never changes it;
// s = 225222804 (0x0D6CA094).
//
// Before each text the runtime generator is put in a repeatable state: one
// draw Rnd(-1), then Randomize s. Each byte c of the text then takes the next
// draw r = Int(Rnd * 256), which is the top byte of the 24-bit state, and
// becomes (c + r) AND 255 when scrambling, (c + 256 - r) AND 255 when
// unscrambling. Every text restarts the sequence, so byte i of any text is
// always shifted by the same r_i.

#include <QByteArray>
#include <cstdint>

namespace aeriton::designer {

// The key text of the register's scrambling.
inline constexpr char kScrambleKey[] = "57396204";

// The seed s computed from the key (225222804).
int32_t scrambleSeed();

// The shifts r_0, r_1, ... of the first `count` bytes of a text.
QByteArray scrambleShifts(int count);

QByteArray scramble(const QByteArray& plain);
QByteArray unscramble(const QByteArray& scrambled);

}  // namespace aeriton::designer
