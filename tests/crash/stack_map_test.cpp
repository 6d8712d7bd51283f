#include "crash/stack_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huecast::crash {
namespace {

// Writes a table as tools/crash-map does.
struct MapWriter {
    struct Function {
        std::uint32_t rva;
        std::string name;
    };
    struct Line {
        std::uint32_t rva, line;
        std::string file;
    };
    std::vector<Function> functions;
    std::vector<Line> lines;

    std::vector<std::uint8_t> Payload() const {
        std::string strings;
        auto intern = [&](const std::string& s) {
            const auto at = static_cast<std::uint32_t>(strings.size());
            strings += s;
            strings += '\0';
            return at;
        };
        std::vector<std::uint8_t> out;
        auto u32 = [&](std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        };
        std::vector<std::uint32_t> names, files;
        for (const auto& f : functions)
            names.push_back(intern(f.name));
        for (const auto& l : lines)
            files.push_back(intern(l.file));
        u32(1);
        u32(static_cast<std::uint32_t>(functions.size()));
        u32(static_cast<std::uint32_t>(lines.size()));
        u32(static_cast<std::uint32_t>(strings.size()));
        for (std::size_t i = 0; i < functions.size(); ++i) {
            u32(functions[i].rva);
            u32(names[i]);
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            u32(lines[i].rva);
            u32(lines[i].line);
            u32(files[i]);
        }
        out.insert(out.end(), strings.begin(), strings.end());
        return out;
    }
};

TEST(StackMap, FindsTheFunctionAndTheLineOfAnAddress) {
    MapWriter w;
    w.functions = {{0x1000, "huecast::Start()"}, {0x1100, "huecast::crash::TLogFile::Add(std::string_view)"}};
    w.lines = {
        {0x1000, 10, "app/main.cpp"}, {0x1010, 12, "app/main.cpp"}, {0x1120, 77, "crash/log_file.cpp"}};
    const auto payload = w.Payload();
    const auto map = StackMap::Parse(payload);
    ASSERT_TRUE(map);
    EXPECT_FALSE(map->Find(0xfff));
    auto e = map->Find(0x1012);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->function, "huecast::Start()");
    EXPECT_EQ(e->unit, "app/main.cpp");
    EXPECT_EQ(e->line, 12);
    // The function's first bytes have no row of their own: no line rather than the previous function's.
    e = map->Find(0x1104);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->function, "huecast::crash::TLogFile::Add(std::string_view)");
    EXPECT_EQ(e->line, 0);
    e = map->Find(0x9999);
    EXPECT_EQ(e->line, 77);
    EXPECT_EQ(e->unit, "crash/log_file.cpp");
}

TEST(StackMap, TrailerAndMalformedTables) {
    MapWriter w;
    w.functions = {{0x10, "f()"}};
    auto payload = w.Payload();
    std::vector<std::uint8_t> file = {'M', 'Z'};
    file.insert(file.end(), payload.begin(), payload.end());
    const auto size = static_cast<std::uint32_t>(payload.size());
    for (int i = 0; i < 4; ++i)
        file.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    file.insert(file.end(), kStackMapMagic, kStackMapMagic + 8);
    EXPECT_EQ(StackMap::PayloadSize(file), size);
    EXPECT_FALSE(StackMap::PayloadSize(std::span(file).first(file.size() - 1)));

    EXPECT_FALSE(StackMap::Parse({}));
    auto bad = payload;
    bad[4] = 200;  // more functions than bytes
    EXPECT_FALSE(StackMap::Parse(bad));
    bad = payload;
    bad.back() = 'x';  // a string without its end
    EXPECT_FALSE(StackMap::Parse(bad));
    bad = payload;
    bad[12] += 1;  // string bytes disagree with the size
    EXPECT_FALSE(StackMap::Parse(bad));
    bad = payload;
    bad[20] = 0xff;  // name offset out of the pool: an empty name, not a bad read
    const auto map = StackMap::Parse(bad);
    ASSERT_TRUE(map);
    EXPECT_EQ(map->Find(0x10)->function, "");
}

TEST(SplitQualifiedName, ClassAndProcedure) {
    auto check = [](std::string_view name, std::string_view cls, std::string_view proc) {
        const SplitName s = SplitQualifiedName(name);
        EXPECT_EQ(s.className, cls) << name;
        EXPECT_EQ(s.procedure, proc) << name;
    };
    check("main", "", "main");
    check("huecast::crash::TLogFile::Add(std::basic_string_view<char, std::char_traits<char> >) const",
          "huecast::crash::TLogFile", "Add");
    check("(anonymous namespace)::CrashNow(int)", "(anonymous namespace)", "CrashNow");
    check("std::vector<int, std::allocator<int> >::push_back(int const&)",
          "std::vector<int, std::allocator<int> >", "push_back");
    check("ns::Foo<a::b>::operator()(int)", "ns::Foo<a::b>", "operator()");
    check("ns::operator<<(std::ostream&, X const&)", "ns", "operator<<");
    check("ns::T::operator<(ns::T const&) const", "ns::T", "operator<");
    // Template functions carry their return type in front, which is no part of the name.
    check("void huecast::Fill<unsigned char>(unsigned char*, int)", "huecast", "Fill<unsigned char>");
    check("std::basic_string<char> ns::(anonymous namespace)::Make<int, long>(int)",
          "ns::(anonymous namespace)", "Make<int, long>");
    check("unsigned long Sum<unsigned long>()", "", "Sum<unsigned long>");
    check("bool ns::Less<int>::operator()<long>(long) const", "ns::Less<int>", "operator()<long>");
    check("ns::T::operator unsigned int() const", "ns::T", "operator unsigned int");
    check("void* ns::Pool::operator new(unsigned long long)", "ns::Pool", "operator new");
}

}  // namespace
}  // namespace huecast::crash
