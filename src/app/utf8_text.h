#pragma once
#include <QString>
#include <string_view>

namespace tesselo {

// The core keeps its texts as UTF-8; the windows show them as Qt strings.
inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tesselo
