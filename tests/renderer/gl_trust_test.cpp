#include <gtest/gtest.h>

#include "renderer/core/gl_trust.h"
#include "renderer/core/trail_keeping.h"

namespace velmora::renderer {
namespace {

TEST(GlTrust, OnlyTheSoftwareGlsThatCopyOnSwapAreTrusted) {
    for (const GlIdentity& software :
         {GlIdentity{"Mesa", "llvmpipe (LLVM 15.0.7, 256 bits)"},
          GlIdentity{"VMware, Inc.", "llvmpipe (LLVM 12.0.0, 128 bits)"},
          GlIdentity{"Microsoft Corporation", "GDI Generic"}}) {
        const GlTrust trust = TrustOfGl(software);
        EXPECT_TRUE(trust.swap_copies) << software.renderer;
        EXPECT_TRUE(trust.round_smooth_points) << software.renderer;
    }
    for (const GlIdentity& hardware :
         {GlIdentity{"NVIDIA Corporation", "NVIDIA GeForce RTX 3060/PCIe/SSE2"},
          GlIdentity{"Microsoft Corporation", "D3D12 (Microsoft Basic Render Driver)"},
          GlIdentity{"Someone", "GDI Generic"}, GlIdentity{}}) {
        const GlTrust trust = TrustOfGl(hardware);
        EXPECT_FALSE(trust.swap_copies) << hardware.renderer;
        EXPECT_FALSE(trust.round_smooth_points) << hardware.renderer;
    }
}

TEST(TrailKeepingChoice, AHardwareGlKeepsThePictureInATextureWhateverHappens) {
    TrailKeepingChoice choice(false);
    choice.FramePresented();
    EXPECT_FALSE(choice.ProbeDue(true)) << "never asked";
    choice.Probed(true);
    EXPECT_EQ(choice.Keeping(), TrailKeeping::Texture);
}

TEST(TrailKeepingChoice, ACopyingSwapIsProbedOnceShownAndPresentedAndAgainAfterEachLayout) {
    TrailKeepingChoice choice(true);
    EXPECT_EQ(choice.Keeping(), TrailKeeping::Texture) << "until probed";
    EXPECT_FALSE(choice.ProbeDue(true)) << "nothing presented yet";
    choice.FramePresented();
    EXPECT_FALSE(choice.ProbeDue(false)) << "not on the screen yet";
    ASSERT_TRUE(choice.ProbeDue(true));
    choice.Probed(true);
    EXPECT_EQ(choice.Keeping(), TrailKeeping::BackBuffer);
    EXPECT_FALSE(choice.ProbeDue(true)) << "once per layout";

    choice.LayoutChanged();
    EXPECT_EQ(choice.Keeping(), TrailKeeping::Texture) << "the new layout is not yet probed";
    EXPECT_FALSE(choice.ProbeDue(true)) << "no frame of the new layout presented yet";
    choice.FramePresented();
    ASSERT_TRUE(choice.ProbeDue(true));
    choice.Probed(false);
    EXPECT_EQ(choice.Keeping(), TrailKeeping::Texture) << "the presentation changed";
}

}  // namespace
}  // namespace velmora::renderer
