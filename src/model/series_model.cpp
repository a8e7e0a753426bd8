#include "model/series_model.h"

#include "model/int_math.h"

namespace tesselo {

SeriesModel& Model() {
  static SeriesModel model;
  return model;
}

int SeriesModel::SetParameters(int n, int tMin, int tMax, int fragmentLength) {
  N = n;
  T_min = tMin;
  T_max = tMax;
  q = fragmentLength;
  const Int64 n64 = n;
  M_min = SaturateToInt((n64 + q - 1) / T_max);
  M_max = SaturateToInt((n64 - q) / T_min + 1);
  A_minus = 0;
  A_plus = SaturateToInt(Int64{T_max} - q);
  B_minus = SaturateToInt(n64 - T_max);
  B = SaturateToInt(n64 - q);
  return 1;
}

int SeriesModel::SetRanges(int n, int aPlus, int bMinus, int tMin, int tMax, int fragmentLength) {
  N = n;
  T_min = tMin;
  T_max = tMax;
  q = fragmentLength;
  A_plus = aPlus;
  B_minus = bMinus;
  // Steps of at most T_max needed to get from the first-start window to the last-start one.
  M_min = bMinus > aPlus
              ? SaturateToInt(FloorDiv(Int64{bMinus} - aPlus + tMax - 1, tMax) + 1)
              : 1;
  M_max = SaturateToInt(FloorDiv(Int64{n} - q, tMin) + 1);
  A_minus = 0;
  B = SaturateToInt(Int64{n} - q);
  return 1;
}

}  // namespace tesselo
