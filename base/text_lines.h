// Texts as lists of lines, the way the program's list-of-strings texts (skin texts, label lines) take them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace huecast {

// Splits text into lines at CR LF, a lone CR or a lone LF; a final line break ends the last line instead of
// starting an empty one.
std::vector<std::string> SplitLines(std::string_view text);
// Joins lines, ending each with CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace huecast
