// Writes the settings dialog's selection-box pictures into the resources
// folder. Usage: generate_selection_pictures <folder>
#include <cstdio>
#include <string>

#include "resources/generators/selection_pictures/selection_boxes.h"

int main(int argc, char** argv) {
    using namespace velmora::pictures;
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_selection_pictures <resources folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool written =
        WriteBytesToFile(folder + "/selection_empty.bmp", BmpFile(EmptySelectionBox())) &&
        WriteBytesToFile(folder + "/selection_filled.bmp", BmpFile(FilledSelectionBox()));
    if (!written) {
        std::fprintf(stderr, "generate_selection_pictures: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
