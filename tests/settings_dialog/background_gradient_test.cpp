// The painted background rows.
#include <gtest/gtest.h>

#include "settings_dialog/core/background_gradient.h"

namespace velmora::settings_dialog {
namespace {

TEST(BackgroundGradient, DarkAtTheEdgesBrightAtMidHeight) {
    const std::vector<int> b = GradientBrightness(252);
    ASSERT_EQ(b.size(), 253u);  // rows 0 .. H
    EXPECT_EQ(b.front(), 0);
    EXPECT_EQ(b[126], 220);
    EXPECT_EQ(b.back(), 0);  // sin(3.142) rounds to 0 at the last row
    for (std::size_t y = 1; y <= 126; ++y) {
        EXPECT_GE(b[y], b[y - 1]) << y;
    }
}

TEST(BackgroundGradient, NothingToPaintWithoutHeight) {
    EXPECT_TRUE(GradientBrightness(0).empty());
    EXPECT_TRUE(FormGradient(-5).empty());
    EXPECT_EQ(GradientBrightness(1), (std::vector<int>{0, 0}));
}

}  // namespace
}  // namespace velmora::settings_dialog
