// Sections: byte reader, inflating one entry, UnpackSkinPackage, file loading, writer.
#include "skin/store/acSkinPackage.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <limits>
#include <new>

#include "gfx/codec/LittleEndian.h"
#include "skin/store/SkinError.h"
#include "skin/store/SkinText.h"

namespace {

constexpr std::uint8_t Magic[4] = {'A', 'S', 'z', 'f'};
constexpr std::size_t HeaderSize = 8;
// The smallest possible entry: two lengths and the shortest zlib stream (2-byte header,
// 2 bytes of an empty deflate block, 4-byte Adler-32).
constexpr std::size_t MinEntrySize = 4 + 4 + 8;
// Deflate cannot pack better than about 1032 to 1; a declared size beyond that for the
// bytes that are left is a lie, refused before any allocation.
constexpr std::uint64_t MaxInflateRatio = 1032;
// The largest entry a skin needs: a raw 32-bit picture of MaxSkinImagePixels.
constexpr std::uint64_t MaxEntrySize = std::uint64_t{64} << 20;

[[noreturn]] void ReadError() { throw ESkinError(SStreamReadError); }

class TPackageReader {
 public:
  explicit TPackageReader(std::span<const std::uint8_t> Bytes) : FBytes(Bytes) {}

  std::size_t Left() const { return FBytes.size() - FPos; }
  std::uint32_t U32() {
    if (Left() < 4) ReadError();
    const std::uint8_t* P = FBytes.data() + FPos;
    FPos += 4;
    return std::uint32_t{P[0]} | std::uint32_t{P[1]} << 8 | std::uint32_t{P[2]} << 16 | std::uint32_t{P[3]} << 24;
  }
  std::string Text(std::size_t Length) {
    if (Left() < Length) ReadError();
    const auto* P = reinterpret_cast<const char*>(FBytes.data() + FPos);
    FPos += Length;
    return AnsiToUtf8(std::string_view(P, Length));
  }
  // Inflates the zlib stream at the read position into exactly Size bytes and moves past
  // the stream's end. Output beyond Size is refused as soon as it appears, so a stream that
  // unpacks to far more than it declares costs no more than its declared size. Room is
  // what the container's earlier entries left of MaxUnpackedTotal.
  TBytes Inflate(std::uint32_t Size, std::uint64_t Room) {
    if (Size > MaxEntrySize || Size > MaxInflateRatio * Left() + 64) ReadError();
    if (Size > Room) throw ESkinError(SSkinTooLarge);
    TBytes Out(Size);
    // One byte past the declared size: a stream that fills it says more than it declared.
    std::uint8_t Extra = 0;
    z_stream Z{};
    if (inflateInit(&Z) != Z_OK) ReadError();
    Z.next_in = const_cast<Bytef*>(FBytes.data() + FPos);
    Z.avail_in = static_cast<uInt>(std::min<std::size_t>(Left(), std::numeric_limits<uInt>::max()));
    Z.next_out = Size > 0 ? Out.data() : &Extra;
    Z.avail_out = Size > 0 ? Size : 1;
    int Result = inflate(&Z, Z_FINISH);
    if (Result == Z_BUF_ERROR && Z.avail_out == 0 && Size > 0) {
      Z.next_out = &Extra;
      Z.avail_out = 1;
      Result = inflate(&Z, Z_FINISH);
    }
    const std::size_t Consumed = Z.total_in;
    const bool Complete = Result == Z_STREAM_END && Z.total_out == Size;
    inflateEnd(&Z);
    if (!Complete) ReadError();
    FPos += Consumed;
    return Out;
  }

 private:
  std::span<const std::uint8_t> FBytes;
  std::size_t FPos = HeaderSize;
};

}  // namespace

void TacSkinConvertor::Clear() {
  Options.reset();
  Files.clear();
  FileIndex.clear();
  OwnedData.clear();
  OwnedData.shrink_to_fit();
  PackedData = {};
  ImageCount = 0;
}

void TacSkinConvertor::IndexFiles() {
  FileIndex.clear();
  const std::size_t Searched = std::min(Files.size(), static_cast<std::size_t>(std::max(ImageCount, 0)));
  for (std::size_t I = 0; I < Searched; ++I) FileIndex.emplace(UpperCaseAscii(Files[I].FileName), I);
}

const TacImageItem* TacSkinConvertor::FindFile(const std::string& UpperName) const {
  const auto Found = FileIndex.find(UpperName);
  return Found == FileIndex.end() ? nullptr : &Files[Found->second];
}

namespace {

bool UnpackEntries(TacSkinConvertor& Convertor) {
  const std::span<const std::uint8_t> Data = Convertor.PackedData;
  // The header is read as 16 bytes of which a short file leaves the rest zero.
  std::uint8_t Header[HeaderSize] = {};
  if (!Data.empty()) std::memcpy(Header, Data.data(), std::min(Data.size(), HeaderSize));
  if (std::memcmp(Header, Magic, sizeof Magic) != 0) return false;
  const std::uint32_t Count = std::uint32_t{Header[4]} | std::uint32_t{Header[5]} << 8 |
                              std::uint32_t{Header[6]} << 16 | std::uint32_t{Header[7]} << 24;
  const std::size_t EntryBytes = Data.size() > HeaderSize ? Data.size() - HeaderSize : 0;
  if (Count > EntryBytes / MinEntrySize) ReadError();
  Convertor.ImageCount = static_cast<int>(Count) - 1;

  TPackageReader Reader(Data);
  std::uint64_t Total = 0;
  for (std::uint32_t I = 0; I < Count; ++I) {
    const std::uint32_t NameLength = Reader.U32();
    std::string Name = Reader.Text(NameLength);
    const std::uint32_t Size = Reader.U32();
    TBytes Unpacked = Reader.Inflate(Size, MaxUnpackedTotal - Total);
    Total += Size;
    if (SameTextAscii(Name, "Options.dat")) {
      Convertor.Options = std::move(Unpacked);
    } else {
      const bool IsBitmap = Name.size() >= 4 && UpperCaseAscii(std::string_view(Name).substr(Name.size() - 4)) == ".BMP";
      Convertor.Files.push_back({std::move(Name), IsBitmap, std::move(Unpacked)});
    }
  }
  Convertor.IndexFiles();
  return true;
}

}  // namespace

bool UnpackSkinPackage(TacSkinConvertor& Convertor) {
  try {
    return UnpackEntries(Convertor);
  } catch (const std::bad_alloc&) {
    throw ESkinError(SOutOfMemory);
  }
}

bool LoadPackedSkinFile(const std::filesystem::path& Path, TacSkinConvertor& Convertor) {
  std::error_code Error;
  if (!std::filesystem::is_regular_file(Path, Error)) return false;
  Convertor.Clear();
  std::ifstream File(Path, std::ios::binary);
  Convertor.OwnedData.assign(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>());
  if (File.bad()) ReadError();
  Convertor.PackedData = Convertor.OwnedData;
  const bool Unpacked = UnpackSkinPackage(Convertor);
  Convertor.PackedData = {};
  Convertor.OwnedData.clear();
  Convertor.OwnedData.shrink_to_fit();
  return Unpacked;
}

TBytes WriteSkinPackage(std::span<const TacPackageEntry> Entries) {
  TBytes Out(Magic, Magic + sizeof Magic);
  PutU32(Out, static_cast<std::uint32_t>(Entries.size()));
  for (const TacPackageEntry& Entry : Entries) {
    PutU32(Out, static_cast<std::uint32_t>(Entry.Name.size()));
    Out.insert(Out.end(), Entry.Name.begin(), Entry.Name.end());
    PutU32(Out, static_cast<std::uint32_t>(Entry.Data.size()));
    uLongf PackedSize = compressBound(static_cast<uLong>(Entry.Data.size()));
    const std::size_t At = Out.size();
    Out.resize(At + PackedSize);
    if (compress2(Out.data() + At, &PackedSize, Entry.Data.data(), static_cast<uLong>(Entry.Data.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
      throw ESkinError("cannot pack " + Entry.Name);
    Out.resize(At + PackedSize);
  }
  return Out;
}
