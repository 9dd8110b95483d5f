// Stored descriptions: any text either parses or throws EDescriptionError.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/core/Description.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  try {
    ParseDescription(std::string_view(reinterpret_cast<const char*>(Data), Size));
  } catch (const EDescriptionError&) {
  }
  return 0;
}
