#pragma once
// Rounding of the results as the files and screens carry them.

#include <charconv>
#include <cmath>
#include <system_error>

namespace aeriton::winter {

// Half-up rounding to n decimals, floor(x 10^n + 0.5) / 10^n, applied to the
// decimal value the single stands for (its 7 significant digits, as the files
// write it): 20.05f is 20.0499992... in binary but is rounded as 20.05 to 20.1,
// the result an engineer gets by hand. The decimal text goes through
// to_chars / from_chars, which never follow the C library's locale.
inline float roundHalfUp(float x, int decimals) {
  if (!std::isfinite(x)) return x;
  char text[32];
  double value = static_cast<double>(x);
  const auto w = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 7);
  if (w.ec == std::errc()) {
    double read = 0;
    const auto r = std::from_chars(text, w.ptr, read, std::chars_format::general);
    if (r.ec == std::errc()) value = read;
  }
  const double scale = std::pow(10.0, decimals);
  // The tiny guard keeps a product such as 1.005 × 100 = 100.49999999999999
  // on the half it means.
  return static_cast<float>(std::floor(value * scale + 0.5 + 1e-9) / scale);
}

// A relative humidity in per cent. A value below 1 is a fraction that a caller
// recomputed from the vapour pressure (no design humidity lies below 1 %).
inline float percentOf(float rh) {
  return (rh > 0.0f && rh < 1.0f) ? rh * 100.0f : rh;
}

}  // namespace aeriton::winter
