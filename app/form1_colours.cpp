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
    editor_->onContextMenu = [this](POINT at) { RichEdit1ContextPopup(at); };
    hint_->onShowHint = [this](std::string& text) {
        if (text == kFitHintMarker) text = FitHint();
    };
}

void TForm1::RichEdit1ContextPopup(POINT at) {
    const auto [first, end] = editor_->Selection();
    const int textEnd = editor_->TextEnd();
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
        item("撤销(&U)", editor_->CanUndo(), [this] { EditUndoClick(); }),
        item("剪切(&T)", selected, [this] { EditCutClick(); }),
        item("复制(&C)", selected, [this] { EditCopyClick(); }),
        item("粘贴(&P)", editor_->CanPaste(), [this] { EditPasteClick(); }),
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
    editor_->Undo();
}

void TForm1::EditCutClick() {
    editor_->Cut();
}

void TForm1::EditCopyClick() {
    editor_->Copy();
}

void TForm1::EditPasteClick() {
    editor_->Paste();
}

void TForm1::EditDeleteClick() {
    editor_->DeleteSelection();
}

void TForm1::EditSelectAllClick() {
    editor_->SelectAll();
}

void TForm1::ApplyColours(const std::function<std::vector<TextRun>(std::span<const TextRun>)>& recolour,
                          bool fit) {
    std::optional<std::size_t> cannotFit;
    {
        const gui::RichEdit::QuietEdits quiet(*editor_);
        cannotFit = RecolourQuietly(recolour, fit);
    }
    // The text is the same: only the length display and its hint follow.
    UpdateLengthDisplay(EditorPlainText());
    editor_->SetFocus();
    if (cannotFit) ShowError(CannotFitMessage(*cannotFit));
}

std::optional<std::size_t> TForm1::RecolourQuietly(
    const std::function<std::vector<TextRun>(std::span<const TextRun>)>& recolour, bool fit) {
    const auto [first, end] = editor_->Selection();
    const int textEnd = editor_->TextEnd();
    // Nothing selected: the whole text, but the insertion point stays where it was.
    const bool whole = first == end;
    const int from = whole ? 0 : first;
    const int to = whole ? textEnd : std::min(end, textEnd);
    if (to <= from) return std::nullopt;

    // The text before and after the selection is read only to fit the whole work.
    const auto read = [this](int start, int stop) {
        editor_->Select(start, stop - start);
        return stop > start ? ReadEditorRuns(*editor_, true) : std::vector<TextRun>{};
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
    editor_->Select(writeFrom, writeTo - writeFrom);
    WriteEditorSelection(*editor_, runs);
    editor_->Select(first, end - first);
    return cannotFit;
}

void TForm1::RainbowClick() {
    ApplyColours([](std::span<const TextRun> runs) { return WithRainbow(runs); }, false);
}

void TForm1::GradientClick() {
    std::vector<TextRun> text;
    {
        const gui::RichEdit::QuietEdits quiet(*editor_);
        const auto [first, end] = editor_->Selection();
        const int from = end > first ? first : 0, to = end > first ? end : editor_->TextEnd();
        editor_->Select(from, to - from);
        if (to > from) text = ReadEditorRuns(*editor_, true);
        editor_->Select(first, end - first);
    }

    std::vector<std::uint32_t> swatches;
    for (int i = 0; i < ids::kSwatchCount; ++i)
        swatches.push_back(Swatch(i).Color());
    TGradientForm form({.skinData = &skin_.Data(),
                        .swatches = swatches,
                        .text = text,
                        .gradient = gradient_,
                        .fit = fitGradient_,
                        .colorDialog = &colorDialog_});
    if (!form.ShowModal(Handle())) {
        editor_->SetFocus();
        return;
    }
    gradient_ = form.Chosen();
    fitGradient_ = form.Fit();
    const Gradient gradient = gradient_;
    ApplyColours([&gradient](std::span<const TextRun> runs) { return WithGradient(runs, gradient); },
                 fitGradient_);
}

void TForm1::FitToOneMessageClick() {
    const std::vector<TextRun> runs = ReadEditorRuns(*editor_);
    const ColourFit fit = FitColours(runs);
    if (!fit.fits) {
        ShowError(CannotFitMessage(fit.bytes));
        editor_->SetFocus();
        return;
    }
    if (fit.runs != runs) {
        const gui::RichEdit::QuietEdits quiet(*editor_);
        const auto [first, end] = editor_->Selection();
        editor_->Select(0, editor_->TextEnd());
        WriteEditorSelection(*editor_, fit.runs);
        editor_->Select(first, end - first);
    }
    UpdateLengthDisplay(EditorPlainText());
    editor_->SetFocus();
}

void TForm1::UpdateFitHint(bool overLimit) {
    // Worked out only when the hint is about to show: fitting a work of many colours takes a moment, which
    // no pause in typing should cost.
    skin::ApplicationHints::Instance().SetHint(lengthDisplay_->Handle(), overLimit ? kFitHintMarker : "");
}

std::string TForm1::FitHint() {
    const ColourFit fit = FitColours(ReadEditorRuns(*editor_));
    if (fit.fits) {
        return "右键菜单中的“压缩到一条消息”\r\n可以把它放进一条消息：合并成 " + std::to_string(fit.colourRuns) +
               " 段颜色，\r\n文字、字体和大小都不变。";
    }
    return "“压缩到一条消息”也放不下：\r\n即使只用一种颜色也需要 " + std::to_string(fit.bytes) + " 字节（最多 " +
           std::to_string(kMaxUrtfBytes) + "）。";
}

}  // namespace huecast
