// The clipboard's content taken and given back: text, a registered format, a bitmap and an enhanced
// metafile as they were; an empty clipboard empty again; data that is never rendered counted as not copied.
#include "gui/clipboard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "gui/handles.h"
#include "tests/support/win32/clipboard_bitmap.h"
#include "tests/support/win32/wine_clipboard_manager.h"

namespace huecast::gui {
namespace {

// The clipboard needs an owner window for SetClipboardData to succeed after EmptyClipboard. Every test
// starts with it, once the clipboard is the test's own.
WindowHandle MakeOwner() {
    huecast::testing::WaitForWineClipboardManager();
    return WindowHandle(CreateWindowExA(0, "STATIC", "clipboard owner", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        nullptr, nullptr));
}

HGLOBAL Global(const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    return memory;
}

std::vector<unsigned char> FormatBytes(UINT format, std::size_t size) {
    std::vector<unsigned char> bytes;
    if (!OpenClipboard(nullptr)) return bytes;
    if (HANDLE data = GetClipboardData(format)) {
        const auto* begin = static_cast<const unsigned char*>(GlobalLock(data));
        if (begin && GlobalSize(data) >= size) bytes.assign(begin, begin + size);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

UINT MetafileSize() {
    UINT size = 0;
    if (!OpenClipboard(nullptr)) return size;
    if (auto* metafile = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE)))
        size = GetEnhMetaFileBits(metafile, 0, nullptr);
    CloseClipboard();
    return size;
}

HENHMETAFILE MakeMetafile() {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    Rectangle(dc, 1, 2, 30, 40);
    Ellipse(dc, 5, 5, 20, 25);
    return CloseEnhMetaFile(dc);
}

TEST(ClipboardContents, GivesBackTextARegisteredFormatABitmapAndAMetafile) {
    const WindowHandle owner = MakeOwner();
    const UINT registered = RegisterClipboardFormatA("Huecast test format");
    const unsigned char custom[] = {1, 2, 3, 0, 255, 7};
    const std::uint32_t pixels[6] = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
    ASSERT_TRUE(OpenClipboard(owner.get()));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, Global("user text", 10));
    SetClipboardData(registered, Global(custom, sizeof custom));
    SetClipboardData(CF_BITMAP, CreateBitmap(3, 2, 1, 32, pixels));
    SetClipboardData(CF_ENHMETAFILE, MakeMetafile());
    CloseClipboard();
    const std::vector<std::uint32_t> bitmap = testing::ClipboardBitmapPixels();
    const UINT metafile = MetafileSize();
    ASSERT_EQ(bitmap.size(), 6u);
    ASSERT_GT(metafile, 0u);

    std::optional<ClipboardContents> taken = ClipboardContents::Take(owner.get());
    ASSERT_TRUE(taken);
    EXPECT_TRUE(taken->Complete());
    ASSERT_TRUE(clipboard::SetText(owner.get(), "message"));
    EXPECT_EQ(clipboard::GetText(owner.get()), "message");
    EXPECT_EQ(FormatBytes(registered, sizeof custom), std::vector<unsigned char>());

    ASSERT_TRUE(taken->Restore(owner.get()));
    EXPECT_EQ(clipboard::GetText(owner.get()), "user text");
    EXPECT_EQ(FormatBytes(registered, sizeof custom),
              std::vector<unsigned char>(custom, custom + sizeof custom));
    EXPECT_EQ(testing::ClipboardBitmapPixels(), bitmap);
    EXPECT_EQ(MetafileSize(), metafile);
    // The copy stays whole: it can be given back again.
    ASSERT_TRUE(clipboard::SetText(owner.get(), "again"));
    ASSERT_TRUE(taken->Restore(owner.get()));
    EXPECT_EQ(clipboard::GetText(owner.get()), "user text");
}

TEST(ClipboardContents, AnEmptyClipboardComesBackEmpty) {
    const WindowHandle owner = MakeOwner();
    ASSERT_TRUE(clipboard::Clear(owner.get()));
    std::optional<ClipboardContents> taken = ClipboardContents::Take(owner.get());
    ASSERT_TRUE(taken);
    EXPECT_TRUE(taken->Empty());
    ASSERT_TRUE(clipboard::SetText(owner.get(), "message"));
    ASSERT_TRUE(taken->Restore(owner.get()));
    EXPECT_EQ(CountClipboardFormats(), 0);
}

TEST(ClipboardContents, DataItsOwnerDoesNotRenderIsCountedAsNotCopied) {
    const WindowHandle owner = MakeOwner();  // a static control: it ignores WM_RENDERFORMAT
    ASSERT_TRUE(OpenClipboard(owner.get()));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, Global("kept", 5));
    SetClipboardData(RegisterClipboardFormatA("Huecast delayed format"), nullptr);  // rendered on request
    CloseClipboard();

    std::optional<ClipboardContents> taken = ClipboardContents::Take(owner.get());
    ASSERT_TRUE(taken);
    EXPECT_FALSE(taken->Complete());
    ASSERT_TRUE(clipboard::SetText(owner.get(), "message"));
    EXPECT_TRUE(taken->Restore(owner.get()));  // what was copied is all set again
    EXPECT_EQ(clipboard::GetText(owner.get()), "kept");
}

}  // namespace
}  // namespace huecast::gui
