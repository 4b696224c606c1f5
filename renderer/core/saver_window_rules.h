#pragma once

#include <cstdint>

#include "renderer/core/host_state.h"

namespace velmora::renderer {

// What the window rules need of the window system and the effect.
class SaverWindowPort {
  public:
    virtual ~SaverWindowPort() = default;
    virtual CursorPos cursor_pos() = 0;
    virtual void hide_cursor() = 0;
    virtual void post_close() = 0;
    virtual void post_quit() = 0;
    // The Windows 9x password check; true means the saver may end.
    virtual bool verify_password() = 0;
    // Effect parameters and title, rendering priority, GL set-up, instances.
    virtual void start_effect() = 0;
    // Instances, device context and GL context given back.
    virtual void stop_effect() = 0;
};

struct MessageOutcome {
    bool handled = false;  // false: the platform's default handling follows
    intptr_t result = 0;
};

// The saver window's reaction to one message: frame messages, life cycle,
// then input and close.
MessageOutcome handle_saver_message(HostState& state, SaverWindowPort& port, uint32_t message,
                                    uintptr_t wparam);

// Drawing is allowed once set-up is complete and while no password dialog is up.
bool may_draw(const HostState& state);

}  // namespace velmora::renderer
