// Writes the settings dialog's selection-box pictures, a pair for every DPI
// they are made for, into the resources folder.
// Usage: generate_selection_pictures <folder>
#include <cstdio>
#include <string>

#include "resources/generators/selection_pictures/selection_boxes.h"

int main(int argc, char** argv) {
    using namespace velmora::pictures;
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_selection_pictures <resources folder>\n");
        return 2;
    }
    const std::string folder = argv[1] + std::string("/");
    for (const int dpi : velmora::drawing::kPictureDpis) {
        const bool written = WriteBytesToFile(folder + SelectionBoxFileName(false, dpi),
                                              BmpFile(EmptySelectionBox(dpi))) &&
                             WriteBytesToFile(folder + SelectionBoxFileName(true, dpi),
                                              BmpFile(FilledSelectionBox(dpi)));
        if (!written) {
            std::fprintf(stderr, "generate_selection_pictures: cannot write into %s\n",
                         folder.c_str());
            return 1;
        }
    }
    return 0;
}
