#include "skin/win32/mask_region.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace huecast::skin {

gui::GdiPtr<HRGN> RegionFromRuns(const std::vector<Rect>& runs) {
    gui::GdiPtr<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    constexpr std::size_t kChunk = 2000;
    for (std::size_t start = 0; start < runs.size(); start += kChunk) {
        const std::size_t n = std::min(kChunk, runs.size() - start);
        std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + n * sizeof(RECT));
        auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
        header->dwSize = sizeof(RGNDATAHEADER);
        header->iType = RDH_RECTANGLES;
        header->nCount = static_cast<DWORD>(n);
        auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
        RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (std::size_t i = 0; i < n; ++i) {
            const Rect& r = runs[start + i];
            rects[i] = {r.left, r.top, r.right, r.bottom};
            bounds = {std::min<LONG>(bounds.left, r.left), std::min<LONG>(bounds.top, r.top),
                      std::max<LONG>(bounds.right, r.right), std::max<LONG>(bounds.bottom, r.bottom)};
        }
        header->rcBound = bounds;
        gui::GdiPtr<HRGN> part(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                               reinterpret_cast<RGNDATA*>(data.data())));
        if (part) CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
    }
    return region;
}

bool ShapeWindow(HWND window, const std::vector<Rect>* runs) {
    if (!runs) {
        SetWindowRgn(window, nullptr, TRUE);
        return false;
    }
    // Once set, the region belongs to the window, which frees the one it replaces.
    HRGN region = RegionFromRuns(*runs).release();
    if (SetWindowRgn(window, region, TRUE)) return true;
    DeleteObject(region);
    return false;
}

}  // namespace huecast::skin
