#include "skin/format/client_color.h"

namespace huecast::skin {

std::optional<Color> FormClientColor(const TSkinData& skinData) {
    if (skinData.Empty()) return std::nullopt;
    const TDataSkinFormInfo& form = skinData.FormInfo();
    if (const Bitmap* background = skinData.ActivePicture(form.bgPictureIndex))
        return background->PixelColor(background->Width() / 2, background->Height() / 2);
    const Bitmap& main = skinData.MainPicture();
    const Rect client = form.clientRect;
    if (main.Empty() || client.IsEmpty() || client.right > main.Width() || client.bottom > main.Height())
        return std::nullopt;
    return main.PixelColor((client.left + client.right) / 2, (client.top + client.bottom) / 2);
}

std::optional<Color> ControlFieldColor(const TSkinData& skinData, std::string_view name) {
    const TDataSkinControl* element = skinData.Empty() ? nullptr : skinData.SkinControlAs<TDataSkinControl>(name);
    const Bitmap* picture = element ? skinData.ActivePicture(element->pictureIndex) : nullptr;
    const Rect r = element ? element->skinRect : Rect{};
    if (!picture || r.IsEmpty() || r.right > picture->Width() || r.bottom > picture->Height()) return std::nullopt;
    return picture->PixelColor((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool IsDark(Color color) {
    const int r = static_cast<int>(color & 0xFF), g = static_cast<int>(color >> 8 & 0xFF),
              b = static_cast<int>(color >> 16 & 0xFF);
    return 299 * r + 587 * g + 114 * b < 128 * 1000;
}

}  // namespace huecast::skin
