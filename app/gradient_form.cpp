// The gradient dialog: its controls and their geometry, choosing colours, and the live preview.
#include "app/gradient_form.h"

#include "app/control_ids.h"

#include <algorithm>
#include <string>

#include "colour/text_cells.h"
#include "gui/drawing.h"
#include "gui/painted_part.h"
#include "gui/window.h"

namespace huecast {

namespace {

constexpr Size kClient{392, 288};
constexpr int kRowLeft = 8, kRowWidth = 376, kRowHeight = 50;
constexpr int kSwatchLeft = 60, kSwatchStep = 26;
constexpr int kPreviewHeight = 20, kLeastPreviewHeight = 12;  // pixels

struct FontRule {
    HFONT font;
    HWND keep;
};

BOOL CALLBACK SetFontUnlessKept(HWND child, LPARAM p) {
    const auto* rule = reinterpret_cast<const FontRule*>(p);
    if (child != rule->keep) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(rule->font), FALSE);
    return TRUE;
}

// The digits a swatch shows in the colour that stands out on it, as on the main window.
void ShowColour(gui::StaticText& box, std::uint32_t colour) {
    box.SetColor(colour);
    box.SetFontColor(0xFFFFFF - colour);
}

}  // namespace

// The text in the gradient's colours on the editor's white, on one line (line breaks as spaces), cut with
// an ellipsis where it no longer fits.
class GradientPreview final : public gui::PaintedPart {
  public:
    GradientPreview(HWND parent, const Rect& r, std::span<const TextRun> text)
        : PaintedPart("HuecastGradientPreview", parent, r, {}, ids::kPreview),
          cells_(TextCells(text)),
          font_(gui::CreateFontFrom(
              {.face = "宋体", .height = kPreviewHeight, .bold = true, .charset = GB2312_CHARSET})) {
        // Each cell's code units, from its start to the next cell's, in the text of all runs.
        std::u16string all;
        std::vector<std::size_t> runStarts;
        for (const TextRun& run : text) {
            runStarts.push_back(all.size());
            all += run.text;
        }
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            const std::size_t from = runStarts[cells_[i].run] + cells_[i].offset;
            const std::size_t to =
                i + 1 < cells_.size() ? runStarts[cells_[i + 1].run] + cells_[i + 1].offset : all.size();
            glyphs_.push_back(cells_[i].blank ? u" " : all.substr(from, to - from));
        }
    }

    void Show(const Gradient& gradient) {
        colours_ = GradientColours(cells_, gradient);
        Invalidate();
    }

  private:
    void Draw(HDC dc, Size area) override {
        const RECT r{0, 0, area.cx, area.cy};
        const gui::BrushHandle white(CreateSolidBrush(RGB(255, 255, 255)));
        FillRect(dc, &r, white.get());
        // A long text in a smaller face, down to a readable least, so that the preview shows more of the
        // way from the first colour to the last.
        int width = 0;
        {
            const gui::SelectedObject large(dc, font_.get());
            for (const std::u16string& glyph : glyphs_) {
                SIZE size{};
                GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(glyph.data()), int(glyph.size()),
                                      &size);
                width += size.cx;
            }
        }
        const int available = r.right - 12;
        gui::FontHandle smaller;
        if (width > available) {
            const int height = std::max(kLeastPreviewHeight, kPreviewHeight * available / width);
            smaller = gui::CreateFontFrom(
                {.face = "宋体", .height = height, .bold = true, .charset = GB2312_CHARSET});
        }
        const gui::SelectedObject font(dc, smaller ? smaller.get() : font_.get());
        SetBkMode(dc, TRANSPARENT);
        SIZE ellipsis{};
        GetTextExtentPoint32W(dc, L"…", 1, &ellipsis);
        const int right = r.right - 4;
        int x = 6;
        for (std::size_t i = 0; i < glyphs_.size() && i < colours_.size(); ++i) {
            const auto* units = reinterpret_cast<const wchar_t*>(glyphs_[i].data());
            const int length = static_cast<int>(glyphs_[i].size());
            SIZE size{};
            GetTextExtentPoint32W(dc, units, length, &size);
            SetTextColor(dc, colours_[i]);
            if (x + size.cx > right - (i + 1 < glyphs_.size() ? ellipsis.cx : 0)) {
                TextOutW(dc, x, (r.bottom - ellipsis.cy) / 2, L"…", 1);
                break;
            }
            TextOutW(dc, x, (r.bottom - size.cy) / 2, units, length);
            x += size.cx;
        }
    }

    std::vector<TextCell> cells_;
    std::vector<std::u16string> glyphs_;
    std::vector<std::uint32_t> colours_;
    gui::FontHandle font_;
};

TGradientForm::TGradientForm(const Args& args)
    : args_(args),
      gradient_(args.gradient),
      middle_(args.gradient.middle.value_or(0x00FF00)),
      fit_(args.fit) {}

TGradientForm::~TGradientForm() = default;

void TGradientForm::Build() {
    SetWindowTextA(Handle(), "渐变色");
    font_ = gui::CreateFontFrom({.face = "宋体", .height = 12, .charset = GB2312_CHARSET});
    BuildRow(kStart, 8, "起始色", gradient_.start);
    BuildRow(kMiddle, 62, "中间色", middle_);
    BuildRow(kEnd, 116, "结束色", gradient_.end);

    const auto box = [&](int id, int x, int width, const char* caption, bool radio, bool checked) {
        return std::make_unique<skin::TSkinCheckRadioBox>(
            skin::TSkinCheckRadioBox::Args{.parent = Handle(),
                                           .id = id,
                                           .x = x,
                                           .y = 172,
                                           .width = width,
                                           .height = 20,
                                           .caption = caption,
                                           .skinData = args_.skinData,
                                           .radio = radio,
                                           .groupIndex = radio ? 1 : 0,
                                           .checked = checked,
                                           .useSkinFont = false});
    };
    byCharacter_ = box(ids::kByCharacter, 14, 62, "按字", true, !gradient_.perWord);
    byWord_ = box(ids::kByWord, 80, 62, "按词", true, gradient_.perWord);
    fitBox_ = box(ids::kFit, 170, 130, "适合一条消息", false, fit_);
    byCharacter_->onClick = [this] { StepClick(); };
    byWord_->onClick = [this] { StepClick(); };
    fitBox_->onClick = [this] { FitClick(); };

    previewPanel_ = std::make_unique<skin::TSkinPanel>(skin::TSkinPanel::Args{.parent = Handle(),
                                                                              .x = kRowLeft,
                                                                              .y = 198,
                                                                              .width = kRowWidth,
                                                                              .height = 46,
                                                                              .skinData = args_.skinData});
    preview_ =
        std::make_unique<GradientPreview>(previewPanel_->Handle(), Rect{4, 4, kRowWidth - 4, 42}, args_.text);

    const auto button = [&](int id, int x, const char* caption, bool isDefault) {
        return std::make_unique<skin::TSkinButton>(
            skin::TSkinButton::Args{.parent = Handle(),
                                    .id = id,
                                    .x = x,
                                    .y = 254,
                                    .width = 75,
                                    .height = 24,
                                    .caption = caption,
                                    .skinData = args_.skinData,
                                    .options = {.isDefault = isDefault, .isCancel = !isDefault},
                                    .useSkinFont = false,
                                    .modalResult = id});
    };
    ok_ = button(IDOK, kRowLeft + kRowWidth - 156, "确定", true);
    cancel_ = button(IDCANCEL, kRowLeft + kRowWidth - 75, "取消", false);
    SendMessageA(Handle(), DM_SETDEFID, IDOK, 0);

    FontRule rule{font_.get(), preview_->Handle()};
    EnumChildWindows(Handle(), SetFontUnlessKept, reinterpret_cast<LPARAM>(&rule));
    rows_[kMiddle].group->SetChecked(gradient_.middle.has_value());
    GradientChanged();
    ok_->SetFocus();

    AttachFrame({.skinData = args_.skinData, .menuSkinData = args_.skinData});
    PlaceCentred(kClient);
}

void TGradientForm::BuildRow(Row row, int top, const char* caption, std::uint32_t colour) {
    ColourRow& r = rows_[row];
    r.group = std::make_unique<skin::TSkinGroupBox>(skin::TSkinPanel::Args{.parent = Handle(),
                                                                           .id = ids::kStartGroup + int(row),
                                                                           .x = kRowLeft,
                                                                           .y = top,
                                                                           .width = kRowWidth,
                                                                           .height = kRowHeight,
                                                                           .caption = caption,
                                                                           .skinData = args_.skinData,
                                                                           .skinDataName = "groupbox",
                                                                           .captionMode = true,
                                                                           .checkedMode = row == kMiddle,
                                                                           .useSkinFont = false});
    HWND group = r.group->Handle();
    const auto box = [group](int id, int x, int width) {
        return std::make_unique<gui::StaticText>(
            gui::ControlArgs{.parent = group,
                             .id = id,
                             .x = x,
                             .y = 23,
                             .width = width,
                             .height = 20,
                             .text = " ",
                             .style = SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN});
    };
    r.chosen = box(ids::kChosenColour, 10, 40);
    ShowColour(*r.chosen, colour);
    for (std::size_t i = 0; i < args_.swatches.size(); ++i) {
        auto swatch = box(ids::kGroupSwatch1 + int(i), kSwatchLeft + kSwatchStep * int(i), 22);
        ShowColour(*swatch, args_.swatches[i]);
        swatch->SetText(std::to_string(i));
        const std::uint32_t swatchColour = args_.swatches[i];
        swatch->onClick = [this, row, swatchColour] { SwatchClick(row, swatchColour); };
        r.swatches.push_back(std::move(swatch));
    }
    r.other = std::make_unique<skin::TSkinButton>(
        skin::TSkinButton::Args{.parent = group,
                                .id = ids::kOtherColour,
                                .x = kSwatchLeft + kSwatchStep * int(args_.swatches.size()) + 8,
                                .y = 21,
                                .width = 90,
                                .height = 24,
                                .caption = "其他颜色...",
                                .skinData = args_.skinData,
                                .useSkinFont = false});
    r.other->onClick = [this, row] { OtherColourClick(row); };
    if (row == kMiddle) r.group->onChecked = [this] { MiddleCheckedClick(); };
}

void TGradientForm::Command(int id) {
    if (id == IDOK || id == IDCANCEL) EndModal(id);
}

void TGradientForm::SwatchClick(Row row, std::uint32_t colour) {
    SetRowColour(row, colour);
}

void TGradientForm::OtherColourClick(Row row) {
    const std::uint32_t current = row == kStart ? gradient_.start : row == kEnd ? gradient_.end : middle_;
    if (!args_.colorDialog) return;
    if (const std::optional<std::uint32_t> chosen = args_.colorDialog->Execute(Handle(), current))
        SetRowColour(row, *chosen);
}

void TGradientForm::SetRowColour(Row row, std::uint32_t colour) {
    (row == kStart ? gradient_.start : row == kEnd ? gradient_.end : middle_) = colour;
    ShowColour(*rows_[row].chosen, colour);
    // Picking a middle colour means wanting one.
    if (row == kMiddle && !rows_[kMiddle].group->Checked()) rows_[kMiddle].group->SetChecked(true);
    GradientChanged();
}

void TGradientForm::MiddleCheckedClick() {
    GradientChanged();
}

void TGradientForm::StepClick() {
    GradientChanged();
}

void TGradientForm::FitClick() {
    fit_ = fitBox_->Checked();
}

void TGradientForm::GradientChanged() {
    gradient_.perWord = byWord_ && byWord_->Checked();
    gradient_.middle =
        rows_[kMiddle].group && rows_[kMiddle].group->Checked() ? std::optional(middle_) : std::nullopt;
    if (preview_) preview_->Show(gradient_);
}

}  // namespace huecast
