// Dialog item identifiers of the main window's controls. Tests and tools that drive huecast.exe from
// another process find the controls by these numbers.
#pragma once

#include "skin/controls/item_group_layout.h"

namespace huecast::ids {

// The colour swatches StaticText1 to StaticText7, whose index is their Tag.
inline constexpr int kSwatchCount = 7;

enum : int {
    kRichEdit1 = 101,
    kSkinScrollBar1 = 102,
    kSkinScrollBar2 = 103,
    kStaticText8 = 104,
    kButton1 = 105,
    kSkinButton5 = 106,
    kSkinButton4 = 107,
    kSkinCheckBox3 = 108,
    kSkinCheckBox4 = 109,
    kSkinCheckBox2 = 110,
    kSkinGroupBox6 = 111,
    kStaticText1 = 112,  // the first of the swatches (SwatchId)
    kSkinRadioGroup1 = 120,
    kSkinGroupBox1 = 121,
    kSkinComboBox1 = 122,
    kSkinCheckGroup1 = 123,
    kSkinGroupBox5 = 124,
    kSkinComboBox2 = 125,
    kComboBox1 = 126,
    kSkinGroupBox2 = 127,
    kSkinTrackBar1 = 128,
    kEdit1 = 129,
    kSkinGroupBox3 = 130,
    kEdit2 = 131,
    kSkinListBox2 = 132,
    kSkinButton1 = 133,
    kSkinButton3 = 134,
    kSkinButton2 = 135,
    kSkinPanel1 = 136,
    kSkinCheckBox1 = 137,
    kSkinListBox4 = 138,
};

// The gradient dialog's controls: three colour groups, each with the chosen colour, the seven swatches and
// the button for any colour; the step, the fit and the preview.
enum : int {
    kStartGroup = 201,
    kMiddleGroup = 202,
    kEndGroup = 203,
    kByCharacter = 204,
    kByWord = 205,
    kFit = 206,
    kPreview = 207,
    kChosenColour = 210,  // within a colour group
    kGroupSwatch1 = 211,  // within a colour group: the first of the seven swatches
    kOtherColour = 218,   // within a colour group
};

constexpr int SwatchId(int index) {
    return kStaticText1 + index;
}
static_assert(SwatchId(kSwatchCount - 1) < kSkinRadioGroup1, "the swatches' ids run into the next control's");

using skin::GroupCaptionId;
using skin::GroupItemId;
static_assert(GroupItemId(kSkinRadioGroup1, 0) > kSkinListBox4 &&
                  GroupItemId(kSkinCheckGroup1, 0) > kSkinListBox4,
              "the items of a group must not share an id with another control");

}  // namespace huecast::ids
