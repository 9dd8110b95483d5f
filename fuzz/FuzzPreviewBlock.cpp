// libFuzzer target for the preview block: any input is refused or read into strings that
// fit their fields and hold no terminator; nothing is read beyond the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "skin/store/PreviewBlock.h"

namespace {

void Check(bool Condition) {
  if (!Condition) std::abort();
}

// Text is the start of the field at Offset, no longer than the field and without a zero.
bool ReadFromField(const std::string& Text, const std::uint8_t* Block, std::size_t Offset, std::size_t Size) {
  return Text.size() <= Size && Text.find('\0') == std::string::npos &&
         Text == std::string(reinterpret_cast<const char*>(Block) + Offset, Text.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const auto Block = ReadPreviewBlock(Data, Size);
  if (!Block) return 0;
  Check(Size >= PreviewBlockSize && Block->Magic == PreviewMagic);
  Check(ReadFromField(Block->SkinName, Data, PreviewSkinNameOffset, PreviewSkinNameSize));
  Check(ReadFromField(Block->SkinDir, Data, PreviewSkinDirOffset, PreviewSkinDirSize));
  Check(ReadFromField(Block->Data, Data, PreviewDataOffset, PreviewDataSize));
  return 0;
}
