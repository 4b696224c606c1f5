#include "settings_dialog/core/dialog_layout.h"

#include <algorithm>
#include <cmath>

#include "settings_dialog/core/dialog_texts.h"

namespace velmora::settings_dialog {

namespace {

using C = ControlId;
using K = ControlKind;
constexpr Container kForm = Container::Form;
constexpr Container kGroup = Container::Group;

std::vector<ControlPlace> MakeControls() {
    return {
        {C::CreditLabel, K::Label, kForm, kCreditText, {180, 2940, 2475, 195}, 0, kWhite},
        {C::MusicGroup, K::PictureBox, kForm, nullptr, {180, 240, 6795, 2535}, 1},
        {C::OtherWorksButton, K::Button, kForm, kCaptionOtherWorks, {2880, 3000, 1875, 375}, 12},
        {C::SaveButton, K::Button, kForm, kCaptionSave, {4800, 3000, 1095, 375}, 10},
        {C::CancelButton, K::Button, kForm, kCaptionCancel, {5940, 3000, 1035, 375}, 11},
        {C::EmptyBoxPicture, K::Image, kForm, nullptr, {8040, 300, 180, 180}, -1},
        {C::FilledBoxPicture, K::Image, kForm, nullptr, {8040, 600, 180, 180}, -1},
        {C::HeadingFrame, K::Shape, kGroup, nullptr, {300, 300, 1695, 315}, -1},
        {C::GroupHeading, K::Label, kGroup, kGroupHeading, {300, 360, 1665, 195}, 8, kBlack, true},
        {C::CdBox, K::Image, kGroup, nullptr, {300, 840, 195, 195}, -1},
        {C::CdLabel, K::Label, kGroup, kCaptionCd, {540, 840, 645, 195}, 6},
        {C::TrackBox, K::ComboBox, kGroup, nullptr, {1380, 780, 615, 300}, 2},
        {C::RepeatTrackLabel, K::Label, kGroup, kCaptionRepeatTrack, {2040, 840, 990, 195}, 7},
        {C::NoneBox, K::Image, kGroup, nullptr, {300, 1140, 195, 195}, -1},
        {C::NoneLabel, K::Label, kGroup, kCaptionNone, {540, 1140, 345, 195}, 4},
        {C::FileBox, K::Image, kGroup, nullptr, {300, 1440, 195, 195}, -1},
        {C::FileLabel, K::Label, kGroup, kCaptionFile, {540, 1440, 900, 195}, 5},
        {C::ChooseFileButton, K::Button, kGroup, kCaptionChooseFile, {540, 1740, 435, 315}, 9},
        {C::FileNameLabel, K::Label, kGroup, "", {1020, 1740, 5355, 435}, 3, kBlack, false, true},
    };
}

constexpr ControlId kSelectionBoxes[] = {C::NoneBox, C::CdBox, C::FileBox};
constexpr ControlId kChoiceLabels[] = {C::NoneLabel, C::CdLabel, C::FileLabel};

}  // namespace

const std::vector<ControlPlace>& Controls() {
    static const std::vector<ControlPlace> kControls = MakeControls();
    return kControls;
}

const ControlPlace& Place(ControlId id) {
    const auto& controls = Controls();
    return *std::find_if(controls.begin(), controls.end(),
                         [id](const ControlPlace& place) { return place.id == id; });
}

std::vector<ControlId> TabOrder() {
    std::vector<ControlPlace> ordered;
    for (const ControlPlace& place : Controls()) {
        if (place.tab_index >= 0) {
            ordered.push_back(place);
        }
    }
    std::sort(ordered.begin(), ordered.end(), [](const ControlPlace& a, const ControlPlace& b) {
        return a.tab_index < b.tab_index;
    });
    std::vector<ControlId> ids;
    ids.reserve(ordered.size());
    for (const ControlPlace& place : ordered) {
        ids.push_back(place.id);
    }
    return ids;
}

std::vector<ControlId> FocusOrder() {
    std::vector<ControlId> stops;
    for (const ControlId id : TabOrder()) {
        const ControlKind kind = Place(id).kind;
        if (kind == K::PictureBox || kind == K::ComboBox || kind == K::Button) {
            stops.push_back(id);
        }
    }
    return stops;
}

std::vector<int> KindsOnScreen() {
    std::vector<int> kinds = {0, 1, 2};
    std::sort(kinds.begin(), kinds.end(), [](int a, int b) {
        return Place(kSelectionBoxes[a]).rect.y < Place(kSelectionBoxes[b]).rect.y;
    });
    return kinds;
}

std::optional<ControlId> SelectionBoxOf(int kind) {
    if (kind < 0 || kind > 2) {
        return std::nullopt;
    }
    return kSelectionBoxes[kind];
}

std::optional<ControlId> ChoiceLabelOf(int kind) {
    if (kind < 0 || kind > 2) {
        return std::nullopt;
    }
    return kChoiceLabels[kind];
}

std::optional<int> KindOfChoiceControl(ControlId id) {
    for (int kind = 0; kind < 3; ++kind) {
        if (kSelectionBoxes[kind] == id || kChoiceLabels[kind] == id) {
            return kind;
        }
    }
    return std::nullopt;
}

PixelRect ToPixels(const TwipsRect& rect, Scale scale) {
    const int left = drawing::TwipsToPixels(rect.x, scale.x);
    const int top = drawing::TwipsToPixels(rect.y, scale.y);
    return {left, top, drawing::TwipsToPixels(rect.width, scale.x),
            drawing::TwipsToPixels(rect.height, scale.y)};
}

std::optional<int> ChoiceKindAt(Container container, int x, int y, Scale scale) {
    for (const ControlPlace& place : Controls()) {
        const std::optional<int> kind = KindOfChoiceControl(place.id);
        if (place.container != container || !kind) {
            continue;
        }
        if (ToPixels(place.rect, scale).Contains(x, y)) {
            return kind;
        }
    }
    return std::nullopt;
}

TwipsPoint PlaceDialog(double screen_width, double screen_height, double dialog_width,
                       double dialog_height) {
    const auto free_length = [](double screen, double dialog) {
        return static_cast<std::int64_t>(std::nearbyint(screen - dialog));
    };
    return {static_cast<std::int32_t>(free_length(screen_width, dialog_width) / 2),
            static_cast<std::int32_t>(free_length(screen_height, dialog_height) / 3)};
}

PixelPoint PlaceDialogInPixels(int screen_width, int screen_height, int window_width,
                               int window_height, Scale scale) {
    const TwipsPoint place = PlaceDialog(screen_width * scale.x, screen_height * scale.y,
                                         window_width * scale.x, window_height * scale.y);
    return {drawing::TwipsToPixels(place.left, scale.x),
            drawing::TwipsToPixels(place.top, scale.y)};
}

std::optional<Scale> ScaleToPlaceAgainAt(Scale made, Scale found) {
    if (drawing::DpiOf(found) == drawing::DpiOf(made)) {
        return std::nullopt;
    }
    return found;
}

}  // namespace velmora::settings_dialog
