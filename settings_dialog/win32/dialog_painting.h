#pragma once
// What the dialog draws itself: the gradient back images of the window and
// the music group, and over them the windowless controls, with the label font
// and the two selection pictures they are drawn with; and the track box's
// font. Fonts and pictures are those of the dialog's scale.

#include <windows.h>

#include <map>
#include <optional>
#include <string>

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

    // The fonts and pictures of another scale (the dialog moved to a monitor
    // of another DPI); the back images follow at the next PaintBackground.
    void ChangeScale(Scale scale);

    HFONT LabelFont() const { return look_.label_font; }
    // The default font at the dialog's scale.
    HFONT TrackBoxFont() const { return track_box_font_; }

    // What the windowless controls show, each drawn again in `container`:
    // the picture of each selection box (true: filled), the choice framed
    // while the choices have the focus, and the chosen file's path.
    void ShowBoxPictures(const std::map<ControlId, bool>& box_filled, HWND container);
    void FrameKeyboardChoice(std::optional<ControlId> choice, HWND container);
    void ShowFileName(text::Cp932View file, HWND container);

    // The window's rows, then those of the music group, kept in the back
    // images; both windows are drawn again.
    void PaintBackground(HWND form, HWND group);
    // The container's back image with its windowless controls over it, drawn
    // off screen first.
    void Compose(HWND window, HDC target, Container container, bool choices_focused) const;

  private:
    void Invalidate(ControlId id, HWND container) const;
    void MakeFontsAndPictures(Scale scale);
    void DeleteFontsAndPictures();

    HINSTANCE instance_;
    HFONT track_box_font_ = nullptr;
    WindowlessLook look_;
    BackImage form_back_;
    BackImage group_back_;
};

}  // namespace velmora::settings_dialog
