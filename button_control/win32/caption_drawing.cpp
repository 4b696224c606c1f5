#include "button_control/win32/caption_drawing.h"

#include <cmath>
#include <cwchar>

#include "drawing/core/picture_scale.h"
#include "text/win32/wide_text.h"

namespace velmora::button_control {

namespace {

COLORREF ResolvedColour(std::int32_t colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    if ((bits & 0x80000000u) != 0) {
        return GetSysColor(static_cast<int>(bits & 0xFF));
    }
    return static_cast<COLORREF>(bits & 0x00FFFFFFu);
}

}  // namespace

LOGFONTW CaptionLogFont(const Font& font, int dpi_y) {
    LOGFONTW log_font{};
    log_font.lfHeight = -static_cast<LONG>(std::lround(font.size * dpi_y / 72.0));
    log_font.lfWeight = font.weight;
    log_font.lfItalic = font.italic;
    log_font.lfUnderline = font.underline;
    log_font.lfStrikeOut = font.strikethrough;
    log_font.lfCharSet = static_cast<BYTE>(font.charset);
    log_font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log_font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log_font.lfQuality = DEFAULT_QUALITY;
    log_font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::wcsncpy(log_font.lfFaceName, text::WideFromCp932(text::Cp932View(font.name)).c_str(),
                 LF_FACESIZE - 1);
    return log_font;
}

Font FontFromWindow(HWND window, int dpi_y) {
    const auto handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    LOGFONTW log_font{};
    if (handle == nullptr || GetObjectW(handle, sizeof log_font, &log_font) == 0) {
        return DesignedFont();
    }
    Font font;
    font.name = text::Cp932FromWide(log_font.lfFaceName).Bytes();
    // Point sizes in quarters, as the toolkit's fonts keep them.
    const double pixels = std::abs(log_font.lfHeight);
    font.size = std::round(pixels * 72.0 / dpi_y * 4) / 4;
    font.weight = static_cast<std::int16_t>(log_font.lfWeight);
    font.charset = log_font.lfCharSet;
    font.italic = log_font.lfItalic != 0;
    font.underline = log_font.lfUnderline != 0;
    font.strikethrough = log_font.lfStrikeOut != 0;
    return font;
}

void DrawCaption(HDC dc, const CaptionLabel& label, Scale scale) {
    const LOGFONTW log_font = CaptionLogFont(*label.font, DpiOf(scale));
    HFONT font = CreateFontIndirectW(&log_font);
    HGDIOBJ previous_font = SelectObject(dc, font);
    const int left = TwipsToPixels(label.left, scale.x);
    const int top = TwipsToPixels(label.top, scale.y);
    RECT rect{left, top, left + TwipsToPixels(label.width, scale.x),
              top + TwipsToPixels(label.height, scale.y)};
    const UINT format = DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP;
    const std::wstring caption = text::WideFromCp932(text::Cp932View(label.caption));
    const int length = static_cast<int>(caption.size());
    SetBkMode(dc, TRANSPARENT);
    if (label.enabled) {
        SetTextColor(dc, ResolvedColour(label.fore_colour));
        DrawTextW(dc, caption.c_str(), length, &rect, format);
    } else {
        // The platform's disabled text: a light copy one line down and right
        // under a grey one.
        RECT shadow = rect;
        const int line = drawing::LineWidthAt(DpiOf(scale));
        OffsetRect(&shadow, line, line);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, caption.c_str(), length, &shadow, format);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, caption.c_str(), length, &rect, format);
    }
    SelectObject(dc, previous_font);
    DeleteObject(font);
}

}  // namespace velmora::button_control
