// Text of skin files. Inside the store every text is UTF-8: a description is 8-bit ANSI
// unless a byte-order mark says UTF-8 or UTF-16, and container entry names are ANSI.
// The ANSI code page is taken as Windows-1252, the one of the systems the skins are made on
// (and Wine's default); names are compared in ASCII upper case, as skins write them.
// Portable.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Bytes of one ANSI (Windows-1252) text to UTF-8.
std::string AnsiToUtf8(std::string_view Ansi);

// A whole description file to UTF-8: a UTF-8 or UTF-16 (LE or BE) byte-order mark selects
// that encoding and is dropped; anything else is ANSI.
std::string DecodeSkinText(std::span<const std::uint8_t> Bytes);

// Upper case of the ASCII letters only; every other byte is kept.
std::string UpperCaseAscii(std::string_view Text);

// Equal ignoring the case of ASCII letters.
bool SameTextAscii(std::string_view A, std::string_view B);
