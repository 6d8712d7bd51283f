// Where the crash tests and their helper programs find each other and leave their files: the folder of the
// running executable, where the build puts the tests, crash_child.exe and mailto_recorder.exe side by side.
#pragma once

#include <windows.h>

#include <string>

namespace huecast::crash::testing {

// The folder, with its trailing backslash.
inline std::string TestFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string exe(path, length);
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

}  // namespace huecast::crash::testing
