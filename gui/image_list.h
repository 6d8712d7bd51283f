// Image lists of the system's common controls, owned, and drawn by the program itself.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <type_traits>

namespace huecast::gui {

struct ImageListDeleter {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
using ImageListHandle = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

// `count` images of `size` × `size` pixels, image i drawn by `draw(dc, i)` into (0, 0, size, size) on a
// magenta ground (RGB 255, 0, 255), which becomes transparent. Throws std::runtime_error when the system
// refuses the list.
ImageListHandle MakeImageList(int size, int count, const std::function<void(HDC dc, int index)>& draw);

}  // namespace huecast::gui
