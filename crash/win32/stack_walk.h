// Call stacks: walking a thread's stack from a register context or from here, and naming each address by
// its module and, inside the executable, by the call-stack table the build appended to it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory_resource>
#include <span>
#include <vector>

#include "crash/report.h"
#include "crash/stack_map.h"

namespace huecast::crash {

// Copies memory that may be gone or protected (a stack, code); false when it cannot be read whole.
bool ReadMemory(std::uintptr_t address, void* to, std::size_t size);

// Walks the stack that `context` describes (the context is a copy and is consumed). The stack must not
// change meanwhile: its thread is stopped or waiting. Returns the number of addresses written.
int WalkStack(CONTEXT context, std::uint64_t* frames, int capacity);
// The calling thread's own stack, without the innermost `skip` frames.
int CaptureStack(std::uint64_t* frames, int capacity, int skip);

// The innermost part of a thread's stack with the registers that go with it: taken where copying is cheap
// and walking is not (at every C++ throw), and walked only when it is needed, after the stack itself has
// moved on. Lives in memory of its own with room behind the copy, so unwinding a frame that the copy cut
// off reads zeros, never past the end.
class StackSnapshot {
  public:
    static constexpr std::size_t kBytes = 16 * 1024;

    // The calling thread's snapshot, made on first use; `Release` frees it when the thread ends.
    static StackSnapshot* ForThisThread();
    static void Release();

    void Take(const CONTEXT& registers);
    void Forget() { valid_ = false; }
    // Walks the copy; where the walk leaves it, it goes on along the stack itself if that part is still in
    // place (above `liveFrom`, a stack address of the caller).
    int Walk(std::uintptr_t liveFrom, std::uint64_t* frames, int capacity) const;

  private:
    static constexpr std::size_t kSlack = 64 * 1024;

    CONTEXT context_;
    std::uintptr_t stackBottom_ = 0, stackTop_ = 0;  // the thread's stack reservation
    std::uintptr_t origin_ = 0;                      // where bytes_[0] was on the stack
    std::size_t size_ = 0;
    bool valid_ = false;
    alignas(16) std::uint8_t bytes_[kBytes + kSlack];
};

class FrameResolver {
  public:
    // Reads the executable's call-stack table, if it carries one, into memory of its own.
    void Load(const char* exePath);

    // Names each address. The first address is where the failure happened; the others are return
    // addresses, looked up one byte earlier so a call at a function's end names that function.
    void Resolve(std::span<const std::uint64_t> frames, bool firstIsFaultAddress,
                 std::pmr::vector<StackRow>& rows, std::pmr::memory_resource* memory) const;

    // Whether an address lies in a loaded module.
    static bool InModule(std::uint64_t address);
    // Module file name (with directory) of an address, or empty.
    static std::string_view ModuleOf(std::uint64_t address, std::pmr::memory_resource* memory);

  private:
    // Start of the function that holds `address`, from the system's unwind tables; 0 when unknown.
    static std::uint64_t FunctionStart(std::uint64_t address);

    std::vector<std::uint8_t> bytes_;
    std::optional<StackMap> map_;
    std::uint64_t imageBase_ = 0;
    std::uint64_t imageSize_ = 0;
};

}  // namespace huecast::crash
