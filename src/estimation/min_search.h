#pragma once
#include "estimation/cost.h"
#include "estimation/tables.h"
#include "model/series_model.h"

// Minimum searches over the start index of a cost table, scanning every entry of an
// interval of starts. Among equal values the lowest start wins.
namespace tesselo {

// The least of entryAt(lo..hi), lo <= hi; its start goes to arg.
template <typename EntryAt>
Cost MinOverStarts(int lo, int hi, int& arg, EntryAt entryAt) {
  Cost best = entryAt(lo);
  arg = lo;
  for (int a = lo + 1; a <= hi; ++a) {
    const Cost value = entryAt(a);
    if (value < best) {
      best = value;
      arg = a;
    }
  }
  return best;
}

// The least of entries (lo..hi, b, c).
inline Cost MinOverStarts3D(const Table3D<Cost>& table, int b, int c, int lo, int hi, int& arg) {
  return MinOverStarts(lo, hi, arg, [&](int a) { return table(a, b, c); });
}

// The least of entries (lo..hi, col).
inline Cost MinOverStarts2D(const Table2D<Cost>& table, int col, int lo, int hi, int& arg) {
  return MinOverStarts(lo, hi, arg, [&](int a) { return table(a, col); });
}

// The least of entries (lo..hi, col) at admissible starts of the model, unreachable entries
// never winning. With none left it returns kUnreachable and arg = A- - 1.
inline Cost MinOverAdmissible2D(const SeriesModel& model, const Table2D<Cost>& table, int col,
                                int lo, int hi, int& arg) {
  Cost best = kUnreachable;
  arg = model.A_minus - 1;
  for (int p = lo; p <= hi; ++p) {
    if (model.IsAdmissibleStart(p) && table(p, col) < best) {
      best = table(p, col);
      arg = p;
    }
  }
  return best;
}

}  // namespace tesselo
