// What a screen reader reads of a window: its client object, asked through oleacc as an assistive tool
// asks it (WM_GETOBJECT answered by the control).
//
//     ScreenReaderView reader(control.Handle());
//     EXPECT_EQ(reader.Role(), ROLE_SYSTEM_SLIDER);
//     EXPECT_EQ(reader.Value(), L"250");
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

namespace huecast::testing {

class ScreenReaderView {
  public:
    // Throws when the window gives no accessible object.
    explicit ScreenReaderView(HWND window);
    ~ScreenReaderView();
    ScreenReaderView(const ScreenReaderView&) = delete;
    ScreenReaderView& operator=(const ScreenReaderView&) = delete;

    // Each throws, naming the call, when the object does not answer it.
    long Role() const;
    long State() const;
    std::wstring Name() const;
    std::wstring Value() const;
    std::wstring DefaultAction() const;
    void DoDefaultAction() const;

  private:
    IAccessible* accessible_ = nullptr;
};

}  // namespace huecast::testing
