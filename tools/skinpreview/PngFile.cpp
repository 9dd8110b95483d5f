#include "tools/skinpreview/PngFile.h"

#include <fstream>
#include <stdexcept>
#include <vector>

#include "gfx/codec/PngEncode.h"

void WritePngFile(const std::filesystem::path& Path, const TBitmap32& Picture) {
  const std::vector<std::uint8_t> Bytes = EncodePng(Picture);
  std::ofstream File(Path, std::ios::binary | std::ios::trunc);
  File.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
  File.close();
  if (!File) throw std::runtime_error("cannot write " + Path.string());
}
