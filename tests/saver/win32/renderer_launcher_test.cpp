#include "saver/win32/renderer_launcher.h"

#include <gtest/gtest.h>

#include <string>

#include "contract/run_contract.h"

namespace velmora::saver {
namespace {

std::string TestFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(RendererLauncher, StartsTheProgramByItsPathEvenInAFolderWithBlanks) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "velmora launcher test";
    const std::string folder = root + "\\a b";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    DeleteFileA((root + "\\ran.txt").c_str());
    DeleteFileA((folder + "\\ran.txt").c_str());
    const std::string target = TestFolder() + "\\" + LAUNCH_TARGET;
    // "<root>\a.exe" is what a search of an unquoted command line would run first.
    ASSERT_TRUE(CopyFileA(target.c_str(), (root + "\\a.exe").c_str(), FALSE));
    const std::string renderer = folder + "\\" + contract::kRendererFileName;
    ASSERT_TRUE(CopyFileA(target.c_str(), renderer.c_str(), FALSE));

    RendererLauncher launcher;
    EXPECT_FALSE(launcher.Running());
    ASSERT_TRUE(launcher.Launch(renderer));
    EXPECT_TRUE(launcher.Running());
    for (int i = 0; i < 300 && launcher.Running(); ++i) {
        Sleep(50);
    }
    EXPECT_FALSE(launcher.Running());
    EXPECT_TRUE(Exists(folder + "\\ran.txt"));
    EXPECT_FALSE(Exists(root + "\\ran.txt"));
}

TEST(RendererLauncher, AMissingProgramIsReportedAsNotStarted) {
    RendererLauncher launcher;
    EXPECT_FALSE(
        launcher.Launch(std::string("C:\\no such folder\\") + contract::kRendererFileName));
    EXPECT_FALSE(launcher.Running());
}

}  // namespace
}  // namespace velmora::saver
