// The editor's context menu: the editing commands, and colour that flows across the text (a gradient, the
// rainbow) or is fitted so that the whole work goes out as one message. Also the length display's hint
// about fitting while the work is too long.
#include <optional>
#include <string>
#include <utility>

#include "app/control_ids.h"
#include "app/form1.h"
#include "app/gradient_form.h"
#include "app/read_editor_rtf.h"
#include "colour/colour_fit.h"
#include "convert/urtf_split.h"

namespace huecast {

namespace {

std::string CannotFitMessage(std::size_t bytes) {
    return "无法压缩到一条消息：即使全部文字只用一种颜色，\r也需要 " + std::to_string(bytes) +
           " 字节，而一条消息最多 " + std::to_string(kMaxUrtfBytes) + " 字节。\r请删减文字或少用不同的字体。";
}

}  // namespace

void TForm1::WireColours() {
    PopupMenu1 = std::make_unique<skin::TSkinPopupMenu>(&skin_.Data());
    RichEdit1->onContextMenu = [this](POINT at) { RichEdit1ContextPopup(at); };
    SkinHint1->onShowHint = [this](std::string& text) {
        if (text == kFitHintMarker) text = FitHint();
    };
}

void TForm1::RichEdit1ContextPopup(POINT at) {
    const auto [first, end] = RichEdit1->Selection();
    const int textEnd = RichEdit1->TextEnd();
    const bool selected = end > first;
    const bool hasText = textEnd > 0;
    const bool overLimit = hasText && ConvertEditor().size() > kMaxUrtfBytes;
    // A command runs once the menu has gone and its key or click is handled: it may open a dialog of its
    // own, which must not run inside the menu's keyboard hook.
    const auto item = [this](const char* caption, bool enabled, std::function<void()> onClick) {
        return skin::TMenuItem{.caption = caption, .enabled = enabled, .onClick = [this, onClick] {
                                   menuCommand_ = onClick;
                                   PostMessageA(Handle(), kMenuCommandMessage, 0, 0);
                               }};
    };
    PopupMenu1->items = {
        item("撤销(&U)", RichEdit1->CanUndo(), [this] { EditUndoClick(); }),
        item("剪切(&T)", selected, [this] { EditCutClick(); }),
        item("复制(&C)", selected, [this] { EditCopyClick(); }),
        item("粘贴(&P)", RichEdit1->CanPaste(), [this] { EditPasteClick(); }),
        item("删除(&D)", selected, [this] { EditDeleteClick(); }),
        item("全选(&A)", hasText && (first > 0 || end < textEnd), [this] { EditSelectAllClick(); }),
        skin::TMenuItem{.caption = "-"},
        item("渐变色(&G)...", hasText, [this] { GradientClick(); }),
        item("彩虹色(&R)", hasText, [this] { RainbowClick(); }),
        item("压缩到一条消息(&F)", overLimit, [this] { FitToOneMessageClick(); }),
    };
    PopupMenu1->Popup(Handle(), {at.x, at.y});
}

void TForm1::RunMenuCommand() {
    if (const std::function<void()> command = std::exchange(menuCommand_, {})) command();
}

void TForm1::EditUndoClick() {
    RichEdit1->Undo();
}

void TForm1::EditCutClick() {
    RichEdit1->Cut();
}

void TForm1::EditCopyClick() {
    RichEdit1->Copy();
}

void TForm1::EditPasteClick() {
    RichEdit1->Paste();
}

void TForm1::EditDeleteClick() {
    RichEdit1->DeleteSelection();
}

void TForm1::EditSelectAllClick() {
    RichEdit1->SelectAll();
}

void TForm1::ApplyColours(const std::function<std::vector<TextRun>(std::span<const TextRun>)>& recolour,
                          bool fit) {
    std::optional<std::size_t> cannotFit;
    {
        const gui::RichEdit::QuietEdits quiet(*RichEdit1);
        cannotFit = RecolourQuietly(recolour, fit);
    }
    // The text is the same: only the length display and its hint follow.
    UpdateLengthDisplay(EditorPlainText());
    RichEdit1->SetFocus();
    if (cannotFit) ShowError(CannotFitMessage(*cannotFit));
}

std::optional<std::size_t> TForm1::RecolourQuietly(
    const std::function<std::vector<TextRun>(std::span<const TextRun>)>& recolour, bool fit) {
    const auto [first, end] = RichEdit1->Selection();
    const int textEnd = RichEdit1->TextEnd();
    // Nothing selected: the whole text, but the insertion point stays where it was.
    const bool whole = first == end;
    const int from = whole ? 0 : first;
    const int to = whole ? textEnd : std::min(end, textEnd);
    if (to <= from) return std::nullopt;

    // The text before and after the selection is read only to fit the whole work.
    const auto read = [this](int start, int stop) {
        RichEdit1->Select(start, stop - start);
        return stop > start ? ReadEditorRuns(*RichEdit1, true) : std::vector<TextRun>{};
    };
    std::vector<TextRun> runs = recolour(read(from, to));
    int writeFrom = from, writeTo = to;
    std::optional<std::size_t> cannotFit;
    if (fit) {
        std::vector<TextRun> all = read(0, from);
        all.insert(all.end(), runs.begin(), runs.end());
        const std::vector<TextRun> after = read(to, textEnd);
        all.insert(all.end(), after.begin(), after.end());
        ColourFit fitted = FitColours(all);
        if (!fitted.fits) {
            cannotFit = fitted.bytes;
        } else if (fitted.runs != all) {
            runs = std::move(fitted.runs);
            writeFrom = 0;
            writeTo = textEnd;
        }
    }
    RichEdit1->Select(writeFrom, writeTo - writeFrom);
    WriteEditorSelection(*RichEdit1, runs);
    RichEdit1->Select(first, end - first);
    return cannotFit;
}

void TForm1::RainbowClick() {
    ApplyColours([](std::span<const TextRun> runs) { return WithRainbow(runs); }, false);
}

void TForm1::GradientClick() {
    std::vector<TextRun> text;
    {
        const gui::RichEdit::QuietEdits quiet(*RichEdit1);
        const auto [first, end] = RichEdit1->Selection();
        const int from = end > first ? first : 0, to = end > first ? end : RichEdit1->TextEnd();
        RichEdit1->Select(from, to - from);
        if (to > from) text = ReadEditorRuns(*RichEdit1, true);
        RichEdit1->Select(first, end - first);
    }

    std::vector<std::uint32_t> swatches;
    for (int i = 0; i < ids::kSwatchCount; ++i)
        swatches.push_back(Swatch(i).Color());
    TGradientForm form({.skinData = &skin_.Data(),
                        .swatches = swatches,
                        .text = text,
                        .gradient = gradient_,
                        .fit = fitGradient_,
                        .colorDialog = &ColorDialog1});
    if (!form.ShowModal(Handle())) {
        RichEdit1->SetFocus();
        return;
    }
    gradient_ = form.Chosen();
    fitGradient_ = form.Fit();
    const Gradient gradient = gradient_;
    ApplyColours([&gradient](std::span<const TextRun> runs) { return WithGradient(runs, gradient); },
                 fitGradient_);
}

void TForm1::FitToOneMessageClick() {
    const std::vector<TextRun> runs = ReadEditorRuns(*RichEdit1);
    const ColourFit fit = FitColours(runs);
    if (!fit.fits) {
        ShowError(CannotFitMessage(fit.bytes));
        RichEdit1->SetFocus();
        return;
    }
    if (fit.runs != runs) {
        const gui::RichEdit::QuietEdits quiet(*RichEdit1);
        const auto [first, end] = RichEdit1->Selection();
        RichEdit1->Select(0, RichEdit1->TextEnd());
        WriteEditorSelection(*RichEdit1, fit.runs);
        RichEdit1->Select(first, end - first);
    }
    UpdateLengthDisplay(EditorPlainText());
    RichEdit1->SetFocus();
}

void TForm1::UpdateFitHint(bool overLimit) {
    // Worked out only when the hint is about to show: fitting a work of many colours takes a moment, which
    // no pause in typing should cost.
    skin::ApplicationHints::Instance().SetHint(StaticText8->Handle(), overLimit ? kFitHintMarker : "");
}

std::string TForm1::FitHint() {
    const ColourFit fit = FitColours(ReadEditorRuns(*RichEdit1));
    if (fit.fits) {
        return "右键菜单中的“压缩到一条消息”\r\n可以把它放进一条消息：合并成 " + std::to_string(fit.colourRuns) +
               " 段颜色，\r\n文字、字体和大小都不变。";
    }
    return "“压缩到一条消息”也放不下：\r\n即使只用一种颜色也需要 " + std::to_string(fit.bytes) + " 字节（最多 " +
           std::to_string(kMaxUrtfBytes) + "）。";
}

}  // namespace huecast
