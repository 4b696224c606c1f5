#pragma once
// The choice of the window's pixel format from the formats the device offers.

#include <cstdint>
#include <functional>
#include <optional>

namespace velmora::renderer {

// Pixel-format flags and types with the platform's values.
namespace pfd {
constexpr uint32_t kDoubleBuffer = 0x00000001;
constexpr uint32_t kDrawToWindow = 0x00000004;
constexpr uint32_t kSupportOpengl = 0x00000020;
constexpr uint32_t kGenericFormat = 0x00000040;
constexpr uint32_t kGenericAccelerated = 0x00001000;
constexpr uint8_t kTypeRgba = 0;
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
std::optional<int> PixelFormatScore(const PixelFormatDescription& format);

// Describes the format with this index (1-based); false past the last one.
using PixelFormatDescriber = std::function<bool(int index, PixelFormatDescription& format)>;

// The index of the best-scoring format (lowest index among equals), or 0 when
// none qualifies.
int BestPixelFormat(const PixelFormatDescriber& describe);

// The system's closest match to a description: a format's index, 0 when it
// has none.
using ClosestPixelFormat = std::function<int(const PixelFormatDescription& wanted)>;

// The format to set on the device and whether it is set with the fallback's
// description rather than its own.
struct PixelFormatToSet {
    int index = 0;  // 0: no format can be set
    bool with_fallback_description = false;
};

// The best-scoring format; where none qualifies (no double-buffered RGBA GL
// format), the system's closest match to the fallback: 24-bit colour and
// depth, double-buffered RGBA for an OpenGL window.
PixelFormatToSet PixelFormatToSetFor(const PixelFormatDescriber& describe,
                                     const ClosestPixelFormat& closest);

// What to ask the system's closest match for when no format qualifies.
PixelFormatDescription FallbackPixelFormat();

}  // namespace velmora::renderer
