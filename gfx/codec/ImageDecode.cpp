// Sections: kind by name, PNG (libpng's simplified reader), JPEG (libjpeg with a longjmp
// error exit), BMP (our reader), key colour.
#include "gfx/codec/ImageDecode.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

#include "gfx/codec/BmpCodec.h"

namespace {

bool FitsSkinImage(std::int64_t Width, std::int64_t Height) {
  return Width > 0 && Height > 0 && IsValidBitmapSize(Width, Height) && Width * Height <= MaxSkinImagePixels;
}

std::optional<TDecodedImage> DecodePng(std::span<const std::uint8_t> Bytes) {
  png_image Image{};
  Image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&Image, Bytes.data(), Bytes.size())) return std::nullopt;
  // 8-bit BGRA output of the simplified reader is straight (not premultiplied) alpha.
  Image.format = PNG_FORMAT_BGRA;
  if (!FitsSkinImage(Image.width, Image.height)) {
    png_image_free(&Image);
    return std::nullopt;
  }
  TDecodedImage Decoded{TBitmap32(static_cast<int>(Image.width), static_cast<int>(Image.height)), true};
  if (!png_image_finish_read(&Image, nullptr, Decoded.Pixels.Row(0), 0, nullptr)) {
    png_image_free(&Image);
    return std::nullopt;
  }
  return Decoded;
}

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back
// to the setjmp in DecodeJpegInto. No C++ object with a destructor lives between the two.
struct TJpegError {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
};

[[noreturn]] void JpegErrorExit(j_common_ptr Info) { std::longjmp(reinterpret_cast<TJpegError*>(Info->err)->Jump, 1); }
void JpegSilence(j_common_ptr, int) {}

// A crafted progressive file can hold thousands of tiny scans that each cost a full pass.
constexpr int MaxJpegScans = 256;
void JpegLimitScans(j_common_ptr Info) {
  const auto* Decompress = reinterpret_cast<j_decompress_ptr>(Info);
  if (Decompress->input_scan_number > MaxJpegScans) JpegErrorExit(Info);
}

// Decodes into Target; false on any error. Between setjmp and the jumps below live no
// automatic objects with destructors, and the row buffer comes from libjpeg's own pool,
// which jpeg_destroy_decompress frees.
bool DecodeJpegInto(std::span<const std::uint8_t> Bytes, TBitmap32& Target) {
  jpeg_decompress_struct Info{};
  TJpegError Error{};
  jpeg_progress_mgr Progress{};
  Info.err = jpeg_std_error(&Error.Manager);
  Error.Manager.error_exit = JpegErrorExit;
  Error.Manager.emit_message = JpegSilence;
  if (setjmp(Error.Jump)) {
    jpeg_destroy_decompress(&Info);
    return false;
  }
  jpeg_create_decompress(&Info);
  Progress.progress_monitor = JpegLimitScans;
  Info.progress = &Progress;
  jpeg_mem_src(&Info, Bytes.data(), static_cast<unsigned long>(Bytes.size()));
  jpeg_read_header(&Info, TRUE);
  if (!FitsSkinImage(Info.image_width, Info.image_height)) JpegErrorExit(reinterpret_cast<j_common_ptr>(&Info));
  Info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&Info);
  if (Info.output_components != 3) JpegErrorExit(reinterpret_cast<j_common_ptr>(&Info));
  const JSAMPARRAY Row =
      (*Info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&Info), JPOOL_IMAGE, Info.output_width * 3, 1);
  try {
    Target = TBitmap32(static_cast<int>(Info.output_width), static_cast<int>(Info.output_height));
  } catch (...) {
    jpeg_destroy_decompress(&Info);
    return false;
  }
  while (Info.output_scanline < Info.output_height) {
    TPixel32* const Line = Target.Row(static_cast<int>(Info.output_scanline));
    jpeg_read_scanlines(&Info, Row, 1);
    const JSAMPLE* const Source = Row[0];
    for (int X = 0; X < Target.Width(); ++X)
      Line[X] = MakePixel32(Source[3 * X], Source[3 * X + 1], Source[3 * X + 2], 255);
  }
  jpeg_finish_decompress(&Info);
  jpeg_destroy_decompress(&Info);
  return true;
}

std::optional<TDecodedImage> DecodeJpeg(std::span<const std::uint8_t> Bytes) {
  TDecodedImage Decoded;
  if (!DecodeJpegInto(Bytes, Decoded.Pixels)) return std::nullopt;
  return Decoded;
}

std::optional<TDecodedImage> DecodeBmp(std::span<const std::uint8_t> Bytes) {
  try {
    TBmpImage Image = ReadBmp(Bytes);
    if (!FitsSkinImage(Image.Pixels.Width(), Image.Pixels.Height())) return std::nullopt;
    return TDecodedImage{std::move(Image.Pixels), Image.BitCount == 32};
  } catch (const EBmpError&) {
    return std::nullopt;
  }
}

}  // namespace

TSkinImageKind SkinImageKindOf(std::string_view UpperName) {
  if (UpperName.find(".BMP") != std::string_view::npos) return TSkinImageKind::Bmp;
  if (UpperName.find(".JPG") != std::string_view::npos || UpperName.find(".JPEG") != std::string_view::npos)
    return TSkinImageKind::Jpeg;
  if (UpperName.find(".PNG") != std::string_view::npos) return TSkinImageKind::Png;
  return TSkinImageKind::None;
}

std::optional<TDecodedImage> DecodeSkinImage(std::span<const std::uint8_t> Bytes, TSkinImageKind Kind) {
  switch (Kind) {
    case TSkinImageKind::Bmp: return DecodeBmp(Bytes);
    case TSkinImageKind::Jpeg: return DecodeJpeg(Bytes);
    case TSkinImageKind::Png: return DecodePng(Bytes);
    case TSkinImageKind::None: break;
  }
  return std::nullopt;
}

void MakeKeyColorTransparent(TBitmapView Pixels) {
  for (int Y = 0; Y < Pixels.Height; ++Y) {
    TPixel32* const Line = Pixels.Row(Y);
    for (int X = 0; X < Pixels.Width; ++X) {
      const TPixel32 Colour = Line[X] & 0x00FFFFFFu;
      Line[X] = Colour | (Colour == 0xFF00FFu ? 0u : 0xFF000000u);
    }
  }
}
