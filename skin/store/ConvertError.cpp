#include "skin/store/ConvertError.h"

#include <charconv>
#include <string>

std::int64_t StrToInt64(std::string_view Text) {
  std::string_view Digits = Text;
  // from_chars takes a minus sign but not a plus sign.
  if (Digits.size() > 1 && Digits.front() == '+' && Digits[1] != '-') Digits.remove_prefix(1);
  std::int64_t Value = 0;
  const auto [End, Error] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), Value);
  if (Error != std::errc() || End != Digits.data() + Digits.size() || Digits.empty())
    throw EConvertError("'" + std::string(Text) + "' is not a valid integer value");
  return Value;
}
