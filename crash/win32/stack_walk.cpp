#include "crash/win32/stack_walk.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>

namespace huecast::crash {

namespace {

bool Readable(std::uintptr_t address, std::size_t size) {
    MEMORY_BASIC_INFORMATION info;
    if (address == 0 || VirtualQuery(reinterpret_cast<void*>(address), &info, sizeof info) != sizeof info)
        return false;
    if (info.State != MEM_COMMIT || (info.Protect & (PAGE_NOACCESS | PAGE_GUARD))) return false;
    const auto end = reinterpret_cast<std::uintptr_t>(info.BaseAddress) + info.RegionSize;
    return address + size <= end;
}

template <typename T>
bool ReadValue(std::uintptr_t address, T& value) {
    return ReadMemory(address, &value, sizeof(T));
}

}  // namespace

bool ReadMemory(std::uintptr_t address, void* to, std::size_t size) {
    if (!Readable(address, size)) return false;
    std::memcpy(to, reinterpret_cast<const void*>(address), size);
    return true;
}

int WalkStack(CONTEXT context, std::uint64_t* frames, int capacity) {
    int count = 0;
#if defined(_M_X64) || defined(__x86_64__)
    while (count < capacity) {
        // The first address is where the failure happened, even outside any code (a call through a null
        // pointer); past it, such an address is where the walk lost its way.
        if (context.Rip == 0 && count > 0) break;
        frames[count++] = context.Rip;
        const DWORD64 previousSp = context.Rsp;
        DWORD64 imageBase = 0;
        PRUNTIME_FUNCTION function =
            context.Rip ? RtlLookupFunctionEntry(context.Rip, &imageBase, nullptr) : nullptr;
        if (function) {
            void* handlerData = nullptr;
            DWORD64 establisher = 0;
            RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, function, &context, &handlerData,
                             &establisher, nullptr);
        } else {
            // No unwind data: a call to nowhere, whose return address is the top slot, or a small assembly
            // routine such as the stack probe, which pushes a register or two before it touches the stack.
            // The return address is the first of the top slots that points into code with unwind data.
            bool found = false;
            for (int slot = 0; slot < 4 && !found; ++slot) {
                DWORD64 candidate = 0, candidateBase = 0;
                if (!ReadValue(context.Rsp + 8 * slot, candidate)) break;
                if (candidate && RtlLookupFunctionEntry(candidate, &candidateBase, nullptr)) {
                    context.Rip = candidate;
                    context.Rsp += 8 * (slot + 1);
                    found = true;
                }
            }
            if (!found) break;
        }
        if (context.Rsp <= previousSp && count > 1)
            break;  // a stack that does not unwind outwards is damaged
    }
#else
    if (count < capacity) frames[count++] = context.Eip;
    // A call to an address outside any module never ran its callee: the caller's return address is still
    // on top of the stack, and its frame is the one the frame pointer names.
    std::uint32_t returnAddress = 0;
    if (count < capacity && !FrameResolver::InModule(context.Eip) && ReadValue(context.Esp, returnAddress) &&
        FrameResolver::InModule(returnAddress))
        frames[count++] = returnAddress;
    std::uintptr_t frame = context.Ebp;
    while (count < capacity) {
        std::uint32_t next = 0;
        if (!ReadValue(frame, next) || !ReadValue(frame + 4, returnAddress) || returnAddress == 0) break;
        frames[count++] = returnAddress;
        if (next <= frame) break;
        frame = next;
    }
#endif
    return count;
}

namespace {

// A system TLS slot rather than a C++ thread_local: it is read while the thread ends, after the runtime may
// have dropped its own per-thread storage.
DWORD SnapshotSlot() {
    static const DWORD slot = TlsAlloc();
    return slot;
}

}  // namespace

StackSnapshot* StackSnapshot::ForThisThread() {
    const DWORD slot = SnapshotSlot();
    if (slot == TLS_OUT_OF_INDEXES) return nullptr;
    auto* snapshot = static_cast<StackSnapshot*>(TlsGetValue(slot));
    if (!snapshot) {
        void* memory = VirtualAlloc(nullptr, sizeof(StackSnapshot), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!memory) return nullptr;
        snapshot = new (memory) StackSnapshot;
        TlsSetValue(slot, snapshot);
        // The stack's reservation ends where the regions of its allocation end.
        MEMORY_BASIC_INFORMATION stack;
        VirtualQuery(&stack, &stack, sizeof stack);
        snapshot->stackBottom_ = reinterpret_cast<std::uintptr_t>(stack.AllocationBase);
        std::uintptr_t top = snapshot->stackBottom_;
        for (MEMORY_BASIC_INFORMATION region;
             VirtualQuery(reinterpret_cast<void*>(top), &region, sizeof region) == sizeof region &&
             region.AllocationBase == stack.AllocationBase;)
            top = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
        snapshot->stackTop_ = top;
    }
    return snapshot;
}

void StackSnapshot::Release() {
    const DWORD slot = SnapshotSlot();
    if (slot == TLS_OUT_OF_INDEXES) return;
    if (void* snapshot = TlsGetValue(slot)) VirtualFree(snapshot, 0, MEM_RELEASE);
    TlsSetValue(slot, nullptr);
}

void StackSnapshot::Take(const CONTEXT& registers) {
    context_ = registers;
#if defined(_M_X64) || defined(__x86_64__)
    origin_ = registers.Rsp;
#else
    origin_ = registers.Esp;
#endif
    // A throw on another stack (a fiber's) is not copied: only the thread's own stack is known readable.
    valid_ = origin_ >= stackBottom_ && origin_ < stackTop_;
    if (!valid_) return;
    size_ = std::min<std::size_t>(stackTop_ - origin_, kBytes);
    // A copy shorter than kBytes reaches the stack's end, so no frame reads past it; a longer stack is cut
    // off, and its cut-off frame reads the zeros of the room behind.
    std::memcpy(bytes_, reinterpret_cast<const void*>(origin_), size_);
}

int StackSnapshot::Walk(std::uintptr_t liveFrom, std::uint64_t* frames, int capacity) const {
    if (!valid_) return 0;
    const auto copy = reinterpret_cast<std::uintptr_t>(bytes_);
    const std::uintptr_t copyEnd = copy + size_;
    const auto inOriginal = [&](std::uintptr_t a) { return a >= origin_ && a < origin_ + size_; };
    const auto inCopy = [&](std::uintptr_t a) { return a >= copy && a < copyEnd; };
    CONTEXT c = context_;
    int count = 0;
#if defined(_M_X64) || defined(__x86_64__)
    // Stack addresses point into the copy: the stack pointer, and the frame pointer that a frame with
    // a variable size unwinds from.
    c.Rsp = c.Rsp - origin_ + copy;
    if (inOriginal(c.Rbp)) c.Rbp = c.Rbp - origin_ + copy;
    while (count < capacity && c.Rip != 0) {
        if (c.Rsp >= copyEnd) {
            c.Rsp = c.Rsp - copy + origin_;
            if (inCopy(c.Rbp)) c.Rbp = c.Rbp - copy + origin_;
            if (c.Rsp <= liveFrom) break;
            return count + WalkStack(c, frames + count, capacity - count);
        }
        frames[count++] = c.Rip;
        DWORD64 imageBase = 0;
        PRUNTIME_FUNCTION function = RtlLookupFunctionEntry(c.Rip, &imageBase, nullptr);
        if (!function) break;
        const DWORD64 previousSp = c.Rsp;
        void* handlerData = nullptr;
        DWORD64 establisher = 0;
        RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, c.Rip, function, &c, &handlerData, &establisher,
                         nullptr);
        if (c.Rsp <= previousSp) break;
        if (inOriginal(c.Rbp)) c.Rbp = c.Rbp - origin_ + copy;
    }
#else
    // The frame-pointer chain, read from the copy where it lies there and from the stack above it.
    const auto read = [&](std::uintptr_t address, std::uint32_t& value) {
        if (inOriginal(address) && inOriginal(address + 3)) {
            std::memcpy(&value, bytes_ + (address - origin_), 4);
            return true;
        }
        return address > liveFrom && ReadValue(address, value);
    };
    if (count < capacity) frames[count++] = c.Eip;
    std::uintptr_t frame = c.Ebp;
    while (count < capacity) {
        std::uint32_t next = 0, returnAddress = 0;
        if (!read(frame, next) || !read(frame + 4, returnAddress) || returnAddress == 0) break;
        frames[count++] = returnAddress;
        if (next <= frame) break;
        frame = next;
    }
    (void)inCopy;
#endif
    return count;
}

int CaptureStack(std::uint64_t* frames, int capacity, int skip) {
    void* addresses[128];
    const int wanted = capacity < 128 ? capacity : 128;
    const int n = RtlCaptureStackBackTrace(static_cast<DWORD>(skip + 1), static_cast<DWORD>(wanted),
                                           addresses, nullptr);
    for (int i = 0; i < n; ++i)
        frames[i] = reinterpret_cast<std::uintptr_t>(addresses[i]);
    return n;
}

void FrameResolver::Load(const char* exePath) {
    const auto* image = reinterpret_cast<const std::uint8_t*>(GetModuleHandleA(nullptr));
    imageBase_ = reinterpret_cast<std::uintptr_t>(image);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
    imageSize_ = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew)->OptionalHeader.SizeOfImage;
    HANDLE file = CreateFileA(exePath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER size{};
    std::uint8_t trailer[kStackMapTrailerSize];
    DWORD read = 0;
    LARGE_INTEGER at{};
    at.QuadPart = -static_cast<LONGLONG>(kStackMapTrailerSize);
    if (GetFileSizeEx(file, &size) && size.QuadPart > static_cast<LONGLONG>(kStackMapTrailerSize) &&
        SetFilePointerEx(file, at, nullptr, FILE_END) &&
        ReadFile(file, trailer, sizeof trailer, &read, nullptr) && read == sizeof trailer) {
        const auto payloadSize = StackMap::PayloadSize(trailer);
        constexpr std::uint32_t kLargest = 256u << 20;
        if (payloadSize && *payloadSize <= kLargest &&
            *payloadSize <= size.QuadPart - static_cast<LONGLONG>(kStackMapTrailerSize)) {
            bytes_.resize(*payloadSize);
            at.QuadPart = -static_cast<LONGLONG>(kStackMapTrailerSize + *payloadSize);
            if (SetFilePointerEx(file, at, nullptr, FILE_END) &&
                ReadFile(file, bytes_.data(), *payloadSize, &read, nullptr) && read == *payloadSize)
                map_ = StackMap::Parse(bytes_);
        }
    }
    CloseHandle(file);
}

bool FrameResolver::InModule(std::uint64_t address) {
    HMODULE module = nullptr;
    // Address 0 would name the executable: a null module address means the calling process's own.
    return address != 0 &&
           GetModuleHandleExW(
               GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
               reinterpret_cast<LPCWSTR>(static_cast<std::uintptr_t>(address)), &module);
}

std::string_view FrameResolver::ModuleOf(std::uint64_t address, std::pmr::memory_resource* memory) {
    HMODULE module = nullptr;
    if (address == 0 ||
        !GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(static_cast<std::uintptr_t>(address)), &module))
        return {};
    // The wide call: the ANSI one converts through the process heap, which may be what failed.
    wchar_t wide[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, wide, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    char* name = static_cast<char*>(memory->allocate(2 * MAX_PATH, 1));
    const int n =
        WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), name, 2 * MAX_PATH, nullptr, nullptr);
    return std::string_view(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

void FrameResolver::Resolve(std::span<const std::uint64_t> frames, bool firstIsFaultAddress,
                            std::pmr::vector<StackRow>& rows, std::pmr::memory_resource* memory) const {
    rows.clear();
    rows.reserve(frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        StackRow row;
        row.address = frames[i];
        row.module = ModuleOf(frames[i], memory);
        if (row.module.empty()) {
            // Past the thread's first frame the walk finds only leftovers.
            if (i > 0) break;
            row.module = kNoModule;
            rows.push_back(row);
            continue;
        }
        const std::uint64_t lookup = (i == 0 && firstIsFaultAddress) ? frames[i] : frames[i] - 1;
        if (map_ && lookup >= imageBase_ && lookup - imageBase_ < imageSize_) {
            if (auto entry = map_->Find(static_cast<std::uint32_t>(lookup - imageBase_))) {
                if (imageBase_ + entry->functionRva < FunctionStart(lookup)) {
                    // The nearest symbol belongs to an earlier function: this one has none.
                    row.procedure = kNoName;
                } else {
                    const SplitName name = SplitQualifiedName(entry->function);
                    row.className = name.className;
                    row.procedure = name.procedure;
                    row.unit = entry->unit;
                    row.line = entry->line;
                }
            }
        }
        rows.push_back(row);
    }
}

std::uint64_t FrameResolver::FunctionStart(std::uint64_t address) {
#if defined(_M_X64) || defined(__x86_64__)
    DWORD64 base = 0;
    const RUNTIME_FUNCTION* function = RtlLookupFunctionEntry(address, &base, nullptr);
    // A function may be described in parts; each later part chains to the one before, and the first
    // part's start is the function's.
    for (int depth = 0; function && depth < 32; ++depth) {
        const auto* info = reinterpret_cast<const std::uint8_t*>(base + function->UnwindData);
        constexpr std::uint8_t kChainInfo = 0x4;  // UNW_FLAG_CHAININFO
        if (!((info[0] >> 3) & kChainInfo)) return base + function->BeginAddress;
        const std::size_t codes = (info[2] + 1u) & ~1u;
        function = reinterpret_cast<const RUNTIME_FUNCTION*>(info + 4 + 2 * codes);
    }
#else
    (void)address;
#endif
    // Without unwind data the function's extent is unknown, and the nearest symbol is taken as its name.
    return 0;
}

}  // namespace huecast::crash
