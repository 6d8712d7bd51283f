#include "gui/profile_file.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "base/text.h"
#include "gui/handles.h"

namespace huecast::gui {

namespace {

// Larger files are not ini files a person keeps; reading one whole would only exhaust memory.
constexpr LONGLONG kMaxFileBytes = 256LL << 20;

bool SystemLeadByte(unsigned char c) {
    return IsDBCSLeadByte(c) != FALSE;
}

std::string SystemMessage(DWORD code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(Trim(std::string_view(text, length))) : std::string();
    LocalFree(text);
    if (message.empty()) message = "system error " + std::to_string(code);
    return message;
}

[[noreturn]] void Fail(DWORD code) {
    throw ProfileFileError(SystemMessage(code), code);
}

// A file that starts with the UTF-16 byte-order mark is one the system's functions read as UTF-16; the
// program's strings are in the system code page.
std::string FromUtf16(std::string_view bytes) {
    const int units = static_cast<int>(bytes.size() / 2);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    std::copy_n(bytes.data(), static_cast<std::size_t>(units) * 2, reinterpret_cast<char*>(wide.data()));
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), units, out.data(), length, nullptr, nullptr);
    return out;
}

}  // namespace

ProfileText ReadProfileFile(const std::string& path) {
    KernelHandle file;
    for (int attempt = 0;; ++attempt) {
        file.reset(CreateFileA(path.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.get() != INVALID_HANDLE_VALUE) break;
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return ProfileText({}, SystemLeadByte);
        // Another program (a virus scanner, a backup) may hold the file for a moment.
        if (error != ERROR_SHARING_VIOLATION || attempt == 20) Fail(error);
        Sleep(50);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) Fail(GetLastError());
    if (size.QuadPart > kMaxFileBytes) Fail(ERROR_FILE_TOO_LARGE);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read,
                      nullptr))
            Fail(GetLastError());
        if (read == 0) break;  // the file became shorter while it was read
        done += read;
    }
    bytes.resize(done);
    if (bytes.starts_with("\xFF\xFE")) return ProfileText(FromUtf16(std::string_view(bytes).substr(2)), SystemLeadByte);
    return ProfileText(bytes, SystemLeadByte);
}

void ReplaceProfileFile(const std::string& path, const std::string& text) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    // The system would refuse to replace it too, but only after the new file was written.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        Fail(ERROR_FILE_READ_ONLY);

    const std::string temporary = path + ".new";
    {
        KernelHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.get() == INVALID_HANDLE_VALUE) Fail(GetLastError());
        const auto abandon = [&](DWORD error) {
            file.reset();
            DeleteFileA(temporary.c_str());
            Fail(error);
        };
        std::size_t done = 0;
        while (done < text.size()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 30));
            DWORD written = 0;
            if (!WriteFile(file.get(), text.data() + done, chunk, &written, nullptr)) abandon(GetLastError());
            if (written == 0) abandon(ERROR_WRITE_FAULT);
            done += written;
        }
        // The new text must be on the disk before it takes the old one's place.
        if (!FlushFileBuffers(file.get())) abandon(GetLastError());
    }
    if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileA(temporary.c_str());
        Fail(error);
    }
}

}  // namespace huecast::gui
