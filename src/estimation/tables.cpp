#include "estimation/tables.h"

#include <limits>

namespace tesselo {

Int64 TableBytes(std::initializer_list<Int64> dimensions, Int64 elementSize) {
  Int64 bytes = elementSize;
  for (Int64 dimension : dimensions) {
    if (dimension <= 0) return 0;
    if (__builtin_mul_overflow(bytes, dimension, &bytes)) return std::numeric_limits<Int64>::max();
  }
  return bytes;
}

Int64 TotalBytes(std::initializer_list<Int64> tableBytes) {
  Int64 total = 0;
  for (Int64 bytes : tableBytes)
    if (__builtin_add_overflow(total, bytes, &total)) return std::numeric_limits<Int64>::max();
  return total;
}

void CheckMemoryBudget(Int64 bytes) {
  if (bytes > kEstimationMemoryBudget) throw EstimationMemoryError();
}

}  // namespace tesselo
