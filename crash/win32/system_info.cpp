#include "crash/win32/system_info.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace huecast::crash {

namespace {

void CopyText(char* to, std::size_t size, std::string_view from) {
    const std::size_t n = std::min(size - 1, from.size());
    std::memcpy(to, from.data(), n);
    to[n] = '\0';
}

using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);

// The true version: GetVersionEx reports what the manifest admits to.
OSVERSIONINFOW SystemVersion() {
    OSVERSIONINFOW v{};
    v.dwOSVersionInfoSize = sizeof v;
    if (HMODULE ntdll = GetModuleHandleA("ntdll.dll")) {
        if (auto get = reinterpret_cast<RtlGetVersionFn>(
                reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion"))))
            get(&v);
    }
    return v;
}

}  // namespace

ReportTime ToReportTime(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

ReportTime LocalNow() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return ToReportTime(t);
}

bool ReadVersionResource(const char* path, std::string& description, std::string& version) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) return false;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path, 0, size, block.data())) return false;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
        char text[48];
        std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned{HIWORD(fixed->dwFileVersionMS)},
                      unsigned{LOWORD(fixed->dwFileVersionMS)}, unsigned{HIWORD(fixed->dwFileVersionLS)},
                      unsigned{LOWORD(fixed->dwFileVersionLS)});
        version = text;
    }
    struct Translation {
        WORD language, codePage;
    }* translations = nullptr;
    if (VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                       &length) &&
        length >= sizeof(Translation)) {
        char key[64];
        std::snprintf(key, sizeof key, "\\StringFileInfo\\%04x%04x\\FileDescription", translations->language,
                      translations->codePage);
        char* value = nullptr;
        if (VerQueryValueA(block.data(), key, reinterpret_cast<void**>(&value), &length) && value &&
            length > 0)
            description.assign(value, strnlen(value, length));
    }
    return true;
}

void ReadProgramInfo(ProgramInfo& info) {
    GetModuleFileNameA(nullptr, info.exePath, sizeof info.exePath);
    GetCurrentDirectoryA(sizeof info.startDirectory, info.startDirectory);

    std::string description, version;
    ReadVersionResource(info.exePath, description, version);
    if (description.empty()) {
        const char* slash = std::strrchr(info.exePath, '\\');
        description = slash ? slash + 1 : info.exePath;
    }
    CopyText(info.description, sizeof info.description, description);
    CopyText(info.version, sizeof info.version, version);

    FILETIME creation, exit, kernel, user;
    SYSTEMTIME utc, local;
    if (GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user) &&
        FileTimeToSystemTime(&creation, &utc) && SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        info.startTime = ToReportTime(local);
    else
        info.startTime = LocalNow();

    DWORD nameSize = sizeof info.computerName;
    if (!GetComputerNameA(info.computerName, &nameSize)) info.computerName[0] = '\0';

    const OSVERSIONINFOW v = SystemVersion();
    // Only the NT family runs the program.
    CopyText(info.osName, sizeof info.osName,
             SystemName(Platform::WindowsNT, v.dwMajorVersion, v.dwMinorVersion, v.dwBuildNumber, ""));
    std::snprintf(info.osBuild, sizeof info.osBuild, "%lu", v.dwBuildNumber);
    if (!VerLanguageNameA(GetUserDefaultUILanguage(), info.language, sizeof info.language))
        info.language[0] = '\0';
}

void ReadMemoryAndDisk(const char* path, ReportData& data) {
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    if (GlobalMemoryStatusEx(&memory)) {
        data.totalMemory = memory.ullTotalPhys;
        data.freeMemory = memory.ullAvailPhys;
    }
    char root[MAX_PATH] = {};
    std::snprintf(root, sizeof root, "%.3s", path);  // "C:\"
    ULARGE_INTEGER available, total, free;
    if (GetDiskFreeSpaceExA(root, &available, &total, &free)) {
        data.totalDisk = total.QuadPart;
        data.freeDisk = free.QuadPart;
    }
}

}  // namespace huecast::crash
