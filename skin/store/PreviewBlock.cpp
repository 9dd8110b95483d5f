#include "skin/store/PreviewBlock.h"

#include <algorithm>

namespace {

// The characters of a field up to its terminator, or the whole field when it has none.
std::string FieldText(const std::uint8_t* Block, std::size_t Offset, std::size_t Size) {
  const std::uint8_t* const First = Block + Offset;
  const std::uint8_t* const End = std::find(First, First + Size, std::uint8_t{0});
  return std::string(First, End);
}

std::uint32_t ReadU32(const std::uint8_t* At) {
  return std::uint32_t{At[0]} | std::uint32_t{At[1]} << 8 | std::uint32_t{At[2]} << 16 |
         std::uint32_t{At[3]} << 24;
}

}  // namespace

std::optional<TacSkinData> ReadPreviewBlock(const void* Bytes, std::size_t Size) {
  if (Bytes == nullptr || Size < PreviewBlockSize) return std::nullopt;
  const auto* const Block = static_cast<const std::uint8_t*>(Bytes);
  TacSkinData Result;
  Result.Magic = ReadU32(Block + PreviewMagicOffset);
  if (Result.Magic != PreviewMagic) return std::nullopt;
  Result.SkinName = FieldText(Block, PreviewSkinNameOffset, PreviewSkinNameSize);
  Result.SkinDir = FieldText(Block, PreviewSkinDirOffset, PreviewSkinDirSize);
  Result.Data = FieldText(Block, PreviewDataOffset, PreviewDataSize);
  return Result;
}
