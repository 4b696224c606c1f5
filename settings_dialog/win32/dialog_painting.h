#pragma once
// What the dialog draws itself: the gradient back images of the window and
// the music group, and over them the windowless controls, with the label font
// and the two selection pictures they are drawn with.

#include <windows.h>

#include "settings_dialog/core/dialog_layout.h"
#include "settings_dialog/win32/back_image.h"
#include "settings_dialog/win32/windowless_controls.h"

namespace velmora::settings_dialog {

class DialogPainting {
  public:
    DialogPainting(HINSTANCE instance, Scale scale);
    DialogPainting(const DialogPainting&) = delete;
    DialogPainting& operator=(const DialogPainting&) = delete;
    ~DialogPainting();

    HFONT LabelFont() const { return look_.label_font; }
    // What the windowless controls show; invalidate a control after a change.
    WindowlessLook& Look() { return look_; }

    // The window's rows, then those of the music group, kept in the back
    // images; both windows are drawn again.
    void PaintBackground(HWND form, HWND group);
    // The container's back image with its windowless controls over it, drawn
    // off screen first.
    void Compose(HWND window, HDC target, Container container, bool choices_focused) const;
    void Invalidate(ControlId id, HWND container) const;

  private:
    WindowlessLook look_;
    BackImage form_back_;
    BackImage group_back_;
};

}  // namespace velmora::settings_dialog
