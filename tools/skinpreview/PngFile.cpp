#include "tools/skinpreview/PngFile.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

struct TFileCloser {
  void operator()(std::FILE* File) const { std::fclose(File); }
};

// libpng reports errors through longjmp; the writer's state is freed on every path.
class TPngWriter {
 public:
  TPngWriter() : FPng(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)) {
    if (FPng != nullptr) FInfo = png_create_info_struct(FPng);
  }
  ~TPngWriter() { png_destroy_write_struct(&FPng, &FInfo); }
  TPngWriter(const TPngWriter&) = delete;
  TPngWriter& operator=(const TPngWriter&) = delete;

  png_structp Png() const { return FPng; }
  png_infop Info() const { return FInfo; }

 private:
  png_structp FPng;
  png_infop FInfo = nullptr;
};

// Rows as libpng wants them: red, green, blue, alpha bytes.
std::vector<png_byte> RgbaRows(TConstBitmapView Picture) {
  std::vector<png_byte> Bytes(static_cast<std::size_t>(Picture.Width) * static_cast<std::size_t>(Picture.Height) * 4);
  png_byte* Out = Bytes.data();
  for (int Y = 0; Y < Picture.Height; ++Y)
    for (const TPixel32* In = Picture.Row(Y); In != Picture.Row(Y) + Picture.Width; ++In) {
      *Out++ = static_cast<png_byte>(*In >> 16);
      *Out++ = static_cast<png_byte>(*In >> 8);
      *Out++ = static_cast<png_byte>(*In);
      *Out++ = static_cast<png_byte>(*In >> 24);
    }
  return Bytes;
}

// False when libpng gave up; kept free of C++ objects with destructors because of longjmp.
bool WriteRows(png_structp Png, png_infop Info, std::FILE* File, int Width, int Height, png_bytepp Rows) {
  if (setjmp(png_jmpbuf(Png))) return false;
  png_init_io(Png, File);
  png_set_IHDR(Png, Info, static_cast<png_uint_32>(Width), static_cast<png_uint_32>(Height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(Png, Info);
  png_write_image(Png, Rows);
  png_write_end(Png, nullptr);
  return true;
}

}  // namespace

void WritePngFile(const std::filesystem::path& Path, TConstBitmapView Picture) {
  if (Picture.Empty()) throw std::runtime_error("an empty picture cannot be written as PNG");
  std::vector<png_byte> Bytes = RgbaRows(Picture);
  std::vector<png_bytep> Rows(static_cast<std::size_t>(Picture.Height));
  for (std::size_t Y = 0; Y < Rows.size(); ++Y) Rows[Y] = Bytes.data() + Y * static_cast<std::size_t>(Picture.Width) * 4;

  const std::unique_ptr<std::FILE, TFileCloser> File(std::fopen(Path.string().c_str(), "wb"));
  if (!File) throw std::runtime_error("cannot create " + Path.string());
  const TPngWriter Writer;
  if (Writer.Png() == nullptr || Writer.Info() == nullptr) throw std::runtime_error("libpng could not start");
  if (!WriteRows(Writer.Png(), Writer.Info(), File.get(), Picture.Width, Picture.Height, Rows.data()) ||
      std::fflush(File.get()) != 0 || std::ferror(File.get()) != 0)
    throw std::runtime_error("cannot write " + Path.string());
}
