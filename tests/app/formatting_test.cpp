// The formatting controls of the real huecast.exe, driven from another process: what they give the text is
// read back from the converted text that Copy puts on the clipboard (fonts, \fs sizes, colours, styles).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "app/control_ids.h"
#include "tests/app/huecast_driver.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"

namespace huecast::testing {
namespace {

void Notify(HuecastProcess& p, int id, WORD code) {
    p.Notify(id, code);
}

void ChooseItem(HuecastProcess& p, int comboId, int index) {
    p.ChooseComboItem(comboId, index);
}

void ClickButton(HuecastProcess& p, int id) {
    p.Click(id);
}

bool IsChecked(const HuecastProcess& p, int id) {
    return p.IsChecked(id);
}

void KeyDownIn(HuecastProcess& p, int id, WPARAM key) {
    p.KeyIn(id, key);
}

// The size bar takes no keys; a program sets it as the system track bar is set, and that runs its handler.
void SetTrackBar(HuecastProcess& p, int value) {
    SendMessageCallbackA(p.Control(ids::kSkinTrackBar1), TBM_SETPOS, TRUE, value, nullptr, 0);
    p.Sync();
}

void SelectText(HuecastProcess& p, int start, int end) {
    p.SelectEditorText(start, end);
}

std::pair<int, int> Selection(const HuecastProcess& p) {
    return p.EditorSelection();
}

int TrackBarPosition(const HuecastProcess& p) {
    return p.TrackPosition(ids::kSkinTrackBar1);
}

int FontListIndex(const HuecastProcess& p) {
    return p.ComboSelection(ids::kSkinComboBox1);
}

// The converted text of the whole editor, as Copy gives it.
std::string Copied(HuecastProcess& p) {
    SetClipboardText("");
    p.Click(ids::kButton1);
    return ClipboardText().value_or("<nothing copied>");
}

// The converted text from its first paragraph on: the text with its control words.
std::string Body(const std::string& converted) {
    const std::size_t pard = converted.find("\\pard");
    return pard == std::string::npos ? std::string() : converted.substr(pard);
}

std::string ColourTable(const std::string& converted) {
    const std::size_t start = converted.find("{\\colortbl");
    return start == std::string::npos ? std::string()
                                      : converted.substr(start, converted.find('}', start) - start);
}

// Whether the control word \<word> (without a number, or with one) is in `rtf`.
bool HasWord(const std::string& rtf, const std::string& word) {
    const std::string needle = "\\" + word;
    for (std::size_t at = rtf.find(needle); at != std::string::npos; at = rtf.find(needle, at + 1)) {
        const char next = at + needle.size() < rtf.size() ? rtf[at + needle.size()] : ' ';
        if (!std::isalpha(static_cast<unsigned char>(next))) return true;
    }
    return false;
}

// The colour words of the body in order (\cf1, \cf2, ...).
std::vector<std::string> ColourWords(const std::string& converted) {
    std::vector<std::string> words;
    const std::string body = Body(converted);
    for (std::size_t at = body.find("\\cf"); at != std::string::npos; at = body.find("\\cf", at + 1)) {
        std::size_t end = at + 3;
        while (end < body.size() && std::isdigit(static_cast<unsigned char>(body[end])))
            ++end;
        words.push_back(body.substr(at, end - at));
    }
    return words;
}

constexpr int kStyleItem(int index) {
    return ids::GroupItemId(ids::kSkinCheckGroup1, index);
}
constexpr int kBold = kStyleItem(0), kItalic = kStyleItem(1), kUnderline = kStyleItem(2),
              kStrike = kStyleItem(3);
constexpr int kPerCharacter = ids::GroupItemId(ids::kSkinRadioGroup1, 0);
constexpr int kPerWord = ids::GroupItemId(ids::kSkinRadioGroup1, 1);
constexpr int kRandomOn = ids::GroupCaptionId(ids::kSkinRadioGroup1);

// Red, black, money green, blue, fuchsia, teal (the six random colours) and grey, as the colour table
// writes them.
const char* const kSwatchColours[ids::kSwatchCount] = {
    "\\red255\\green0\\blue0",     "\\;",
    "\\red192\\green220\\blue192", "\\red0\\green0\\blue255",
    "\\red255\\green0\\blue255",   "\\red0\\green128\\blue128",
    "\\red128\\green128\\blue128"};

TEST(Formatting, TheTrackBarSetsTheSizeFieldAndTheSelection) {
    HuecastProcess p;
    SetTrackBar(p, 500);
    EXPECT_EQ(TrackBarPosition(p), 500);
    EXPECT_EQ(p.Text(ids::kEdit1), "500");
    p.Type("a");
    EXPECT_TRUE(HasWord(Body(Copied(p)), "fs1000")) << Copied(p);

    // Back to 10 for the selected letter only.
    p.Type("b");
    SelectText(p, 0, 1);
    EXPECT_EQ(p.Text(ids::kEdit1), "500");  // the field follows the selection
    SetTrackBar(p, 10);
    EXPECT_EQ(p.Text(ids::kEdit1), "10");
    const std::string body = Body(Copied(p));
    EXPECT_NE(body.find("\\fs20 a\\fs1000 b"), std::string::npos) << body;
}

TEST(Formatting, ATypedSizeGoesInUnboundedOnEnterAndLeavesTheTrackBar) {
    HuecastProcess p;
    p.Type("ab");
    SetWindowTextA(p.Control(ids::kEdit1), "999");
    KeyDownIn(p, ids::kEdit1, '9');  // only Enter applies it
    EXPECT_EQ(Body(Copied(p)), "\\pard\\cf1\\f0\\fs60 ab\\par}");
    KeyDownIn(p, ids::kEdit1, VK_RETURN);
    EXPECT_EQ(TrackBarPosition(p), 30);  // until the selection moves
    p.Type("c");
    EXPECT_EQ(TrackBarPosition(p), 500);
    std::string body = Body(Copied(p));
    EXPECT_NE(body.find("\\fs60 ab\\fs1998 c"), std::string::npos) << body;
    EXPECT_EQ(p.Text(ids::kEdit1), "999");  // following the text typed in that size

    // An empty field changes nothing and says nothing.
    SetWindowTextA(p.Control(ids::kEdit1), "");
    KeyDownIn(p, ids::kEdit1, VK_RETURN);
    EXPECT_EQ(p.FindMessageBox(300), nullptr);
    p.Type("d");
    body = Body(Copied(p));
    EXPECT_NE(body.find("\\fs1998 cd"), std::string::npos) << body;
}

TEST(Formatting, OneStyleClickWritesAllFourFlagsFromTheGroup) {
    HuecastProcess p;
    p.Type("abc");
    SelectText(p, 0, -1);
    ClickButton(p, kUnderline);
    ClickButton(p, kStrike);
    std::string body = Body(Copied(p));
    EXPECT_TRUE(HasWord(body, "ul") && HasWord(body, "strike")) << body;

    // The group now shows bold and not underline, without telling the program; one click on italic
    // writes what the group shows, all four flags.
    p.SetChecked(kBold, true);
    p.SetChecked(kUnderline, false);
    ClickButton(p, kItalic);
    body = Body(Copied(p));
    EXPECT_TRUE(HasWord(body, "b") && HasWord(body, "i") && HasWord(body, "strike")) << body;
    EXPECT_FALSE(HasWord(body, "ul")) << body;

    // The group follows the selection.
    SelectText(p, 3, 3);
    SelectText(p, 0, 1);
    EXPECT_TRUE(IsChecked(p, kBold));
    EXPECT_TRUE(IsChecked(p, kItalic));
    EXPECT_FALSE(IsChecked(p, kUnderline));
    EXPECT_TRUE(IsChecked(p, kStrike));
}

TEST(Formatting, InPerCharacterModeAFontOrSizeChangeDoesNotRecolour) {
    HuecastProcess p;
    ClickButton(p, kPerCharacter);
    p.Type("abcdefghijkl");
    SelectText(p, 0, -1);
    const std::string before = Copied(p);
    // Twelve letters, each with a colour picked from six: one colour for all would be a recolouring.
    const std::vector<std::string> colours = ColourWords(before);
    ASSERT_GT(std::set<std::string>(colours.begin(), colours.end()).size(), 1u) << before;

    ChooseItem(p, ids::kSkinComboBox1, 1);  // Arial
    SetTrackBar(p, 500);
    const std::string after = Copied(p);
    EXPECT_NE(after.find("Arial"), std::string::npos) << after;
    EXPECT_TRUE(HasWord(Body(after), "fs1000")) << after;
    EXPECT_EQ(ColourTable(after), ColourTable(before));
    EXPECT_EQ(ColourWords(after), ColourWords(before));
    // The mode is per character again afterwards.
    EXPECT_TRUE(IsChecked(p, kPerCharacter));
    EXPECT_FALSE(IsChecked(p, kPerWord));
}

TEST(Formatting, PerWordColoursChangeAtSpacesOnlyWhileRandomColouringIsOn) {
    HuecastProcess p;
    p.Type("w");
    for (int word = 0; word < 12; ++word) {
        p.Key(VK_SPACE);  // the key going down picks the colour; the character follows
        p.Type(" w");
    }
    const std::string on = Copied(p);
    const std::string table = ColourTable(on);
    EXPECT_GT(ColourWords(on).size(), 1u) << on;
    EXPECT_EQ(table.find(kSwatchColours[6]), std::string::npos)
        << "the seventh swatch is never picked: " << on;

    ClickButton(p, kRandomOn);
    EXPECT_FALSE(IsChecked(p, kRandomOn));
    EXPECT_FALSE(p.Enabled(kPerCharacter)) << "the caption's check takes both items with it";
    EXPECT_FALSE(p.Enabled(kPerWord));
    const std::vector<std::string> wordsBefore = ColourWords(Copied(p));
    for (int word = 0; word < 6; ++word) {
        p.Key(VK_SPACE);
        p.Type(" x");
    }
    EXPECT_EQ(ColourWords(Copied(p)), wordsBefore);
}

TEST(Formatting, ASymbolIsInsertedInTheChosenSymbolFontAndSelected) {
    HuecastProcess p;
    p.Type("ab");
    SelectText(p, 1, 1);
    ChooseItem(p, ids::kSkinComboBox2, 1);  // Wingdings
    // The symbols: ten digits, 32 punctuation marks, a to z, then A to Z.
    ChooseItem(p, ids::kComboBox1, 10 + 32 + 26 + ('J' - 'A'));
    EXPECT_EQ(p.Text(ids::kRichEdit1), "aJb");
    EXPECT_EQ(Selection(p), std::make_pair(1, 2));
    const std::string copied = Copied(p);
    EXPECT_NE(copied.find("Wingdings"), std::string::npos) << copied;
    EXPECT_NE(Body(copied).find("a\\f1 J\\f0 b"), std::string::npos) << copied;

    // Webdings again, in place of the selected J.
    ChooseItem(p, ids::kSkinComboBox2, 0);
    ChooseItem(p, ids::kComboBox1, 0);
    EXPECT_EQ(p.Text(ids::kRichEdit1), "a0b");
    const std::string again = Copied(p);
    EXPECT_NE(again.find("Webdings"), std::string::npos) << again;
    EXPECT_EQ(again.find("Wingdings"), std::string::npos) << again;
}

TEST(Formatting, TheControlsFollowTheSelection) {
    // A work in a font outside the list, then a bold one in the list.
    HuecastProcess p(
        "[Head]\r\nCount=1\r\n[1]\r\nname=fonts\r\nrtf={\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset0 "
        "Verdana;}"
        "{\\f1\\fnil\\fcharset0 Arial;}}\\pard\\f0\\fs40 out\\f1\\fs90\\b in\\par}\r\n");
    ASSERT_EQ(p.Text(ids::kRichEdit1), "outin");
    const std::string loaded = Copied(p);
    SelectText(p, 1, 2);
    EXPECT_EQ(FontListIndex(p), -1);
    EXPECT_EQ(p.Text(ids::kSkinComboBox1), "");
    EXPECT_EQ(p.Text(ids::kEdit1), "20");
    EXPECT_EQ(TrackBarPosition(p), 20);
    EXPECT_FALSE(IsChecked(p, kBold));

    SelectText(p, 4, 5);
    EXPECT_EQ(FontListIndex(p), 1);
    EXPECT_EQ(p.Text(ids::kSkinComboBox1), "Arial");
    EXPECT_EQ(p.Text(ids::kEdit1), "45");
    EXPECT_EQ(TrackBarPosition(p), 45);
    EXPECT_TRUE(IsChecked(p, kBold));
    // Following wrote nothing back into the text.
    EXPECT_EQ(Copied(p), loaded);
}

// The colour dialog's fields for red, green and blue.
constexpr int kRedField = 706, kGreenField = 707, kBlueField = 708;

TEST(Formatting, ASwatchDoubleClickRecoloursTheSwatchButNotTheText) {
    HuecastProcess p;
    p.Type("ab");
    SelectText(p, 0, -1);
    Notify(p, ids::SwatchId(3), STN_CLICKED);  // the click before a double-click
    Notify(p, ids::SwatchId(3), STN_DBLCLK);
    HWND dialog = p.FindMessageBox();
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextA(dialog, kRedField, "18");
    SetDlgItemTextA(dialog, kGreenField, "52");
    SetDlgItemTextA(dialog, kBlueField, "86");
    p.Answer(dialog, IDOK);

    std::string copied = Copied(p);
    EXPECT_NE(ColourTable(copied).find(kSwatchColours[3]), std::string::npos) << copied;
    EXPECT_EQ(copied.find("\\red18\\green52\\blue86"), std::string::npos) << copied;
    EXPECT_EQ(p.Text(ids::SwatchId(3)), "3");

    // The swatch shows the new colour, its digit the opposite one.
    const Rect box = ScreenRect(p.Control(ids::SwatchId(3)));
    const Bitmap swatch = CaptureScreen(RECT{box.left, box.top, box.right, box.bottom});
    const std::uint32_t centre = swatch.PixelColor(box.Width() / 2 + 6, 4);
    const bool digitSeen = CountPixelsNot(swatch, 0xA9CBED) < box.Width() * box.Height();
    EXPECT_EQ(centre, 0x563412u);
    EXPECT_TRUE(digitSeen);

    // The next click gives the text the new colour.
    Notify(p, ids::SwatchId(3), STN_CLICKED);
    copied = Copied(p);
    EXPECT_NE(copied.find("\\red18\\green52\\blue86"), std::string::npos) << copied;

    // Cancelled, the dialog changes nothing.
    Notify(p, ids::SwatchId(0), STN_DBLCLK);
    dialog = p.FindMessageBox();
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextA(dialog, kRedField, "1");
    p.Answer(dialog, IDCANCEL);
    Notify(p, ids::SwatchId(0), STN_CLICKED);
    copied = Copied(p);
    EXPECT_NE(ColourTable(copied).find(kSwatchColours[0]), std::string::npos) << copied;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Formatting, AFormattedWorkComesBackFromTheFavouritesAsItWas) {
    std::string copied;
    std::string ini;
    {
        HuecastProcess p;
        Notify(p, ids::SwatchId(3), STN_CLICKED);
        p.Type("\xc4\xe3\xba\xc3");  // 你好
        ClickButton(p, kBold);
        ChooseItem(p, ids::kSkinComboBox1, 8);  // Impact
        SetWindowTextA(p.Control(ids::kEdit1), "45");
        KeyDownIn(p, ids::kEdit1, VK_RETURN);
        Notify(p, ids::SwatchId(5), STN_CLICKED);
        p.Type("ab");
        ClickButton(p, kBold);
        ClickButton(p, kItalic);
        ClickButton(p, kUnderline);
        Notify(p, ids::SwatchId(4), STN_CLICKED);
        p.Type(" c\xa1\xb0");  // a space, c and a curly quote
        ChooseItem(p, ids::kSkinComboBox2, 1);
        ChooseItem(p, ids::kComboBox1, 10 + 32 + 26);  // A in Wingdings
        copied = Copied(p);
        SetWindowTextA(p.Control(ids::kEdit2), "work");
        p.Click(ids::kSkinButton1);
        EXPECT_TRUE(p.Close());
        ini = ReadBytes(p.Folder() / "rtf.ini");
    }
    for (const char* expected : {"Impact", "Wingdings", "\\fs90", kSwatchColours[4], kSwatchColours[5]})
        EXPECT_NE(copied.find(expected), std::string::npos) << expected << " in " << copied;
    HuecastProcess again(ini);
    EXPECT_EQ(again.Text(ids::kEdit2), "work");
    EXPECT_EQ(Copied(again), copied);
}

}  // namespace
}  // namespace huecast::testing
