// libFuzzer target for the bitmap file reader: any input either decodes or is refused with
// EBmpError; a decoded picture must survive being written and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "gfx/codec/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TBmpImage Image;
  try {
    Image = ReadBmp(std::span(Data, Size));
  } catch (const EBmpError&) {
    return 0;
  }
  if (ReadBmp(WriteBmp32(Image.Pixels.View())).Pixels != Image.Pixels) std::abort();
  return 0;
}
