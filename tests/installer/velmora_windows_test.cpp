#include <gtest/gtest.h>

#include "installer/core/velmora_windows.h"

namespace velmora::installer {
namespace {

TEST(CloseRequest, VelmorasOwnWindowsAndNoOtherSaversOnes) {
    for (const char* form : {"Velmora_R", "Velmora_P", "Velmora_S"}) {
        EXPECT_EQ(CloseRequestFor(form, ""), CloseRequest::Close) << form;
    }
    EXPECT_EQ(CloseRequestFor("WindowsScreenSaverClass", "VelmoraVC"), CloseRequest::Deactivate);
    // The same class for another saver, or a renderer still being made.
    EXPECT_EQ(CloseRequestFor("WindowsScreenSaverClass", "Screensaver"), CloseRequest::None);
    EXPECT_EQ(CloseRequestFor("Velmora_P.PictureBox", ""), CloseRequest::None);
    EXPECT_EQ(CloseRequestFor("Notepad", "VelmoraVC"), CloseRequest::None);
}

}  // namespace
}  // namespace velmora::installer
