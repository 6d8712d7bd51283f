#include "gui/image_list.h"

#include <stdexcept>

#include "gui/drawing.h"
#include "gui/handles.h"

namespace huecast::gui {

ImageListHandle MakeImageList(int size, int count, const std::function<void(HDC dc, int index)>& draw) {
    ImageListHandle list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0));
    if (!list) throw std::runtime_error("Cannot create an image list");
    constexpr COLORREF kMagenta = RGB(255, 0, 255);
    for (int i = 0; i < count; ++i) {
        DibSection image(size, size);
        {
            const MemoryDC dc;
            const SelectedObject selected(dc, image.Handle());
            const BrushHandle ground(CreateSolidBrush(kMagenta));
            const RECT all{0, 0, size, size};
            FillRect(dc, &all, ground.get());
            draw(dc, i);
        }
        // The list copies the bitmap; it must not be selected into a DC while it does.
        if (ImageList_AddMasked(list.get(), image.Handle(), kMagenta) < 0)
            throw std::runtime_error("Cannot add an image to an image list");
    }
    return list;
}

}  // namespace huecast::gui
