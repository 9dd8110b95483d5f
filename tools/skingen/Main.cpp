// qv_skingen <Options.dat> <output.asz>
// Draws the internal skin's pictures and packs them after the description into one
// container.
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "skin/store/acSkinPackage.h"
#include "tools/skingen/SkinPictures.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: qv_skingen <Options.dat> <output.asz>\n";
    return 2;
  }
  try {
    std::ifstream In(argv[1], std::ios::binary);
    const TBytes Options{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    if (!In.is_open() || Options.empty()) {
      std::cerr << "qv_skingen: cannot read " << argv[1] << "\n";
      return 1;
    }
    const std::vector<TSkinPicture> Pictures = DrawSkinPictures();
    std::vector<TacPackageEntry> Entries{{"Options.dat", Options}};
    for (const TSkinPicture& Picture : Pictures) Entries.push_back({Picture.Name, Picture.Bytes});
    const TBytes Packed = WriteSkinPackage(Entries);
    std::ofstream Out(argv[2], std::ios::binary | std::ios::trunc);
    Out.write(reinterpret_cast<const char*>(Packed.data()), static_cast<std::streamsize>(Packed.size()));
    Out.close();
    if (!Out) {
      std::cerr << "qv_skingen: cannot write " << argv[2] << "\n";
      return 1;
    }
  } catch (const std::exception& Error) {
    std::cerr << "qv_skingen: " << Error.what() << "\n";
    return 1;
  }
  return 0;
}
