// How long reading and saving a 1 MB settings file of damaged lines takes
// (unterminated headers, lines of "[", lone lead bytes).
#include <benchmark/benchmark.h>

#include "settings/core/ini_text.h"
#include "tests/settings/support/ini_pieces.h"
#include "tests/support/fake_settings_files.h"

namespace velmora::settings {
namespace {

std::string DamagedFile() {
    std::string file = "[Section]\r\n";
    testing::IniPieces pieces(3);
    while (file.size() < (1 << 20)) {
        file += pieces.Line() + "\r\n[" + std::string(20000, '[') + "\x95\r\n";
    }
    return file + "BGM\x8B\xE6\x95\xAA=2\r\n";
}

void ReadDamagedMegabyte(benchmark::State& state) {
    const std::string file = DamagedFile();
    testing::FakeSettingsFiles codec;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ReadIniValue(file, kSection, text::Cp932View(testing::kPieceKind), codec));
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(ReadDamagedMegabyte)->Unit(benchmark::kMillisecond);

void SaveIntoDamagedMegabyte(benchmark::State& state) {
    const std::string file = DamagedFile();
    testing::FakeSettingsFiles codec;
    const std::vector<IniEntry> entries = {
        {text::Cp932View(testing::kPieceKind), text::Cp932View("1")},
        {text::Cp932View(testing::kPieceRepeat), text::Cp932View("0")},
        {text::Cp932View(testing::kPieceFile), text::Cp932String(std::string(300, 'p'))}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(WithIniValues(file, kSection, entries, codec));
    }
}
BENCHMARK(SaveIntoDamagedMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora::settings
