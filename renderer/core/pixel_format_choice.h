#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace velmora::renderer {

// Pixel-format flags and types with the platform's values.
namespace pfd {
constexpr uint32_t double_buffer = 0x00000001;
constexpr uint32_t draw_to_window = 0x00000004;
constexpr uint32_t support_opengl = 0x00000020;
constexpr uint32_t generic_format = 0x00000040;
constexpr uint32_t generic_accelerated = 0x00001000;
constexpr uint8_t type_rgba = 0;
}  // namespace pfd

// What the choice looks at in one pixel-format description.
struct PixelFormatDescription {
    uint32_t flags = 0;
    uint8_t pixel_type = 0;
    int colour_bits = 0;
    int depth_bits = 0;
};

// The score of a format, or nothing when it cannot serve a double-buffered
// RGBA OpenGL window. Hardware drivers score far above generic ones.
std::optional<int> pixel_format_score(const PixelFormatDescription& format);

// Describes the format with this index (1-based); false past the last one.
using PixelFormatDescriber = std::function<bool(int index, PixelFormatDescription& format)>;

// The index of the best-scoring format (lowest index among equals), or 0 when
// none qualifies.
int best_pixel_format(const PixelFormatDescriber& describe);

// What to ask the system's closest match for when no format qualifies.
PixelFormatDescription fallback_pixel_format();

}  // namespace velmora::renderer
