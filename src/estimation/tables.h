#pragma once
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <stdexcept>

#include "model/int_math.h"

namespace tesselo {

// The most memory one estimation may take for its tables.
inline constexpr Int64 kEstimationMemoryBudget = Int64{1} << 30;

// Thrown when an estimation would need more memory than the budget, or when its memory
// cannot be obtained. The estimation's results are then left as they were.
class EstimationMemoryError : public std::runtime_error {
 public:
  EstimationMemoryError() : std::runtime_error("the estimation needs more memory than allowed") {}
};

// The product of table dimensions and an element size, saturating instead of overflowing.
Int64 TableBytes(std::initializer_list<Int64> dimensions, Int64 elementSize);

// The sum of table sizes in bytes, saturating instead of overflowing.
Int64 TotalBytes(std::initializer_list<Int64> tableBytes);

// Throws EstimationMemoryError when tables of `bytes` in all exceed the estimation memory
// budget.
void CheckMemoryBudget(Int64 bytes);

// A row-major block of rows x columns entries, left uninitialised.
template <typename T>
class Table2D {
 public:
  Table2D(int rows, int columns)
      : columns_(columns), entries_(std::make_unique_for_overwrite<T[]>(Size(rows, columns))) {}

  T& operator()(int a, int b) { return entries_[Index(a, b)]; }
  const T& operator()(int a, int b) const { return entries_[Index(a, b)]; }

 private:
  static std::size_t Size(int rows, int columns) {
    return static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
  }
  std::size_t Index(int a, int b) const {
    return static_cast<std::size_t>(a) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(b);
  }

  int columns_;
  std::unique_ptr<T[]> entries_;
};

// A row-major block of D0 x D1 x D2 entries, left uninitialised.
template <typename T>
class Table3D {
 public:
  Table3D(int d0, int d1, int d2)
      : d1_(d1), d2_(d2), entries_(std::make_unique_for_overwrite<T[]>(Size(d0, d1, d2))) {}

  T& operator()(int a, int b, int c) { return entries_[Index(a, b, c)]; }
  const T& operator()(int a, int b, int c) const { return entries_[Index(a, b, c)]; }

 private:
  static std::size_t Size(int d0, int d1, int d2) {
    return static_cast<std::size_t>(d0) * static_cast<std::size_t>(d1) *
           static_cast<std::size_t>(d2);
  }
  std::size_t Index(int a, int b, int c) const {
    return (static_cast<std::size_t>(a) * static_cast<std::size_t>(d1_) +
            static_cast<std::size_t>(b)) *
               static_cast<std::size_t>(d2_) +
           static_cast<std::size_t>(c);
  }

  int d1_;
  int d2_;
  std::unique_ptr<T[]> entries_;
};

}  // namespace tesselo
