// The editor's document as RTF, written by us rather than by the rich-edit control, so that every system
// gives the same bytes and the landmarks the conversion (convert/urtf.h) relies on are always there:
//
//   {\rtf1\ansi\ansicpg936\deff0\deflang1033\deflangfe2052{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}
//   {\colortbl ;\red255\green0\blue0;}\viewkind4\uc1\pard\cf1\lang2052\f0\fs60\'c4\'e3\'ba\'c3\cf0\fs24\par}
//
// (one line, without the break). Only the fonts and colours the runs use are listed, a control word appears
// only where an attribute changes, and the closing paragraph mark takes the default colour and size. Text
// goes out in the system code page, taken to be 936 (GBK): every byte of a double-byte character and every
// other byte at or above 0x80 as "\'" and two lower-case hexadecimal digits, except the curly double
// quotes, written as "\ldblquote" and "\rdblquote". A character the code page lacks (Korean, emoji, many
// symbols) goes out as "\u", its UTF-16 code unit in unsigned decimal and "?", one escape per code unit, so
// that the conversion passes it on as it is.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "convert/code_page.h"

namespace huecast {

struct CharFormat {
    std::string fontName;                // in the system code page (GBK), e.g. "\xcb\xce\xcc\xe5" for 宋体
    int charset = 134;                   // the font's character set (134 GB2312, 2 symbol, 0 ANSI, ...)
    int sizeHalfPoints = 24;             // RTF \fs units: size 30 pt is 60
    unsigned style = 0;                  // bold 1, italic 2, underline 4, strike-out 8
    std::optional<std::uint32_t> color;  // 0x00BBGGRR; nullopt = automatic colour (\cf0)
    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

struct TextRun {
    std::u16string text;  // as the editor holds it; a paragraph break is "\r" ("\r\n" and "\n" are accepted too)
    CharFormat format;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// The whole document as RTF with the landmarks the conversion relies on. Empty runs are skipped; with no
// text at all the document is one empty paragraph in the default format.
std::string WriteEditorRtf(std::span<const TextRun> runs, const CodePageConverter& codePage);

}  // namespace huecast
