// Appending little-endian integers to a byte buffer, as every Windows file format wants them.
#pragma once

#include <cstdint>
#include <vector>

inline void PutU16(std::vector<std::uint8_t>& Out, std::uint32_t Value) {
  Out.push_back(static_cast<std::uint8_t>(Value));
  Out.push_back(static_cast<std::uint8_t>(Value >> 8));
}

inline void PutU32(std::vector<std::uint8_t>& Out, std::uint32_t Value) {
  PutU16(Out, Value & 0xFFFF);
  PutU16(Out, Value >> 16);
}
