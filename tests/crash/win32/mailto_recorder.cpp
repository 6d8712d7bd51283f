// Stands in for the system's mail program: writes the command line it was started with, and the arguments
// as the system splits them, to mailto-command.txt beside itself.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "tests/crash/win32/test_folder.h"

int main() {
    const std::string out = huecast::crash::testing::TestFolder() + "mailto-command.txt";
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    FILE* file = std::fopen(out.c_str(), "wb");
    if (!file) return 1;
    std::fprintf(file, "%d\n", count);
    for (int i = 1; i < count; ++i) {
        char text[40000];
        const int n = WideCharToMultiByte(CP_UTF8, 0, arguments[i], -1, text, sizeof text, nullptr, nullptr);
        std::fprintf(file, "%s\n", n > 0 ? text : "");
    }
    std::fclose(file);
    LocalFree(arguments);
    return 0;
}
