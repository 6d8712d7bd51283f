// A bitmap with row access: width, height, bits per pixel (8, 24 or 32) and rows padded to four bytes, as
// a device-independent bitmap lays them out. It either owns its pixels or views memory owned elsewhere
// (a DIB section of the Win32 layer), so pixels cross between the core and the system without copies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "base/expects.h"

namespace huecast {

class Bitmap {
  public:
    enum class Order { TopDown, BottomUp };

    Bitmap() = default;
    // Owns zero-filled pixels.
    Bitmap(int width, int height, int bitsPerPixel, Order order = Order::TopDown);
    // Owns pixels left unset (the padding at the end of each row is zero), for a caller that writes every
    // pixel at once: zeroing first would touch the whole memory twice.
    static Bitmap Uninitialised(int width, int height, int bitsPerPixel, Order order = Order::TopDown);
    // Views `pixels`, which must hold height rows of StrideFor(width, bitsPerPixel) bytes and outlive the
    // view. `order` says whether the first row in memory is the top or the bottom row of the picture.
    static Bitmap View(std::uint8_t* pixels, int width, int height, int bitsPerPixel, Order order);

    Bitmap(const Bitmap& other);  // deep copy: a copy always owns its pixels
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;  // leaves `other` empty
    Bitmap& operator=(Bitmap&& other) noexcept;

    static std::size_t StrideFor(int width, int bitsPerPixel);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    Order RowOrder() const { return order_; }
    std::size_t Stride() const { return stride_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    bool OwnsPixels() const { return owned_ != nullptr || Empty(); }

    // Row y of the picture, 0 being the top row, whatever the order in memory.
    std::uint8_t* Row(int y) { return data_ + MemoryRow(y) * stride_; }
    const std::uint8_t* Row(int y) const { return data_ + MemoryRow(y) * stride_; }
    // All rows as they lie in memory (first memory row first).
    std::span<std::uint8_t> Bytes() { return {data_, stride_ * static_cast<std::size_t>(Height())}; }
    std::span<const std::uint8_t> Bytes() const {
        return {data_, stride_ * static_cast<std::size_t>(Height())};
    }

    // Colours of an 8-bit picture, 0x00BBGGRR; empty for other depths.
    std::vector<std::uint32_t>& Palette() { return palette_; }
    const std::vector<std::uint32_t>& Palette() const { return palette_; }

    // Colour of one pixel as 0x00BBGGRR (through the palette at 8 bits).
    std::uint32_t PixelColor(int x, int y) const;
    void SetPixelColor(int x, int y, std::uint32_t color);  // 24 and 32 bits only

  private:
    std::size_t MemoryRow(int y) const {
        HUECAST_EXPECTS(y >= 0 && y < height_, "Bitmap::Row: the row index lies outside the bitmap");
        return order_ == Order::TopDown ? static_cast<std::size_t>(y)
                                        : static_cast<std::size_t>(height_ - 1 - y);
    }

    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 24;
    Order order_ = Order::TopDown;
    std::size_t stride_ = 0;
    std::uint8_t* data_ = nullptr;
    std::unique_ptr<std::uint8_t[]> owned_;
    std::vector<std::uint32_t> palette_;
};

}  // namespace huecast
