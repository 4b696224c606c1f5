#include "settings_dialog/win32/windowless_controls.h"

#include "drawing/core/picture_scale.h"
#include "drawing/win32/picture_drawing.h"
#include "settings_dialog/core/file_name_caption.h"
#include "settings_dialog/win32/dialog_resource_ids.h"
#include "text/win32/wide_text.h"

namespace velmora::settings_dialog {

namespace {

// A black frame whose lines are as wide as a picture's lines at this scale.
void FrameInBlack(HDC dc, RECT rect, Scale scale) {
    HBRUSH black = CreateSolidBrush(kBlack);
    for (int line = drawing::LineWidthAt(drawing::DpiOf(scale)); line > 0; --line) {
        FrameRect(dc, &rect, black);
        InflateRect(&rect, -1, -1);
    }
    DeleteObject(black);
}

void DrawLabel(HDC dc, const ControlPlace& place, text::Cp932String text, RECT rect,
               const WindowlessLook& look) {
    HGDIOBJ previous_font = SelectObject(dc, look.label_font);
    UINT format = DT_NOPREFIX;
    if (place.border) {
        // A single black line; the text wraps inside it.
        FrameInBlack(dc, rect, look.scale);
        const int inset = 2 * drawing::LineWidthAt(drawing::DpiOf(look.scale));
        InflateRect(&rect, -inset, -inset);
        format |= DT_WORDBREAK | DT_EDITCONTROL;
    } else {
        // Labels sized to their text: the text is never cut.
        format |= DT_SINGLELINE | DT_NOCLIP | (place.centred ? DT_CENTER : DT_LEFT);
    }
    if (place.id == ControlId::FileNameLabel) {
        // A path too long for the line loses the middle of its folders, never its file name.
        text = FileNameCaption(text, rect.right - rect.left, [dc](text::Cp932View part) {
            const std::wstring wide = text::WideFromCp932(part);
            SIZE size{};
            GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
            return static_cast<int>(size.cx);
        });
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, place.text_colour);
    const std::wstring wide = text::WideFromCp932(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
    SelectObject(dc, previous_font);
}

bool IsSourcePicture(ControlId id) {
    return id == ControlId::EmptyBoxPicture || id == ControlId::FilledBoxPicture;
}

}  // namespace

RECT PixelPlace(ControlId id, Scale scale) {
    const PixelRect place = ToPixels(Place(id).rect, scale);
    return {place.x, place.y, place.x + place.width, place.y + place.height};
}

HBITMAP LoadSelectionBox(HINSTANCE instance, bool filled, Scale scale) {
    const int set = drawing::PictureSetFor(drawing::DpiOf(scale));
    const int id =
        (filled ? IDB_SELECTION_FILLED : IDB_SELECTION_EMPTY) + set * IDB_SELECTION_SET_STEP;
    return LoadBitmapA(instance, MAKEINTRESOURCEA(id));
}

void DrawWindowless(HDC dc, Container container, const WindowlessLook& look, bool choices_focused) {
    for (const ControlPlace& place : Controls()) {
        if (place.container != container || IsSourcePicture(place.id)) {
            continue;
        }
        const RECT rect = PixelPlace(place.id, look.scale);
        switch (place.kind) {
            case ControlKind::Label:
                DrawLabel(dc, place,
                          place.id == ControlId::FileNameLabel
                              ? look.file_caption
                              : text::Cp932String(text::Cp932View(place.text)),
                          rect, look);
                break;
            case ControlKind::Shape:
                FrameInBlack(dc, rect, look.scale);
                break;
            case ControlKind::Image: {
                const auto selected = look.selected.find(place.id);
                if (selected != look.selected.end()) {
                    drawing::DrawPictureInto(
                        dc, selected->second ? look.filled_box : look.empty_box, rect);
                }
                break;
            }
            default:
                break;
        }
    }
    if (choices_focused && look.keyboard_choice &&
        Place(*look.keyboard_choice).container == container) {
        RECT frame = PixelPlace(*look.keyboard_choice, look.scale);
        InflateRect(&frame, 1, 1);
        SetTextColor(dc, kBlack);
        SetBkColor(dc, kWhite);
        DrawFocusRect(dc, &frame);
    }
}

}  // namespace velmora::settings_dialog
