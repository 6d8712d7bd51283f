// Dialog item identifiers of the main window's controls. Tests and tools that drive huecast.exe from
// another process find the controls by these numbers.
#pragma once

namespace huecast::ids {

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
    kStaticText1 = 112,  // to kStaticText1 + 6 for the seven swatches
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

// The items of a check or radio group are its own children, numbered group id * 10 + item index; a radio
// group's caption check box is the group itself, which answers a check box's messages for it.
constexpr int GroupItemId(int group, int index) {
    return group * 10 + index;
}
constexpr int GroupCaptionId(int group) {
    return group;
}

}  // namespace huecast::ids
