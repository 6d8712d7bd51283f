// Dialog item identifiers of the main window's controls, named by the design's components. Tests and tools
// that drive huecast.exe from another process find the controls by these numbers.
#pragma once

#include "skin/controls/item_group_layout.h"

namespace huecast::ids {

// The colour swatches StaticText1 to StaticText7, whose index is their Tag.
inline constexpr int kSwatchCount = 7;

enum : int {
    kRichEdit1 = 101,        // the editor
    kSkinScrollBar1 = 102,   // the editor's horizontal bar
    kSkinScrollBar2 = 103,   // the editor's vertical bar
    kStaticText8 = 104,      // the length display
    kButton1 = 105,          // Copy
    kSkinButton5 = 106,      // Send
    kSkinButton4 = 107,      // Clear
    kSkinCheckBox3 = 108,    // activate the chat window after Send
    kSkinCheckBox4 = 109,    // clear the editor after Send
    kSkinCheckBox2 = 110,    // clear the clipboard too
    kSkinGroupBox6 = 111,    // the swatches' group
    kStaticText1 = 112,      // the first of the swatches (SwatchId)
    kSkinRadioGroup1 = 120,  // random colours
    kSkinGroupBox1 = 121,    // the font group
    kSkinComboBox1 = 122,    // font names
    kSkinCheckGroup1 = 123,  // font styles
    kSkinGroupBox5 = 124,    // the symbol group
    kSkinComboBox2 = 125,    // symbol fonts
    kComboBox1 = 126,        // symbols
    kSkinGroupBox2 = 127,    // the size group
    kSkinTrackBar1 = 128,    // the size bar
    kEdit1 = 129,            // the size field
    kSkinGroupBox3 = 130,    // the favourites group
    kEdit2 = 131,            // the work's name
    kSkinListBox2 = 132,     // the favourites
    kSkinButton1 = 133,      // Add
    kSkinButton3 = 134,      // Modify
    kSkinButton2 = 135,      // Delete
    kSkinPanel1 = 136,       // the chat list's panel
    kSkinCheckBox1 = 137,    // show nicknames
    kSkinListBox4 = 138,     // the chat windows
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
