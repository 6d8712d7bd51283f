#include "crash/report.h"

#include <gtest/gtest.h>

namespace huecast::crash {
namespace {

ReportData SampleData(std::span<const StackRow> stack) {
    ReportData d;
    d.startTime = {2026, 3, 4, 5, 6, 7};
    d.description = "Huecast";
    d.version = "2.4.0.0";
    d.exceptionTime = {2026, 12, 31, 23, 59, 58};
    d.address = 0x401a2b;
    d.module = "huecast.exe";
    d.type = "EAccessViolation";
    d.message = "Access violation at 100% of \"x\"";
    d.computerName = "DESK";
    d.totalMemory = 2048ull * 1024 * 1024 + 1;
    d.freeMemory = 1023ull * 1024 * 1024;
    d.totalDisk = 80ull * 1024 * 1024 * 1024;
    d.freeDisk = 1024ull * 1024 * 1024 * 5 / 4;
    d.osName = "Microsoft Windows XP";
    d.osBuild = "2600";
    d.language = "Chinese (Simplified)";
    d.stack = stack;
    return d;
}

TEST(Report, LaysOutBlocksWithPaddedLabelsAndTheStackTable) {
    const StackRow rows[] = {
        {0x401a2b, "C:\\Program Files\\Huecast\\huecast.exe", "app/main.cpp", "huecast::TForm1", "Crash", 42},
        {0x7c800000, "kernel32.dll", "", "", "", 0},
    };
    const TCrashModuleOptions options;
    const std::pmr::string report = BuildReport(SampleData(rows), options);
    const std::string rule = std::string(74, '-') + "\r\n";
    const std::string expected =
        "Application...\r\n"
        "  Start Date      : 03/04/2026 05:06:07\r\n"
        "  Name/Description: Huecast\r\n"
        "  Version Number  : 2.4.0.0\r\n"
        "\r\n"
        "Exception...\r\n"
        "  Date   : 12/31/2026 23:59:58\r\n"
        "  Address: 00401A2B\r\n"
        "  Module : huecast.exe\r\n"
        "  Type   : EAccessViolation\r\n"
        "  Message: Access violation at 100%% of \"x\"\r\n"
        "\r\n"
        "Computer...\r\n"
        "  Name        : DESK\r\n"
        "  Total Memory: 2048 Mb\r\n"
        "  Free Memory : 1023 Mb\r\n"
        "  Total Disk  : 80 Gb\r\n"
        "  Free Disk   : 1.25 Gb\r\n"
        "\r\n"
        "Operating System...\r\n"
        "  Type    : Microsoft Windows XP\r\n"
        "  Build # : 2600\r\n"
        "  Language: Chinese (Simplified)\r\n"
        "\r\n" +
        rule + "|Address |Module      |Unit        |Class          |Procedure/Method|Line|\r\n" + rule +
        "|00401A2B|huecast.exe |app/main.cpp|huecast::TForm1|Crash           |42  |\r\n"
        "|7C800000|kernel32.dll|            |               |                |    |\r\n" +
        rule;
    EXPECT_EQ(std::string(report), expected);
}

TEST(Report, ActiveControlsAndSwitchedOffFieldsAndLineBreaksInValues) {
    ReportData d = SampleData({});
    d.hasActiveWindow = true;
    d.formClass = "HUEC2";
    d.formText = "Huecast";
    d.controlClass = "RichEdit20A";
    d.controlText = "line one\r\nline two\nthree";
    TCrashModuleOptions options;
    options.fieldSwitches &= ~(1u << rfMessage) & ~(1u << rfTotalDisk);
    const std::string report(BuildReport(d, options));
    EXPECT_NE(report.find("Active Controls...\r\n"
                          "  Form Class   : HUEC2\r\n"
                          "  Form Text    : Huecast\r\n"
                          "  Control Class: RichEdit20A\r\n"
                          "  Control Text : line one line two three\r\n\r\n"),
              std::string::npos);
    EXPECT_NE(report.find("  Message: \r\n"), std::string::npos);
    EXPECT_NE(report.find("  Total Disk  : \r\n"), std::string::npos);
    // An empty stack still has its caption row between rules.
    EXPECT_NE(report.find("|Address |Module|Unit|Class|Procedure/Method|Line|\r\n"), std::string::npos);
}

TEST(Report, CustomisedLabelsSetTheirBlockWidth) {
    TCrashModuleOptions options;
    options.texts[txApplication] = "Programm";
    options.texts[txVersionNumber] = "Versionsnummer der Anwendung";
    const std::string report(BuildReport(SampleData({}), options));
    EXPECT_EQ(report.substr(0, report.find("\r\n\r\n")),
              "Programm...\r\n"
              "  Start Date                  : 03/04/2026 05:06:07\r\n"
              "  Name/Description            : Huecast\r\n"
              "  Versionsnummer der Anwendung: 2.4.0.0");
}

TEST(Options, DefaultTextsByIndex) {
    const auto texts = TCrashModuleOptions::DefaultTexts();
    for (const std::string& text : texts)
        EXPECT_FALSE(text.empty());
    EXPECT_EQ(texts[0], "Information.");
    EXPECT_EQ(texts[2], "Error.");
    EXPECT_EQ(texts[11], "&Details");
    EXPECT_EQ(texts[22], "Active Controls");
    EXPECT_EQ(texts[35], "Build #");
    EXPECT_EQ(texts[37], "Address");
    EXPECT_EQ(texts[42], "Line");
    EXPECT_EQ(texts[43], "May I send an email with occurred error(s) to the author of the program ?");
    EXPECT_EQ(texts[44],
              "I will now send an email with the error(s) that occurred to the author of the program.");
    const TCrashModuleOptions defaults;
    EXPECT_EQ(defaults.smtpPort, 25);
    EXPECT_EQ(defaults.smtpTimeoutMs, 30000);
    EXPECT_EQ(defaults.freezeMessage, "The application seems to be frozen.");
    EXPECT_EQ(defaults.fieldSwitches, kAllReportFields);
}

TEST(Report, Figures) {
    EXPECT_EQ(FormatReportTime({2007, 1, 2, 3, 4, 5}), "01/02/2007 03:04:05");
    EXPECT_EQ(FormatMegabytes(0), "0 Mb");
    EXPECT_EQ(FormatMegabytes(1024 * 1024 - 1), "0 Mb");
    EXPECT_EQ(FormatMegabytes(512ull * 1024 * 1024), "512 Mb");
    constexpr std::uint64_t gb = 1024ull * 1024 * 1024;
    EXPECT_EQ(FormatGigabytes(0), "0 Gb");
    EXPECT_EQ(FormatGigabytes(gb / 2), "0.5 Gb");
    EXPECT_EQ(FormatGigabytes(gb + gb / 100 * 7), "1.07 Gb");
    EXPECT_EQ(FormatGigabytes(gb * 2 - 1), "2 Gb");
    EXPECT_EQ(FormatGigabytes(gb * 3 + gb / 3), "3.33 Gb");
}

TEST(Report, SystemNames) {
    EXPECT_EQ(SystemName(Platform::Windows9x, 4, 0, 950, "B"), "Microsoft Windows 95 OSR 2");
    EXPECT_EQ(SystemName(Platform::Windows9x, 4, 0, 950, ""), "Microsoft Windows 95");
    EXPECT_EQ(SystemName(Platform::Windows9x, 4, 10, 2222, "A"), "Microsoft Windows 98 SE");
    EXPECT_EQ(SystemName(Platform::Windows9x, 4, 10, 1998, ""), "Microsoft Windows 98");
    EXPECT_EQ(SystemName(Platform::Windows9x, 4, 90, 3000, ""), "Microsoft Winsows ME");
    EXPECT_EQ(SystemName(Platform::WindowsNT, 4, 0, 1381, ""), "Microsoft Windows NT 4.0");
    EXPECT_EQ(SystemName(Platform::WindowsNT, 5, 0, 2195, ""), "Microsoft Windows 2000");
    EXPECT_EQ(SystemName(Platform::WindowsNT, 5, 1, 2600, ""), "Microsoft Windows XP");
    EXPECT_EQ(SystemName(Platform::WindowsNT, 5, 2, 3790, ""), "Microsoft Windows 2003");
    EXPECT_EQ(SystemName(Platform::WindowsNT, 6, 1, 7601, ""), "Microsoft Windows 7");
    EXPECT_EQ(SystemName(Platform::WindowsNT, 10, 0, 19045, ""), "Microsoft Windows 10");
    EXPECT_EQ(SystemName(Platform::WindowsNT, 10, 0, 22631, ""), "Microsoft Windows 11");
    EXPECT_EQ(SystemName(Platform::WindowsNT, 3, 51, 1057, ""), "");
}

TEST(Report, RuntimeRowsBeforeTheProgramsOwnAreCounted) {
    const StackRow rows[] = {
        {1, "C:\\Windows\\system32\\KERNELBASE.dll", "", "", "", 0},
        {2, "huecast.exe", "crash/win32/crash_reporter.cpp", "huecast::crash::(anonymous namespace)",
         "Handler", 9},
        {3, "huecast.exe", "", "", "__cxa_throw", 0},
        {4, "huecast.exe", "", "std", "terminate", 0},
        {5, "huecast.exe", "", "", "abort", 0},
        {6, "huecast.exe", "app/form1.cpp", "huecast::TForm1", "SendClick", 40},
        {7, "ntdll.dll", "", "", "", 0},
    };
    EXPECT_EQ(LeadingRuntimeRows(rows), 5u);
    EXPECT_EQ(LeadingRuntimeRows(std::span(rows).subspan(5)), 0u);
    // Only runtime: nothing is dropped.
    EXPECT_EQ(LeadingRuntimeRows(std::span(rows).first(5)), 0u);
    // A program function named like a runtime one inside a class of its own is the program's.
    const StackRow own[] = {{1, "huecast.exe", "", "huecast::Player", "abort", 3}};
    EXPECT_EQ(LeadingRuntimeRows(own), 0u);
}

TEST(Report, LongAddressesWidenTheirColumn) {
    const StackRow rows[] = {{0x140001234, "a.exe", "", "", "f", 7}};
    std::pmr::string out;
    AppendStackTable(out, rows, TCrashModuleOptions{});
    EXPECT_NE(out.find("|140001234|a.exe |    |     |f               |7   |\r\n"), std::string::npos);
    EXPECT_EQ(out.substr(0, out.find("\r\n")).size(), std::size_t{9 + 6 + 4 + 5 + 16 + 4 + 7});
}

}  // namespace
}  // namespace huecast::crash
