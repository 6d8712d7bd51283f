// huecast-urtf RTF-FILE PLAIN-FILE
// huecast-urtf --decode URTF-FILE
//
// Converts a message to the messenger's rich text for people who script their messages: RTF-FILE is the
// editor's document (as Huecast writes it; line breaks in the file do not matter), PLAIN-FILE the same text
// without formatting, both in the system code page (GBK). The converted text's bytes go to standard output.
//
// --decode reads such a converted text back and prints what the friend sees, one line per run of one
// format, in UTF-8:
//
//   font=宋体<TAB>charset=134<TAB>size=30<TAB>colour=#FF0000<TAB>style=bold,italic<TAB>text=你好
//
// The text writes a backslash as "\\", a line break as "\r", a tab as "\t" and any other control character
// as "\u{HEX}"; the size is in points; the colour is "auto" or red, green and blue in hexadecimal.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "convert/urtf.h"
#include "convert/urtf_reader.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "convert/win32/ansi_code_page.h"
#else
#include "convert/posix/iconv_code_page.h"
#endif

namespace {

constexpr const char* kUsage =
    "usage: huecast-urtf RTF-FILE PLAIN-FILE\n"
    "       huecast-urtf --decode URTF-FILE\n"
    "Writes the message's text for the QQ messenger (\"{\\urtf...\") to standard output.\n"
    "RTF-FILE is the message as Huecast's editor writes it, PLAIN-FILE the same text without formatting;\n"
    "both are in the system code page (GBK).\n"
    "--decode prints the runs of such a text, one line per run of one format, in UTF-8:\n"
    "font, character set, size in points, colour (#RRGGBB or auto), style and text.\n";

// Reads the whole file into `contents`; on failure says why on standard error and returns false.
bool ReadFile(const char* path, std::string& contents) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        std::fprintf(stderr, "huecast-urtf: cannot open \"%s\": %s\n", path, std::strerror(errno));
        return false;
    }
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        contents.append(buffer, got);
    const bool failed = std::ferror(file);
    const int error = errno;
    std::fclose(file);
    if (failed) {
        std::fprintf(stderr, "huecast-urtf: cannot read \"%s\": %s\n", path, std::strerror(error));
        return false;
    }
    return true;
}

// The editor's document reaches the conversion without line breaks. RTF readers ignore them, except that
// one ends a control word, so a break right after a control word becomes the space that ends it.
std::string WithoutLineBreaks(std::string_view rtf) {
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::string out;
    out.reserve(rtf.size());
    bool inWord = false;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '\r' || c == '\n') {
            if (inWord) out.push_back(' ');
            inWord = false;
            continue;
        }
        out.push_back(c);
        if (c == '\\' && i + 1 < rtf.size()) {
            if (isLetter(rtf[i + 1])) {
                inWord = true;
            } else if (rtf[i + 1] == '\r' || rtf[i + 1] == '\n') {
                out.append("par");  // a backslash before a line break is a paragraph mark
                inWord = true;
            } else {
                out.push_back(rtf[++i]);  // a control symbol such as \\ or \{
                inWord = false;
            }
        } else if (inWord && !isLetter(c) && !isDigit(c) && !(c == '-' && isLetter(out[out.size() - 2]))) {
            inWord = false;
        }
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | c >> 6));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | c >> 12));
        out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | c >> 18));
        out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The text with its backslashes and control characters written so that each run stays on one line.
void AppendEscaped(std::string& out, std::u32string_view text) {
    for (const char32_t c : text) {
        if (c == U'\\') {
            out += "\\\\";
        } else if (c == U'\r') {
            out += "\\r";
        } else if (c == U'\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\u{%X}", static_cast<unsigned>(c));
            out += escape;
        } else {
            AppendUtf8(out, c);
        }
    }
}

std::string DescribeRuns(const std::vector<huecast::UrtfRun>& runs,
                         const huecast::CodePageConverter& codePage) {
    std::string out;
    for (const huecast::UrtfRun& run : runs) {
        const huecast::CharFormat& format = run.format;
        out += "font=";
        std::u32string name;
        for (const char16_t unit : codePage.ToUtf16(format.fontName))
            name.push_back(unit);
        AppendEscaped(out, name);
        char fields[160];
        const unsigned colour = format.color.value_or(0);
        char colourText[8] = "auto";
        if (format.color)
            std::snprintf(colourText, sizeof colourText, "#%02X%02X%02X", colour & 0xFF, colour >> 8 & 0xFF,
                          colour >> 16 & 0xFF);
        std::snprintf(fields, sizeof fields, "\tcharset=%d\tsize=%d%s\tcolour=%s\tstyle=", format.charset,
                      format.sizeHalfPoints / 2, format.sizeHalfPoints % 2 ? ".5" : "", colourText);
        out += fields;
        static const char* const kStyles[] = {"bold", "italic", "underline", "strikeout"};
        bool first = true;
        for (unsigned flag = 0; flag < 4; ++flag) {
            if (!(format.style & 1u << flag)) continue;
            out += first ? "" : ",";
            out += kStyles[flag];
            first = false;
        }
        if (first) out += "regular";
        out += "\ttext=";
        AppendEscaped(out, run.text);
        out += '\n';
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const bool decode = argc >= 2 && std::strcmp(argv[1], "--decode") == 0;
    if (argc != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string input;
    std::string plain;
    if (!ReadFile(argv[decode ? 2 : 1], input) || (!decode && !ReadFile(argv[2], plain))) return 1;

#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    const huecast::AnsiCodePageConverter codePage;
#else
    const huecast::IconvCodePageConverter codePage;
#endif
    const std::string output = decode ? DescribeRuns(huecast::ReadUrtf(input, codePage), codePage)
                                      : huecast::ConvertToUrtf(WithoutLineBreaks(input), plain, codePage);
    if (std::fwrite(output.data(), 1, output.size(), stdout) != output.size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "huecast-urtf: cannot write the result: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
