#include "renderer/win32/frame_conditions.h"

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
// the toolchain's headers lack too. Version 1 of the modes: 0 is the battery
// (energy) saver.
using PowerModeCallback = void(WINAPI*)(int mode, void* context);
using RegisterPowerMode = HRESULT(WINAPI*)(ULONG version, PowerModeCallback callback, void* context,
                                           void** registration);
using UnregisterPowerMode = HRESULT(WINAPI*)(void* registration);
constexpr ULONG kPowerModeVersion1 = 1;
constexpr int kPowerModeEnergySaver = 0;

// The effective power mode's news, posted to the window (the callback comes
// on a thread of the system's); wparam is non-zero with the energy saver on.
constexpr UINT kPowerModeMessage = WM_APP + 1;

void WINAPI PostPowerMode(int mode, void* window) noexcept {
    PostMessageW(static_cast<HWND>(window), kPowerModeMessage,
                 mode == kPowerModeEnergySaver ? 1 : 0, 0);
}

// SYSTEM_POWER_STATUS's SystemStatusFlag (Windows 10 on; 0 before, in the
// field the toolchain's headers still call Reserved1): 1 with the energy saver
// on. A measuring host may be told it is on.
bool PowerStatusSaysEnergySaver() {
    SYSTEM_POWER_STATUS status{};
    return ProgramFramePolicy().energy_saver ||
           (GetSystemPowerStatus(&status) != FALSE && status.Reserved1 == 1);
}

bool RemoteSession() {
    return GetSystemMetrics(SM_REMOTESESSION) != 0;
}

BOOL CALLBACK AddMonitorRefresh(HMONITOR monitor, HDC, LPRECT rect, LPARAM monitors) {
    return platform_edge::AnswerWithin(FALSE, [&] {
        MONITORINFOEXW info{};
        info.cbSize = sizeof info;
        DEVMODEW mode{};
        mode.dmSize = sizeof mode;
        const bool told = GetMonitorInfoW(monitor, &info) != FALSE &&
                          EnumDisplaySettingsW(info.szDevice, ENUM_CURRENT_SETTINGS, &mode);
        reinterpret_cast<std::vector<MonitorRefresh>*>(monitors)->push_back(
            {ScreenRect{rect->left, rect->top, rect->right, rect->bottom},
             told ? static_cast<int>(mode.dmDisplayFrequency) : 0});
        return TRUE;
    });
}

}  // namespace

std::vector<MonitorRefresh> MonitorRefreshRates() {
    std::vector<MonitorRefresh> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitorRefresh, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {
        HDC screen = GetDC(nullptr);
        monitors.push_back(
            {ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
             GetDeviceCaps(screen, VREFRESH)});
        ReleaseDC(nullptr, screen);
    }
    return monitors;
}

FrameConditions CurrentFrameConditions(const ScreenRect& picture) {
    return FrameConditions{MonitorRefreshRates(), picture, PowerStatusSaysEnergySaver(),
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

FrameConditionNews FollowFrameConditions(UINT message, WPARAM wparam, LPARAM lparam,
                                         FrameBudgetFollower& follower) {
    FrameConditionNews news;
    if (message == kPowerModeMessage) {
        news.budget_changed = follower.PowerModeTold(wparam != 0);
        news.answered = true;
    } else if (message == WM_POWERBROADCAST && wparam == PBT_APMPOWERSTATUSCHANGE) {
        news.budget_changed = follower.PowerStatusTold(PowerStatusSaysEnergySaver());
    } else if (const auto on = PowerSettingValue(message, wparam, lparam, kPowerSavingStatus)) {
        news.budget_changed = follower.PowerStatusTold(*on != 0);
        news.answered = true;
        news.answer = TRUE;
    } else if (message == WM_WTSSESSION_CHANGE) {
        // A session connected from another machine, or back at the console.
        news.budget_changed = follower.SessionTold(RemoteSession());
    }
    return news;
}

}  // namespace velmora::renderer
