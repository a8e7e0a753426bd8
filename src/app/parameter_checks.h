#pragma once
#include <optional>
#include <string_view>

#include "model/series_model.h"

namespace tesselo {

// The series bounds a researcher may set by hand, in the order the parameters dialog
// exchanges them; N follows from B, and q stays 20.
struct SeriesParameters {
  int T_min = 0;
  int T_max = 0;
  int A_plus = 0;
  int B_minus = 0;
  int B = 0;

  friend bool operator==(const SeriesParameters&, const SeriesParameters&) = default;
};

// The parameters dialog's messages, one per check, in the order the checks run.
namespace parameter_messages {
inline constexpr std::string_view kIncorrect = "Параметры некорректны";
inline constexpr std::string_view kAMid = "Параметры некорректны: значение AMid недопустимо";
inline constexpr std::string_view kBMid = "Параметры некорректны: значение BMid недопустимо";
inline constexpr std::string_view kTMin = "Параметры некорректны: значение TMin недопустимо";
inline constexpr std::string_view kTMax = "Параметры некорректны: значение TMax недопустимо";
inline constexpr std::string_view kEmptySet =
    "Параметры некорректны: множество допустимых значений пусто ";
}  // namespace parameter_messages

// Checks edited bounds before they replace the model's: the fragment counts they allow
// (enough for a pattern of PatLen letters), each start window inside 0..B, T_min above the
// fragment length q, T_max between T_min and B, and some admissible fragment start. Returns
// the message of the first check that fails, or nothing when the bounds are accepted.
std::optional<std::string_view> CheckSeriesParameters(const SeriesParameters& edited, int A_minus,
                                                      int q, int PatLen);

// Stores accepted bounds in the model, in the order A+, B-, T_max, T_min, B. N, the
// fragment counts and q are derived from them by the next experiment run.
void StoreSeriesParameters(SeriesModel& model, const SeriesParameters& accepted);

}  // namespace tesselo
