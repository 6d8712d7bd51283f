#include "skin/controls/win32/accessible.h"

#include <string>

#include "gui/window.h"
#include "skin/controls/win32/control.h"

namespace huecast::skin {

namespace {

BSTR ToBstr(const std::string& text) {
    // Texts are the system code page's bytes; screen readers take UTF-16.
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(n));
    if (out && n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out, n);
    return out;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

}  // namespace

// Reads the control through its window on every call, so it stays right while the control changes and
// fails cleanly once the control is gone.
class SkinAccessible final : public IAccessible {
  public:
    SkinAccessible(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kIIDAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: clients call the IAccessible methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // What the control says of itself.
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const TSkinControl* control = Control();
        if (!control) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = control->Accessible().role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const TSkinControl* control = Control();
        if (!control) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->get_accName(child, name);
        const AccessibleInfo info = control->Accessible();
        *name = ToBstr(info.name ? *info.name : StripAmpersands(control->Text()));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const TSkinControl* control = Control();
        if (!control) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->get_accState(child, state);
        long s = control->Accessible().state;
        if (!IsWindowEnabled(window_)) s |= STATE_SYSTEM_UNAVAILABLE;
        if (!IsWindowVisible(window_)) s |= STATE_SYSTEM_INVISIBLE;
        if (GetWindowLongA(window_, GWL_STYLE) & WS_TABSTOP) s |= STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == window_) s |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE;
        if (control->MouseInside()) s |= STATE_SYSTEM_HOTTRACKED;
        state->vt = VT_I4;
        state->lVal = s;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        const TSkinControl* control = Control();
        if (!control) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->get_accValue(child, value);
        const AccessibleInfo info = control->Accessible();
        if (!info.value) {
            *value = nullptr;
            return DISP_E_MEMBERNOTFOUND;
        }
        *value = ToBstr(*info.value);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        const TSkinControl* control = Control();
        if (!control) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->get_accDefaultAction(child, action);
        const AccessibleInfo info = control->Accessible();
        if (info.defaultAction.empty()) {
            *action = nullptr;
            return DISP_E_MEMBERNOTFOUND;
        }
        *action = ToBstr(info.defaultAction);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        TSkinControl* control = Control();
        if (!control) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->accDoDefaultAction(child);
        if (control->Accessible().defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
        control->DoDefaultAction();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!Control()) return RPC_E_DISCONNECTED;
        if (GetFocus() == window_) {
            focus->vt = VT_I4;
            focus->lVal = CHILDID_SELF;
            return S_OK;
        }
        return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->get_accFocus(focus);
    }

    // Where it is and what surrounds it: the system's standard object for the window.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return !standard_ ? NoObject(parent) : standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return !standard_ ? NoChildren(count) : standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return !standard_ ? NoObject(out) : standard_->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override { return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->get_accHelp(child, text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->get_accKeyboardShortcut(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override { return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT child) override {
        return !standard_ ? OwnLocation(x, y, w, h, child) : standard_->accLocation(x, y, w, h, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long dir, VARIANT start, VARIANT* end) override {
        return !standard_ ? DISP_E_MEMBERNOTFOUND : standard_->accNavigate(dir, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return !standard_ ? OwnHitTest(x, y, child) : standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    // Without the system's standard object (Wine offers none for a client area): the window itself,
    // with no children.
    HRESULT OwnLocation(long* x, long* y, long* w, long* h, VARIANT child) const {
        if (!IsSelf(child)) return E_INVALIDARG;
        RECT r{};
        if (!GetWindowRect(window_, &r)) return E_FAIL;
        *x = r.left;
        *y = r.top;
        *w = r.right - r.left;
        *h = r.bottom - r.top;
        return S_OK;
    }
    HRESULT OwnHitTest(long x, long y, VARIANT* child) const {
        RECT r{};
        GetWindowRect(window_, &r);
        if (!PtInRect(&r, POINT{x, y})) {
            child->vt = VT_EMPTY;
            return S_FALSE;
        }
        child->vt = VT_I4;
        child->lVal = CHILDID_SELF;
        return S_OK;
    }
    static HRESULT NoChildren(long* count) {
        *count = 0;
        return S_OK;
    }
    static HRESULT NoObject(IDispatch** out) {
        *out = nullptr;
        return S_FALSE;
    }

    ~SkinAccessible() {
        if (standard_) standard_->Release();
    }

    TSkinControl* Control() const {
        return IsWindow(window_) ? dynamic_cast<TSkinControl*>(gui::Window::FromHandle(window_)) : nullptr;
    }
    // "&Send" reads "Send".
    static std::string StripAmpersands(const std::string& text) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '&' && i + 1 < text.size()) ++i;
            out += text[i];
        }
        return out;
    }

    LONG refs_ = 1;
    HWND window_;
    IAccessible* standard_;
};

LRESULT AnswerGetObject(TSkinControl& control, WPARAM wParam, LPARAM) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control.Handle(), OBJID_CLIENT, kIIDAccessible,
                                         reinterpret_cast<void**>(&standard))))
        standard = nullptr;
    auto* accessible = new SkinAccessible(control.Handle(), standard);  // COM: it frees itself at refcount 0
    const LRESULT result = LresultFromObject(kIIDAccessible, wParam, accessible);
    accessible->Release();
    return result;
}

}  // namespace huecast::skin
