#include "estimation/sliding_minimum.h"

namespace tesselo {

void SlidingMinimum::Reset(std::span<const Cost> column) {
  column_ = column;
  queue_.resize(column.size());
  head_ = tail_ = 0;
  next_ = 0;
}

}  // namespace tesselo
