// Runs the Windows huecast-urtf.exe as a separate process, as a user's batch file would.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

namespace huecast {
namespace {

struct ToolResult {
    DWORD exitCode = 0;
    std::string out;
    std::string err;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

class UrtfToolOnWindows : public testing::Test {
  protected:
    void SetUp() override {
        char path[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, path), 0u);
        dir_ = std::string(path) + "huecast-urtf-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(dir_.c_str(), nullptr);
    }
    void TearDown() override {
        for (const char* name : {"in.rtf", "in.txt", "out", "err"})
            DeleteFileA((dir_ + name).c_str());
        RemoveDirectoryA(dir_.c_str());
    }

    std::string Write(const std::string& name, const std::string& contents) {
        std::ofstream(dir_ + name, std::ios::binary) << contents;
        return dir_ + name;
    }

    // The tool sits in the build tree at tools/huecast-urtf, this test at tests/convert/win32.
    static std::string ToolPath() {
        char path[MAX_PATH];
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string tool(path, length);
        tool.resize(tool.find_last_of('\\') + 1);
        tool += "..\\..\\..\\tools\\huecast-urtf\\huecast-urtf.exe";
        return tool;
    }

    ToolResult Tool(const std::string& arguments) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE out =
            CreateFileA((dir_ + "out").c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS, 0, nullptr);
        HANDLE err =
            CreateFileA((dir_ + "err").c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS, 0, nullptr);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = out;
        startup.hStdError = err;
        std::string command =
            ToolPath();  // appended to, not concatenated: GCC 12 warns wrongly on the latter
        command.insert(0, 1, '"').append("\" ").append(arguments);
        PROCESS_INFORMATION process{};
        ToolResult result;
        result.exitCode = ~DWORD{0};
        if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                           &process)) {
            WaitForSingleObject(process.hProcess, 30000);
            GetExitCodeProcess(process.hProcess, &result.exitCode);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        } else {
            ADD_FAILURE() << "cannot start " << command << ": error " << GetLastError();
        }
        CloseHandle(out);
        CloseHandle(err);
        result.out = ReadAll(dir_ + "out");
        result.err = ReadAll(dir_ + "err");
        return result;
    }

    std::string dir_;
};

TEST_F(UrtfToolOnWindows, WritesTheConvertedBytes) {
    const std::string rtf =
        Write("in.rtf",
              "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc"
              "\\'e5;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\cf1"
              "\\lang2052\\f0\\fs60\\'c4\\'e3\\'ba\\'c3\\cf0\\fs24\\par\r\n}\r\n");
    const std::string plain = Write("in.txt", "\xc4\xe3\xba\xc3");
    const ToolResult result = Tool("\"" + rtf + "\" \"" + plain + "\"");
    EXPECT_EQ(result.exitCode, 0u) << result.err;
    EXPECT_EQ(
        result.out,
        "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1\\f0\\fs60"
        "\\u20320?\\u22909?\\par }");
    EXPECT_EQ(result.err, "");
}

TEST_F(UrtfToolOnWindows, NamesAnUnreadableFile) {
    const std::string plain = Write("in.txt", "hi");
    const ToolResult result = Tool("\"" + dir_ + "nowhere.rtf\" \"" + plain + "\"");
    EXPECT_NE(result.exitCode, 0u);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("nowhere.rtf"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("No such file or directory"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace huecast
