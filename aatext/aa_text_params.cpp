#include "aatext/aa_text_params.h"

#include <algorithm>

namespace huecast {

TCustomParam::TCustomParam(TNotifyEvent onChanged) : TNotifyClass(std::move(onChanged)) {
    backGround_.SetOnChange([this] { Changed(); });
}

void TCustomParam::Assign(const TNotifyClass& source) {
    TNotifyClass::Assign(source);
    if (const auto* param = dynamic_cast<const TCustomParam*>(&source)) {
        alignment_ = param->alignment_;
        wordWrap_ = param->wordWrap_;
        backGroundMode_ = param->backGroundMode_;
        // Copying settings announces nothing; the picture would announce its new graphic.
        backGround_.SetOnChange({});
        backGround_.Assign(param->backGround_);
        backGround_.SetOnChange([this] { Changed(); });
    }
}

TCustomTextParam::TCustomTextParam(TNotifyEvent onChanged)
    : TCustomParam(std::move(onChanged)),
      fontEffect_([this](TNotifyClass& sender) { ChildChanged(sender); }) {}

void TCustomTextParam::Assign(const TNotifyClass& source) {
    TCustomParam::Assign(source);
    if (const auto* param = dynamic_cast<const TCustomTextParam*>(&source)) {
        lines_ = param->lines_;
        labelEffect_ = param->labelEffect_;
        rowPitch_ = param->rowPitch_;
        fontEffect_.Assign(param->fontEffect_);
    }
}

void TCustomTextParam::SetLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    Changed();
}

void TCustomTextParam::SetRowPitch(int value) {
    Set(rowPitch_, static_cast<TRowPitch>(std::clamp(value, -100, 150)));
}

}  // namespace huecast
