#include "installer/core/velmora_windows.h"

#include "contract/run_contract.h"

namespace velmora::installer {

CloseRequest CloseRequestFor(std::string_view class_name, std::string_view title) {
    if (class_name == contract::kPreviewWindowClass ||
        class_name == contract::kSettingsDialogClass || class_name == contract::kRunWindowClass) {
        return CloseRequest::Close;
    }
    // Every screen saver may use this class; the title tells Velmora's renderer.
    if (class_name == contract::kScreenSaverWindowClass &&
        title == contract::kRendererWindowTitle) {
        return CloseRequest::Deactivate;
    }
    return CloseRequest::None;
}

}  // namespace velmora::installer
