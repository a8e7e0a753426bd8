#include "app/parameter_checks.h"

#include <cmath>

#include "model/int_math.h"

namespace tesselo {
namespace {

// What a count comes to when its divisor is 0.
constexpr Int64 kZeroDivisorCount = kIntMin;

// floor(numerator / divisor) of the real quotient, for a divisor other than 0. The operands
// stay below 2^33 in magnitude, so the double quotient is exact enough for its floor.
Int64 FlooredQuotient(Int64 numerator, Int64 divisor) {
  return static_cast<Int64>(std::floor(static_cast<double>(numerator) / divisor));
}

// The greatest number of fragments the bounds allow.
Int64 GreatestCount(const SeriesParameters& p, int A_minus) {
  if (p.T_min == 0) return kZeroDivisorCount;
  return FlooredQuotient(Int64{p.B} - A_minus, p.T_min) + 1;
}

// One less than the least number of fragments the bounds allow: the steps of at most T_max
// needed to get from the first-start window into the last-start one.
Int64 StepsBetweenWindows(const SeriesParameters& p) {
  if (p.B_minus <= p.A_plus) return 1;
  if (p.T_max == 0) return kZeroDivisorCount;
  return FlooredQuotient(Int64{p.B_minus} - p.A_plus + p.T_max - 1, p.T_max);
}

}  // namespace

std::optional<std::string_view> CheckSeriesParameters(const SeriesParameters& p, int A_minus, int q,
                                                      int PatLen) {
  namespace msg = parameter_messages;
  const Int64 greatest = GreatestCount(p, A_minus);
  if (greatest < StepsBetweenWindows(p) || greatest < PatLen) return msg::kIncorrect;
  if (p.A_plus > p.B || p.A_plus < 0) return msg::kAMid;
  if (p.B_minus > p.B || p.B_minus < 0) return msg::kBMid;
  if (p.T_min <= q || p.T_min > p.B) return msg::kTMin;
  if (p.T_max < p.T_min || p.T_max > p.B) return msg::kTMax;
  if (SeriesModel::CountAdmissibleStarts(A_minus, p.A_plus, p.B_minus, p.B, p.T_min, p.T_max) == 0)
    return msg::kEmptySet;
  return std::nullopt;
}

void StoreSeriesParameters(SeriesModel& model, const SeriesParameters& accepted) {
  model.A_plus = accepted.A_plus;
  model.B_minus = accepted.B_minus;
  model.T_max = accepted.T_max;
  model.T_min = accepted.T_min;
  model.B = accepted.B;
}

}  // namespace tesselo
