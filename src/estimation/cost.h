#pragma once
#include <limits>

#include "model/int_math.h"

namespace tesselo {

// The cost of a chain of fragments: a sum of letter costs, held in 64 bits because long
// series at high noise levels leave the 32-bit range. The greatest value stands for a state
// that no valid chain of fragments reaches.
using Cost = Int64;
inline constexpr Cost kUnreachable = std::numeric_limits<Cost>::max();
inline constexpr Cost kLeastCost = std::numeric_limits<Cost>::min();

// A fragment's letter cost added to the best cost of the chain before it. An unreachable
// predecessor leaves the fragment unreachable; sums beyond the 64-bit range saturate, and a
// reachable state never takes the unreachable value.
constexpr Cost Extend(Cost letterCost, Cost predecessor) {
  if (predecessor == kUnreachable) return kUnreachable;
  Cost sum = 0;
  if (__builtin_add_overflow(letterCost, predecessor, &sum))
    return letterCost > 0 ? kUnreachable - 1 : kLeastCost;
  return sum == kUnreachable ? kUnreachable - 1 : sum;
}

}  // namespace tesselo
