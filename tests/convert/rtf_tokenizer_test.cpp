// The RTF lexer both readers stand on: what each kind of token takes from the input, and what broken input
// gives.
#include "convert/rtf_tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huecast {
namespace {

// A token written back in a form that shows every field, so that a whole stream compares in one line.
std::string Describe(const RtfToken& token) {
    using Kind = RtfToken::Kind;
    switch (token.kind) {
        case Kind::kEnd:
            return "end";
        case Kind::kGroupStart:
            return "{";
        case Kind::kGroupEnd:
            return "}";
        case Kind::kText:
            return "text(" + std::string(token.text) + ")";
        case Kind::kEscapedByte:
            return "byte(" + std::to_string(token.byte) + ")";
        case Kind::kControlWord:
            return "word(" + std::string(token.text) +
                   (token.parameter ? " " + std::to_string(*token.parameter) : std::string()) + ")";
        case Kind::kControlSymbol:
            return std::string("symbol(") + static_cast<char>(token.byte) + ")";
    }
    return "?";
}

std::vector<std::string> Tokens(std::string_view rtf) {
    std::vector<std::string> tokens;
    RtfTokenizer tokenizer(rtf);
    for (RtfToken token = tokenizer.Next(); token.kind != RtfToken::Kind::kEnd; token = tokenizer.Next())
        tokens.push_back(Describe(token));
    return tokens;
}

using Stream = std::vector<std::string>;

TEST(RtfTokenizer, SplitsADocumentIntoGroupsWordsEscapesAndText) {
    EXPECT_EQ(Tokens("{\\rtf1{\\fonttbl{\\f0\\fcharset134 \\'cb\\'CE;}}\\pard\\b Hi\\b0  there\\par\r\n}"),
              (Stream{"{",
                      "word(rtf 1)",
                      "{",
                      "word(fonttbl)",
                      "{",
                      "word(f 0)",
                      "word(fcharset 134)",
                      "byte(203)",
                      "byte(206)",
                      "text(;)",
                      "}",
                      "}",
                      "word(pard)",
                      "word(b)",
                      "text(Hi)",
                      "word(b 0)",
                      "text( there)",
                      "word(par)",
                      "text(\r\n)",
                      "}"}));
}

TEST(RtfTokenizer, ParametersTakeASignOnlyBeforeDigitsAndNeverOverflow) {
    EXPECT_EQ(Tokens("\\u-10179?\\li-x\\fs-"),
              (Stream{"word(u -10179)", "text(?)", "word(li)", "text(-x)", "word(fs)", "text(-)"}));
    EXPECT_EQ(Tokens("\\fs99999999999999999999 \\f-99999999999"),
              (Stream{"word(fs 999999999)", "word(f -999999999)"}));
    // Only one space delimits the word; the next is text, and any other delimiter is text too.
    EXPECT_EQ(Tokens("\\b  x\\i;"), (Stream{"word(b)", "text( x)", "word(i)", "text(;)"}));
}

TEST(RtfTokenizer, ControlSymbolsAndBrokenInputAreTokensOfTheirOwn) {
    EXPECT_EQ(Tokens("\\{\\}\\\\\\~\\*\\\r"),
              (Stream{"symbol({)", "symbol(})", "symbol(\\)", "symbol(~)", "symbol(*)", "symbol(\r)"}));
    // An escape without two hexadecimal digits is the bare symbol; what follows it is text again.
    EXPECT_EQ(Tokens("\\'4g\\'"), (Stream{"symbol(')", "text(4g)", "symbol(')"}));
    EXPECT_EQ(Tokens("a\\"), (Stream{"text(a)"}));
    EXPECT_TRUE(Tokens("").empty());
}

TEST(RtfTokenizer, SkippedBytesAreNotReadEvenWhenTheyLookLikeRtf) {
    RtfTokenizer tokenizer("\\bin3 {\\}x}rest");
    EXPECT_EQ(Describe(tokenizer.Next()), "word(bin 3)");
    tokenizer.SkipBytes(3);
    EXPECT_EQ(Describe(tokenizer.Next()), "text(x)");
    EXPECT_EQ(Describe(tokenizer.Next()), "}");
    tokenizer.SkipBytes(1000);  // more than is left
    EXPECT_EQ(tokenizer.Next().kind, RtfToken::Kind::kEnd);
    EXPECT_EQ(tokenizer.Next().kind, RtfToken::Kind::kEnd);
}

}  // namespace
}  // namespace huecast
