#include "settings_dialog/core/group_description.h"

#include <algorithm>

namespace velmora::settings_dialog {

namespace {

// The smallest place that holds both.
TwipsRect Union(const TwipsRect& a, const TwipsRect& b) {
    const std::int32_t left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    const std::int32_t right = std::max(a.x + a.width, b.x + b.width);
    const std::int32_t bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}

}  // namespace

text::Cp932View NameBeside(ControlId id) {
    return id == ControlId::TrackBox ? text::Cp932View(Place(ControlId::RepeatTrackLabel).text)
                                     : text::Cp932View();
}

std::vector<AccessItem> DescribeMusicGroup(const ChoiceView& view, text::Cp932View track_text,
                                           std::optional<ControlId> focus) {
    std::vector<AccessItem> items;
    for (const ControlPlace& place : Controls()) {
        AccessItem item;
        item.place = place.rect;
        item.focused = focus == place.id;
        if (const auto kind = KindOfChoiceControl(place.id);
            kind && place.kind == ControlKind::Label) {
            // A choice: its text and its selection box as one radio button.
            const ControlId box = *SelectionBoxOf(*kind);
            item.role = AccessRole::RadioButton;
            item.name = text::Cp932String(text::Cp932View(place.text));
            item.place = Union(place.rect, Place(box).rect);
            const auto picture = view.box_filled.find(box);
            item.checked = picture != view.box_filled.end() && picture->second;
            item.focusable = true;
            item.focused = focus == ControlId::MusicGroup && view.keyboard_choice == place.id;
        } else if (place.id == ControlId::TrackBox) {
            item.role = AccessRole::ComboBox;
            item.name = NameBeside(place.id);
            item.value = text::Cp932String(track_text);
            item.enabled = view.track_box_enabled;
            item.focusable = true;
        } else if (place.id == ControlId::ChooseFileButton) {
            item.role = AccessRole::PushButton;
            item.name = text::Cp932String(text::Cp932View(place.text));
            item.enabled = view.file_button_enabled;
            item.focusable = true;
        } else if (place.id == ControlId::FileNameLabel) {
            item.name = view.file_name;
        } else {
            continue;
        }
        items.push_back(item);
    }
    return items;
}

const AccessItem* ItemNumbered(const std::vector<AccessItem>& items, long number) {
    if (number < 1 || number > static_cast<long>(items.size())) {
        return nullptr;
    }
    return &items[static_cast<std::size_t>(number - 1)];
}

AccessStates StatesOf(const AccessItem& item) {
    return {!item.enabled, item.enabled && item.focusable, item.checked, item.focused};
}

AccessStates GroupStates(bool group_has_focus) {
    return {false, true, false, group_has_focus};
}

PixelRect BoundsOf(const AccessItem& item, Scale scale) {
    return ToPixels(item.place, scale);
}

std::optional<long> NumberAt(const std::vector<AccessItem>& items, Scale scale, int client_width,
                             int client_height, int x, int y) {
    if (!PixelRect{0, 0, client_width, client_height}.Contains(x, y)) {
        return std::nullopt;
    }
    long number = kTheGroupItself;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (BoundsOf(items[i], scale).Contains(x, y)) {
            number = static_cast<long>(i + 1);
        }
    }
    return number;
}

long FocusedChild(const std::vector<AccessItem>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].focused) {
            return static_cast<long>(i + 1);
        }
    }
    return kTheGroupItself;
}

}  // namespace velmora::settings_dialog
