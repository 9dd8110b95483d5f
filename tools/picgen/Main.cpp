// qv_picgen <output directory>
// Writes quorvane.ico, logo.bmp, donate.bmp, acSHDA.png and acSHDI.png into the directory
// (which must exist).
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/picgen/Pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: qv_picgen <output directory>\n";
    return 2;
  }
  try {
    const std::filesystem::path Directory = argv[1];
    for (const TPictureFile& File : GeneratePictures()) {
      const std::filesystem::path Path = Directory / File.Name;
      std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
      Out.write(reinterpret_cast<const char*>(File.Bytes.data()),
                static_cast<std::streamsize>(File.Bytes.size()));
      Out.close();
      if (!Out) {
        std::cerr << "qv_picgen: cannot write " << Path << "\n";
        return 1;
      }
    }
  } catch (const std::exception& Error) {
    std::cerr << "qv_picgen: " << Error.what() << "\n";
    return 1;
  }
  return 0;
}
