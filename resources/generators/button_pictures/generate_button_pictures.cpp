// Writes the six button state pictures, a set for every DPI they are made
// for, into the folder given as the argument
// (the repository's resources/ folder; the results are committed).

#include <cstdio>
#include <fstream>
#include <string>

#include "resources/generators/button_pictures/state_pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    using namespace velmora::resources;
    for (const int dpi : velmora::drawing::kPictureDpis) {
        for (ButtonPicture which : kButtonPictures) {
            const std::string path = std::string(argv[1]) + "/" + ButtonPictureFileName(which, dpi);
            const auto bytes = BmpFile(MakeButtonPicture(which, dpi));
            std::ofstream out(path, std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
            if (!out) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
        }
    }
    return 0;
}
