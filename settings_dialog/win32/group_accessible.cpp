#include "settings_dialog/win32/group_accessible.h"

#include <oleacc.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform_edge/win32/guarded_entry.h"
#include "system_dlls/win32/load_system_dll.h"
#include "text/win32/wide_text.h"

namespace velmora::settings_dialog {

namespace {

// oleacc.dll is no known system library: taken from the system folder, only
// when a screen reader asks.
FARPROC OleaccProc(const char* name) {
    return reinterpret_cast<FARPROC>(system_dlls::OptionalSystemFunction(L"oleacc.dll", name));
}

LONG RoleOf(AccessRole role) {
    switch (role) {
        case AccessRole::RadioButton:
            return ROLE_SYSTEM_RADIOBUTTON;
        case AccessRole::ComboBox:
            return ROLE_SYSTEM_COMBOBOX;
        case AccessRole::PushButton:
            return ROLE_SYSTEM_PUSHBUTTON;
        default:
            return ROLE_SYSTEM_STATICTEXT;
    }
}

static_assert(CHILDID_SELF == kTheGroupItself);

LONG StateFlags(const AccessStates& states) {
    return (states.unavailable ? STATE_SYSTEM_UNAVAILABLE : 0) |
           (states.focusable ? STATE_SYSTEM_FOCUSABLE : 0) |
           (states.checked ? STATE_SYSTEM_CHECKED : 0) |
           (states.focused ? STATE_SYSTEM_FOCUSED : 0);
}

HRESULT Text(text::Cp932View text, BSTR* out) {
    *out = SysAllocString(text::WideFromCp932(text).c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

void SetChild(VARIANT* out, LONG child) {
    out->vt = VT_I4;
    out->lVal = child;
}

// Every COM method answers through here: a body that throws is E_UNEXPECTED.
template <typename Body>
HRESULT Answer(Body&& body) noexcept {
    return platform_edge::AnswerWithin<HRESULT>(E_UNEXPECTED, std::forward<Body>(body));
}

// IUnknown as both objects answer it: the one interface, references counted.
class CountedAccessible : public IAccessible {
  public:
    virtual ~CountedAccessible() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        return Answer([&] {
            if (out == nullptr) {
                return E_POINTER;
            }
            if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
                iid == __uuidof(IAccessible)) {
                *out = static_cast<IAccessible*>(this);
                AddRef();
                return S_OK;
            }
            *out = nullptr;
            return E_NOINTERFACE;
        });
    }
    // Counting alone, which cannot throw: noexcept rather than guarded.
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() noexcept override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

  private:
    ULONG references_ = 1;
};

// Every answer is asked of the dialog afresh; once the dialog has gone, every
// question is answered with the object's disconnection.
class GroupAccessible final : public CountedAccessible {
  public:
    GroupAccessible(HWND group, std::weak_ptr<const DescribeGroup> describe, text::Cp932String name,
                    Scale scale)
        : group_(group), describe_(std::move(describe)), name_(std::move(name)), scale_(scale) {}

    // IDispatch: not offered.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return Answer([&] {
            *count = 0;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override {
        return Answer([] { return E_NOTIMPL; });
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return Answer([] { return E_NOTIMPL; });
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return Answer([] { return E_NOTIMPL; });
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Answer([&] {
            *parent = nullptr;
            return WhileConnected([&] {
                using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
                const auto from_window = reinterpret_cast<FromWindow>(
                    reinterpret_cast<void*>(OleaccProc("AccessibleObjectFromWindow")));
                if (from_window == nullptr) {
                    return S_FALSE;
                }
                return from_window(group_, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                   reinterpret_cast<void**>(parent));
            });
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return WhileConnected([&] {
            *count = static_cast<LONG>(Items().size());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return Answer([&] {
            *out = nullptr;
            return WhileConnected([&] {
                return Item(child) != nullptr ? S_FALSE : E_INVALIDARG;  // simple elements
            });
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        return Answer([&] {
            *out = nullptr;
            return WhileConnected([&] {
                if (IsSelf(child)) {
                    return Text(name_, out);
                }
                const AccessItem* item = Item(child);
                return item != nullptr ? Text(item->name, out) : E_INVALIDARG;
            });
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        return Answer([&] {
            *out = nullptr;
            return WhileConnected([&] {
                const AccessItem* item = Item(child);
                if (item == nullptr || item->role != AccessRole::ComboBox) {
                    return item != nullptr || IsSelf(child) ? S_FALSE : E_INVALIDARG;
                }
                return Text(item->value, out);
            });
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* out) override {
        return NoText(out);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        return WhileConnected([&] {
            const AccessItem* item = Item(child);
            if (item == nullptr && !IsSelf(child)) {
                return E_INVALIDARG;
            }
            SetChild(out, item != nullptr ? RoleOf(item->role) : ROLE_SYSTEM_GROUPING);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        return WhileConnected([&] {
            const AccessItem* item = Item(child);
            if (item == nullptr && !IsSelf(child)) {
                return E_INVALIDARG;
            }
            SetChild(out, StateFlags(item != nullptr ? StatesOf(*item)
                                                     : GroupStates(GetFocus() == group_)));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* out) override { return NoText(out); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        return Answer([&] {
            *topic = 0;
            return NoText(file);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* out) override {
        return NoText(out);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        return Answer([&] {
            out->vt = VT_EMPTY;
            return WhileConnected([&] {
                if (GetFocus() == group_) {
                    SetChild(out, FocusedChild(Items()));
                }
                return S_OK;
            });
        });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        return Answer([&] {
            out->vt = VT_EMPTY;
            return WhileConnected([] { return S_OK; });
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* out) override {
        return NoText(out);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return NotOffered(); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return WhileConnected([&] {
            RECT rect{};
            if (IsSelf(child)) {
                GetClientRect(group_, &rect);
            } else if (const AccessItem* item = Item(child)) {
                const PixelRect place = BoundsOf(*item, scale_);
                rect = {place.x, place.y, place.x + place.width, place.y + place.height};
            } else {
                return E_INVALIDARG;
            }
            MapWindowPoints(group_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
            *left = rect.left;
            *top = rect.top;
            *width = rect.right - rect.left;
            *height = rect.bottom - rect.top;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* out) override {
        return Answer([&] {
            out->vt = VT_EMPTY;
            return NotOffered();
        });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override {
        return Answer([&] {
            out->vt = VT_EMPTY;
            return WhileConnected([&] {
                POINT point{x, y};
                ScreenToClient(group_, &point);
                RECT client{};
                GetClientRect(group_, &client);
                const std::optional<long> number =
                    NumberAt(Items(), scale_, client.right, client.bottom, point.x, point.y);
                if (!number) {
                    return S_FALSE;
                }
                SetChild(out, *number);
                return S_OK;
            });
        });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return NotOffered(); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return NotOffered(); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return NotOffered(); }

  private:
    // The body's answer while the dialog is there; after, the disconnection alone.
    template <typename Body>
    HRESULT WhileConnected(Body&& body) const {
        return Answer([&] { return describe_.expired() ? CO_E_OBJNOTCONNECTED : body(); });
    }
    // No text for what the group does not describe.
    HRESULT NoText(BSTR* out) const {
        return Answer([&] {
            *out = nullptr;
            return WhileConnected([] { return S_FALSE; });
        });
    }
    HRESULT NotOffered() const {
        return WhileConnected([] { return E_NOTIMPL; });
    }
    // Read afresh for every question, so states are never stale.
    std::vector<AccessItem> Items() const {
        const std::shared_ptr<const DescribeGroup> describe = describe_.lock();
        return describe ? (*describe)() : std::vector<AccessItem>{};
    }
    static bool IsSelf(const VARIANT& child) {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    }
    const AccessItem* Item(const VARIANT& child) {
        items_ = Items();
        return child.vt == VT_I4 ? ItemNumbered(items_, child.lVal) : nullptr;
    }

    HWND group_;
    std::weak_ptr<const DescribeGroup> describe_;
    text::Cp932String name_;
    Scale scale_;
    std::vector<AccessItem> items_;  // the last answer Item() read
};

// The platform's own object for a window, with another name.
class RenamedAccessible final : public CountedAccessible {
  public:
    RenamedAccessible(IAccessible* standard, std::wstring name)
        : standard_(standard), name_(std::move(name)) {}
    ~RenamedAccessible() override { standard_->Release(); }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        return Answer([&] {
            if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
                return standard_->get_accName(child, out);
            }
            *out = SysAllocString(name_.c_str());
            return *out != nullptr ? S_OK : E_OUTOFMEMORY;
        });
    }

    // Everything else is the platform's answer.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return Answer([&] { return standard_->GetTypeInfoCount(count); });
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT n, LCID locale, ITypeInfo** out) override {
        return Answer([&] { return standard_->GetTypeInfo(n, locale, out); });
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return Answer([&] { return standard_->GetIDsOfNames(iid, names, count, locale, ids); });
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* wrong) override {
        return Answer([&] {
            return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, wrong);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        return Answer([&] { return standard_->get_accParent(out); });
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return Answer([&] { return standard_->get_accChildCount(count); });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return Answer([&] { return standard_->get_accChild(child, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        return Answer([&] { return standard_->get_accValue(child, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        return Answer([&] { return standard_->get_accDescription(child, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        return Answer([&] { return standard_->get_accRole(child, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        return Answer([&] { return standard_->get_accState(child, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
        return Answer([&] { return standard_->get_accHelp(child, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return Answer([&] { return standard_->get_accHelpTopic(file, child, topic); });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return Answer([&] { return standard_->get_accKeyboardShortcut(child, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        return Answer([&] { return standard_->get_accFocus(out); });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        return Answer([&] { return standard_->get_accSelection(out); });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return Answer([&] { return standard_->get_accDefaultAction(child, out); });
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return Answer([&] { return standard_->accSelect(flags, child); });
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return Answer([&] { return standard_->accLocation(left, top, width, height, child); });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* out) override {
        return Answer([&] { return standard_->accNavigate(direction, start, out); });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override {
        return Answer([&] { return standard_->accHitTest(x, y, out); });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Answer([&] { return standard_->accDoDefaultAction(child); });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return Answer([&] { return standard_->put_accName(child, name); });
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return Answer([&] { return standard_->put_accValue(child, value); });
    }

  private:
    IAccessible* standard_;
    std::wstring name_;
};

// Hands an object to the screen reader that asked. COM is started only when
// the platform cannot hand it over without (a started COM changes how the
// open-file dialog behaves).
LRESULT Hand(IAccessible* object, WPARAM wparam) {
    using FromObject = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    const auto from_object =
        reinterpret_cast<FromObject>(reinterpret_cast<void*>(OleaccProc("LresultFromObject")));
    LRESULT answer = 0;
    if (from_object != nullptr) {
        answer = from_object(__uuidof(IAccessible), wparam, object);
        if (static_cast<HRESULT>(answer) == CO_E_NOTINITIALIZED &&
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
            answer = from_object(__uuidof(IAccessible), wparam, object);
        }
    }
    object->Release();
    return answer;
}

constexpr wchar_t kNameProperty[] = L"Velmora.AccessibleName";
constexpr wchar_t kProcedureProperty[] = L"Velmora.Procedure";

LRESULT CALLBACK RenamingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const auto procedure = reinterpret_cast<WNDPROC>(GetPropW(window, kProcedureProperty));
    const auto* name = static_cast<const std::wstring*>(GetPropW(window, kNameProperty));
    if (message == WM_GETOBJECT && static_cast<LONG>(lparam) == OBJID_CLIENT && name != nullptr) {
        using CreateStandard = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
        const auto create = reinterpret_cast<CreateStandard>(
            reinterpret_cast<void*>(OleaccProc("CreateStdAccessibleObject")));
        IAccessible* standard = nullptr;
        if (create != nullptr && SUCCEEDED(create(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                  reinterpret_cast<void**>(&standard)))) {
            return Hand(new RenamedAccessible(standard, *name), wparam);
        }
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
        RemovePropW(window, kProcedureProperty);
        delete static_cast<const std::wstring*>(RemovePropW(window, kNameProperty));
    }
    return CallWindowProcA(procedure, window, message, wparam, lparam);
}

}  // namespace

void NameForScreenReaders(HWND control, text::Cp932View name) {
    SetPropW(control, kNameProperty, new std::wstring(text::WideFromCp932(name)));
    SetPropW(control, kProcedureProperty,
             reinterpret_cast<HANDLE>(GetWindowLongPtrA(control, GWLP_WNDPROC)));
    SetWindowLongPtrA(control, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(platform_edge::GuardedWindowProc<RenamingProc>));
}

LRESULT AnswerGroupObject(HWND group, WPARAM wparam, LPARAM lparam,
                          std::weak_ptr<const DescribeGroup> describe, text::Cp932View name,
                          Scale scale) {
    if (static_cast<LONG>(lparam) != OBJID_CLIENT) {
        return 0;
    }
    return Hand(new GroupAccessible(group, std::move(describe), text::Cp932String(name), scale),
                wparam);
}

}  // namespace velmora::settings_dialog
