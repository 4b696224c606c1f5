// The measuring host: Velmora.dll's own code with frames left unpaced (no
// swap interval, no pacer); with "paced" on its command line, paced as
// Velmora.dll is; with "energy-saver", paced with the energy saver taken as
// on. Its frames are read from the count every renderer publishes
// (velmora_probe frames).
#include <windows.h>

#include <string_view>

#include "renderer/win32/frame_policy.h"

namespace velmora::renderer {

const FramePolicy& ProgramFramePolicy() {
    static const FramePolicy kTold = [] {
        const std::string_view command_line = GetCommandLineA();
        const bool energy_saver = command_line.find(" energy-saver") != std::string_view::npos;
        const bool paced = energy_saver || command_line.find(" paced") != std::string_view::npos;
        return FramePolicy{paced, energy_saver};
    }();
    return kTold;
}

}  // namespace velmora::renderer
