#include "app/parameter_checks.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string_view>

namespace tesselo {
namespace {

namespace msg = parameter_messages;

struct Case {
  const char* what;
  SeriesParameters edited;  // T_min, T_max, A+, B-, B
  int PatLen;
  std::optional<std::string_view> expected;
};

constexpr SeriesParameters kPreset200{40, 135, 115, 65, 180};

SeriesParameters With(SeriesParameters p, int SeriesParameters::*member, int value) {
  p.*member = value;
  return p;
}

const Case kCases[] = {
    {"the 200 preset", kPreset200, 0, std::nullopt},
    {"T_min just above q", With(kPreset200, &SeriesParameters::T_min, 21), 0, std::nullopt},
    {"a pattern of K_max letters", kPreset200, 5, std::nullopt},
    {"a pattern longer than K_max = 5", kPreset200, 6, msg::kIncorrect},
    {"T_min 0 makes K_max the least integer", With(kPreset200, &SeriesParameters::T_min, 0), 0,
     msg::kIncorrect},
    {"a negative T_min", With(kPreset200, &SeriesParameters::T_min, -1), 0, msg::kIncorrect},
    // K_low = floor(404 / 135) = 2 exceeds K_max = 1.
    {"K_max below K_low", {301, 135, 0, 270, 300}, 0, msg::kIncorrect},
    // K_low = floor(269 / 135) = 1 = K_max: one less than the least count passes.
    {"K_max equal to K_low", {301, 135, 0, 135, 300}, 0, msg::kTMin},
    {"A+ negative", With(kPreset200, &SeriesParameters::A_plus, -1), 0, msg::kAMid},
    {"A+ beyond B", With(kPreset200, &SeriesParameters::A_plus, 181), 0, msg::kAMid},
    {"B- beyond B", With(kPreset200, &SeriesParameters::B_minus, 181), 0, msg::kBMid},
    {"B- negative", With(kPreset200, &SeriesParameters::B_minus, -1), 0, msg::kBMid},
    {"T_min equal to q", With(kPreset200, &SeriesParameters::T_min, 20), 0, msg::kTMin},
    {"T_min beyond B", {181, 181, 115, 65, 180}, 0, msg::kTMin},
    {"T_max below T_min", With(kPreset200, &SeriesParameters::T_max, 30), 0, msg::kTMax},
    {"T_max beyond B", With(kPreset200, &SeriesParameters::T_max, 181), 0, msg::kTMax},
    {"T_max 0", {40, 0, 0, 65, 180}, 0, msg::kTMax},
    // Reachable starts 40..45, 80..90: none in the last window 60..70.
    {"no admissible start", {40, 45, 0, 60, 70}, 0, msg::kEmptySet},
    // B- - A+ + T_max - 1 and K_max leave the 32-bit range: K_low = 3 > K_max = 2.
    {"32-bit extremes", {INT_MAX, INT_MAX, INT_MIN, INT_MAX, INT_MAX}, 0, msg::kIncorrect},
    {"the greatest accepted B", {40, 135, 115, INT_MAX - 200, INT_MAX}, 0, std::nullopt},
};

TEST(CheckSeriesParameters, GivesTheFirstFailingChecksMessage) {
  for (const Case& c : kCases)
    EXPECT_EQ(CheckSeriesParameters(c.edited, 0, 20, c.PatLen), c.expected) << c.what;
}

TEST(StoreSeriesParameters, StoresTheFiveBoundsAndLeavesTheRest) {
  SeriesModel model;
  model.SetParameters(200, 40, 135, 20);
  StoreSeriesParameters(model, {41, 136, 100, 245, 380});
  EXPECT_EQ(model.T_min, 41);
  EXPECT_EQ(model.T_max, 136);
  EXPECT_EQ(model.A_plus, 100);
  EXPECT_EQ(model.B_minus, 245);
  EXPECT_EQ(model.B, 380);
  EXPECT_EQ(model.N, 200);
  EXPECT_EQ(model.M_max, 5);
  EXPECT_EQ(model.q, 20);
}

}  // namespace
}  // namespace tesselo
