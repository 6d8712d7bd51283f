#include "base/bitmap.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace huecast {

namespace {

void CheckShape(int width, int height, int bitsPerPixel) {
    if (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)
        throw std::invalid_argument("Bitmap: unsupported depth of " + std::to_string(bitsPerPixel) + " bits");
    // 1 << 15 per side keeps a 32-bit picture under 4 GiB and every row offset inside std::size_t.
    if (width < 0 || height < 0 || width > 32768 || height > 32768)
        throw std::invalid_argument("Bitmap: size " + std::to_string(width) + " x " + std::to_string(height) +
                                    " is out of range");
}

}  // namespace

std::size_t Bitmap::StrideFor(int width, int bitsPerPixel) {
    return ((static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

Bitmap::Bitmap(int width, int height, int bitsPerPixel, Order order)
    : Bitmap(Uninitialised(width, height, bitsPerPixel, order)) {
    std::fill_n(data_, stride_ * static_cast<std::size_t>(height_), std::uint8_t{0});
}

Bitmap Bitmap::Uninitialised(int width, int height, int bitsPerPixel, Order order) {
    CheckShape(width, height, bitsPerPixel);
    Bitmap bitmap;
    bitmap.width_ = width;
    bitmap.height_ = height;
    bitmap.bitsPerPixel_ = bitsPerPixel;
    bitmap.order_ = order;
    bitmap.stride_ = StrideFor(width, bitsPerPixel);
    bitmap.owned_.reset(new std::uint8_t[bitmap.stride_ * static_cast<std::size_t>(height)]);
    bitmap.data_ = bitmap.owned_.get();
    const std::size_t used = static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) / 8;
    if (used < bitmap.stride_)
        for (int y = 0; y < height; ++y)
            std::fill(bitmap.Row(y) + used, bitmap.Row(y) + bitmap.stride_, std::uint8_t{0});
    return bitmap;
}

Bitmap Bitmap::View(std::uint8_t* pixels, int width, int height, int bitsPerPixel, Order order) {
    CheckShape(width, height, bitsPerPixel);
    Bitmap view;
    view.width_ = width;
    view.height_ = height;
    view.bitsPerPixel_ = bitsPerPixel;
    view.order_ = order;
    view.stride_ = StrideFor(width, bitsPerPixel);
    view.data_ = pixels;
    return view;
}

Bitmap::Bitmap(const Bitmap& other)
    : width_(other.width_),
      height_(other.height_),
      bitsPerPixel_(other.bitsPerPixel_),
      order_(other.order_),
      stride_(other.stride_),
      owned_(new std::uint8_t[other.Bytes().size()]),
      palette_(other.palette_) {
    data_ = owned_.get();
    std::copy(other.Bytes().begin(), other.Bytes().end(), data_);
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) *this = Bitmap(other);
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept {
    *this = std::move(other);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this == &other) return *this;
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    bitsPerPixel_ = other.bitsPerPixel_;
    order_ = other.order_;
    stride_ = std::exchange(other.stride_, 0);
    data_ = std::exchange(other.data_, nullptr);
    owned_ = std::move(other.owned_);  // the buffer moves whole, so data_ stays valid
    palette_ = std::move(other.palette_);
    other.palette_.clear();
    return *this;
}

std::uint32_t Bitmap::PixelColor(int x, int y) const {
    const std::uint8_t* row = Row(y);
    switch (bitsPerPixel_) {
        case 8: {
            const std::uint8_t index = row[x];
            return index < palette_.size() ? palette_[index] : 0;
        }
        case 24:
        case 32: {
            const std::uint8_t* p = row + static_cast<std::size_t>(x) * (bitsPerPixel_ / 8);
            return p[0] << 16 | p[1] << 8 | p[2];
        }
    }
    return 0;
}

void Bitmap::SetPixelColor(int x, int y, std::uint32_t color) {
    if (bitsPerPixel_ == 8) throw std::logic_error("Bitmap: SetPixelColor needs a 24- or 32-bit picture");
    std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * (bitsPerPixel_ / 8);
    p[0] = static_cast<std::uint8_t>(color >> 16);  // blue
    p[1] = static_cast<std::uint8_t>(color >> 8);   // green
    p[2] = static_cast<std::uint8_t>(color);        // red
}

}  // namespace huecast
