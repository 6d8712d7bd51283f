// The message box's fixed tables (kinds, buttons, results) and its layout. The Win32 form measures its
// label, asks LayOutMessageBox where everything goes, and creates exactly what it is told.
//
// Strings of the tables are the system code page's bytes (GBK), as the program shows them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "base/geometry.h"

namespace huecast::skin {

class TSkinData;

enum class MsgDlgType { Warning = 0, Error = 1, Information = 2, Confirmation = 3, Custom = 4 };

// Bit numbers in a button set.
enum class MsgDlgBtn { Yes, No, OK, Cancel, Abort, Retry, Ignore, All, NoToAll, YesToAll, Help };
inline constexpr int kMsgDlgButtonCount = 11;

// A set of buttons, one bit per MsgDlgBtn.
class MsgDlgButtons {
  public:
    constexpr MsgDlgButtons() = default;
    constexpr MsgDlgButtons(std::initializer_list<MsgDlgBtn> buttons) {
        for (MsgDlgBtn b : buttons)
            bits_ |= Bit(b);
    }
    static constexpr MsgDlgButtons FromBits(std::uint16_t bits) {
        MsgDlgButtons set;
        set.bits_ = static_cast<std::uint16_t>(bits & ((1u << kMsgDlgButtonCount) - 1));
        return set;
    }
    constexpr bool Has(MsgDlgBtn b) const { return (bits_ & Bit(b)) != 0; }
    constexpr std::uint16_t Bits() const { return bits_; }
    int Count() const;
    bool Empty() const { return bits_ == 0; }

  private:
    static constexpr std::uint16_t Bit(MsgDlgBtn b) {
        return static_cast<std::uint16_t>(1u << static_cast<int>(b));
    }
    std::uint16_t bits_ = 0;
};

// Modal results.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10
};

struct MsgDlgTypeInfo {
    const char* caption;  // nullptr: the application's title
    int systemIcon;       // resource id of the system icon (32513 hand, ...), 0 for none
};
const MsgDlgTypeInfo& TypeInfo(MsgDlgType type);

struct MsgDlgButtonInfo {
    const char* name;     // the control's name ("OK")
    const char* caption;  // "确定"
    int modalResult;      // 0 for help, which does not close
};
const MsgDlgButtonInfo& ButtonInfo(MsgDlgBtn button);

// Enter clicks OK, else Yes, else Retry; Escape clicks Cancel, else No, else OK. nullopt: none.
std::optional<MsgDlgBtn> DefaultButton(MsgDlgButtons buttons);
std::optional<MsgDlgBtn> CancelButton(MsgDlgButtons buttons);
// The result of closing the box without a button (its close button, the system menu, Alt+F4): what Escape
// gives, or mrCancel when the box has no cancel button.
int CloseResult(MsgDlgButtons buttons);

inline constexpr int kMessageButtonWidth = 60;
inline constexpr int kMessageButtonGap = 10;
inline constexpr int kPlainMessageButtonHeight = 25;

// The height of the skin rect of the button element `buttonSkinDataName`, or 25 when the skin has no such
// element of the button class (or no skin at all).
int MessageButtonHeight(const TSkinData* ctrlSkinData, std::string_view buttonSkinDataName);

struct MessageBoxInput {
    MsgDlgType type = MsgDlgType::Error;
    MsgDlgButtons buttons{MsgDlgBtn::OK};
    Size label;  // the measured message label
    int buttonHeight = kPlainMessageButtonHeight;
    int workAreaWidth = 0;    // the box never gets wider than this (0: no limit)
    int frameMinWidth = 120;  // nor narrower than this
};

struct PlacedButton {
    MsgDlgBtn button;
    Rect bounds;  // client coordinates
};

struct MessageBoxLayout {
    Size client;
    Rect label;
    std::optional<Rect> icon;           // 32 x 32; none for the custom kind
    std::vector<PlacedButton> buttons;  // in bit order
};

MessageBoxLayout LayOutMessageBox(const MessageBoxInput& input);

// The frame's smallest width: the skin's main picture or `minWidth` when that is larger; without a skin
// (mainPictureWidth 0) `minWidth`, or 120 when that is not positive.
int FrameMinWidth(int mainPictureWidth, int minWidth);

}  // namespace huecast::skin
