#include "crash/stack_map.h"

#include <cstring>

namespace huecast::crash {

namespace {

constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kFunctionSize = 8;
constexpr std::size_t kLineSize = 12;

std::uint32_t ReadU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

}  // namespace

std::optional<std::uint32_t> StackMap::PayloadSize(std::span<const std::uint8_t> tail) {
    if (tail.size() < kStackMapTrailerSize) return std::nullopt;
    const std::uint8_t* trailer = tail.data() + tail.size() - kStackMapTrailerSize;
    if (std::memcmp(trailer + 4, kStackMapMagic, sizeof kStackMapMagic) != 0) return std::nullopt;
    return ReadU32(trailer);
}

std::optional<StackMap> StackMap::Parse(std::span<const std::uint8_t> payload) {
    if (payload.size() < kHeaderSize) return std::nullopt;
    StackMap map;
    map.bytes_ = payload;
    if (map.U32(0) != 1) return std::nullopt;
    map.functionCount_ = map.U32(4);
    map.lineCount_ = map.U32(8);
    map.stringBytes_ = map.U32(12);
    const std::uint64_t need = kHeaderSize + std::uint64_t(map.functionCount_) * kFunctionSize +
                               std::uint64_t(map.lineCount_) * kLineSize + map.stringBytes_;
    if (need != payload.size()) return std::nullopt;
    map.functionsAt_ = kHeaderSize;
    map.linesAt_ = map.functionsAt_ + std::size_t(map.functionCount_) * kFunctionSize;
    map.stringsAt_ = map.linesAt_ + std::size_t(map.lineCount_) * kLineSize;
    // Strings must end inside the pool, so String() never reads past it.
    if (map.stringBytes_ > 0 && payload[payload.size() - 1] != 0) return std::nullopt;
    return map;
}

std::uint32_t StackMap::U32(std::size_t offset) const {
    return ReadU32(bytes_.data() + offset);
}

std::string_view StackMap::String(std::uint32_t offset) const {
    if (offset >= stringBytes_) return {};
    const char* s = reinterpret_cast<const char*>(bytes_.data() + stringsAt_ + offset);
    return std::string_view(s, std::strlen(s));
}

std::optional<StackMapEntry> StackMap::Find(std::uint32_t rva) const {
    // Last entry whose rva is at or below `rva`; the tables are sorted, and an unsorted (altered) table
    // gives a wrong name, never a bad read.
    auto lastAtOrBelow = [&](std::size_t at, std::size_t stride, std::uint32_t count) -> std::int64_t {
        std::uint32_t lo = 0, hi = count;
        while (lo < hi) {
            const std::uint32_t mid = lo + (hi - lo) / 2;
            if (U32(at + std::size_t(mid) * stride) <= rva)
                lo = mid + 1;
            else
                hi = mid;
        }
        return std::int64_t(lo) - 1;
    };
    const std::int64_t f = lastAtOrBelow(functionsAt_, kFunctionSize, functionCount_);
    if (f < 0) return std::nullopt;
    const std::size_t fAt = functionsAt_ + std::size_t(f) * kFunctionSize;
    StackMapEntry entry;
    entry.functionRva = U32(fAt);
    entry.function = String(U32(fAt + 4));
    const std::int64_t l = lastAtOrBelow(linesAt_, kLineSize, lineCount_);
    if (l >= 0) {
        const std::size_t lAt = linesAt_ + std::size_t(l) * kLineSize;
        // A line row before the function's start belongs to another function.
        if (U32(lAt) >= U32(fAt)) {
            entry.line = static_cast<int>(U32(lAt + 4) & 0x7fffffff);
            entry.unit = String(U32(lAt + 8));
        }
    }
    return entry;
}

SplitName SplitQualifiedName(std::string_view name) {
    static constexpr std::string_view kAnonymous = "(anonymous namespace)";
    static constexpr std::string_view kOperator = "operator";
    int angle = 0;
    std::size_t end = name.size();
    std::size_t start = 0;  // past the return type that template functions carry in front
    std::size_t lastSeparator = std::string_view::npos;
    bool inOperator = false;  // "operator new", "operator unsigned int": blanks inside the name
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (name.substr(i, kAnonymous.size()) == kAnonymous) {
            i += kAnonymous.size() - 1;
            continue;
        }
        if (angle == 0 && name.substr(i, kOperator.size()) == kOperator &&
            (i == 0 || name[i - 1] == ':' || name[i - 1] == ' ')) {
            inOperator = true;
        }
        if (c == '<') {
            // "operator<" and "operator<<" are names, not template brackets.
            if (i >= 8 && name.substr(i - 8, 8) == kOperator) {
                while (i + 1 < name.size() && (name[i + 1] == '<' || name[i + 1] == '='))
                    ++i;
                continue;
            }
            ++angle;
        } else if (c == '>' && angle > 0) {
            --angle;
        } else if (angle == 0 && c == '(') {
            if (i >= 8 && name.substr(i - 8, 8) == kOperator && name.substr(i, 2) == "()") {
                ++i;
                continue;
            }
            end = i;
            break;
        } else if (angle == 0 && c == ':' && i + 1 < name.size() && name[i + 1] == ':') {
            lastSeparator = i;
            ++i;
        } else if (angle == 0 && c == ' ' && !inOperator) {
            start = i + 1;
        }
    }
    const std::string_view qualified = name.substr(start, end - start);
    if (lastSeparator == std::string_view::npos || lastSeparator < start || lastSeparator >= end)
        return {{}, qualified};
    return {qualified.substr(0, lastSeparator - start), qualified.substr(lastSeparator + 2 - start)};
}

}  // namespace huecast::crash
