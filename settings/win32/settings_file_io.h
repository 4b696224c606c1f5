#pragma once
// The settings model's ports on the platform: whole-file reads and
// replacement through a file of its own beside the target, each reporting
// what the platform's calls found for settings/core/file_outcomes.h to judge;
// the user's application-data folder, the music file test, the platform's
// own text conversions and its sleep. The settings paths are wide
// from end to end; only the music file's path is code page 932.

#include <string>

#include "settings/core/settings_ports.h"

namespace velmora::settings {

class Win32SettingsFiles final : public SettingsFiles {
  public:
    FileRead ReadWholeFile(const std::u16string& path) override;
    Replacement ReplaceWholeFile(const std::u16string& path, const std::string& bytes) override;
    bool MakeFolder(const std::u16string& path) override;
};

class Win32TextCodec final : public TextCodec {
  public:
    std::u16string FromCp932(text::Cp932View text) override;
    std::u16string FromUtf8(text::Utf8View text) override;
    text::Cp932String ToCp932(std::u16string_view text) override;
    text::Utf8String ToUtf8(std::u16string_view text) override;
};

class Win32MusicFiles final : public MusicFiles {
  public:
    bool CanOpenForReading(const text::Cp932String& path) override;
};

class Win32Pause final : public Pause {
  public:
    void Wait(int milliseconds) override;
};

// The four ports together, for a program's whole life.
class Win32SettingsPorts {
  public:
    SettingsPorts Ports() { return {files_, codec_, music_, pause_}; }

  private:
    Win32SettingsFiles files_;
    Win32TextCodec codec_;
    Win32MusicFiles music_;
    Win32Pause pause_;
};

// The user's roaming application-data folder; "" when the platform gives none.
std::u16string AppDataFolder();

}  // namespace velmora::settings
