// A test host wearing the built-in skin, and the look a skinned control must show:
//
//     SkinnedHost host;                                // a top-level window wearing the built-in skin
//     TSkinThing thing({.parent = host.Handle(), .width = 200, .height = 120, .skinDataName = "groupbox",
//                       .skinData = &host.Skin()});
//     Bitmap expected = ExpectedLook(host.Skin(), "groupbox", {200, 120});   // the portable cut
//     EXPECT_EQ(CountDifferentPixels(CapturePrintClient(thing.Handle()), expected, {captionRect}), 0);
//
// The test executable must carry the built-in skin in its resources (huecast_built_in_skin in CMake).
#pragma once

#include <windows.h>

#include <functional>

#include "base/bitmap.h"
#include "base/geometry.h"
#include "skin/format/win32/form_skin.h"
#include "tests/support/win32/host_window.h"

namespace huecast::testing {

class SkinnedHost : public TestHost {
  public:
    // With `skinned`, the built-in skin is loaded once the window exists.
    explicit SkinnedHost(const TestHostArgs& args = {}, bool skinned = true);
    ~SkinnedHost() override;
    skin::TSkinData& Skin() { return skin_.Data(); }
    // Called with every skin notice this window receives, after the walk passed it to its controls.
    std::function<void(skin::SkinNotice)> onNotice;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    skin::FormSkin skin_;
};

// The element `name` of `skin` cut to `size` by the portable cutter from `lookRect` (the skin rect when
// empty): what a control of that element must show where it draws no text.
Bitmap ExpectedLook(const skin::TSkinData& skin, const char* name, Size size, Rect lookRect = {});

}  // namespace huecast::testing
