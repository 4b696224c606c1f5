#include "saver/core/run_controller.h"

#include <utility>

#include "saver/core/command_line.h"
#include "saver/core/saver_texts.h"
#include "saver/core/settings_store.h"

namespace velmora::saver {

FilePlayer FilePlayerFor(const std::string& bgm_file) {
    if (bgm_file.size() < 3) {
        return FilePlayer::None;
    }
    std::string ending = bgm_file.substr(bgm_file.size() - 3);
    for (char& c : ending) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (ending == "WAV") {
        return FilePlayer::Wav;
    }
    if (ending == "MP3") {
        return FilePlayer::Mp3;
    }
    return FilePlayer::None;
}

Velmora_S::Velmora_S(RunPort& port, MusicPort& music, const music::BgmSettings& settings,
                     std::string argument_text)
    : port_(port), music_(music), settings_(settings), argument_text_(std::move(argument_text)) {}

bool Velmora_S::TimerEnabled(RunTimer timer) const {
    return timer_enabled_[static_cast<int>(timer)];
}

void Velmora_S::SetTimer(RunTimer timer, bool enabled) {
    timer_enabled_[static_cast<int>(timer)] = enabled;
    port_.SetTimerEnabled(timer, enabled);
}

void Velmora_S::Form_Load() {
    // The watch is enabled from the form's creation on.
    SetTimer(RunTimer::Timer3, true);

    RendererPath = InFolder(port_.ProgramFolder(), kRendererFileName);
    launched_ = port_.LaunchRenderer(RendererPath);
    launch_ms_ = port_.NowMs();

    if (settings_.BGM_Kind == music::kBgmCd) {
        music_.CD_Open();
        SetTimer(RunTimer::Timer2, true);
    }
    if (settings_.BGM_Kind == music::kBgmFile) {
        switch (FilePlayerFor(settings_.BGM_File)) {
            case FilePlayer::Wav:
                music_.WAV_Play();  // loops by itself
                break;
            case FilePlayer::Mp3:
                music_.MP3_OpenPlay();
                SetTimer(RunTimer::Timer1, true);
                break;
            case FilePlayer::None:
                break;
        }
    }
}

void Velmora_S::Timer1_Timer() {
    music_.MP3_Check();
}

void Velmora_S::Timer2_Timer() {
    music_.CD_Check();
    SetTimer(RunTimer::Timer2, music_.CD_Continue());
}

// A renderer whose process runs but whose window is not up yet is still
// starting: the watch waits for it, for a bounded time.
bool Velmora_S::RendererStillStarting() {
    return launched_ && !renderer_seen_ && port_.RendererProcessRunning() &&
           port_.NowMs() - launch_ms_ < kRendererStartLimitMs;
}

void Velmora_S::Timer3_Timer() {
    if (port_.RendererWindowExists()) {
        renderer_seen_ = true;
        return;
    }
    if (RendererStillStarting()) {
        return;
    }
    SetTimer(RunTimer::Timer3, false);
    Form_QueryUnload();
}

void Velmora_S::Form_QueryUnload() {
    if (ending_) {
        return;
    }
    ending_ = true;

    if (TimerEnabled(RunTimer::Timer2)) {
        SetTimer(RunTimer::Timer2, false);
        music_.CD_Close();
    }
    if (settings_.BGM_Kind == music::kBgmFile) {
        switch (FilePlayerFor(settings_.BGM_File)) {
            case FilePlayer::Wav:
                music_.WAV_Stop();
                break;
            case FilePlayer::Mp3:
                music_.MP3_Close();
                break;
            case FilePlayer::None:
                break;
        }
    }
    if (ModeLetter(argument_text_) == 'S') {
        port_.ShowCursor();
    }
    port_.EndProgram();
}

}  // namespace velmora::saver
