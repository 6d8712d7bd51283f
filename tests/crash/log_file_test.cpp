#include "crash/log_file.h"

#include <gtest/gtest.h>

#include <string>

namespace huecast::crash {
namespace {

// A report's first eleven lines, as BuildReport lays them out.
std::string Report(std::string_view version, std::string_view address, std::string_view message,
                   std::string_view date = "01/01/2026 00:00:00") {
    std::string r;
    r += "Application...\r\n  Start Date      : 01/01/2026 00:00:00\r\n  Name/Description: Huecast\r\n";
    r += "  Version Number  : " + std::string(version) + "\r\n\r\n";
    r += "Exception...\r\n  Date   : " + std::string(date) + "\r\n";
    r += "  Address: " + std::string(address) +
         "\r\n  Module : huecast.exe\r\n  Type   : EAccessViolation\r\n";
    r += "  Message: " + std::string(message) + "\r\n\r\n";
    r += "Computer...\r\n  Name: X\r\n\r\n";
    return r;
}

TEST(LogFile, RecordsRoundTripThroughTheFileText) {
    TLogFile log;
    log.Add(Report("2.4.0.0", "00401000", "one"));
    log.Add(Report("2.4.0.0", "00401000", "two"));
    const std::pmr::string text = log.Text();
    // Each record ends with its last line's CR LF and three empty lines.
    EXPECT_NE(text.find("  Name: X\r\n\r\n\r\n\r\nApplication..."), std::string::npos);
    EXPECT_TRUE(text.ends_with("  Name: X\r\n\r\n\r\n\r\n"));

    TLogFile again;
    again.Load(text);
    ASSERT_EQ(again.Count(), 2u);
    EXPECT_EQ(RecordLineValue(again.Record(1), 11), "two");
    EXPECT_EQ(again.Text(), text);
}

TEST(LogFile, ReadsForeignLineEndsAndKeepsShortBlankRuns) {
    TLogFile log;
    log.Load("\n\nA: 1\n\nB: 2\n\n\n\nC: 3\r\rD: 4\n\n\n\nE: 5");
    ASSERT_EQ(log.Count(), 3u);
    EXPECT_EQ(log.Record(0), "A: 1\r\n\r\nB: 2");
    EXPECT_EQ(log.Record(1), "C: 3\r\n\r\nD: 4");
    EXPECT_EQ(log.Record(2), "E: 5");
}

TEST(LogFile, EqualityVersionAndLineValues) {
    const std::string a = Report("2.4.0.0", "00401000", "boom", "01/01/2026 10:00:00");
    const std::string b = Report("2.4.0.1", "00401000", "boom", "02/02/2026 11:00:00");
    const std::string c = Report("2.4.0.0", "00401004", "boom");
    EXPECT_TRUE(RecordsEqual(a, b));  // time and version do not count
    EXPECT_FALSE(RecordsEqual(a, c));
    EXPECT_EQ(RecordLineValue(a, 8), "00401000");
    EXPECT_EQ(RecordLineValue("x\r\nno colon here", 2), "");
    EXPECT_EQ(RecordLineValue("x", 40), "");
    TLogFile log;
    EXPECT_EQ(log.LastVersion(), "");
    log.Add(a);
    log.Add(b);
    EXPECT_EQ(log.LastVersion(), "2.4.0.1");
    EXPECT_EQ(log.Find(c), -1);
    EXPECT_EQ(log.Find(Report("9", "00401000", "boom")), 0);
}

TEST(LogFile, PathBesideTheProgramInAFolderOrNamed) {
    EXPECT_EQ(LogPathFor("C:\\Program Files\\Huecast\\huecast.exe", ""),
              "C:\\Program Files\\Huecast\\huecast.elf");
    EXPECT_EQ(LogPathFor("C:\\a.b\\huecast", ""), "C:\\a.b\\huecast.elf");
    EXPECT_EQ(LogPathFor("C:\\x\\huecast.exe", "D:\\logs"), "D:\\logs\\huecast.elf");
    EXPECT_EQ(LogPathFor("C:\\x\\huecast.exe", "D:\\logs\\"), "D:\\logs\\huecast.elf");
    EXPECT_EQ(LogPathFor("C:\\x\\huecast.exe", "D:\\logs\\crash.ELF"), "D:\\logs\\crash.ELF");
    EXPECT_EQ(LogPathFor("huecast.exe", ""), "huecast.elf");
}

TEST(LogPolicy, MaximumOfThreeKeepsTheThreeNewest) {
    TCrashModuleOptions options;
    options.logPolicy = 0;
    options.maximumRecords = 3;
    TLogFile log;
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(ApplyReportToLog(log, Report("2.4.0.0", "0040100" + std::to_string(i), "m"), options));
    ASSERT_EQ(log.Count(), 3u);
    EXPECT_EQ(RecordLineValue(log.Record(0), 8), "00401002");
    EXPECT_EQ(RecordLineValue(log.Record(2), 8), "00401004");
}

TEST(LogPolicy, DuplicatesAreLoggedOnceWithTheirBit) {
    TCrashModuleOptions options;
    options.logPolicy = kLogSkipDuplicates;
    options.maximumRecords = 2;
    TLogFile log;
    EXPECT_TRUE(ApplyReportToLog(log, Report("2.4.0.0", "00401000", "m"), options));
    EXPECT_TRUE(ApplyReportToLog(log, Report("2.4.0.0", "00402000", "m"), options));
    // The same failure again neither adds nor pushes the older record out.
    EXPECT_FALSE(ApplyReportToLog(log, Report("2.4.0.0", "00401000", "m", "05/05/2026 00:00:00"), options));
    EXPECT_EQ(log.Count(), 2u);

    options.logPolicy = 0;
    TLogFile plain;
    ApplyReportToLog(plain, Report("2.4.0.0", "00401000", "m"), options);
    ApplyReportToLog(plain, Report("2.4.0.0", "00401000", "m"), options);
    EXPECT_EQ(plain.Count(), 2u);
}

TEST(LogPolicy, TheNewestReportSurvivesTrimmingItsOlderCopy) {
    TCrashModuleOptions options;
    options.logPolicy = kLogSkipDuplicates;
    options.maximumRecords = 3;
    TLogFile log;
    for (int i = 0; i < 5; ++i)  // written under a larger maximum
        log.Add(Report("2.4.0.0", "0040100" + std::to_string(i), "m"));
    // Equal to the oldest record, which the maximum trims away now.
    EXPECT_TRUE(ApplyReportToLog(log, Report("2.4.0.0", "00401000", "m", "06/06/2026 00:00:00"), options));
    ASSERT_EQ(log.Count(), 3u);
    EXPECT_EQ(RecordLineValue(log.Record(0), 8), "00401003");
    EXPECT_EQ(RecordLineValue(log.Record(2), 7), "06/06/2026 00:00:00");

    // Equal to a record that stays: nothing is added, but the log still keeps to the maximum.
    for (int i = 5; i < 7; ++i)
        log.Add(Report("2.4.0.0", "0040100" + std::to_string(i), "m"));
    EXPECT_TRUE(ApplyReportToLog(log, Report("2.4.0.0", "00401006", "m"), options));
    ASSERT_EQ(log.Count(), 3u);
    EXPECT_EQ(RecordLineValue(log.Record(0), 8), "00401000");
    EXPECT_EQ(RecordLineValue(log.Record(2), 8), "00401006");
}

TEST(LogPolicy, ANewVersionEmptiesTheLog) {
    TCrashModuleOptions options;
    options.logPolicy = kLogEmptyOnNewVersion;
    options.maximumRecords = 10;
    TLogFile log;
    ApplyReportToLog(log, Report("2.3.0.0", "00401000", "a"), options);
    ApplyReportToLog(log, Report("2.3.0.0", "00402000", "b"), options);
    ApplyReportToLog(log, Report("2.4.0.0", "00403000", "c"), options);
    ASSERT_EQ(log.Count(), 1u);
    EXPECT_EQ(log.LastVersion(), "2.4.0.0");
}

TEST(LogPolicy, AlwaysAppendZeroMaximumAndSaveLogOff) {
    TCrashModuleOptions options;
    options.logPolicy = kLogAlwaysAppend | kLogEmptyOnNewVersion;
    options.maximumRecords = 1;
    TLogFile log;
    ApplyReportToLog(log, Report("1", "1", "a"), options);
    ApplyReportToLog(log, Report("2", "1", "a"), options);
    EXPECT_EQ(log.Count(), 2u);  // always-append wins over the version and the maximum

    options.logPolicy = 0;
    options.maximumRecords = 0;
    EXPECT_TRUE(ApplyReportToLog(log, Report("2", "1", "a"), options));
    EXPECT_EQ(log.Count(), 0u);

    options.maximumRecords = 5;
    options.saveLog = false;
    EXPECT_FALSE(ApplyReportToLog(log, Report("2", "1", "a"), options));
    EXPECT_EQ(log.Count(), 0u);
}

}  // namespace
}  // namespace huecast::crash
