// huecast-urtf RTF-FILE PLAIN-FILE
//
// Converts a message to the messenger's rich text for people who script their messages: RTF-FILE is the
// editor's document (as Huecast writes it; line breaks in the file do not matter), PLAIN-FILE the same text
// without formatting, both in the system code page (GBK). The converted text's bytes go to standard output.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "convert/urtf.h"

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
    "Writes the message's text for the QQ messenger (\"{\\urtf...\") to standard output.\n"
    "RTF-FILE is the message as Huecast's editor writes it, PLAIN-FILE the same text without formatting;\n"
    "both are in the system code page (GBK).\n";

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

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string rtf;
    std::string plain;
    if (!ReadFile(argv[1], rtf) || !ReadFile(argv[2], plain)) return 1;

#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    const huecast::AnsiCodePageConverter codePage;
#else
    const huecast::IconvCodePageConverter codePage;
#endif
    const std::string converted = huecast::ConvertToUrtf(WithoutLineBreaks(rtf), plain, codePage);
    if (std::fwrite(converted.data(), 1, converted.size(), stdout) != converted.size() ||
        std::fflush(stdout) != 0) {
        std::fprintf(stderr, "huecast-urtf: cannot write the result: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
