#include "app/whole_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tesselo {
namespace {

struct Reading {
  std::string text;
  std::optional<int> value;
};

TEST(ParseWholeNumber, ReadsSignedDecimalsWithBlanksAroundThemWithinTheIntRange) {
  const Reading cases[] = {
      {"0", 0},
      {"45", 45},
      {"-5", -5},
      {"+7", 7},
      {" \t 60 \t", 60},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"abc", std::nullopt},
      {"12abc", std::nullopt},
      {"4 5", std::nullopt},
      {"4.5", std::nullopt},
      {"1e3", std::nullopt},
      {"0x10", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"+-5", std::nullopt},
      {"--5", std::nullopt},
      {"\n5", std::nullopt},
  };
  for (const Reading& c : cases)
    EXPECT_EQ(ParseWholeNumber(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace tesselo
