// The thread watch: a stack overflow that its own thread could not report.
//
// A thread whose stack overflows gets the system's stack-overflow exception, and the reserve that
// `SetThreadStackGuarantee` asks for lets the reporter's filter run on what is left. Not every system
// grants that reserve (Wine ignores the request): where the overflow meets the stack's last page, the
// system ends the thread on the spot, without the exception and without the thread's normal exit. So every
// thread is watched from here: one that ends without passing through its normal exit, and whose stack was
// used down to its last pages, overflowed. Its stack stays readable after it ended; the return addresses
// found deepest in it give the call stack, whose top is the recursing function.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "crash/win32/crash_internal.h"
#include "crash/win32/stack_walk.h"

namespace huecast::crash {

namespace {

// A stack used down to this close to its end overflowed: the system's guard pages and the last page.
constexpr std::uintptr_t kOverflowMargin = 64 * 1024;

struct WatchedThread {
    HANDLE handle = nullptr;
    DWORD id = 0;
    std::uintptr_t stackLow = 0, stackHigh = 0;
    bool endedNormally = false;
};

struct ThreadWatch {
    // One wait slot is the wake event's; threads beyond the rest are not watched.
    static constexpr int kCapacity = MAXIMUM_WAIT_OBJECTS - 1;

    CRITICAL_SECTION lock;
    HANDLE wake = nullptr;
    WatchedThread threads[kCapacity];
    int count = 0;
    DWORD watcherId = 0;
};

ThreadWatch* g_watch = nullptr;

template <typename T>
bool ReadStackValue(std::uintptr_t address, T& value) {
    return ReadMemory(address, &value, sizeof(T));
}

// The lowest address of the stack that holds anything: memory the thread never reached is still zero.
std::uintptr_t DeepestUse(const WatchedThread& t) {
    std::uintptr_t at = t.stackLow;
    while (at < t.stackHigh) {
        MEMORY_BASIC_INFORMATION info;
        if (VirtualQuery(reinterpret_cast<void*>(at), &info, sizeof info) != sizeof info) break;
        const auto end = reinterpret_cast<std::uintptr_t>(info.BaseAddress) + info.RegionSize;
        if (info.State == MEM_COMMIT && !(info.Protect & (PAGE_NOACCESS | PAGE_GUARD))) {
            for (auto* p = reinterpret_cast<const std::uintptr_t*>(at);
                 reinterpret_cast<std::uintptr_t>(p) < end &&
                 reinterpret_cast<std::uintptr_t>(p) < t.stackHigh;
                 ++p)
                if (*p != 0) return reinterpret_cast<std::uintptr_t>(p);
        }
        at = end;
    }
    return t.stackHigh;
}

// Whether the bytes before `address` are a call instruction: a return address, not a stray code address.
bool FollowsCall(std::uintptr_t address) {
    std::uint8_t code[7];
    if (!ReadStackValue(address - sizeof code, code)) return false;
    const auto callThrough = [&](int at) {  // FF /2: an indirect call
        return code[at] == 0xFF && ((code[at + 1] >> 3) & 7) == 2;
    };
    return code[2] == 0xE8 || callThrough(5) || callThrough(4) || callThrough(1) || callThrough(0);
}

// The call stack of an ended thread, from the deepest return address upwards that unwinds as a chain.
int FramesOfEndedThread(std::uintptr_t deepest, std::uintptr_t stackHigh, std::uint64_t* frames,
                        int capacity) {
    deepest &= ~(sizeof(std::uintptr_t) - 1);
    for (std::uintptr_t slot = deepest; slot + sizeof(std::uintptr_t) <= stackHigh;
         slot += sizeof(std::uintptr_t)) {
        std::uintptr_t value = 0;
        if (!ReadStackValue(slot, value) || !FrameResolver::InModule(value) || !FollowsCall(value)) continue;
        CONTEXT context{};
#if defined(_M_X64) || defined(__x86_64__)
        DWORD64 base = 0;
        if (!RtlLookupFunctionEntry(value, &base, nullptr)) continue;
        context.Rip = value;
        context.Rsp = slot + sizeof(std::uintptr_t);
#else
        // The frame-pointer chain: the callee saved its caller's frame pointer just below the return address.
        std::uint32_t savedFrame = 0;
        if (!ReadStackValue(slot - 4, savedFrame) || savedFrame <= slot || savedFrame >= stackHigh) continue;
        context.Eip = value;
        context.Esp = slot + 4;
        context.Ebp = savedFrame;
#endif
        const int count = WalkStack(context, frames, capacity);
        // A lone address may be a leftover; a chain of calls is the thread's stack.
        if (count >= 3 || (count >= 1 && count == capacity)) return count;
    }
    return 0;
}

void Examine(const WatchedThread& t) {
    const std::uintptr_t deepest = DeepestUse(t);
    if (deepest >= t.stackHigh || deepest - t.stackLow > kOverflowMargin) return;  // ended by another cause
    static Failure f;  // the watcher reports one thread at a time
    std::strcpy(f.type, "EStackOverflow");
    std::strcpy(f.message, "Stack overflow.");
    f.hasContext = false;
    f.frameCount = FramesOfEndedThread(deepest, t.stackHigh, f.frames, Failure::kMaxFrames);
    f.address = f.frameCount > 0 ? f.frames[0] : 0;
    // The deepest return addresses may be the system's own, left by its attempt to raise the overflow.
    f.skipRuntimeRows = true;
    f.windowsNoted = false;
    f.fatal = true;
    f.failedThreadId = t.id;
    ReportFailure(f);
}

DWORD WINAPI Watcher(void* parameter) {
    auto& w = *static_cast<ThreadWatch*>(parameter);
    HANDLE handles[MAXIMUM_WAIT_OBJECTS];
    for (;;) {
        EnterCriticalSection(&w.lock);
        handles[0] = w.wake;
        for (int i = 0; i < w.count; ++i)
            handles[i + 1] = w.threads[i].handle;
        const int count = w.count;
        LeaveCriticalSection(&w.lock);

        const DWORD result = WaitForMultipleObjects(static_cast<DWORD>(count + 1), handles, FALSE, INFINITE);
        if (result == WAIT_FAILED) Sleep(50);  // not expected; never a busy loop
        if (result <= WAIT_OBJECT_0 || result > WAIT_OBJECT_0 + static_cast<DWORD>(count)) continue;
        const HANDLE ended = handles[result - WAIT_OBJECT_0];
        EnterCriticalSection(&w.lock);
        WatchedThread thread{};
        for (int i = 0; i < w.count; ++i)
            if (w.threads[i].handle == ended) thread = w.threads[i];
        LeaveCriticalSection(&w.lock);
        if (!thread.endedNormally) Examine(thread);
        // Forgotten only now: the program's end waits for a thread that is still being examined.
        EnterCriticalSection(&w.lock);
        for (int i = 0; i < w.count; ++i)
            if (w.threads[i].handle == ended) w.threads[i] = w.threads[--w.count];
        LeaveCriticalSection(&w.lock);
        CloseHandle(ended);
    }
}

// Before the program ends: a thread that just ended abnormally is examined first, or its report is lost
// with the process.
void FinishExamining() {
    ThreadWatch* w = g_watch;
    if (!w || GetCurrentThreadId() == w->watcherId) return;
    for (int round = 0; round < 3000; ++round) {  // at most a minute: a report may show its dialog
        bool pending = false;
        EnterCriticalSection(&w->lock);
        for (int i = 0; i < w->count && !pending; ++i)
            pending =
                !w->threads[i].endedNormally && WaitForSingleObject(w->threads[i].handle, 0) == WAIT_OBJECT_0;
        LeaveCriticalSection(&w->lock);
        if (!pending) return;
        Sleep(20);
    }
}

}  // namespace

void WatchThisThread() {
    ThreadWatch* w = g_watch;
    if (!w) return;
    HANDLE self = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &self, SYNCHRONIZE,
                         FALSE, 0))
        return;
    WatchedThread t;
    t.handle = self;
    t.id = GetCurrentThreadId();
    // The stack's whole reservation: from its allocation base (where it would overflow) to its top.
    MEMORY_BASIC_INFORMATION info;
    VirtualQuery(&info, &info, sizeof info);
    t.stackLow = t.stackHigh = reinterpret_cast<std::uintptr_t>(info.AllocationBase);
    for (MEMORY_BASIC_INFORMATION region;
         VirtualQuery(reinterpret_cast<void*>(t.stackHigh), &region, sizeof region) == sizeof region &&
         region.AllocationBase == info.AllocationBase;)
        t.stackHigh = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
    EnterCriticalSection(&w->lock);
    const bool room = w->count < ThreadWatch::kCapacity;
    if (room) w->threads[w->count++] = t;
    LeaveCriticalSection(&w->lock);
    if (room)
        SetEvent(w->wake);
    else
        CloseHandle(self);
}

void ThisThreadEndsNormally() {
    ThreadWatch* w = g_watch;
    if (!w) return;
    const DWORD self = GetCurrentThreadId();
    EnterCriticalSection(&w->lock);
    for (int i = 0; i < w->count; ++i)
        if (w->threads[i].id == self) w->threads[i].endedNormally = true;
    LeaveCriticalSection(&w->lock);
}

void StartThreadWatch() {
    if (g_watch) return;
    auto* w = new ThreadWatch;
    InitializeCriticalSection(&w->lock);
    w->wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    g_watch = w;
    // Small: the watcher only waits, walks and hands over to the reporter's helper.
    HANDLE thread =
        CreateThread(nullptr, 64 * 1024, Watcher, w, STACK_SIZE_PARAM_IS_A_RESERVATION, &w->watcherId);
    if (thread) CloseHandle(thread);
    std::atexit(FinishExamining);
}

}  // namespace huecast::crash
