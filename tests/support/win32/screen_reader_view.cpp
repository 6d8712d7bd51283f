#include "tests/support/win32/screen_reader_view.h"

#include <stdexcept>
#include <string>

#include "skin/controls/win32/accessible.h"

namespace huecast::testing {

namespace {

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

void Check(HRESULT result, const char* call) {
    if (result != S_OK) throw std::runtime_error(std::string("ScreenReaderView: ") + call + " failed");
}

std::wstring Take(BSTR text) {
    std::wstring taken = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return taken;
}

}  // namespace

ScreenReaderView::ScreenReaderView(HWND window) {
    CoInitialize(nullptr);
    const HRESULT result =
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), skin::kIIDAccessible,
                                   reinterpret_cast<void**>(&accessible_));
    if (result != S_OK || !accessible_) {
        CoUninitialize();
        throw std::runtime_error("ScreenReaderView: the window gives no accessible object");
    }
}

ScreenReaderView::~ScreenReaderView() {
    accessible_->Release();
    CoUninitialize();
}

long ScreenReaderView::Role() const {
    VARIANT role{};
    Check(accessible_->get_accRole(Self(), &role), "get_accRole");
    return role.lVal;
}

long ScreenReaderView::State() const {
    VARIANT state{};
    Check(accessible_->get_accState(Self(), &state), "get_accState");
    return state.lVal;
}

std::wstring ScreenReaderView::Name() const {
    BSTR text = nullptr;
    Check(accessible_->get_accName(Self(), &text), "get_accName");
    return Take(text);
}

std::wstring ScreenReaderView::Value() const {
    BSTR text = nullptr;
    Check(accessible_->get_accValue(Self(), &text), "get_accValue");
    return Take(text);
}

std::wstring ScreenReaderView::DefaultAction() const {
    BSTR text = nullptr;
    Check(accessible_->get_accDefaultAction(Self(), &text), "get_accDefaultAction");
    return Take(text);
}

void ScreenReaderView::DoDefaultAction() const {
    Check(accessible_->accDoDefaultAction(Self()), "accDoDefaultAction");
}

}  // namespace huecast::testing
