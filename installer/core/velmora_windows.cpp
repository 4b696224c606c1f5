#include "installer/core/velmora_windows.h"

namespace velmora::installer {

CloseRequest CloseRequestFor(std::string_view class_name, std::string_view title) {
    // The preview form, the settings dialog and a run's hidden window.
    if (class_name == "Velmora_R" || class_name == "Velmora_P" || class_name == "Velmora_S") {
        return CloseRequest::Close;
    }
    // Every screen saver may use this class; the title tells Velmora's renderer.
    if (class_name == "WindowsScreenSaverClass" && title == "VelmoraVC") {
        return CloseRequest::Deactivate;
    }
    return CloseRequest::None;
}

}  // namespace velmora::installer
