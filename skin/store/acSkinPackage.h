// The packed skin container ("ASzf"): reading it into a converter, and writing one.
// Layout: magic "ASzf", entry count N (u32 LE), then N entries back to back, each: name
// length L (u32), L bytes of name (ANSI, no path), unpacked size S (u32), one complete zlib
// stream. Nothing gives a stream's packed size, so each stream is inflated to its end to
// find the next entry.
// Portable.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

// The most all entries of a container may unpack to together.
inline constexpr std::uint64_t MaxUnpackedTotal = std::uint64_t{256} << 20;

// One image entry of a container.
struct TacImageItem {
  std::string FileName;  // as stored, converted to UTF-8
  bool IsBitmap = false;  // the name's extension, upper-cased, is ".BMP"
  TBytes FileStream;      // the unpacked file
};

// What reading a container gives: the description and the image entries.
class TacSkinConvertor {
 public:
  std::optional<TBytes> Options;     // the unpacked Options.dat; none without that entry
  std::span<const std::uint8_t> PackedData;  // the container being read (see OwnedData)
  TBytes OwnedData;                  // PackedData's bytes when the converter read them itself
  int ImageCount = 0;                // N - 1: how many image entries the lookups search
  std::vector<TacImageItem> Files;   // the image entries in container order
  // Upper-cased name to the first of Files[0 .. ImageCount-1] holding it (IndexFiles).
  std::unordered_map<std::string, std::size_t> FileIndex;

  // Frees every unpacked file, Options and owned packed data.
  void Clear();
  // Builds FileIndex from Files and ImageCount; UnpackSkinPackage does this itself, a
  // converter filled otherwise calls it once its files are in.
  void IndexFiles();
  // The first of Files[0 .. ImageCount-1] whose upper-cased name is UpperName, or null.
  const TacImageItem* FindFile(const std::string& UpperName) const;
};

// Reads Convertor.PackedData from its start. False when the data does not begin with the
// container's magic (the caller shows SNotPackedFile). Throws ESkinError(SStreamReadError)
// for a truncated or lying container, a corrupt zlib stream, or a stream whose output is
// not exactly its declared size; sizes are checked before anything is allocated.
// ESkinError(SSkinTooLarge) when the entries declare more than MaxUnpackedTotal together,
// ESkinError(SOutOfMemory) when memory runs out.
bool UnpackSkinPackage(TacSkinConvertor& Convertor);

// Nothing when Path does not exist; otherwise clears Convertor, reads the whole file,
// unpacks it and frees the file's bytes again (the unpacked entries stay). The result of
// UnpackSkinPackage, or false when there was no file.
bool LoadPackedSkinFile(const std::filesystem::path& Path, TacSkinConvertor& Convertor);

// One entry for WriteSkinPackage: Name is written byte for byte (ANSI).
struct TacPackageEntry {
  std::string Name;
  std::span<const std::uint8_t> Data;
};

// A container holding Entries in order, each stream written with zlib's default level
// (header bytes 0x78 0x9C); the last stream ends at the end of the result.
TBytes WriteSkinPackage(std::span<const TacPackageEntry> Entries);
