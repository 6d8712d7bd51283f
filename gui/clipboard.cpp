#include "gui/clipboard.h"

#include <cstring>
#include <memory>

namespace huecast::gui {

ClipboardLock::ClipboardLock(HWND owner) {
    for (int attempt = 0; attempt < 10 && !opened_; ++attempt) {
        opened_ = OpenClipboard(owner) != FALSE;
        if (!opened_) Sleep(20);
    }
}

ClipboardLock::~ClipboardLock() {
    if (opened_) CloseClipboard();
}

namespace clipboard {

bool SetText(HWND owner, const std::string& text) {
    struct GlobalDeleter {
        void operator()(HGLOBAL h) const { GlobalFree(h); }
    };
    std::unique_ptr<void, GlobalDeleter> memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory) return false;
    void* bytes = GlobalLock(memory.get());
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory.get());

    ClipboardLock lock(owner);
    if (!lock.Opened() || !EmptyClipboard()) return false;
    if (!SetClipboardData(CF_TEXT, memory.get())) return false;
    (void)memory.release();  // the clipboard owns it now
    return true;
}

bool Clear(HWND owner) {
    ClipboardLock lock(owner);
    return lock.Opened() && EmptyClipboard();
}

std::optional<std::string> GetText(HWND owner) {
    ClipboardLock lock(owner);
    if (!lock.Opened()) return std::nullopt;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return std::nullopt;
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    if (!bytes) return std::nullopt;
    std::string text(bytes, strnlen(bytes, GlobalSize(data)));
    GlobalUnlock(data);
    return text;
}

}  // namespace clipboard
}  // namespace huecast::gui

namespace huecast::gui {
namespace {

enum class Kind { kMemory, kBitmap, kPalette, kEnhancedMetafile, kMetafilePicture, kNotCopyable };

Kind KindOf(UINT format) {
    switch (format) {
        case CF_BITMAP:
        case CF_DSPBITMAP:
            return Kind::kBitmap;
        case CF_PALETTE:
            return Kind::kPalette;
        case CF_ENHMETAFILE:
        case CF_DSPENHMETAFILE:
            return Kind::kEnhancedMetafile;
        case CF_METAFILEPICT:
        case CF_DSPMETAFILEPICT:
            return Kind::kMetafilePicture;
        case CF_OWNERDISPLAY:
            return Kind::kNotCopyable;
        default:
            // Private and GDI-object formats hold handles whose meaning only their owner knows.
            if ((format >= CF_PRIVATEFIRST && format <= CF_PRIVATELAST) ||
                (format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST))
                return Kind::kNotCopyable;
            return Kind::kMemory;
    }
}

HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size == 0 ? 1 : size);
    if (!memory) return nullptr;
    if (void* target = GlobalLock(memory)) {
        if (size) std::memcpy(target, bytes, size);
        GlobalUnlock(memory);
        return memory;
    }
    GlobalFree(memory);
    return nullptr;
}

HPALETTE CopyPalette(HPALETTE palette) {
    WORD count = 0;
    if (!GetObjectA(palette, sizeof count, &count) || count == 0) return nullptr;
    std::vector<unsigned char> storage(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* log = reinterpret_cast<LOGPALETTE*>(storage.data());
    log->palVersion = 0x300;
    log->palNumEntries = count;
    GetPaletteEntries(palette, 0, count, log->palPalEntry);
    return CreatePalette(log);
}

}  // namespace

std::optional<ClipboardContents> ClipboardContents::Take(HWND owner) {
    ClipboardLock lock(owner);
    if (!lock.Opened()) return std::nullopt;
    ClipboardContents contents;
    for (UINT id = EnumClipboardFormats(0); id != 0; id = EnumClipboardFormats(id)) {
        const Kind kind = KindOf(id);
        // Asking renders formats that the owner or the system provide on request.
        HANDLE data = kind == Kind::kNotCopyable ? nullptr : GetClipboardData(id);
        Format format;
        format.id = id;
        bool copied = data != nullptr;
        if (data) {
            switch (kind) {
                case Kind::kMemory: {
                    const auto* bytes = static_cast<const unsigned char*>(GlobalLock(data));
                    copied = bytes != nullptr;
                    if (bytes) {
                        format.bytes.assign(bytes, bytes + GlobalSize(data));
                        GlobalUnlock(data);
                    }
                    break;
                }
                case Kind::kBitmap:
                    format.object.reset(CopyImage(data, IMAGE_BITMAP, 0, 0, 0));
                    copied = format.object != nullptr;
                    break;
                case Kind::kPalette:
                    format.object.reset(CopyPalette(static_cast<HPALETTE>(data)));
                    copied = format.object != nullptr;
                    break;
                case Kind::kEnhancedMetafile:
                    format.enhanced.reset(CopyEnhMetaFileA(static_cast<HENHMETAFILE>(data), nullptr));
                    copied = format.enhanced != nullptr;
                    break;
                case Kind::kMetafilePicture: {
                    const auto* picture = static_cast<const METAFILEPICT*>(GlobalLock(data));
                    copied = false;
                    if (picture) {
                        format.picture = *picture;
                        const UINT size = GetMetaFileBitsEx(picture->hMF, 0, nullptr);
                        format.bytes.resize(size);
                        copied =
                            size > 0 && GetMetaFileBitsEx(picture->hMF, size, format.bytes.data()) == size;
                        GlobalUnlock(data);
                    }
                    break;
                }
                case Kind::kNotCopyable:
                    break;
            }
        }
        if (copied) {
            contents.formats_.push_back(std::move(format));
        } else {
            ++contents.missing_;
        }
    }
    return contents;
}

HANDLE ClipboardContents::Render(const Format& format) {
    switch (KindOf(format.id)) {
        case Kind::kMemory:
            return GlobalCopy(format.bytes.data(), format.bytes.size());
        case Kind::kBitmap:
            return CopyImage(format.object.get(), IMAGE_BITMAP, 0, 0, 0);
        case Kind::kPalette:
            return CopyPalette(static_cast<HPALETTE>(format.object.get()));
        case Kind::kEnhancedMetafile:
            return CopyEnhMetaFileA(format.enhanced.get(), nullptr);
        case Kind::kMetafilePicture: {
            METAFILEPICT picture = format.picture;
            picture.hMF = SetMetaFileBitsEx(static_cast<UINT>(format.bytes.size()), format.bytes.data());
            if (!picture.hMF) return nullptr;
            HGLOBAL memory = GlobalCopy(&picture, sizeof picture);
            if (!memory) DeleteMetaFile(picture.hMF);
            return memory;
        }
        case Kind::kNotCopyable:
            break;
    }
    return nullptr;
}

void ClipboardContents::Free(UINT id, HANDLE data) {
    switch (KindOf(id)) {
        case Kind::kBitmap:
        case Kind::kPalette:
            DeleteObject(data);
            break;
        case Kind::kEnhancedMetafile:
            DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data));
            break;
        case Kind::kMetafilePicture:
            if (const auto* picture = static_cast<const METAFILEPICT*>(GlobalLock(data))) {
                DeleteMetaFile(picture->hMF);
                GlobalUnlock(data);
            }
            GlobalFree(data);
            break;
        default:
            GlobalFree(data);
            break;
    }
}

bool ClipboardContents::Restore(HWND owner) const {
    ClipboardLock lock(owner);
    if (!lock.Opened() || !EmptyClipboard()) return false;
    bool whole = true;
    for (const Format& format : formats_) {
        HANDLE data = Render(format);
        // On success the clipboard owns the data; on failure it is still ours.
        if (!data || !SetClipboardData(format.id, data)) {
            if (data) Free(format.id, data);
            whole = false;
        }
    }
    return whole;
}

}  // namespace huecast::gui
