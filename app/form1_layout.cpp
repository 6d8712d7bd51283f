// The main window's controls: geometry (left, top, width, height within the parent), captions, initial
// state and hints.
#include "app/control_ids.h"
#include "app/form1.h"

#include <iterator>

namespace huecast {

namespace {

struct FontRule {
    HFONT font;
    HWND keep[2];
};

BOOL CALLBACK SetFontUnlessKept(HWND child, LPARAM p) {
    const auto* rule = reinterpret_cast<const FontRule*>(p);
    if (child != rule->keep[0] && child != rule->keep[1])
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(rule->font), FALSE);
    return TRUE;
}

// Where a control stands within its parent (left, top, width, height) and what it says.
struct Place {
    HWND parent;
    int id;
    int x, y, width, height;
    const char* caption = "";
};

gui::ControlArgs At(const Place& place) {
    return {.parent = place.parent,
            .id = place.id,
            .x = place.x,
            .y = place.y,
            .width = place.width,
            .height = place.height,
            .text = place.caption};
}

// A skinned control's arguments `args` at `place`: every skinned control names its place alike, and its
// caption, or the text a combo box shows.
template <typename Args>
Args At(const Place& place, Args args) {
    args.parent = place.parent;
    args.id = place.id;
    args.x = place.x;
    args.y = place.y;
    args.width = place.width;
    args.height = place.height;
    if constexpr (requires { args.caption; })
        args.caption = place.caption;
    else
        args.text = place.caption;
    return args;
}

// The font list, spelled and ordered as the users know it.
constexpr const char* kFontNames[] = {"宋体",
                                      "Arial",
                                      "Arial Black",
                                      "Comic Sans MS",
                                      "Courier",
                                      "Courier New",
                                      "Fixedsys",
                                      "Georgia",
                                      "Impact",
                                      "Lucida Console",
                                      "Lucida Sans Unicode",
                                      "Merletr",
                                      "Modern",
                                      "MS Scans Serif",
                                      "MS Serif",
                                      "Palatino Linotype",
                                      "Roman",
                                      "Script",
                                      "Symbol",
                                      "System",
                                      "Tahoma",
                                      "Terminal",
                                      "Timers New Roman",
                                      "Trebuchet MS",
                                      "Wingdings",
                                      "Webdings"};

// The symbols offered for insertion: digits, punctuation, then small and capital letters.
constexpr const char kSymbols[] =
    "0123456789+-*/~`!@#$%^&()_=\\|[{}];:'\",<>.?abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
static_assert(sizeof kSymbols - 1 == 94);

constexpr std::uint32_t kSwatchColors[] = {0x0000FF, 0x000000, 0xC0DCC0, 0xFF0000,
                                           0xFF00FF, 0x808000, 0x808080};
constexpr int kSwatchLefts[] = {4, 29, 55, 80, 105, 130, 155};

}  // namespace

skin::ListBoxArgs TForm1::ListBoxAt(const gui::ControlArgs& control) {
    skin::ListBoxArgs args;
    args.control = control;
    args.skinData = &skin_.Data();
    args.skinDataName = "listbox";
    args.defaultItemHeight = 20;
    return args;
}

void TForm1::CreateControls() {
    HWND w = Handle();
    formFont_ = gui::CreateFontFrom({.face = "宋体", .height = 12, .charset = GB2312_CHARSET});
    editorFont_ = gui::CreateFontFrom({.face = "宋体", .height = 12, .charset = GB2312_CHARSET});
    lengthFont_ = gui::CreateFontFrom({.face = "MS Sans Serif", .height = 13, .bold = true});

    editor_ = std::make_unique<skin::TSkinRichEdit>(At({w, ids::kRichEdit1, 8, 6, 585, 130, "RichEdit1"}));
    editor_->SetFont(editorFont_.get());
    const auto scrollBar = [&](const Place& place, skin::ScrollBarKind kind, const char* skinDataName) {
        return std::make_unique<skin::TSkinScrollBar>(skin::ScrollBarArgs{.control = At(place),
                                                                          .kind = kind,
                                                                          .skinData = &skin_.Data(),
                                                                          .skinDataName = skinDataName,
                                                                          .enabled = false});
    };
    horizontalBar_ = scrollBar({w, ids::kSkinScrollBar1, 450, 124, 134, 12}, skin::ScrollBarKind::Horizontal,
                               "hscrollbar");
    verticalBar_ =
        scrollBar({w, ids::kSkinScrollBar2, 579, 6, 15, 121}, skin::ScrollBarKind::Vertical, "vscrollbar");
    editor_->SetHScrollBar(horizontalBar_.get());
    editor_->SetVScrollBar(verticalBar_.get());

    // Wider to the left than the 68 pixels of old, so that "超出范围 (3)" fits; the right edge stays.
    gui::ControlArgs lengthArgs = At({w, ids::kStaticText8, 490, 106, 88, 17, "StaticText8"});
    lengthArgs.style = SS_CENTER | SS_CENTERIMAGE | WS_BORDER;
    lengthDisplay_ = std::make_unique<gui::StaticText>(lengthArgs);
    lengthDisplay_->SetColor(0x00FFFF);      // yellow
    lengthDisplay_->SetFontColor(0x0000FF);  // red
    lengthDisplay_->SetFont(lengthFont_.get());

    skin::TSkinData* skinData = &skin_.Data();
    const auto button = [&](const Place& place) {
        return std::make_unique<skin::TSkinButton>(
            At(place, skin::TSkinButton::Args{.skinData = skinData, .useSkinFont = false}));
    };
    checkBoxImages_ = MakeCheckBoxImages();
    const auto checkBox = [&](const Place& place, bool checked, int imageIndex) {
        return std::make_unique<skin::TSkinCheckRadioBox>(
            At(place, skin::TSkinCheckRadioBox::Args{.skinData = skinData,
                                                     .checked = checked,
                                                     .images = checkBoxImages_.get(),
                                                     .imageIndex = imageIndex}));
    };
    const auto group = [&](const Place& place) {
        return At(place, skin::TSkinPanel::Args{
                             .skinData = skinData, .skinDataName = "groupbox", .captionMode = true});
    };
    const auto groupBox = [&](const Place& place) {
        return std::make_unique<skin::TSkinGroupBox>(group(place));
    };

    copyButton_ = button({w, ids::kButton1, 497, 140, 95, 20, "复制(&C)"});
    sendButton_ = button({w, ids::kSkinButton5, 497, 160, 95, 20, "发送(&S)"});
    clearButton_ = button({w, ids::kSkinButton4, 497, 180, 95, 20, "清空(&X)"});
    activateAfterSend_ = checkBox({w, ids::kSkinCheckBox3, 357, 144, 139, 21, "发送后激活QQ窗口"}, false, 0);
    clearAfterSend_ = checkBox({w, ids::kSkinCheckBox4, 357, 162, 140, 21, "发送后清空"}, true, 1);
    clearClipboardToo_ = checkBox({w, ids::kSkinCheckBox2, 357, 181, 139, 20, "同时清空剪贴板"}, false, 2);

    swatchGroup_ = groupBox({w, ids::kSkinGroupBox6, 6, 145, 182, 54, "基本颜色"});
    static_assert(std::size(kSwatchColors) == ids::kSwatchCount &&
                  std::size(kSwatchLefts) == ids::kSwatchCount);
    for (int i = 0; i < ids::kSwatchCount; ++i) {
        gui::ControlArgs a =
            At({swatchGroup_->Handle(), ids::SwatchId(i), kSwatchLefts[i], 23, i == 1 ? 24 : 23, 23, " "});
        a.style = SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN;
        auto swatch = std::make_unique<gui::StaticText>(a);
        swatch->SetColor(kSwatchColors[i]);
        swatches_.push_back(std::move(swatch));
    }

    skin::TSkinPanel::Args randomArgs = group({w, ids::kSkinRadioGroup1, 192, 145, 163, 54, "色彩随机选项"});
    randomArgs.checkedMode = true;
    randomArgs.checked = true;
    randomColour_ = std::make_unique<skin::TSkinRadioGroup>(
        skin::TSkinRadioGroup::Args{.group = randomArgs, .items = {"单字随机", "单词随机"}, .columns = 2});
    randomColour_->SetItemIndex(1);

    fontGroup_ = groupBox({w, ids::kSkinGroupBox1, 6, 203, 251, 176, "字体设置"});
    HWND g1 = fontGroup_->Handle();
    fontNames_ = std::make_unique<skin::TSkinComboBox>(At({g1, ids::kSkinComboBox1, 8, 23, 129, 24, "宋体"},
                                                          skin::TSkinComboBox::Args{.skinData = skinData}));
    for (const char* name : kFontNames)
        fontNames_->Add(name);
    fontStyles_ = std::make_unique<skin::TSkinCheckGroup>(
        skin::TSkinCheckGroup::Args{.group = group({g1, ids::kSkinCheckGroup1, 6, 49, 130, 65, "字体样式"}),
                                    .items = {"粗  体", "斜  体", "下划线", "中划线"},
                                    .columns = 2,
                                    .buttonUseSkinFont = false});
    symbolGroup_ = groupBox({g1, ids::kSkinGroupBox5, 140, 22, 106, 94, "特殊符号"});
    HWND g5 = symbolGroup_->Handle();
    symbolFonts_ = std::make_unique<skin::TSkinComboBox>(
        At({g5, ids::kSkinComboBox2, 6, 24, 94, 21}, skin::TSkinComboBox::Args{.skinData = skinData}));
    symbols_ = std::make_unique<gui::ComboBox>(
        At({g5, ids::kComboBox1, 6, 47, 94, 41 + kSymbolItemHeight * kSymbolsDropped}), kSymbolsDropped);
    SetSymbolFont("Webdings");
    for (const char* c = kSymbols; *c; ++c)
        symbols_->Add(std::string(1, *c));
    symbols_->SetItemIndex(0);  // shows "0"

    sizeGroup_ = groupBox({g1, ids::kSkinGroupBox2, 6, 119, 240, 49, "改变文字尺寸"});
    HWND g2 = sizeGroup_->Handle();
    sizeBar_ = std::make_unique<skin::TSkinTrackBar>(
        skin::TrackBarArgs{.control = At({g2, ids::kSkinTrackBar1, 6, 24, 201, 20}),
                           .skinData = &skin_.Data(),
                           .skinDataName = "htrackbar",
                           .minValue = 10,
                           .maxValue = 500,
                           .value = 30,
                           .vertical = false});
    sizeField_ = std::make_unique<gui::Edit>(At({g2, ids::kEdit1, 209, 24, 25, 19, "30"}), 3);

    favouritesGroup_ = groupBox({w, ids::kSkinGroupBox3, 260, 203, 177, 176, "编辑收藏夹"});
    HWND g3 = favouritesGroup_->Handle();
    nameField_ = std::make_unique<gui::Edit>(At({g3, ids::kEdit2, 6, 25, 166, 19}));
    favouriteList_ =
        std::make_unique<skin::TSkinListBox>(ListBoxAt(At({g3, ids::kSkinListBox2, 6, 46, 166, 97})));
    addFavouriteButton_ = button({g3, ids::kSkinButton1, 6, 147, 54, 23, "添加"});
    modifyFavouriteButton_ = button({g3, ids::kSkinButton3, 62, 147, 54, 23, "修改"});
    deleteFavouriteButton_ = button({g3, ids::kSkinButton2, 118, 147, 54, 23, "删除"});

    chatPanel_ = std::make_unique<skin::TSkinPanel>(
        At({w, ids::kSkinPanel1, 441, 203, 152, 177}, skin::TSkinPanel::Args{.skinData = skinData}));
    HWND p1 = chatPanel_->Handle();
    showNicknames_ = checkBox({p1, ids::kSkinCheckBox1, 3, 4, 123, 15, "显示好友昵称"}, true, 0);
    chatList_ =
        std::make_unique<skin::TSkinListBox>(ListBoxAt(At({p1, ids::kSkinListBox4, 5, 19, 140, 152})));

    // The bars and the length display stand on the editor's edges: the editor lies below them.
    SetWindowPos(editor_->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    // Everything but the editor and the length display speaks in the form's font.
    FontRule rule{formFont_.get(), {editor_->Handle(), lengthDisplay_->Handle()}};
    EnumChildWindows(w, SetFontUnlessKept, reinterpret_cast<LPARAM>(&rule));
    AddHints();
}

void TForm1::AddHints() {
    hint_ = std::make_unique<skin::TSkinHint>(&skin_.Data());
    hint_->defaultFont = {"MS Sans Serif", 11};
    const auto add = [this](const auto& control, std::initializer_list<const char*> lines) {
        std::string text;
        for (const char* line : lines) {
            if (!text.empty()) text += "\r\n";
            text += line;
        }
        skin::ApplicationHints::Instance().SetHint(control->Handle(), text);
    };
    add(sizeGroup_, {"在这里设置所选文字的大小", "通过拖动滚动条和输入数字来改变文字大小",
                     "范围是(10-500)，默认是30", "注意：在输入框中输入完毕后，要按回车键才生效。"});
    add(fontStyles_, {"在这里设置所选文字的字体样式：", "粗体、斜体、下划线、中划线。"});
    add(symbolGroup_, {"在这里设置特殊符号", "并插入到文本中。", "使用前提是：你必须装有相应符号字体。"});
    add(fontNames_, {"在这里设置所选文字的字体。"});
    add(copyButton_, {"仅将彩字传到剪贴板，", "不自动发送到QQ窗口。"});
    add(sendButton_, {"将彩字传到指定的QQ窗口，", "并自动发送出去。"});
    add(clearButton_, {"清空编辑框及剪贴板"});
    add(activateAfterSend_, {"自动发送后", "是否激活指定QQ窗口"});
    add(clearAfterSend_, {"彩字发送后，", "是否清空彩字编辑框的内容", "注意：如果要收藏你的彩字作品，",
                          "      请在发送前添加进收藏夹。"});
    add(clearClipboardToo_, {"做清空操作时", "是否同时清空系统剪贴板", ""});
    add(swatchGroup_, {"单击颜色框设置所选文字前景色，", "双击颜色框可以设置自定义颜色。"});
    const auto quoted = [](const std::string& item, const char* rest) { return '"' + item + '"' + rest; };
    const std::string item0 = quoted(randomColour_->Item(0), ":输入一个单字则换一种颜色");
    const std::string item1 = quoted(randomColour_->Item(1), ":输入一个单词才换一种颜色，");
    add(randomColour_,
        {"随机地产生文字色彩", item0.c_str(), item1.c_str(), "           只以[空格]来区分单词。"});
    add(favouriteList_, {"在这里存放你的彩字作品。", "选中后，即可修改和删除，", "当然，更可添加。"});
    add(nameField_, {"给你的彩字作品起个名字吧", "默认是与文字内容相同。"});
    add(addFavouriteButton_, {"将当前你的灵感彩字", "添加到收藏夹中存起来，", "以备后用。"});
    add(modifyFavouriteButton_, {"修改当前的彩字，", "注意：修改后无法恢复！"});
    add(deleteFavouriteButton_, {"将当前收藏夹中不喜欢的彩字删除掉，", "注意：不可恢复！", ""});
    add(chatList_, {"在这里选择你要把彩字发送给哪个好友", "其中的项目会在你QQ聊天窗口被打开后自动列出",
                    "注意：只能选一个。"});
}

}  // namespace huecast
