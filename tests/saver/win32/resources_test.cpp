// What the screen-saver list reads from Velmora.scr: its name in string 1 and
// in the version resource, its icon; and the still the preview shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "saver/core/preview_geometry.h"
#include "saver/win32/resource_ids.h"

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

TEST(Resources, TheScreenSaverListFindsTheProgramsNameAndIcon) {
    EXPECT_EQ(LoadText(IDS_DESCRIPTION), "Velmora");
    EXPECT_EQ(LoadText(IDS_TITLE), "Velmora (ScreenSaver)");
    EXPECT_EQ(VersionValue("FileDescription"), "Velmora");
    EXPECT_EQ(VersionValue("OriginalFilename"), "Velmora.scr");
    EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VELMORA)), nullptr);
}

TEST(Resources, ThePreviewStillIsCarriedAtItsSize) {
    HBITMAP still = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                                    MAKEINTRESOURCEA(IDB_PREVIEW_STILL),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(still, nullptr);
    BITMAP info{};
    GetObjectA(still, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, kPreviewStillWidth);
    EXPECT_EQ(info.bmHeight, kPreviewStillHeight);
    DeleteObject(still);
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
