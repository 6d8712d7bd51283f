#include "skin/controls/item_group_layout.h"

#include <algorithm>

namespace huecast::skin {

int ClampColumns(int columns) {
    return std::clamp(columns, 1, kMaxColumns);
}

int ClampItemIndex(int index, int count) {
    return std::clamp(index, -1, std::max(count, 0) - 1);
}

std::vector<Rect> ArrangeItems(const Rect& client, int count, int columns, bool rightToLeft) {
    std::vector<Rect> cells;
    if (count <= 0) return cells;  // arranged on every resize, also before the items are set
    const int c = ClampColumns(columns);
    const int rows = (count + c - 1) / c;
    const int width = std::max(client.Width() / c - 2, 0);
    const int height = std::max(client.Height() / rows, 0);
    cells.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        int x = (i / rows) * width + client.left + 1;
        if (rightToLeft) x = client.Width() - x - width;
        const int y = (i % rows) * height + client.top;
        cells.push_back({x, y, x + width, y + height});
    }
    return cells;
}

}  // namespace huecast::skin
