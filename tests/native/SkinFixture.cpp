#include "SkinFixture.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include <zlib.h>

#include <jpeglib.h>

#include "gfx/codec/BmpCodec.h"
#include "gfx/codec/LittleEndian.h"
#include "gfx/codec/PngEncode.h"
#include "skin/store/sSkinData.h"

TBytes EncodeJpeg(const TBitmap32& Pixels, int Quality) {
  jpeg_compress_struct Info{};
  jpeg_error_mgr Error{};
  Info.err = jpeg_std_error(&Error);
  jpeg_create_compress(&Info);
  unsigned char* Buffer = nullptr;
  unsigned long Size = 0;
  jpeg_mem_dest(&Info, &Buffer, &Size);
  Info.image_width = static_cast<JDIMENSION>(Pixels.Width());
  Info.image_height = static_cast<JDIMENSION>(Pixels.Height());
  Info.input_components = 3;
  Info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&Info);
  jpeg_set_quality(&Info, Quality, TRUE);
  jpeg_start_compress(&Info, TRUE);
  std::vector<JSAMPLE> Row(static_cast<std::size_t>(Pixels.Width()) * 3);
  while (Info.next_scanline < Info.image_height) {
    const TPixel32* Source = Pixels.Row(static_cast<int>(Info.next_scanline));
    for (int X = 0; X < Pixels.Width(); ++X) {
      Row[3 * static_cast<std::size_t>(X)] = static_cast<JSAMPLE>(Source[X] >> 16);
      Row[3 * static_cast<std::size_t>(X) + 1] = static_cast<JSAMPLE>(Source[X] >> 8);
      Row[3 * static_cast<std::size_t>(X) + 2] = static_cast<JSAMPLE>(Source[X]);
    }
    JSAMPROW Rows[1] = {Row.data()};
    jpeg_write_scanlines(&Info, Rows, 1);
  }
  jpeg_finish_compress(&Info);
  TBytes Out(Buffer, Buffer + Size);
  jpeg_destroy_compress(&Info);
  std::free(Buffer);
  return Out;
}

TBitmap32 PatternPicture(int Width, int Height, std::uint8_t Alpha) {
  TBitmap32 Picture(Width, Height);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X)
      Picture.Row(Y)[X] = MakePixel32(static_cast<std::uint8_t>(X * 7), static_cast<std::uint8_t>(Y * 5),
                                      static_cast<std::uint8_t>(X + Y), Alpha);
  return Picture;
}

TBytes PackSkin(const std::string& Options, const std::vector<std::pair<std::string, TBytes>>& Images) {
  const TBytes OptionsBytes(Options.begin(), Options.end());
  std::vector<TacPackageEntry> Entries{{"Options.dat", OptionsBytes}};
  for (const auto& [Name, Bytes] : Images) Entries.push_back({Name, Bytes});
  return WriteSkinPackage(Entries);
}

namespace {

// One section as a skin editor writes it: colours, a gradient, a border cut from the
// master bitmap, a texture, a glyph.
std::string SectionText(const std::string& Name, int Index, int Color, const std::string& Extra) {
  const auto Field = [](int Value) {
    std::string Text = std::to_string(Value);
    return std::string(4 - Text.size(), '0') + Text;
  };
  const int X = (Index % 10) * 27;
  const int Y = (Index / 10) * 18;
  std::string Text = "[" + Name + "]\n";
  Text += "STATES=3\nCOLOR=" + std::to_string(Color) + "\nHOTCOLOR=5263440\nFONTCOLOR=15724527\nHOTFONTCOLOR=16777215\n";
  Text += "TRANSPARENCY=0\nHOTTRANSPARENCY=0\nGRADIENTPERCENT=100\nHOTGRADIENTPERCENT=100\n";
  Text += "GRADIENTDATA=3618615;5263440;97;0;0;5263440;5263440;0;0;0\nHOTGRADIENTDATA=N/A\n";
  Text += "TCLEFT=-1\nTCTOP=-1\nTCRIGHT=-1\nTCBOTTOM=-1\nOUTERMODE=0\nIMAGEPERCENT=0\n";
  Text += "BORDERSMASK=^" + Field(X) + "^" + Field(Y) + "^" + Field(X + 27) + "^" + Field(Y + 18) +
          "^0000^0000^0000^0000^3^1^5^1\n";
  Text += "PATTERN=~" + Field(X) + "~" + Field(200) + "~" + Field(X + 8) + "~" + Field(208) + "~01~0\n";
  Text += "GLYPHMASK=@" + Field(X) + "@" + Field(220) + "@" + Field(X + 24) + "@" + Field(228) + "@3@1\n";
  return Text + Extra;
}

// Skin art: cells with a soft shade and a little grain, which packs about as well as
// drawn pictures do (the fixture is about as large as the internal skin's 60 KB).
TBitmap32 SkinArt(int Width, int Height, std::uint8_t Alpha) {
  TBitmap32 Picture(Width, Height);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) {
      const auto Base = static_cast<std::uint8_t>(0x30 + (X / 9 + Y / 9) % 5 * 8);
      const auto Shade = static_cast<std::uint8_t>(Base + Y % 9 + (X * X * 3 + Y * Y * 7 + X * Y) % 29);
      Picture.Row(Y)[X] = MakePixel32(Shade, Shade, static_cast<std::uint8_t>(Base + 4), Alpha);
    }
  return Picture;
}

}  // namespace

TBytes InternalShapedSkin() {
  std::string Options =
      "[GLOBALINFO]\nVERSION=8.10\nAUTHOR=Quorvane\nCOLOR=3355443\nMASTERBITMAP=MASTER.BMP\n"
      "BICONCLOSE=@0000@0000@0072@0050@3@1\nBICLOSEALONE=@0000@0000@0072@0050@3@1\n"
      "BICONCLOSEGLOW=1\nBICONCLOSEGLOW0=!CLOSEBTNGLOW.PNG!1!0!3!0003!0003!0003!0003!1\n"
      "BICONMAXGLOW=1\nBICONMAXGLOW0=!MAXBTNGLOW.PNG!1!0!3!0003!0003!0003!0003!1\n"
      "BICONMINGLOW=1\nBICONMINGLOW0=!MINBTNGLOW.PNG!1!0!3!0003!0003!0003!0003!1\n"
      "BICONNORMGLOW=1\nBICONNORMGLOW0=!NORMALBTNGLOW.PNG!1!0!3!0003!0003!0003!0003!1\n"
      "BITOP=3\nBIRIGHT=2\nBISPACE=-2\nTITLEHEIGHT=40\nBORDERWIDTH=16\nBORDERMODE=1\n"
      "EXBORDER=!EXTBORD.PNG!2!0!3!0026!0049!0026!0026!1\nSHADOW1COLOR=0\nSHADOW1BLUR=1\nSHADOW1OFFSET=1\n"
      "FADINGENABLED=1\nFADINGITERATIONS=15\nI=0\n";
  for (int I = 0; I < SectionCount; ++I) {
    if (I == ssTransparent) continue;
    std::string Extra;
    if (I == ssButton) Extra = "GLOW=1\nGLOWMARGIN=3\nGLOW0=!EDITGLOW.PNG!1!0!3!0008!0008!0009!0008!1\n";
    if (I == ssButtonHuge) Extra = "HUGEMASK=!BUTTONHUGE.BMP!3!1!0!0004!0004!0004!0004!5\n";
    Options += SectionText(acSectionNames[static_cast<std::size_t>(I)], I, I == ssEdit ? 3355443 : 4210752, Extra);
  }

  TBitmap32 Master = SkinArt(280, 240, 255);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 4; ++X) Master.Row(Y)[X] = MakePixel32(255, 0, 255, 255);
  const std::vector<std::pair<std::string, TBytes>> Images{
      {"ButtonHuge.bmp", WriteBmp32(SkinArt(81, 54, 255).View())},
      {"Master.bmp", WriteBmp32(Master.View())},
      {"CloseBtnGlow.png", EncodePng(SkinArt(30, 30, 128))},
      {"MaxBtnGlow.png", EncodePng(SkinArt(30, 30, 128))},
      {"MinBtnGlow.png", EncodePng(SkinArt(30, 30, 128))},
      {"NormalBtnGlow.png", EncodePng(SkinArt(30, 30, 128))},
      {"EditGlow.png", EncodePng(SkinArt(30, 30, 96))},
      {"ExtBord.png", EncodePng(SkinArt(106, 76, 200))},
      {"Spare.png", EncodePng(SkinArt(16, 16, 255))},
  };
  return PackSkin(Options, Images);
}

namespace {

std::string Field4(int Value) {
  std::string Text = std::to_string(Value);
  return std::string(4 - std::min<std::size_t>(4, Text.size()), '0') + Text;
}

// One zlib stream of Size zero bytes, packed a MiB at a time.
TBytes ZeroStream(std::uint32_t Size) {
  z_stream Z{};
  if (deflateInit(&Z, Z_DEFAULT_COMPRESSION) != Z_OK) throw std::runtime_error("deflateInit");
  const std::vector<Bytef> Zeros(1u << 20);
  TBytes Out;
  std::vector<Bytef> Chunk(1u << 16);
  std::uint32_t Left = Size;
  int Result = Z_OK;
  do {
    if (Z.avail_in == 0 && Left > 0) {
      Z.next_in = const_cast<Bytef*>(Zeros.data());
      Z.avail_in = std::min<std::uint32_t>(Left, static_cast<std::uint32_t>(Zeros.size()));
      Left -= Z.avail_in;
    }
    Z.next_out = Chunk.data();
    Z.avail_out = static_cast<uInt>(Chunk.size());
    Result = deflate(&Z, Left == 0 ? Z_FINISH : Z_NO_FLUSH);
    Out.insert(Out.end(), Chunk.data(), Z.next_out);
  } while (Result != Z_STREAM_END);
  deflateEnd(&Z);
  return Out;
}

}  // namespace

TBytes ParentChainSkin(int Sections) {
  std::string Options = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[S0]\nCOLOR=255\n"
                        "BORDERSMASK=^0000^0000^0006^0006^0002^0002^0002^0002^1^0^0^0\n";
  for (int I = 1; I < Sections; ++I)
    Options += std::string("[S") + std::to_string(I) + std::string("]\nPARENTCLASS=S") + std::to_string(I - 1) + "\n";
  return PackSkin(Options, {{"Master.bmp", WriteBmp32(PatternPicture(6, 6, 255).View())}});
}

TBytes ParentLoopSkin(int Sections) {
  std::string Options = "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=A\nCOLOR=255\n";
  for (int I = 0; I < Sections; ++I) Options += std::string("[S") + std::to_string(I) + "]\nPARENTCLASS=A\n";
  return PackSkin(Options, {});
}

TBytes KeyedBordersSkin(int Side, int Borders) {
  std::string Options = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[S]\n";
  for (int I = 0; I < Borders; ++I) {
    const std::string Corner = Field4(Side - I);
    Options += std::string("B") + std::to_string(I) + "=^0000^0000^" + Field4(Side) + "^" + Field4(Side) + "^" + Corner + "^" +
               Corner + "^" + Corner + "^" + Corner + "^1^0^0^0\n";
  }
  TBitmap32 Master(Side, Side);
  Master.View().Fill(MakePixel32(10, 20, 30, 255));
  return PackSkin(Options, {{"Master.bmp", WriteBmp32(Master.View())}});
}

TBytes ManyPicturesSkin(int Pictures) {
  std::string Options = "[S]\n";
  std::vector<std::pair<std::string, TBytes>> Images;
  const TBytes Picture = WriteBmp32(PatternPicture(2, 2, 255).View());
  for (int I = 0; I < Pictures; ++I) {
    Options += std::string("K") + std::to_string(I) + std::string("=I") + std::to_string(I) + ".BMP\n";
    Images.emplace_back(std::string("I") + std::to_string(I) + ".bmp", Picture);
  }
  return PackSkin(Options, Images);
}

TBytes BigEntriesSkin(int Entries, std::uint32_t EntryBytes) {
  TBytes Out = PackSkin("[S]\n", {});
  const TBytes Stream = ZeroStream(EntryBytes);
  for (int I = 0; I < Entries; ++I) {
    const std::string Name = std::string("E") + std::to_string(I) + ".BMP";
    PutU32(Out, static_cast<std::uint32_t>(Name.size()));
    Out.insert(Out.end(), Name.begin(), Name.end());
    PutU32(Out, EntryBytes);
    Out.insert(Out.end(), Stream.begin(), Stream.end());
  }
  const auto Count = static_cast<std::uint32_t>(Entries + 1);
  for (std::size_t At = 0; At < 4; ++At) Out[4 + At] = static_cast<std::uint8_t>(Count >> (8 * At));
  return Out;
}
