// Conversion of skin text to integers, with the one error a skin load reports for a
// number that is not one. Portable: no <windows.h>.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

// Message: '<text>' is not a valid integer value
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A decimal integer with an optional sign, nothing else around it. Throws EConvertError for
// any other text and for a value outside 64 bits.
std::int64_t StrToInt64(std::string_view Text);
