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

namespace velmora::saver {

namespace {

Win32SettingsPort& SettingsFile() {
    static Win32SettingsPort port;
    return port;
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
    // The settings dialog form plugs in here; without it the request ends
    // like any other after the renderer check.
    void ShowSettingsDialog() override {}
    void HideCursor() override { ShowCursor(FALSE); }
    void CreateRunForm() override { saver::CreateRunForm(); }
    void EndProgram() override { saver::EndProgram(); }
};

}  // namespace

music::BgmSettings& Settings() {
    static music::BgmSettings settings;
    return settings;
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
