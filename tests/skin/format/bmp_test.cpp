#include "skin/format/bmp.h"

#include <gtest/gtest.h>

#include "skin/format/picture_cache.h"
#include "skin/format/skin_ini.h"
#include "tests/skin/format/skin_test_pictures.h"

namespace huecast::skin {
namespace {

using testing::Paletted;
using testing::SamePixels;
using testing::TrueColour;

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::string ErrorOf(const std::vector<std::uint8_t>& bytes) {
    try {
        ReadBmp(bytes, "picture \"x.bmp\"");
    } catch (const SkinError& error) {
        return error.what();
    }
    return "";
}

TEST(Bmp, PalettePicturesRoundTripInBothRowOrders) {
    for (const auto order : {Bitmap::Order::BottomUp, Bitmap::Order::TopDown}) {
        const Bitmap original = Paletted(13, 5, order);
        const std::vector<std::uint8_t> file = WriteBmp(original);
        EXPECT_EQ(file.size(), 14u + 40u + 7u * 4u + 16u * 5u);  // rows of 13 pixels padded to 16 bytes
        const BmpRead read = ReadBmp(file, "x");
        EXPECT_EQ(read.size, file.size());
        EXPECT_EQ(read.bitmap.BitsPerPixel(), 8);
        EXPECT_EQ(read.bitmap.RowOrder(), order);
        EXPECT_EQ(read.bitmap.Palette(), original.Palette());
        EXPECT_TRUE(SamePixels(read.bitmap, original));
    }
}

// The cutting works on 24-bit copies; widening writes four bytes per pixel, so the ends of rows matter.
TEST(Bmp, PalettePicturesWidenToTwentyFourBitsPixelForPixel) {
    for (const int width : {1, 2, 3, 4, 5, 8})
        for (const auto order : {Bitmap::Order::BottomUp, Bitmap::Order::TopDown}) {
            const Bitmap paletted = Paletted(width, 3, order);
            const Bitmap wide = To24Bits(paletted);
            EXPECT_EQ(wide.BitsPerPixel(), 24);
            EXPECT_TRUE(SamePixels(wide, paletted)) << width;
        }
}

TEST(Bmp, TrueColourPicturesRoundTripAndTheTopRowIsRowZero) {
    const Bitmap original = TrueColour(3, 4);
    const std::vector<std::uint8_t> file = WriteBmp(original);
    const BmpRead read = ReadBmp(file, "x");
    EXPECT_TRUE(SamePixels(read.bitmap, original));
    // Bottom-up: the file's first pixel row is the picture's last, each pixel blue, green, red.
    EXPECT_EQ(file[54], 0x77);
    EXPECT_EQ(file[54 + 1], 3 * 20);
    EXPECT_EQ(file[54 + 2], 0);
}

TEST(Bmp, OneAndFourBitPicturesExpandToEightBits) {
    // 1-bit, 10 x 2, top-down: row 0 = 1010101010, row 1 = 0000000001.
    std::vector<std::uint8_t> file(14 + 40 + 8 + 8, 0);
    file[0] = 'B', file[1] = 'M';
    Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    Put32(file, 10, 14 + 40 + 8);
    Put32(file, 14, 40);
    Put32(file, 18, 10);
    Put32(file, 22, static_cast<std::uint32_t>(-2));
    file[26] = 1, file[28] = 1;
    Put32(file, 54, 0x000000);
    Put32(file, 58, 0xFFFFFF);
    file[62] = 0xAA, file[63] = 0x80;
    file[66] = 0x00, file[67] = 0x40;
    const BmpRead read = ReadBmp(file, "x");
    ASSERT_EQ(read.bitmap.BitsPerPixel(), 8);
    EXPECT_EQ(read.bitmap.Row(0)[0], 1);
    EXPECT_EQ(read.bitmap.Row(0)[1], 0);
    EXPECT_EQ(read.bitmap.Row(0)[8], 1);
    EXPECT_EQ(read.bitmap.Row(1)[9], 1);
    EXPECT_EQ(read.bitmap.PixelColor(8, 0), 0xFFFFFFu);

    // 4-bit, 3 x 1: indexes 2, 15, 1.
    std::vector<std::uint8_t> nibbles(14 + 40 + 64 + 4, 0);
    nibbles[0] = 'B', nibbles[1] = 'M';
    Put32(nibbles, 2, static_cast<std::uint32_t>(nibbles.size()));
    Put32(nibbles, 14, 40);
    Put32(nibbles, 18, 3);
    Put32(nibbles, 22, 1);
    nibbles[26] = 1, nibbles[28] = 4;
    nibbles[118] = 0x2F, nibbles[119] = 0x10;
    const BmpRead four = ReadBmp(nibbles, "x");  // bfOffBits 0: the pixels follow the palette
    EXPECT_EQ(four.bitmap.Row(0)[0], 2);
    EXPECT_EQ(four.bitmap.Row(0)[1], 15);
    EXPECT_EQ(four.bitmap.Row(0)[2], 1);
}

TEST(Bmp, AStreamOfFilesIsWalkedByEachFilesOwnSize) {
    std::vector<std::uint8_t> stream = WriteBmp(Paletted(4, 4));
    const std::size_t first = stream.size();
    const std::vector<std::uint8_t> second = WriteBmp(TrueColour(2, 2));
    stream.insert(stream.end(), second.begin(), second.end());
    EXPECT_EQ(ReadBmp(stream, "x").size, first);
    EXPECT_TRUE(SamePixels(ReadBmp(std::span(stream).subspan(first), "x").bitmap, TrueColour(2, 2)));
}

TEST(Bmp, MalformedFilesAreRefusedWithTheReasonAndTheName) {
    const std::vector<std::uint8_t> good = WriteBmp(Paletted(8, 8));
    const auto with = [&](std::size_t at, std::uint32_t v) {
        std::vector<std::uint8_t> bad = good;
        Put32(bad, at, v);
        return ErrorOf(bad);
    };
    EXPECT_NE(ErrorOf({good.begin(), good.begin() + 20}).find("too few for a BMP header"), std::string::npos);
    std::vector<std::uint8_t> notBm = good;
    notBm[0] = 'X';
    EXPECT_NE(ErrorOf(notBm).find("picture \"x.bmp\": not a BMP file"), std::string::npos);
    EXPECT_NE(with(2, static_cast<std::uint32_t>(good.size() + 1)).find("does not fit"), std::string::npos);
    EXPECT_NE(with(2, 20).find("does not fit"), std::string::npos);
    EXPECT_NE(with(14, 12).find("unsupported BMP header"), std::string::npos);
    EXPECT_NE(with(18, 0).find("out of range"), std::string::npos);
    EXPECT_NE(with(18, 0x7FFFFFFF).find("out of range"), std::string::npos);
    EXPECT_NE(with(22, 0x80000000).find("out of range"), std::string::npos);  // the most negative height
    EXPECT_NE(with(18, 16385).find("out of range"), std::string::npos);
    EXPECT_NE(with(22, 16000).find("run past the end"),
              std::string::npos);  // a fine size, but not in 8 bytes a row
    EXPECT_NE(with(30, 1).find("compressed BMP"), std::string::npos);
    EXPECT_NE(with(46, 300).find("palette colours"), std::string::npos);
    EXPECT_NE(with(10, static_cast<std::uint32_t>(good.size() - 10)).find("run past the end"),
              std::string::npos);
    std::vector<std::uint8_t> depth = good;
    depth[28] = 16;
    EXPECT_NE(ErrorOf(depth).find("16 bits per pixel"), std::string::npos);
    EXPECT_EQ(ErrorOf(good), "");
}

}  // namespace
}  // namespace huecast::skin
