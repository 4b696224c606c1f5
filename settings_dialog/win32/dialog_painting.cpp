#include "settings_dialog/win32/dialog_painting.h"

#include "button_control/core/font.h"
#include "button_control/win32/caption_drawing.h"
#include "drawing/win32/drawing_dpi.h"
#include "settings_dialog/core/background_gradient.h"

namespace velmora::settings_dialog {

namespace {

// The default font, which the system makes for its own DPI, at another DPI.
HFONT DefaultFontAt(int dpi) {
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = MulDiv(font.lfHeight, dpi, drawing::DrawingDpi(0));
    return CreateFontIndirectW(&font);
}

}  // namespace

DialogPainting::DialogPainting(HINSTANCE instance, Scale scale) : instance_(instance) {
    MakeFontsAndPictures(scale);
}

DialogPainting::~DialogPainting() {
    DeleteFontsAndPictures();
}

void DialogPainting::ChangeScale(Scale scale) {
    DeleteFontsAndPictures();
    MakeFontsAndPictures(scale);
}

void DialogPainting::MakeFontsAndPictures(Scale scale) {
    look_.scale = scale;
    const int dpi = drawing::DpiOf(scale);
    const LOGFONTW label_font = button_control::CaptionLogFont(button_control::DesignedFont(), dpi);
    look_.label_font = CreateFontIndirectW(&label_font);
    track_box_font_ = DefaultFontAt(dpi);
    look_.empty_box = LoadSelectionBox(instance_, false, scale);
    look_.filled_box = LoadSelectionBox(instance_, true, scale);
}

void DialogPainting::DeleteFontsAndPictures() {
    DeleteObject(look_.label_font);
    DeleteObject(track_box_font_);
    DeleteObject(look_.empty_box);
    DeleteObject(look_.filled_box);
}

void DialogPainting::PaintBackground(HWND form, HWND group) {
    RECT client;
    GetClientRect(form, &client);
    form_back_.Reset(client.right, client.bottom, kFormBackColour);
    form_back_.DrawRows(FormGradient(client.bottom));
    if (group != nullptr) {
        GetClientRect(group, &client);
        group_back_.Reset(client.right, client.bottom, kGroupBackColour);
        group_back_.DrawRows(GroupGradient(client.bottom));
        InvalidateRect(group, nullptr, FALSE);
    }
    InvalidateRect(form, nullptr, FALSE);
}

void DialogPainting::Compose(HWND window, HDC target, Container container,
                             bool choices_focused) const {
    const bool is_form = container == Container::Form;
    const BackImage& back = is_form ? form_back_ : group_back_;
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right > 0 ? client.right : 1;
    const int height = client.bottom > 0 ? client.bottom : 1;
    HDC buffer = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ previous = SelectObject(buffer, bitmap);
    HBRUSH back_colour = CreateSolidBrush(is_form ? kFormBackColour : kGroupBackColour);
    FillRect(buffer, &client, back_colour);
    DeleteObject(back_colour);
    if (back.DeviceContext() != nullptr) {
        BitBlt(buffer, 0, 0, back.Width(), back.Height(), back.DeviceContext(), 0, 0, SRCCOPY);
    }
    DrawWindowless(buffer, container, look_, choices_focused);
    BitBlt(target, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, previous);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

void DialogPainting::ShowBoxPictures(const std::map<ControlId, bool>& box_filled, HWND container) {
    for (const auto& [box, filled] : box_filled) {
        look_.selected[box] = filled;
        Invalidate(box, container);
    }
}

void DialogPainting::FrameKeyboardChoice(std::optional<ControlId> choice, HWND container) {
    look_.keyboard_choice = choice;
    InvalidateRect(container, nullptr, FALSE);
}

void DialogPainting::ShowFileName(text::Cp932View file, HWND container) {
    look_.file_caption = file;
    Invalidate(ControlId::FileNameLabel, container);
}

void DialogPainting::Invalidate(ControlId id, HWND container) const {
    const RECT rect = PixelPlace(id, look_.scale);
    InvalidateRect(container, &rect, FALSE);
}

}  // namespace velmora::settings_dialog
