#include "text/core/path_forms.h"

namespace velmora::text {

namespace {

bool Fits(const PathForm& form) {
    return form.whole && form.length < kSoundCallPathLimit;
}

}  // namespace

std::optional<Cp932String> KeptName(const PathForms& forms) {
    if (forms.path.whole) {
        return forms.path.cp932;
    }
    if (forms.short_form && forms.short_form->whole) {
        return forms.short_form->cp932;
    }
    return std::nullopt;
}

std::optional<Cp932String> SoundCallForm(const PathForms& forms) {
    if (Fits(forms.path)) {
        return forms.path.cp932;
    }
    if (forms.short_form && Fits(*forms.short_form)) {
        return forms.short_form->cp932;
    }
    return std::nullopt;
}

}  // namespace velmora::text
