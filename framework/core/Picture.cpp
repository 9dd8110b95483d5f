#include "framework/core/Picture.h"

#include "framework/core/DescriptionValues.h"
#include "gfx/codec/BmpCodec.h"

void TPicture::LoadFromStoredData(std::span<const std::uint8_t> Data) {
  if (Data.empty()) throw EPropertyError("picture data: empty");
  const std::size_t NameLength = Data[0];
  if (Data.size() < 1 + NameLength + 4) throw EPropertyError("picture data: truncated header");
  std::string ClassName(reinterpret_cast<const char*>(Data.data() + 1), NameLength);
  if (ClassName != "TBitmap" && ClassName != "TPNGGraphic") {
    throw EPropertyError("picture data: unsupported graphic class '" + ClassName + "'");
  }
  const std::uint8_t* Size = Data.data() + 1 + NameLength;
  const std::uint32_t Length =
      static_cast<std::uint32_t>(Size[0]) | static_cast<std::uint32_t>(Size[1]) << 8 |
      static_cast<std::uint32_t>(Size[2]) << 16 | static_cast<std::uint32_t>(Size[3]) << 24;
  const std::span<const std::uint8_t> File = Data.subspan(1 + NameLength + 4);
  if (Length != File.size()) {
    throw EPropertyError("picture data: length " + std::to_string(Length) + " but " +
                         std::to_string(File.size()) + " bytes follow");
  }
  TBmpImage Image = ReadBmp(File);
  FBitmap = std::move(Image.Pixels);
  FBitCount = Image.BitCount;
  FGraphicClassName = std::move(ClassName);
  Changed();
}

void TPicture::Assign(TBitmap32 Bitmap) {
  FBitmap = std::move(Bitmap);
  FBitCount = 32;
  FGraphicClassName = FBitmap.Empty() ? "" : "TBitmap";
  Changed();
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}
