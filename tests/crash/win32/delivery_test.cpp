// The `mailto:` path with a registered handler that records its command line, and the MAPI library search.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "crash/mail.h"
#include "crash/win32/crash_reporter.h"
#include "crash/win32/crash_trace.h"
#include "crash/win32/report_delivery.h"
#include "tests/crash/win32/test_folder.h"

namespace huecast::crash {
namespace {

using testing::TestFolder;

std::string PercentDecode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() + 0 && i + 2 <= text.size() - 1) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Sets a registry value for the life of the object and puts the old state back afterwards.
class RegistryValue {
  public:
    RegistryValue(HKEY root, std::string key, const char* name, const std::string& value, DWORD type = REG_SZ)
        : root_(root), key_(std::move(key)), name_(name ? name : "") {
        HKEY handle;
        if (RegCreateKeyExA(root_, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) !=
            ERROR_SUCCESS)
            return;
        char old[4096];
        DWORD size = sizeof old;
        had_ = RegQueryValueExA(handle, name, nullptr, &oldType_, reinterpret_cast<BYTE*>(old), &size) ==
               ERROR_SUCCESS;
        if (had_) old_.assign(old, size);
        RegSetValueExA(handle, name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(handle);
    }
    ~RegistryValue() {
        HKEY handle;
        if (RegOpenKeyExA(root_, key_.c_str(), 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS) return;
        const char* name = name_.empty() ? nullptr : name_.c_str();
        if (had_)
            RegSetValueExA(handle, name, 0, oldType_, reinterpret_cast<const BYTE*>(old_.data()),
                           static_cast<DWORD>(old_.size()));
        else
            RegDeleteValueA(handle, name);
        RegCloseKey(handle);
    }

  private:
    HKEY root_;
    std::string key_, name_, old_;
    DWORD oldType_ = REG_SZ;
    bool had_ = false;
};

TEST(Mailto, TheHandlersPercentOneBecomesOneQuotedArgument) {
    EXPECT_EQ(MailtoCommand("mail.exe %1", "mailto:a?b=c"), "mail.exe \"mailto:a?b=c\"");
    EXPECT_EQ(MailtoCommand("\"C:\\mail.exe\" \"%1\"", "mailto:x"), "\"C:\\mail.exe\" \"mailto:x\"");
    EXPECT_EQ(MailtoCommand("mail.exe -compose %1 %2", "u"), "mail.exe -compose \"u\" %2");
    // The URL's own "%1..." escapes are not taken for the placeholder.
    EXPECT_EQ(MailtoCommand("m %1", "%1A"), "m \"%1A\"");
}

TEST(Mailto, AReportFullOfQuotesAmpersandsAndPercentSignsArrivesIntact) {
    const std::string recorder = TestFolder() + "mailto_recorder.exe";
    const std::string record = TestFolder() + "mailto-command.txt";
    DeleteFileA(record.c_str());
    // An unquoted placeholder, as some handlers register it.
    RegistryValue handler(HKEY_CLASSES_ROOT, "mailto\\shell\\open\\command", nullptr,
                          "\"" + recorder + "\" %1");

    const std::string subject = "Crash \"now\" & then";
    const std::string message = "He said \"stop\" & ran; 100% sure\r\n\" --evil & calc.exe \"%1\" %PATH% ^&";
    const std::string log = "Message: a \"b\" & c %% d\r\n\r\n\r\n\r\n";
    ASSERT_TRUE(SendByMailto("first@example.org; second@example.org", subject, message, log));

    std::ifstream in(record, std::ios::binary);
    ASSERT_TRUE(in) << "the handler did not run";
    std::stringstream content;
    content << in.rdbuf();
    std::string argumentCount, argument;
    std::getline(content, argumentCount);
    std::getline(content, argument);
    EXPECT_EQ(argumentCount, "2");  // the program and one argument: nothing was injected
    EXPECT_EQ(argument,
              MailtoUrl("first@example.org; second@example.org", subject, BuildMailBody(message, log)));

    const std::size_t bodyAt = argument.find("&body=");
    ASSERT_NE(bodyAt, std::string::npos);
    EXPECT_EQ(argument.substr(0, argument.find('?')), "mailto:first@example.org,second@example.org");
    EXPECT_EQ(PercentDecode(
                  argument.substr(argument.find("?subject=") + 9, bodyAt - argument.find("?subject=") - 9)),
              subject);
    EXPECT_EQ(PercentDecode(argument.substr(bodyAt + 6)), message + "\r\n\r\n\r\n" + log);
}

TEST(Mailto, ALogTooLongForACommandLineSendsItsNewestPart) {
    const std::string recorder = TestFolder() + "mailto_recorder.exe";
    const std::string record = TestFolder() + "mailto-command.txt";
    DeleteFileA(record.c_str());
    RegistryValue handler(HKEY_CLASSES_ROOT, "mailto\\shell\\open\\command", nullptr,
                          "\"" + recorder + "\" \"%1\"");
    std::string log;
    for (int i = 0; i < 2000; ++i)
        log += "  Message: record line " + std::to_string(i) + " & \"more\"\r\n";
    ASSERT_TRUE(SendByMailto("a@example.org", "s", "Text", log));

    std::ifstream in(record, std::ios::binary);
    ASSERT_TRUE(in) << "the handler did not run";
    std::string argumentCount, argument;
    std::getline(in, argumentCount);
    std::getline(in, argument);
    EXPECT_EQ(argumentCount, "2");
    const std::string body = PercentDecode(argument.substr(argument.find("&body=") + 6));
    EXPECT_TRUE(body.starts_with("Text\r\n\r\n\r\n[...]\r\n  Message: record line ")) << body.substr(0, 80);
    EXPECT_TRUE(body.ends_with("  Message: record line 1999 & \"more\"\r\n"));
    EXPECT_LT(argument.size(), 32000u);
}

TEST(Mailto, NoHandlerIsAShellWarning) {
    RegistryValue handler(HKEY_CLASSES_ROOT, "mailto\\shell\\open\\command", nullptr,
                          "C:\\no\\such\\mail-program.exe %1");
    EXPECT_FALSE(SendByMailto("a@example.org", "s", "b", std::nullopt));
    EXPECT_EQ(LastCrashWarning().code, TCrashLogErrorCode::eeEmailShellError);
}

TEST(Mapi, TheDefaultMailClientsLibraryIsLoadedAndItsEntryPointsChecked) {
    RegistryValue client(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail", nullptr, "HuecastTestClient");
    // A library that loads but is no mail client: found through the registry with the variable expanded.
    RegistryValue path(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail\\HuecastTestClient", "DLLPath",
                       "%SystemRoot%\\system32\\version.dll", REG_EXPAND_SZ);
    std::vector<std::string> trace;
    SetCrashTraceSink([&](const std::string& line) { trace.push_back(line); });
    EXPECT_FALSE(SendByMapi("a@example.org", "subject", "body", ""));
    SetCrashTraceSink(nullptr);
    EXPECT_EQ(LastCrashWarning().code, TCrashLogErrorCode::eeEmailMAPIError);
    EXPECT_EQ(LastCrashWarning().message, "Cannot found the MAPI functions.");
    EXPECT_EQ(trace,
              std::vector<std::string>{
                  "[WARNING] - Code: eeEmailMAPIError - Message: \"Cannot found the MAPI functions.\""});
}

}  // namespace
}  // namespace huecast::crash
