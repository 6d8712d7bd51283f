// The fake messenger's command line.
#pragma once

#include <string>
#include <vector>

namespace huecast::fake {

struct Options {
    std::vector<std::string> names;  // one chat window per name, system code page
    int dialogs = 0;                 // ordinary dialogs without a send button
    std::string recordFolder;        // where each send is recorded; empty: not recorded
    std::vector<int> withoutInput;   // numbers (from 1) of the chat windows that have no input box
    int hangSeconds = 0;             // the first delivery message to an input box stops the program this long
    int hangAfterSends = 0;          // ... the first one after this many sends of that chat window
};

// Reads the arguments after the program name. Throws std::invalid_argument with a message for the user.
Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace huecast::fake
