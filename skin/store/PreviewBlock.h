// The preview block TacSkinData: what another process sends in a WM_COPYDATA to have a
// skin previewed. A wire format of exactly 30,645 bytes, no padding:
//   offset   0, 4 bytes       Magic, 32-bit little-endian, 0xA400
//   offset   4, 128 bytes     SkinName, 8-bit characters, zero-terminated
//   offset 132, 512 bytes     SkinDir, the same
//   offset 644, 30,001 bytes  Data, the text of an Options.dat, the same
// The block comes from a process we do not control, so its size is checked before any byte
// is read, and a string without its terminator ends at the end of its field.
// Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

inline constexpr std::uint32_t PreviewMagic = 0xA400;

inline constexpr std::size_t PreviewMagicOffset = 0;
inline constexpr std::size_t PreviewSkinNameOffset = 4;
inline constexpr std::size_t PreviewSkinNameSize = 128;
inline constexpr std::size_t PreviewSkinDirOffset = PreviewSkinNameOffset + PreviewSkinNameSize;
inline constexpr std::size_t PreviewSkinDirSize = 512;
inline constexpr std::size_t PreviewDataOffset = PreviewSkinDirOffset + PreviewSkinDirSize;
inline constexpr std::size_t PreviewDataSize = 30001;
inline constexpr std::size_t PreviewBlockSize = PreviewDataOffset + PreviewDataSize;
static_assert(PreviewBlockSize == 30645);

// The block's fields as they were sent: the strings are the ANSI bytes before their
// terminator. The manager converts SkinName and SkinDir from the ANSI code page to UTF-16
// (MultiByteToWideChar with CP_ACP) and reads Data as description file bytes
// (TSkinDescription::FromBytes, which also honours a byte-order mark).
struct TacSkinData {
  std::uint32_t Magic = 0;
  std::string SkinName;
  std::string SkinDir;
  std::string Data;

  bool operator==(const TacSkinData&) const = default;
};

// The block at Bytes (may be null) of Size bytes. Nothing when Bytes is null, Size is below
// PreviewBlockSize (then not even the magic is read) or the magic is not PreviewMagic.
// Bytes beyond the block are ignored.
std::optional<TacSkinData> ReadPreviewBlock(const void* Bytes, std::size_t Size);
