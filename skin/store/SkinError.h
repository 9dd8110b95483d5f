// ESkinError: the one error a skin load raises. Its text is what the manager shows to the
// user in the error box, so every text here is exactly the one the user must read.
// Portable.
#pragma once

#include <stdexcept>
#include <string>

class ESkinError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Shown when packed data does not start with the container's magic.
inline constexpr const char* SNotPackedFile = "Loaded data is not a packed Norvexa file";

// A stream that ends before a declared size, or a zlib stream that cannot be inflated.
inline constexpr const char* SStreamReadError = "Stream read error";

// A container whose entries unpack to more than a skin may take (MaxUnpackedTotal).
inline constexpr const char* SSkinTooLarge = "The skin is too large to be loaded";

// Memory ran out while a skin was read or built.
inline constexpr const char* SOutOfMemory = "Not enough memory to load the skin";

// Shown when a packed skin holds no description; SkinName is the skin's name (UTF-8).
inline std::string InternalFormatErrorText(const std::string& SkinName) {
  return "Internal format error in the \"" + SkinName + "\" skin. Please, update this skin to latest version.";
}

// A field that must be a decimal integer but is not.
inline ESkinError ConversionError(const std::string& Text) {
  return ESkinError("'" + Text + "' is not a valid integer value");
}
