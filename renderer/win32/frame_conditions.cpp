#include "renderer/win32/frame_conditions.h"

#include <optional>
#include <utility>

#include "platform_edge/win32/guarded_entry.h"
#include "renderer/win32/frame_policy.h"
#include "renderer/win32/presence_notifications.h"
#include "system_dlls/win32/load_system_dll.h"

namespace velmora::renderer {
namespace {

// The power status's energy saver notification (GUID_POWER_SAVING_STATUS),
// which the toolchain's headers lack.
constexpr GUID kPowerSavingStatus = {
    0xe00958c0, 0xc213, 0x4ace, {0xac, 0x77, 0xfe, 0xcc, 0xed, 0x2e, 0xee, 0xa5}};

// The effective power mode's calls (powrprof.dll, Windows 10 1809 on), which
// the toolchain's headers lack too.
using PowerModeCallback = void(WINAPI*)(int mode, void* context);
using RegisterPowerMode = HRESULT(WINAPI*)(ULONG version, PowerModeCallback callback, void* context,
                                           void** registration);
using UnregisterPowerMode = HRESULT(WINAPI*)(void* registration);
constexpr ULONG kPowerModeVersion1 = 1;

// The effective power mode's news, posted to the window (the callback comes
// on a thread of the system's); wparam is the mode.
constexpr UINT kPowerModeMessage = WM_APP + 1;

void WINAPI PostPowerMode(int mode, void* window) noexcept {
    platform_edge::AnswerWithin(FALSE, [&] {
        return PostMessageW(static_cast<HWND>(window), kPowerModeMessage,
                            static_cast<WPARAM>(static_cast<uint32_t>(mode)), 0);
    });
}

// SYSTEM_POWER_STATUS's SystemStatusFlag (Windows 10 on; 0 before, in the
// field the toolchain's headers still call Reserved1): 1 with the energy saver
// on; 0 where the status cannot be read.
uint32_t PowerStatusFlag() {
    SYSTEM_POWER_STATUS status{};
    return GetSystemPowerStatus(&status) != FALSE ? status.Reserved1 : 0;
}

bool RemoteSession() {
    return GetSystemMetrics(SM_REMOTESESSION) != 0;
}

std::optional<FrameNews> NewsOfMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == kPowerModeMessage) {
        return FrameNews{FrameNewsKind::PowerModeChanged, static_cast<uint32_t>(wparam)};
    }
    if (message == WM_POWERBROADCAST && wparam == PBT_APMPOWERSTATUSCHANGE) {
        return FrameNews{FrameNewsKind::PowerStatusChanged, PowerStatusFlag()};
    }
    if (const auto on = PowerSettingValue(message, wparam, lparam, kPowerSavingStatus)) {
        return FrameNews{FrameNewsKind::PowerSavingChanged, *on};
    }
    if (message == WM_WTSSESSION_CHANGE) {
        // A session connected from another machine, or back at the console.
        return FrameNews{FrameNewsKind::SessionChanged, RemoteSession() ? 1u : 0u};
    }
    return std::nullopt;
}

}  // namespace

FrameConditions CurrentFrameConditions(std::vector<Monitor> monitors, const ScreenRect& picture) {
    return FrameConditions{
        std::move(monitors), picture,
        PowerStatusSavesEnergy(PowerStatusFlag(), ProgramFramePolicy().energy_saver),
        RemoteSession()};
}

void EnergySaverNotifications::Register(HWND window) {
    power_saving_ =
        RegisterPowerSettingNotification(window, &kPowerSavingStatus, DEVICE_NOTIFY_WINDOW_HANDLE);
    const auto register_mode =
        reinterpret_cast<RegisterPowerMode>(system_dlls::OptionalSystemFunction(
            L"powrprof.dll", "PowerRegisterForEffectivePowerModeNotifications"));
    if (register_mode != nullptr &&
        register_mode(kPowerModeVersion1, PostPowerMode, window, &power_mode_) != S_OK) {
        power_mode_ = nullptr;
    }
}

void EnergySaverNotifications::Unregister() {
    if (power_saving_ != nullptr) {
        UnregisterPowerSettingNotification(power_saving_);
        power_saving_ = nullptr;
    }
    if (power_mode_ == nullptr) {
        return;
    }
    const auto unregister_mode =
        reinterpret_cast<UnregisterPowerMode>(system_dlls::OptionalSystemFunction(
            L"powrprof.dll", "PowerUnregisterFromEffectivePowerModeNotifications"));
    if (unregister_mode != nullptr) {
        // Waits for a callback under way.
        unregister_mode(power_mode_);
    }
    power_mode_ = nullptr;
}

FrameNewsAnswer FollowFrameConditions(UINT message, WPARAM wparam, LPARAM lparam,
                                      FrameBudgetFollower& follower) {
    const std::optional<FrameNews> news = NewsOfMessage(message, wparam, lparam);
    return news ? TakeFrameNews(*news, ProgramFramePolicy().energy_saver, follower)
                : FrameNewsAnswer{};
}

}  // namespace velmora::renderer
