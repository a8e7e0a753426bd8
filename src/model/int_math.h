#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

// Helpers for arithmetic that may leave the 32-bit range: products of counts and
// distances for long custom series, and noise samples at very high noise levels.
namespace tesselo {

using Int64 = std::int64_t;

inline constexpr int kIntMax = std::numeric_limits<int>::max();
inline constexpr int kIntMin = std::numeric_limits<int>::min();

// The 64-bit value brought back into the 32-bit range, saturating at its ends.
constexpr int SaturateToInt(Int64 value) {
  if (value > kIntMax) return kIntMax;
  if (value < kIntMin) return kIntMin;
  return static_cast<int>(value);
}

// A real truncated toward zero, saturating at the ends of the 32-bit range.
inline int TruncateToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0) return kIntMax;
  if (value <= -2147483649.0) return kIntMin;
  return static_cast<int>(value);
}

// Floor division for a positive divisor (the exact quotient rounded toward minus infinity).
constexpr Int64 FloorDiv(Int64 numerator, Int64 divisor) {
  const Int64 quotient = numerator / divisor;
  return (numerator % divisor != 0 && numerator < 0) ? quotient - 1 : quotient;
}

}  // namespace tesselo
