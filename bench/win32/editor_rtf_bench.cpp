// The program's own RTF writer against the control's EM_STREAMOUT, on the same 400-byte coloured message.
#include <cstdio>
#include <memory>

#include "app/read_editor_rtf.h"
#include "bench/win32/side_by_side.h"
#include "convert/editor_rtf.h"
#include "convert/win32/ansi_code_page.h"
#include "gui/rich_edit.h"
#include "tests/support/win32/host_window.h"

int main() {
    using namespace huecast;
    const testing::TestHost host({.x = 0, .y = 0, .width = 600, .height = 200, .style = WS_OVERLAPPEDWINDOW});
    gui::RichEdit editor({.parent = host.Handle(), .id = 1, .width = 580, .height = 150, .text = ""});
    const AnsiCodePageConverter systemCodePage;

    // A message as users make them: words in a few fonts and sizes, every character its own colour.
    const char* text = "你好，朋友！Happy birthday 生日快乐 ☆ 天天开心";
    std::vector<TextRun> runs;
    const std::uint32_t palette[6] = {0x0000FF, 0x000000, 0xC0DCC0, 0xFF0000, 0xFF00FF, 0x808000};
    int i = 0;
    for (const char* p = text; *p;) {
        const int length = IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] ? 2 : 1;
        runs.push_back({systemCodePage.ToUtf16(std::string(p, static_cast<std::size_t>(length))),
                        {.fontName = i % 7 == 3 ? "Arial" : "宋体",
                         .sizeHalfPoints = 40 + (i % 3) * 10,
                         .style = static_cast<unsigned>(i % 4 == 0),
                         .color = palette[i % 6]}});
        p += length;
        ++i;
    }
    editor.StreamIn(WriteEditorRtf(runs, systemCodePage));
    const std::size_t ours = ReadEditorRtf(editor).size();
    std::printf("message: %d characters, our RTF %zu bytes, the control's %zu bytes\n", i, ours,
                editor.StreamOut().size());

    const double ratio = bench::SideBySide(
        "ReadEditorRtf", [&] { ReadEditorRtf(editor); }, "EM_STREAMOUT", [&] { editor.StreamOut(); }, 15, 20);
    return ratio > 0 ? 0 : 1;
}
