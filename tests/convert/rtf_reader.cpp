#include "tests/convert/rtf_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace huecast::test {
namespace {

struct Token {
    enum Kind { kGroupStart, kGroupEnd, kWord, kByte } kind;
    std::string word = {};
    std::optional<long> parameter = {};
    char byte = 0;
    bool escaped = false;  // written as \'xx or as a control symbol, so never RTF syntax

    static Token Byte(char byte, bool escaped = false) { return {kByte, {}, {}, byte, escaped}; }
};

class Tokenizer {
  public:
    explicit Tokenizer(std::string_view rtf) : rtf_(rtf) {}

    std::optional<Token> Next() {
        if (at_ >= rtf_.size()) return std::nullopt;
        const char c = rtf_[at_++];
        if (static_cast<unsigned char>(c) >= 0x80) ADD_FAILURE() << "raw byte at offset " << at_ - 1;
        if (c == '{') return Token{Token::kGroupStart};
        if (c == '}') return Token{Token::kGroupEnd};
        if (c != '\\') return Token::Byte(c);
        if (at_ >= rtf_.size()) {
            ADD_FAILURE() << "backslash at the end";
            return std::nullopt;
        }
        const char next = rtf_[at_++];
        if (next == '\\' || next == '{' || next == '}') return Token::Byte(next, true);
        if (next == '\'') {
            const std::string digits(rtf_.substr(at_, 2));
            at_ += 2;
            const bool lowerHex = digits.size() == 2 && std::all_of(digits.begin(), digits.end(), [](char c) {
                                      return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
                                  });
            EXPECT_TRUE(lowerHex) << "bad escape " << digits;
            return Token::Byte(lowerHex ? static_cast<char>(std::stoi(digits, nullptr, 16)) : '?', true);
        }
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(next))) << "unknown control symbol " << next;
        Token token{Token::kWord, std::string(1, next)};
        while (at_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[at_])))
            token.word += rtf_[at_++];
        const std::size_t digitsStart = at_;
        if (at_ < rtf_.size() && rtf_[at_] == '-') ++at_;
        while (at_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[at_])))
            ++at_;
        if (at_ > digitsStart)
            token.parameter = std::stol(std::string(rtf_.substr(digitsStart, at_ - digitsStart)));
        if (at_ < rtf_.size() && rtf_[at_] == ' ') ++at_;  // the delimiter
        return token;
    }

  private:
    std::string_view rtf_;
    std::size_t at_ = 0;
};

void Append(std::vector<TextRun>& runs, const CharFormat& format, std::string_view text) {
    if (text.empty()) return;
    if (!runs.empty() && runs.back().format == format) {
        runs.back().text += text;
    } else {
        runs.push_back({std::string(text), format});
    }
}

}  // namespace

std::vector<TextRun> ReadRtfRuns(std::string_view rtf) {
    Tokenizer tokens(rtf);
    std::vector<CharFormat> fonts;  // name and charset only
    std::vector<std::optional<std::uint32_t>> colours;
    std::vector<TextRun> runs;
    CharFormat format;
    int depth = 0;
    enum { kHeader, kFontTable, kColourTable, kBody } place = kHeader;
    std::uint32_t red = 0, green = 0, blue = 0;
    bool component = false;
    bool inBody = false;

    while (auto token = tokens.Next()) {
        if (token->kind == Token::kGroupStart) {
            ++depth;
            continue;
        }
        if (token->kind == Token::kGroupEnd) {
            if (--depth == 1 && place != kBody) place = kHeader;
            continue;
        }
        const std::string& word = token->word;
        const long parameter = token->parameter.value_or(1);
        switch (place) {
            case kHeader:
                if (word == "fonttbl") place = kFontTable;
                if (word == "colortbl") place = kColourTable;
                if (word == "pard") {
                    place = kBody;
                    inBody = true;
                    format = fonts.empty() ? CharFormat{} : fonts[0];
                }
                break;
            case kFontTable:
                if (word == "f") {
                    EXPECT_EQ(parameter, long(fonts.size())) << "fonts out of order";
                    fonts.emplace_back();
                } else if (fonts.empty()) {
                    ADD_FAILURE() << "font table entry without \\f";
                } else if (word == "fcharset") {
                    fonts.back().charset = int(parameter);
                } else if (token->kind == Token::kByte && (token->byte != ';' || token->escaped)) {
                    fonts.back().fontName += token->byte;
                }
                break;
            case kColourTable:
                if (word == "red" || word == "green" || word == "blue") {
                    (word == "red" ? red : word == "green" ? green : blue) = std::uint32_t(parameter);
                    component = true;
                }
                if (token->kind == Token::kByte && token->byte == ';') {
                    colours.push_back(component ? std::optional(red | green << 8 | blue << 16)
                                                : std::nullopt);
                    red = green = blue = 0;
                    component = false;
                }
                break;
            case kBody: {
                if (token->kind == Token::kByte) {
                    Append(runs, format, std::string_view(&token->byte, 1));
                } else if (word == "par") {
                    Append(runs, format, "\r");
                } else if (word == "tab") {
                    Append(runs, format, "\t");
                } else if (word == "ldblquote") {
                    Append(runs, format, "\xa1\xb0");
                } else if (word == "rdblquote") {
                    Append(runs, format, "\xa1\xb1");
                } else if (word == "f") {
                    EXPECT_LT(parameter, long(fonts.size()));
                    if (parameter < long(fonts.size())) {
                        format.fontName = fonts[parameter].fontName;
                        format.charset = fonts[parameter].charset;
                    }
                } else if (word == "fs") {
                    format.sizeHalfPoints = int(parameter);
                } else if (word == "cf") {
                    EXPECT_LT(parameter, long(colours.size()));
                    if (parameter < long(colours.size())) format.color = colours[parameter];
                } else if (word == "b" || word == "i" || word == "ul" || word == "ulnone" ||
                           word == "strike") {
                    const unsigned flag = word == "b" ? 1 : word == "i" ? 2 : word == "strike" ? 8 : 4;
                    const bool on = word != "ulnone" && parameter != 0;
                    format.style = on ? format.style | flag : format.style & ~flag;
                } else if (word != "lang") {
                    ADD_FAILURE() << "unexpected word \\" << word << " in the body";
                }
                break;
            }
        }
    }
    EXPECT_EQ(depth, 0) << "unbalanced groups";
    EXPECT_TRUE(inBody) << "no \\pard";
    // The closing paragraph mark is the document's end, not a line break of its text.
    if (!runs.empty() && runs.back().text.ends_with('\r')) {
        runs.back().text.pop_back();
        if (runs.back().text.empty()) runs.pop_back();
    } else {
        ADD_FAILURE() << "no closing paragraph mark";
    }
    return runs;
}

std::vector<TextRun> Normalized(std::vector<TextRun> runs) {
    std::vector<TextRun> out;
    for (TextRun& run : runs) {
        std::string text;
        for (std::size_t i = 0; i < run.text.size(); ++i) {
            if (run.text[i] == '\r' && i + 1 < run.text.size() && run.text[i + 1] == '\n') ++i;
            text += run.text[i] == '\n' ? '\r' : run.text[i];
        }
        run.format.style &= 15;
        Append(out, run.format, text);
    }
    return out;
}

}  // namespace huecast::test
