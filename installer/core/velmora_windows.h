#pragma once
// Which running windows are Velmora's, as the setup's helper tells them apart
// by class and title before the programs are replaced.

#include <string_view>

namespace velmora::installer {

// How the setup asks one of Velmora's running windows to go before it
// replaces the programs.
enum class CloseRequest {
    None,        // not one of Velmora's windows
    Close,       // the preview, the settings dialog, a run's hidden window: WM_CLOSE
    Deactivate,  // the renderer, which refuses a close before input: losing activation ends it
};

CloseRequest CloseRequestFor(std::string_view class_name, std::string_view title);

}  // namespace velmora::installer
