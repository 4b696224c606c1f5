#include "installer/core/velmora_windows.h"

#include <gtest/gtest.h>

#include "contract/run_contract.h"

namespace velmora::installer {
namespace {

using namespace contract;

TEST(CloseRequest, TheSaversOwnWindowsCloseWhateverTheirTitle) {
    EXPECT_EQ(CloseRequestFor(kRunWindowClass, kRunWindowCaption), CloseRequest::Close);
    EXPECT_EQ(CloseRequestFor(kPreviewWindowClass, ""), CloseRequest::Close);
    EXPECT_EQ(CloseRequestFor(kSettingsDialogClass, "any caption"), CloseRequest::Close);
    // A window inside the dialog goes with it, unasked.
    EXPECT_EQ(CloseRequestFor(kMusicGroupWindowClass, ""), CloseRequest::None);
}

TEST(CloseRequest, OnlyTheRenderersSaverWindowIsDeactivated) {
    EXPECT_EQ(CloseRequestFor(kScreenSaverWindowClass, kRendererWindowTitle),
              CloseRequest::Deactivate);
    // Another saver, or any saver (the renderer too) before it has named its window.
    EXPECT_EQ(CloseRequestFor(kScreenSaverWindowClass, kScreenSaverCreationTitle),
              CloseRequest::None);
    EXPECT_EQ(CloseRequestFor(kScreenSaverWindowClass, "Another saver"), CloseRequest::None);
    // The renderer's title on another program's window.
    EXPECT_EQ(CloseRequestFor("Notepad", kRendererWindowTitle), CloseRequest::None);
}

}  // namespace
}  // namespace velmora::installer
