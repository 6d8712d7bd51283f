// The messenger's compact rich text ("{\urtf"), made from the editor's RTF and the same content's plain text.
//
// The conversion cuts the editor's document at fixed landmarks (font table, colour table, first \pard) and
// replaces every character escape of the body, in order, by the decimal Unicode escape of the matching code
// unit of the plain text. It relies on the editor's RTF writer (convert/editor_rtf.h) for those landmarks and
// for writing each double-byte character as two "\'xx" escapes in a row.
//
// Every function is pure and runs in time linear in its input. Untrusted input is fine: missing landmarks
// give empty parts, and escapes without a matching code unit stay as they are.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/code_page.h"

namespace huecast {

// The plain text is taken as at most this many UTF-16 code units; a longer one yields no code units at all.
inline constexpr std::size_t kMaxPlainCodeUnits = 499;

// The converted text: "{\urtf", the cleaned font table, the colour table without spaces (black written as
// "\;") and the converted body. `rtf` is the editor's document with its CR LF pairs removed; `plain` is the
// same content as plain text in the system code page.
//
// `maxPlainCodeUnits` is the limit above which the plain text yields no code units; a work that is sent in
// parts is converted whole without it (SIZE_MAX).
std::string ConvertToUrtf(std::string_view rtf, std::string_view plain, const CodePageConverter& codePage,
                          std::size_t maxPlainCodeUnits = kMaxPlainCodeUnits);

// A lower bound of the converted length of any document of the editor's RTF writer whose plain text (CR LF
// pairs removed) is `plain`: "{\urtf" and at least one byte for every byte of plain text. A caller that
// only needs to know whether a text fits the messenger's limit can tell a long one from this alone, without
// reading the document.
std::size_t MinimumConvertedSize(std::string_view plain);

// The font table without "\fnil" and "\fcharset134", and the escaped name of the default Chinese face
// written as its own four GBK bytes.
std::string CleanFontTable(std::string_view fontTable);

// The body (from the first \pard on) with each character escape replaced by its "\uN?" escape, paired in
// order with the code units of `plain` that the editor escapes, and with the language word and the closing
// reset to the default colour and size dropped.
std::string ConvertBody(std::string_view body, std::string_view plain, const CodePageConverter& codePage,
                        std::size_t maxPlainCodeUnits = kMaxPlainCodeUnits);

// Four upper-case hexadecimal digits, high byte first, per UTF-16 code unit of `plain` (which must have no
// CR LF pairs); empty when `plain` needs more than `maxCodeUnits` code units.
std::string HexCodeUnits(std::string_view plain, const CodePageConverter& codePage,
                         std::size_t maxCodeUnits = kMaxPlainCodeUnits);

// Four hexadecimal digits in decimal, without sign or leading zeros ("FF0C" gives "65292"). Anything that is
// not four hexadecimal digits gives an empty string.
std::string HexGroupToDecimal(std::string_view group);

// The two halves of ConvertBody, exposed for their own tests and for measuring.
//
// The code-unit groups of `hexCodeUnits` that stand for characters the editor writes as escapes: every
// aligned group except those below U+0080, which the editor writes as themselves. A trailing remainder of
// fewer than four digits is ignored.
std::vector<std::string_view> EscapedCodeUnitGroups(std::string_view hexCodeUnits);

// ConvertBody with the groups given: character i of the body (a double-byte escape pair, a lone escape of a
// single-byte character, or a curly quote word) takes groups[i]. An escape is replaced in place by "\u", the
// group in decimal and "?"; one equal to an earlier escape takes that escape's group. The quote words keep
// their place in the pairing but stay as they are. Escapes beyond the groups stay, groups beyond the
// characters are ignored.
std::string ConvertBodyWithGroups(std::string_view body, std::span<const std::string_view> groups);

}  // namespace huecast
