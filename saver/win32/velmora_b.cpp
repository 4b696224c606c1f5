#include "saver/win32/velmora_b.h"

#include <windows.h>

#include "saver/core/saver_texts.h"
#include "saver/core/settings_store.h"
#include "saver/core/startup.h"
#include "saver/win32/program_paths.h"
#include "saver/win32/resource_ids.h"
#include "saver/win32/velmora_r.h"
#include "saver/win32/velmora_s.h"
#include "saver/win32/win32_settings_port.h"
#include "settings_dialog/win32/velmora_p_window.h"

namespace velmora::saver {

namespace {

Win32SettingsPort& SettingsFile() {
    static Win32SettingsPort port;
    return port;
}

// What the settings dialog takes from this module.
class DialogServices final : public settings_dialog::VelmoraB {
  public:
    void ZoomOpenFromCursor(HWND window) override { saver::ZoomOpenFromCursor(window); }
    void ZoomCloseToCursor(HWND window) override { saver::ZoomCloseToCursor(window); }
    void WriteIni(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file) override {
        saver::WriteIni(section, key, value, file);
    }
};

void DrawZoom(HWND window, const ZoomRects& rects) {
    const RECT from{rects.from.left, rects.from.top, rects.from.right, rects.from.bottom};
    const RECT to{rects.to.left, rects.to.top, rects.to.right, rects.to.bottom};
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

ScreenRect WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

class Win32Startup final : public StartupPort {
  public:
    bool WindowExists(const std::string& caption) override {
        return FindWindowA(nullptr, caption.c_str()) != nullptr;
    }
    void ShowPreview(std::int32_t host) override { saver::ShowPreview(host); }
    void LoadSettings() override { saver::LoadSettings(); }
    bool RendererExists() override { return FileExists(RendererPathOfProgram()); }
    void ShowMissingRendererMessage() override {
        MessageBoxA(nullptr, kMissingRendererMessage, VELMORA_TITLE, MB_OK);
    }
    void ShowSettingsDialog() override {
        DialogServices services;
        settings_dialog::ShowVelmoraP(GetModuleHandleA(nullptr), services, Settings(), Cursor(),
                                      SettingsFilePath());
    }
    void HideCursor() override { ShowCursor(FALSE); }
    void CreateRunForm() override { saver::CreateRunForm(); }
    void EndProgram() override { saver::EndProgram(); }
};

}  // namespace

music::BgmSettings& Settings() {
    static music::BgmSettings settings;
    return settings;
}

CursorPoint& Cursor() {
    static CursorPoint cursor;
    return cursor;
}

void ZoomOpenFromCursor(HWND window) {
    DrawZoom(window, ZoomOpenRects(Cursor(), WindowRectOf(window)));
}

void ZoomCloseToCursor(HWND window) {
    DrawZoom(window, ZoomCloseRects(Cursor(), WindowRectOf(window)));
}

std::string ReadIni(const std::string& section, const std::string& key, const std::string& file) {
    return SettingsFile().ReadIni(section, key, file);
}

std::string WriteIni(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& file) {
    return SettingsFile().WriteIni(section, key, value, file);
}

bool FileExists(const std::string& path) {
    return saver::FileExists(SettingsFile(), path);
}

void LoadSettings() {
    saver::LoadSettings(SettingsFile(), SettingsFilePath(), Settings());
}

void Main() {
    Win32Startup port;
    saver::Main(port, ProgramArgumentText());
}

void EndProgram() {
    ExitProcess(0);
}

}  // namespace velmora::saver
