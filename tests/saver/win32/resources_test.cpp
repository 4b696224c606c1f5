// What the screen-saver list reads from Velmora.scr: its name in string 1 and
// in the version resource, its icon; and the still the preview shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "contract/run_contract.h"
#include "saver/core/preview_geometry.h"
#include "saver/win32/resource_ids.h"
#include "tests/support/win32_pixels.h"

namespace velmora::saver {
namespace {

std::string LoadText(UINT id) {
    char text[256] = {};
    LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return text;
}

std::string VersionValue(const std::string& name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    std::vector<char> info(size);
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, info.data())) {
        return "";
    }
    struct Translation {
        WORD language, code_page;
    }* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof *translation) {
        return "";
    }
    char query[128];
    wsprintfA(query, "\\StringFileInfo\\%04x%04x\\%s", translation->language,
              translation->code_page, name.c_str());
    char* value = nullptr;
    if (!VerQueryValueA(info.data(), query, reinterpret_cast<void**>(&value), &length)) {
        return "";
    }
    return value;
}

// The list shows string 1; the file's properties show the same name, the
// title that begins with it and the file name the setup installs.
TEST(Resources, TheScreenSaverListFindsTheProgramsNameAndIcon) {
    const std::string name = LoadText(1);
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(VersionValue("FileDescription"), name);
    EXPECT_EQ(LoadText(IDS_TITLE).rfind(name + " ", 0), 0u);
    EXPECT_EQ(LoadText(IDS_TITLE), contract::kSaverMessageCaption);
    EXPECT_EQ(VersionValue("ProductName"), LoadText(IDS_TITLE));
    EXPECT_EQ(VersionValue("OriginalFilename"), contract::kSaverFileName);
    EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VELMORA)), nullptr);
}

// 152 x 112 at 96 dpi, and the preview area's size at 120, 144 and 192 dpi.
TEST(Resources, ThePreviewStillIsCarriedAtTheSizeOfEveryDpi) {
    for (const auto [set, width, height] :
         {std::array{0, kPreviewStillWidth, kPreviewStillHeight}, std::array{1, 190, 140},
          std::array{2, 228, 168}, std::array{3, 304, 224}}) {
        const SIZE size = testing::SizeOfLoadedPicture(static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr),
                       MAKEINTRESOURCEA(IDB_PREVIEW_STILL + set * IDB_PREVIEW_STILL_SET_STEP),
                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        EXPECT_EQ(size.cx, width) << set;
        EXPECT_EQ(size.cy, height) << set;
    }
}

TEST(Resources, TheProgramSeesTheScreensRealPixelsAsTheRendererDoes) {
    HRSRC manifest = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(manifest, nullptr);
    const auto* text = static_cast<const char*>(LockResource(LoadResource(nullptr, manifest)));
    EXPECT_NE(std::string(text, SizeofResource(nullptr, manifest)).find("PerMonitorV2"),
              std::string::npos);
    EXPECT_TRUE(IsProcessDPIAware());
}

}  // namespace
}  // namespace velmora::saver
