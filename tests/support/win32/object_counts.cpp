#include "tests/support/win32/object_counts.h"

#include <winternl.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "gui/handles.h"

namespace huecast::testing {

namespace {

// One entry of the GDI handle table the process environment block points to (64-bit layout): a non-zero
// type marks a live object.
struct GdiTableEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
};
static_assert(sizeof(GdiTableEntry) == 24);

// Where the process environment block keeps the table's address, by the build's pointer size.
constexpr std::size_t kGdiTableOffsetInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;
constexpr std::size_t kGdiTableEntries = 16384;

int GdiTableCount(HANDLE process) {
    using Query = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0)
        throw std::runtime_error("CountObjects: the process's basic information cannot be read");
    std::uintptr_t table = 0;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process,
                           reinterpret_cast<const char*>(basic.PebBaseAddress) + kGdiTableOffsetInPeb, &table,
                           sizeof table, &read) ||
        table == 0)
        throw std::runtime_error("CountObjects: the process has no GDI handle table to read");
    std::vector<GdiTableEntry> entries(kGdiTableEntries);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size() * sizeof(GdiTableEntry), &read))
        throw std::runtime_error("CountObjects: the GDI handle table cannot be read");
    int count = 0;
    for (const GdiTableEntry& entry : entries)
        count += entry.type != 0 ? 1 : 0;
    return count;
}

struct WindowCount {
    DWORD processId;
    int count = 0;
};

BOOL CALLBACK CountChild(HWND window, LPARAM data) {
    auto& windows = *reinterpret_cast<WindowCount*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == windows.processId) ++windows.count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data) {
    CountChild(window, data);
    EnumChildWindows(window, CountChild, data);
    return TRUE;
}

}  // namespace

ObjectCounts CountObjects(DWORD processId) {
    const gui::KernelHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process)
        throw std::runtime_error("CountObjects: process " + std::to_string(processId) + " cannot be opened");
    ObjectCounts counts;
    counts.gdi = static_cast<int>(GetGuiResources(process.get(), GR_GDIOBJECTS));
    counts.user = static_cast<int>(GetGuiResources(process.get(), GR_USEROBJECTS));
    if (counts.gdi == 0) counts.gdi = GdiTableCount(process.get());
    if (counts.user == 0) {
        WindowCount windows{processId};
        EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
        counts.user = windows.count;
    }
    return counts;
}

ObjectCounts CountOwnObjects() {
    return CountObjects(GetCurrentProcessId());
}

}  // namespace huecast::testing
