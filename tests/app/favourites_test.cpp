// The favourites store: the ini text as the system's profile functions read it, and the real huecast.exe
// adding, changing, deleting and reopening works in rtf.ini across restarts, kills and unwritable files.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/control_ids.h"
#include "gui/profile_file.h"
#include "tests/app/huecast_driver.h"

namespace huecast::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// What another program reading the file through the system's profile functions gets.
std::string SystemRead(const fs::path& file, const char* section, const char* key) {
    std::string value(1 << 16, '\0');
    const DWORD n = GetPrivateProfileStringA(section, key, "<none>", value.data(),
                                             static_cast<DWORD>(value.size()), file.string().c_str());
    value.resize(n);
    return value;
}

// A document the editor reads, holding `text` in one format.
std::string Rtf(const std::string& text) {
    return "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}{\\colortbl "
           ";\\red0\\green0\\blue255;}"
           "\\pard\\cf1\\f0\\fs40 " +
           text + "\\par}";
}

// ---------------------------------------------------------------------------------------------------------
// The ini text, against the system's own reader.

class ProfileTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char dir[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, dir);
        file_ = fs::path(dir) / ("huecast-profile-" + std::to_string(GetCurrentProcessId()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini");
    }
    void TearDown() override {
        SetFileAttributesA(file_.string().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignored;
        fs::remove(file_, ignored);
        fs::remove(file_.string() + ".new", ignored);
    }
    // Each key read by both readers must come out the same.
    void ExpectReadLikeTheSystem(const std::string& text,
                                 std::initializer_list<std::pair<const char*, const char*>> keys) {
        WriteBytes(file_, text);
        const ProfileText ini(text);
        for (const auto& [section, key] : keys) {
            const std::string system = SystemRead(file_, section, key);
            EXPECT_EQ(ini.Read(section, key).value_or("<none>"), system) << "[" << section << "] " << key;
        }
    }
    fs::path file_;
};

TEST_F(ProfileTextTest, ReadsValuesAsTheSystemDoes) {
    ExpectReadLikeTheSystem(
        "; a comment\r\n"
        "[Head]\r\nCount=3\r\n\r\n"
        "[1]\r\nname=  blanks at both ends  \r\nrtf={\\rtf1 x}\r\n"
        "  [ 2 ]  \r\nNAME=\"quoted\"\r\nrtf='single'\r\nempty=\r\n"
        "[3]\r\nname=\"only one quote\r\nname=second of the same key\r\n  spaced key  =v\r\n"
        "[1]\r\nname=second section of the same name\r\nextra=x\r\n"
        "[\xc4\xe3\xba\xc3]\r\n\xc3\xfb=\xd6\xb5\r\n"  // 你好 / 名=值
        "[Tail]\nunix=line end\n",
        {{"Head", "Count"},
         {"head", "count"},
         {"1", "name"},
         {"1", "rtf"},
         {"2", "name"},
         {"2", "rtf"},
         {"2", "empty"},
         {"3", "name"},
         {"3", "spaced key"},
         {"1", "extra"},
         {"4", "name"},
         {"\xc4\xe3\xba\xc3", "\xc3\xfb"},
         {"Tail", "unix"},
         {"Tail", "absent"}});
}

TEST_F(ProfileTextTest, ReadsAValueOfAnyLengthWhole) {
    std::string rtf;
    for (int i = 0; i < 2000; ++i)
        rtf += "\\cf" + std::to_string(i % 7) + " x";
    ASSERT_GT(rtf.size(), 10000u);
    const ProfileText ini("[1]\r\nrtf=" + rtf + "\r\n");
    EXPECT_EQ(ini.Read("1", "rtf"), rtf);
}

TEST_F(ProfileTextTest, WritingEditsInPlaceAndKeepsEveryOtherLine) {
    ProfileText ini(
        "; kept\r\n[Head]\r\nCount=5\r\nOwner=someone\r\n\r\n[1]\r\nname=a\r\nrtf=r1\r\ncolour=red\r\n\r\n"
        "[5]\r\nname=old five\r\n");
    ini.Write("Head", "Count", "2");
    ini.Write("1", "name", " new a ");
    ini.Write("2", "name", "b");
    ini.Write("2", "rtf", "r2");
    ini.Write("1", "added", "z");
    EXPECT_EQ(
        ini.Text(),
        "; kept\r\n[Head]\r\nCount=2\r\nOwner=someone\r\n\r\n[1]\r\nname= new a \r\nrtf=r1\r\ncolour=red\r\n"
        "added=z\r\n\r\n[5]\r\nname=old five\r\n[2]\r\nname=b\r\nrtf=r2\r\n");
    EXPECT_EQ(ini.Read("1", "name"), "new a");  // the system drops the blanks too
}

TEST_F(ProfileTextTest, WhatIsWrittenReadsBackThroughTheSystem) {
    ProfileText ini("[Other]\r\nkey=value\r\n");
    const std::string longRtf(12000, 'r');
    ini.Write("Head", "Count", "2");
    ini.Write("1", "name", "\xc4\xe3\xba\xc3");  // 你好
    ini.Write("1", "rtf", longRtf);
    ini.Write("2", "name", "two\r\nlines");  // a line break would split the line: it becomes blanks
    gui::ReplaceProfileFile(file_.string(), ini.Text());
    EXPECT_EQ(SystemRead(file_, "Head", "Count"), "2");
    EXPECT_EQ(SystemRead(file_, "1", "name"), "\xc4\xe3\xba\xc3");
    EXPECT_EQ(SystemRead(file_, "1", "rtf"), longRtf);
    EXPECT_EQ(SystemRead(file_, "2", "name"), "two  lines");
    EXPECT_EQ(SystemRead(file_, "2", "rtf"), "<none>");
    EXPECT_EQ(SystemRead(file_, "Other", "key"), "value");
    EXPECT_EQ(gui::ReadProfileFile(file_.string()).Read("1", "rtf"), longRtf);
    EXPECT_FALSE(fs::exists(file_.string() + ".new"));
}

TEST_F(ProfileTextTest, AMissingFileReadsEmptyAndAUtf16FileInTheSystemCodePage) {
    EXPECT_TRUE(gui::ReadProfileFile(file_.string()).SectionNames().empty());
    const std::wstring wide = L"[1]\r\nname=\x4f60\x597d\r\n";
    WriteBytes(file_, "\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2));
    EXPECT_EQ(gui::ReadProfileFile(file_.string()).Read("1", "name"), "\xc4\xe3\xba\xc3");
    EXPECT_EQ(SystemRead(file_, "1", "name"), "\xc4\xe3\xba\xc3");
}

TEST_F(ProfileTextTest, AReadOnlyFileIsLeftAloneAndReported) {
    WriteBytes(file_, "[Head]\r\nCount=1\r\n");
    SetFileAttributesA(file_.string().c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(gui::ReplaceProfileFile(file_.string(), "[Head]\r\nCount=2\r\n"), gui::ProfileFileError);
    EXPECT_EQ(ReadBytes(file_), "[Head]\r\nCount=1\r\n");
    EXPECT_FALSE(fs::exists(file_.string() + ".new"));
}

// ---------------------------------------------------------------------------------------------------------
// The program.

int ListCount(const HuecastProcess& p) {
    return p.ListCount(ids::kSkinListBox2);
}

std::vector<std::string> ListItems(const HuecastProcess& p) {
    return p.ListItems(ids::kSkinListBox2);
}

int ListSelection(const HuecastProcess& p) {
    return p.ListSelection(ids::kSkinListBox2);
}

// Selects an entry (or none, with -1) as a click in the list does.
void SelectFavourite(HuecastProcess& p, int index) {
    p.SelectListItem(ids::kSkinListBox2, index);
}

void SetName(HuecastProcess& p, const std::string& name) {
    SetWindowTextA(p.Control(ids::kEdit2), name.c_str());
}

// Presses a button that must show a message; returns its text after answering it.
std::string ClickForMessage(HuecastProcess& p, int button, int answer = IDOK) {
    p.Click(button);
    HWND box = p.FindMessageBox();
    if (!box) return "<no message>";
    const std::string text = p.MessageBoxText(box);
    p.Answer(box, answer);
    return text;
}

fs::path IniOf(const HuecastProcess& p) {
    return p.Folder() / "rtf.ini";
}

// The file a closed copy left behind, to start the next copy with.
std::string CloseAndTakeIni(HuecastProcess& p) {
    EXPECT_TRUE(p.Close());
    return ReadBytes(IniOf(p));
}

void KillProcess(const HuecastProcess& p) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, p.ProcessId());
    ASSERT_NE(process, nullptr);
    TerminateProcess(process, 9);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

const std::string kThreeOfFive =
    "[Head]\r\nCount=3\r\n"
    "[1]\r\nname=one\r\nrtf=" +
    Rtf("first") +
    "\r\n"
    "[2]\r\nname=two\r\nrtf=" +
    Rtf("second") +
    "\r\n"
    "[3]\r\nname=three\r\nrtf=" +
    Rtf("third") +
    "\r\n"
    "[4]\r\nname=four\r\nrtf=r4\r\n"
    "[5]\r\nname=five\r\nrtf=r5\r\n"
    "[Settings]\r\nmine=kept\r\n";

TEST(Favourites, LoadsCountEntriesAndASaveOfFewerLeavesTheSectionsAbove) {
    HuecastProcess p(kThreeOfFive);
    EXPECT_EQ(ListItems(p), (std::vector<std::string>{"one", "two", "three"}));
    // The first one is open at start.
    EXPECT_EQ(ListSelection(p), 0);
    EXPECT_EQ(p.Text(ids::kRichEdit1), "first");
    EXPECT_EQ(p.Text(ids::kEdit2), "one");

    SelectFavourite(p, 1);
    EXPECT_EQ(p.Text(ids::kRichEdit1), "second");
    EXPECT_EQ(ClickForMessage(p, ids::kSkinButton2, IDYES), "你确定要删除你的彩字作品吗？不再改改？");
    EXPECT_EQ(ListItems(p), (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(p.Text(ids::kRichEdit1), "");
    EXPECT_EQ(p.Text(ids::kEdit2), "");

    // Saved at once, without closing.
    const fs::path ini = IniOf(p);
    EXPECT_EQ(SystemRead(ini, "Head", "Count"), "2");
    EXPECT_EQ(SystemRead(ini, "1", "name"), "one");
    EXPECT_EQ(SystemRead(ini, "2", "name"), "three");
    EXPECT_EQ(SystemRead(ini, "2", "rtf"), Rtf("third"));
    EXPECT_EQ(SystemRead(ini, "3", "name"), "three");
    EXPECT_EQ(SystemRead(ini, "4", "name"), "four");
    EXPECT_EQ(SystemRead(ini, "5", "rtf"), "r5");
    EXPECT_EQ(SystemRead(ini, "Settings", "mine"), "kept");
}

TEST(Favourites, DeleteAsksFirstThenReportsThatNothingIsSelected) {
    HuecastProcess p(kThreeOfFive);
    SelectFavourite(p, -1);
    EXPECT_EQ(ClickForMessage(p, ids::kSkinButton2, IDNO), "你确定要删除你的彩字作品吗？不再改改？");
    EXPECT_EQ(p.FindMessageBox(300), nullptr);  // No: nothing more is said

    EXPECT_EQ(ClickForMessage(p, ids::kSkinButton2, IDYES), "你确定要删除你的彩字作品吗？不再改改？");
    HWND box = p.FindMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(p.MessageBoxText(box), "你没有选中你要删的彩字，\r或 收藏夹中为空\r请选中先！");
    p.Answer(box, IDOK);
    EXPECT_EQ(ListCount(p), 3);

    // No to the question keeps a selected favourite too.
    SelectFavourite(p, 2);
    EXPECT_EQ(ClickForMessage(p, ids::kSkinButton2, IDNO), "你确定要删除你的彩字作品吗？不再改改？");
    EXPECT_EQ(ListCount(p), 3);
}

TEST(Favourites, AddWithAnEmptyNameAsksForOneAndAddsNothing) {
    HuecastProcess p;
    p.Type("ab\rc");
    SetName(p, "");
    EXPECT_EQ(ClickForMessage(p, ids::kSkinButton1), "你还没有取名呢，请取一个名字先！");
    EXPECT_EQ(p.Text(ids::kEdit2), "abc");
    EXPECT_EQ(ListCount(p), 0);
    EXPECT_FALSE(fs::exists(IniOf(p)));

    // Modify with nothing selected, then with an empty name.
    EXPECT_EQ(ClickForMessage(p, ids::kSkinButton3),
              "修改之前，你还没有选中要修改的项呢\r请再列表中选择你要修改的项！");
    p.Click(ids::kSkinButton1);  // now named after the text
    ASSERT_EQ(ListItems(p), std::vector<std::string>{"abc"});
    EXPECT_EQ(ListSelection(p), 0);
    SetName(p, "");
    EXPECT_EQ(ClickForMessage(p, ids::kSkinButton3), "添加之前，你还没有取名呢\r请取一个名字先！");
    EXPECT_EQ(p.Text(ids::kEdit2), "abc");
    EXPECT_EQ(ListItems(p), std::vector<std::string>{"abc"});
}

TEST(Favourites, EqualNamesAreKeptInOrderAndBlanksAtANamesEndsGoAtRestart) {
    std::string ini;
    {
        HuecastProcess p;
        p.Type("first text");
        SetName(p, "same");
        p.Click(ids::kSkinButton1);
        p.Click(ids::kSkinButton4);  // Clear
        p.Type("second text");
        SetName(p, "same");
        p.Click(ids::kSkinButton1);
        p.Click(ids::kSkinButton4);
        p.Type("third");
        SetName(p, "  padded name  ");
        p.Click(ids::kSkinButton1);
        EXPECT_EQ(ListItems(p), (std::vector<std::string>{"same", "same", "  padded name  "}));
        EXPECT_EQ(ListSelection(p), 2);
        ini = CloseAndTakeIni(p);
    }
    // Written as it was, read back as the system reads it.
    EXPECT_NE(ini.find("name=  padded name  \r\n"), std::string::npos);
    HuecastProcess p(ini);
    EXPECT_EQ(ListItems(p), (std::vector<std::string>{"same", "same", "padded name"}));
    EXPECT_EQ(p.Text(ids::kRichEdit1), "first text");
    SelectFavourite(p, 1);
    EXPECT_EQ(p.Text(ids::kRichEdit1), "second text");
}

TEST(Favourites, ModifyKeepsThePositionAndChangesOnlyThatFavourite) {
    HuecastProcess p(kThreeOfFive);
    SelectFavourite(p, 1);
    p.Type("!");
    SetName(p, "changed");
    p.Click(ids::kSkinButton3);
    EXPECT_EQ(ListItems(p), (std::vector<std::string>{"one", "changed", "three"}));
    EXPECT_EQ(ListSelection(p), 1);

    const std::string ini = CloseAndTakeIni(p);
    HuecastProcess again(ini);
    EXPECT_EQ(ListItems(again), (std::vector<std::string>{"one", "changed", "three"}));
    EXPECT_EQ(again.Text(ids::kRichEdit1), "first");
    SelectFavourite(again, 1);
    const std::string text = again.Text(ids::kRichEdit1);
    EXPECT_NE(text.find("second"), std::string::npos);
    EXPECT_NE(text.find('!'), std::string::npos);
    SelectFavourite(again, 2);
    EXPECT_EQ(again.Text(ids::kRichEdit1), "third");
}

TEST(Favourites, ALongRichTextSurvivesRestartsWhole) {
    std::string text;
    for (int i = 0; text.size() < 10000; ++i)
        text += std::to_string(i) + ' ';
    text += "END";
    HuecastProcess p("[Head]\r\nCount=1\r\n[1]\r\nname=long\r\nrtf=" + Rtf(text) + "\r\n");
    EXPECT_TRUE(p.Text(ids::kRichEdit1) == text) << p.Text(ids::kRichEdit1).size();

    SetName(p, "long again");
    p.Click(ids::kSkinButton1);  // its rich text as the editor writes it
    const std::string ini = CloseAndTakeIni(p);
    HuecastProcess again(ini);
    SelectFavourite(again, 1);
    EXPECT_EQ(again.Text(ids::kEdit2), "long again");
    EXPECT_TRUE(again.Text(ids::kRichEdit1) == text) << again.Text(ids::kRichEdit1).size();
}

TEST(Favourites, EmojiAndKoreanSurviveAddRestartAndOpen) {
    const std::wstring text = L"한국어 \U0001F600 你好 ♥ ok\r第二行 \U0001F389";
    std::string ini;
    {
        HuecastProcess p;
        p.Paste(text);
        SetName(p, "emoji");
        p.Click(ids::kSkinButton1);
        ASSERT_EQ(ListItems(p), std::vector<std::string>{"emoji"});
        ini = CloseAndTakeIni(p);
    }
    // The file stays in the code page: the characters it lacks are in the line as escapes.
    EXPECT_NE(ini.find("\\u54620?"), std::string::npos) << ini;
    EXPECT_NE(ini.find("\\u55357?\\u56832?"), std::string::npos) << ini;
    HuecastProcess p(ini);
    SelectFavourite(p, 0);
    EXPECT_EQ(p.Text(ids::kEdit2), "emoji");
    // What the editor holds after Open, read through Copy: every character is there.
    SetClipboardText("old");
    p.Click(ids::kButton1);
    const std::optional<std::string> copied = ClipboardText();
    ASSERT_TRUE(copied);
    EXPECT_EQ(UnicodeEscapes(*copied), EscapedUnits(text)) << *copied;
}

TEST(Favourites, ANameTheFileCannotHoldIsRefusedNotAltered) {
    HuecastProcess p(kThreeOfFive);
    SelectFavourite(p, 1);
    const std::wstring name = L"生日 \U0001F382 축하";
    SetWindowTextW(p.Control(ids::kEdit2), name.c_str());
    const std::string message =
        "作品的名字里有收藏夹文件存不下的字符（比如表情符号或韩文），\r请给作品换一个名字。";
    EXPECT_EQ(ClickForMessage(p, ids::kSkinButton1), message);
    EXPECT_EQ(ClickForMessage(p, ids::kSkinButton3), message);
    EXPECT_EQ(ListItems(p), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(p.WideText(ids::kEdit2), name);
}

TEST(Favourites, AWorkAddedJustBeforeAKillIsKept) {
    HuecastProcess p;
    p.Type("\xc4\xe3\xba\xc3 keep me");  // 你好
    SetName(p, "kept");
    p.Click(ids::kSkinButton1);
    KillProcess(p);
    const fs::path ini = IniOf(p);
    EXPECT_EQ(SystemRead(ini, "Head", "Count"), "1");
    EXPECT_EQ(SystemRead(ini, "1", "name"), "kept");
    EXPECT_NE(SystemRead(ini, "1", "rtf").find("keep me"), std::string::npos);
}

TEST(Favourites, AReadOnlyFileIsReportedAndNothingInMemoryIsLost) {
    const std::string original = "[Head]\r\nCount=1\r\n[1]\r\nname=old\r\nrtf=" + Rtf("old") + "\r\n";
    HuecastProcess p(original);
    const fs::path ini = IniOf(p);
    SetFileAttributesA(ini.string().c_str(), FILE_ATTRIBUTE_READONLY);

    p.Click(ids::kSkinButton4);
    p.Type("new work");
    SetName(p, "new");
    const std::string message = ClickForMessage(p, ids::kSkinButton1);
    EXPECT_EQ(message.rfind("收藏夹没能保存到文件：\r" + ini.string() + "\r这个文件是只读的。\r", 0), 0u)
        << message;
    EXPECT_NE(message.find("你的作品都还在列表里"), std::string::npos) << message;
    EXPECT_EQ(ListItems(p), (std::vector<std::string>{"old", "new"}));
    EXPECT_EQ(ReadBytes(ini), original);
    EXPECT_FALSE(fs::exists(ini.string() + ".new"));

    // Once the file can be written again, the next save writes all of it.
    SetFileAttributesA(ini.string().c_str(), FILE_ATTRIBUTE_NORMAL);
    HuecastProcess again(CloseAndTakeIni(p));
    EXPECT_EQ(ListItems(again), (std::vector<std::string>{"old", "new"}));
}

TEST(Favourites, ASaveThatCannotFinishLeavesTheOldFileWhole) {
    const std::string original = kThreeOfFive;
    HuecastProcess p(original);
    const fs::path ini = IniOf(p);
    // The new text goes to a file beside the old one first; here that file cannot be made.
    fs::create_directory(ini.string() + ".new");
    SelectFavourite(p, 0);
    const std::string message = ClickForMessage(p, ids::kSkinButton2, IDYES);
    ASSERT_EQ(message, "你确定要删除你的彩字作品吗？不再改改？");
    HWND box = p.FindMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(p.MessageBoxText(box).rfind("收藏夹没能保存到文件：", 0), 0u);
    p.Answer(box, IDOK);
    EXPECT_EQ(ReadBytes(ini), original);
    EXPECT_EQ(ListItems(p), (std::vector<std::string>{"two", "three"}));
    fs::remove(ini.string() + ".new");
}

// A window of the process with the class given, once it shows (or nullptr after the time-out).
HWND WaitForWindow(DWORD process, const char* className, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 50) {
        if (HWND found = FindTopLevel(process, className)) return found;
        Sleep(50);
    }
    return nullptr;
}

std::string AnswerBox(HWND box) {
    char text[4096] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return text;
}

TEST(Favourites, AFileThatCannotBeReadAtStartIsNeverOverwritten) {
    // The driver starts a copy with a readable file only; here rtf.ini is a folder, which exists but
    // cannot be read.
    const fs::path folder =
        fs::temp_directory_path() / ("huecast-unreadable-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder);
    fs::create_directories(folder / "rtf.ini");
    fs::copy_file(BuiltHuecastExe(), folder / "huecast.exe");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + (folder / "huecast.exe").string() + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.string().c_str(), &startup, &info));
    CloseHandle(info.hThread);

    HWND box = WaitForWindow(info.dwProcessId, "#32770", 15000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(AnswerBox(box).rfind("收藏夹文件读不出来：\r" + (folder / "rtf.ini").string() + "\r", 0), 0u);
    HWND window = WaitForWindow(info.dwProcessId, "HUEC2", 15000);
    ASSERT_NE(window, nullptr);

    // A work added now is not saved over the favourites the file may hold, and the user is told.
    SetWindowTextA(GetDlgItem(GetDlgItem(window, ids::kSkinGroupBox3), ids::kEdit2), "new");
    SendMessageCallbackA(GetDlgItem(GetDlgItem(window, ids::kSkinGroupBox3), ids::kSkinButton1), BM_CLICK, 0,
                         0, nullptr, 0);
    box = WaitForWindow(info.dwProcessId, "#32770", 5000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(AnswerBox(box).rfind("收藏夹没有保存：", 0), 0u);
    EXPECT_TRUE(fs::is_directory(folder / "rtf.ini"));
    EXPECT_FALSE(fs::exists(folder / "rtf.ini.new"));

    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

TEST(Favourites, ADamagedCountMakesNoEmptyFavourites) {
    // One copy runs at a time: each is closed before the next starts.
    {
        HuecastProcess huge(
            "[Head]\r\nCount=2000000000\r\n[1]\r\nname=a\r\nrtf=\r\n[2]\r\nname=b\r\nrtf=\r\n");
        EXPECT_EQ(ListItems(huge), (std::vector<std::string>{"a", "b"}));
    }
    {
        HuecastProcess malformed("[Head]\r\nCount=2x\r\n[1]\r\nname=a\r\nrtf=\r\n");
        EXPECT_EQ(ListCount(malformed), 0);
    }
    HuecastProcess gap("[Head]\r\nCount=3\r\n[1]\r\nname=a\r\n[3]\r\nname=c\r\n");
    EXPECT_EQ(ListItems(gap), (std::vector<std::string>{"a", "", "c"}));
}

}  // namespace
}  // namespace huecast::testing
