#include "saver/win32/renderer_launcher.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "contract/run_contract.h"

namespace velmora::saver {
namespace {

std::wstring TestFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

// The renderer's file name, wide (ASCII: one unit a character).
std::wstring RendererFileName() {
    const std::string_view name = contract::kRendererFileName;
    return std::wstring(name.begin(), name.end());
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(RendererLauncher, StartsTheProgramByItsPathEvenInAFolderWithBlanksAndAnyCharacters) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"velmora launcher test";
    // "한" and "ё" have no form in code page 932 or in the system's ANSI code page.
    const std::wstring folder = root + L"\\a b \uD55C\u0451";
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    DeleteFileW((root + L"\\ran.txt").c_str());
    DeleteFileW((folder + L"\\ran.txt").c_str());
    const std::wstring target = TestFolder() + L"\\" + LAUNCH_TARGET;
    // "<root>\a.exe" is what a search of an unquoted command line would run first.
    ASSERT_TRUE(CopyFileW(target.c_str(), (root + L"\\a.exe").c_str(), FALSE));
    const std::wstring renderer = folder + L"\\" + RendererFileName();
    ASSERT_TRUE(CopyFileW(target.c_str(), renderer.c_str(), FALSE));

    RendererLauncher launcher;
    EXPECT_FALSE(launcher.Running());
    ASSERT_TRUE(launcher.Launch(renderer));
    EXPECT_TRUE(launcher.Running());
    for (int i = 0; i < 300 && launcher.Running(); ++i) {
        Sleep(50);
    }
    EXPECT_FALSE(launcher.Running());
    EXPECT_TRUE(Exists(folder + L"\\ran.txt"));
    EXPECT_FALSE(Exists(root + L"\\ran.txt"));
}

TEST(RendererLauncher, EndsTheProcessItStartedOnlyWhileItRuns) {
    const std::wstring target = TestFolder() + L"\\" + LAUNCH_TARGET;
    RendererLauncher launcher;
    EXPECT_FALSE(launcher.EndStarted(0));
    ASSERT_TRUE(launcher.Launch(target));
    EXPECT_TRUE(launcher.EndStarted(5000));
    EXPECT_FALSE(launcher.Running());
    EXPECT_FALSE(launcher.EndStarted(0));
}

TEST(RendererLauncher, TheStartedProgramEndsWithTheLauncher) {
    const std::wstring folder = TestFolder();
    DeleteFileW((folder + L"\\ran.txt").c_str());
    DeleteFileW((folder + L"\\ended.txt").c_str());
    {
        RendererLauncher launcher;
        ASSERT_TRUE(launcher.Launch(folder + L"\\" + LAUNCH_TARGET));
        for (int i = 0; i < 300 && !Exists(folder + L"\\ran.txt"); ++i) {
            Sleep(10);
        }
        ASSERT_TRUE(Exists(folder + L"\\ran.txt"));
    }
    // It would have noted its own end 700 ms after it began.
    Sleep(1500);
    EXPECT_FALSE(Exists(folder + L"\\ended.txt"));
}

TEST(RendererLauncher, AMissingProgramIsReportedAsNotStarted) {
    RendererLauncher launcher;
    EXPECT_FALSE(launcher.Launch(L"C:\\no such folder\\" + RendererFileName()));
    EXPECT_FALSE(launcher.Running());
}

}  // namespace
}  // namespace velmora::saver
