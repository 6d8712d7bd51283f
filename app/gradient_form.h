// The gradient dialog (渐变色): a start and an end colour, each one click on a swatch or any colour through
// the system's colour dialog, an optional middle colour, a step per character or per word, a live preview
// of the text in those colours, and whether the work is fitted into one message as it is coloured. On the
// program's form kit: skinned frame, buttons, panels and check boxes.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "colour/colour_steps.h"
#include "convert/editor_rtf.h"
#include "gui/color_dialog.h"
#include "gui/fonts.h"
#include "gui/static_text.h"
#include "skin/frame/win32/dialog_form.h"
#include "skin/controls/win32/button.h"
#include "skin/controls/win32/check_radio_box.h"
#include "skin/controls/win32/panel.h"

namespace huecast {

class GradientPreview;

class TGradientForm final : public skin::TDialogForm {
  public:
    struct Args {
        skin::TSkinData* skinData = nullptr;
        std::vector<std::uint32_t> swatches;  // the main window's seven swatch colours
        std::span<const TextRun> text;        // what the preview shows
        Gradient gradient;                    // shown at first
        bool fit = true;
        gui::ColorDialog* colorDialog = nullptr;  // the main window's, which keeps the custom colours
    };
    explicit TGradientForm(const Args& args);
    ~TGradientForm() override;

    // True when the user confirmed.
    bool ShowModal(HWND owner) { return TDialogForm::ShowModal(owner) == IDOK; }
    const Gradient& Chosen() const { return gradient_; }
    bool Fit() const { return fit_; }

  private:
    // One colour of the gradient: the group with the chosen colour, the swatches and the dialog's button.
    struct ColourRow {
        std::unique_ptr<skin::TSkinGroupBox> group;
        std::unique_ptr<gui::StaticText> chosen;
        std::vector<std::unique_ptr<gui::StaticText>> swatches;
        std::unique_ptr<skin::TSkinButton> other;
    };
    enum Row { kStart, kMiddle, kEnd, kRows };

    void Build() override;
    void Command(int id) override;
    void BuildRow(Row row, int top, const char* caption, std::uint32_t colour);
    void SwatchClick(Row row, std::uint32_t colour);
    void OtherColourClick(Row row);
    void SetRowColour(Row row, std::uint32_t colour);
    void MiddleCheckedClick();
    void StepClick();
    void FitClick();
    void GradientChanged();

    Args args_;
    Gradient gradient_;
    std::uint32_t middle_;  // kept while the middle colour is switched off
    bool fit_;
    gui::FontHandle font_;
    std::array<ColourRow, kRows> rows_;
    std::unique_ptr<skin::TSkinCheckRadioBox> byCharacter_, byWord_, fitBox_;
    std::unique_ptr<skin::TSkinPanel> previewPanel_;
    std::unique_ptr<GradientPreview> preview_;
    std::unique_ptr<skin::TSkinButton> ok_, cancel_;
};

}  // namespace huecast
