#pragma once
#include <optional>
#include <string_view>

namespace tesselo {

// Reads a dialog field as a whole number the way the dialogs' data exchange does: decimal
// digits with an optional sign, blanks allowed before and after. Anything else, and any
// number outside the 32-bit range, is not a whole number.
std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace tesselo
