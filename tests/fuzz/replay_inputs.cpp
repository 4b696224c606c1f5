// A fuzz target's program outside the fuzzer: runs the target once on each
// file of the folders or files it is given (the seed inputs, or a crash a
// fuzz run kept), under the native build's sanitizers.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_check.h"

namespace {

int Replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << file << "\n";
        return 1;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int failures = 0;
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path place(argv[i]);
        if (std::filesystem::is_directory(place)) {
            for (const auto& entry : std::filesystem::directory_iterator(place)) {
                failures += Replay(entry.path());
                ++inputs;
            }
        } else {
            failures += Replay(place);
            ++inputs;
        }
    }
    std::cout << inputs << " inputs replayed\n";
    return failures == 0 && inputs > 0 ? 0 : 1;
}
