#include "app/whole_number.h"

#include <charconv>

namespace tesselo {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<int> ParseWholeNumber(std::string_view text) {
  text = TrimBlanks(text);
  // from_chars takes a minus sign but not a plus sign.
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace tesselo
