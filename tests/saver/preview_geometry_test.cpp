#include "saver/core/preview_geometry.h"

#include <gtest/gtest.h>

namespace velmora::saver {
namespace {

TEST(PreviewGeometry, MatchesTheHostInPixelsAtCommonResolutions) {
    for (int dpi : {96, 120, 144, 110}) {
        const drawing::Scale scale = drawing::ScaleForDpi(dpi, dpi);
        const PreviewGeometry g = PreviewGeometryFor(152, 112, scale);
        EXPECT_EQ(g.width_pixels, 152) << dpi;
        EXPECT_EQ(g.height_pixels, 112) << dpi;
        const PreviewGeometry large = PreviewGeometryFor(400, 300, scale);
        EXPECT_EQ(large.width_pixels, 400) << dpi;
        EXPECT_EQ(large.height_pixels, 300) << dpi;
    }
    const PreviewGeometry g = PreviewGeometryFor(152, 112, drawing::Scale{});
    EXPECT_EQ(g.width_twips, 2280);
    EXPECT_EQ(g.height_twips, 1680);
    EXPECT_EQ(PreviewGeometryFor(152, 112, drawing::ScaleForDpi(120, 120)).width_twips, 1824);
}

TEST(PreviewGeometry, ADimensionBeyond16BitTwipsBecomesZero) {
    // 2184 pixels are 32760 twips at 15 a pixel; 2185 are 32775.
    const PreviewGeometry g = PreviewGeometryFor(2185, 2184, drawing::Scale{});
    EXPECT_EQ(g.width_twips, 0);
    EXPECT_EQ(g.width_pixels, 0);
    EXPECT_EQ(g.height_twips, 32760);
    EXPECT_EQ(g.height_pixels, 2184);
    EXPECT_EQ(PixelsToTwips16(-2185, 15.0), 0);
    EXPECT_EQ(PixelsToTwips16(-2184, 15.0), -32760);
}

TEST(PreviewGeometry, NoHostGivesZeroSize) {
    const PreviewGeometry g = PreviewGeometryFor(0, 0, drawing::Scale{});
    EXPECT_EQ(g.width_pixels, 0);
    EXPECT_EQ(g.height_pixels, 0);
}

}  // namespace
}  // namespace velmora::saver
