// Runs huecast-urtf as a user's script would and checks its output, messages and exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/convert/gbk.h"

namespace huecast {
namespace {

namespace fs = std::filesystem;

struct ToolResult {
    int status = -1;
    std::string out;
    std::string err;
};

class UrtfTool : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("huecast-urtf-test-" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& contents) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path.string();
    }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream contents;
        contents << in.rdbuf();
        return contents.str();
    }

    ToolResult Tool(const std::string& arguments) {
        const std::string command = std::string("'") + HUECAST_URTF_TOOL + "' " + arguments + " >'" +
                                    (dir_ / "out").string() + "' 2>'" + (dir_ / "err").string() + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read(dir_ / "out"), Read(dir_ / "err")};
    }

    fs::path dir_;
};

TEST_F(UrtfTool, WritesTheConvertedBytesAndSucceeds) {
    // As a file saved on Windows: the document's lines end in CR LF, and one ends right after a word.
    const std::string rtf =
        Write("message.rtf",
              "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil"
              "\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
              "\\viewkind4\\uc1\\pard\\cf1\\lang2052\\f0\\fs60\\'c4\\'e3\\par\r\nok\\'ba\\'c3"
              "\\cf0\\fs24\\par\r\n}\r\n");
    const std::string plain = Write("message.txt", test::Gbk("你\r\nok好"));
    const ToolResult run = Tool("'" + rtf + "' '" + plain + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(
        run.out,
        "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1\\f0\\fs60"
        "\\u20320?\\par ok\\u22909?\\par }");
}

TEST_F(UrtfTool, DecodesAConvertedTextIntoItsRuns) {
    const std::string urtf = Write(
        "message.urtf",
        "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}{\\f1\\fcharset2 Webdings;}}{\\colortbl;\\red255\\green0"
        "\\blue0;\\;}\\pard\\cf1\\f0\\fs60\\u20320?\\u55357?\\u56832?\\par a\\\\\\cf2\\b\\i\\f1\\fs21\\tab "
        "Y\\cf0"
        "\\b0\\i0\\ul\\strike\\u1?\\par}");
    const ToolResult run = Tool("--decode '" + urtf + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "font=宋体\tcharset=134\tsize=30\tcolour=#FF0000\tstyle=regular\ttext=你😀\\ra\\\\\n"
              "font=Webdings\tcharset=2\tsize=10.5\tcolour=#000000\tstyle=bold,italic\ttext=\\tY\n"
              "font=Webdings\tcharset=2\tsize=10.5\tcolour=auto\tstyle=underline,strikeout\ttext=\\u{1}\n");

    const ToolResult missing = Tool("--decode '" + (dir_ / "nowhere.urtf").string() + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("nowhere.urtf"), std::string::npos) << missing.err;
}

TEST_F(UrtfTool, UnreadableFilesAreNamedWithTheReason) {
    const std::string plain = Write("plain.txt", "hi");
    const ToolResult missing = Tool("'" + (dir_ / "nowhere.rtf").string() + "' '" + plain + "'");
    EXPECT_NE(missing.status, 0);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("nowhere.rtf"), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos) << missing.err;

    const ToolResult directory = Tool("'" + plain + "' '" + dir_.string() + "'");
    EXPECT_NE(directory.status, 0);
    EXPECT_EQ(directory.out, "");
    EXPECT_NE(directory.err.find(dir_.string()), std::string::npos) << directory.err;
    EXPECT_NE(directory.err.find("Is a directory"), std::string::npos) << directory.err;
}

TEST_F(UrtfTool, WrongArgumentsShowTheUsage) {
    const ToolResult run = Tool("only-one");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: huecast-urtf RTF-FILE PLAIN-FILE"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace huecast
