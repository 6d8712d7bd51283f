#include "tools/fake-messenger/options.h"

#include <charconv>
#include <stdexcept>

namespace huecast::fake {

namespace {

constexpr int kMaxWindows = 200;
const char* const kDefaultNames[] = {"张三", "李四", "王五", "赵六", "小明", "小红"};

int ParseCount(const std::string& option, const std::string& text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value < low || value > high)
        throw std::invalid_argument(option + " needs a number from " + std::to_string(low) + " to " +
                                    std::to_string(high) + ", not \"" + text + "\"");
    return value;
}

std::vector<std::string> SplitAtCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        parts.push_back(text.substr(start, comma - start));
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

const char* const kUsage =
    "fake-messenger [--chats N] [--names A,B,...] [--dialogs N] [--record FOLDER]\n"
    "               [--no-input N,...] [--hang SECONDS [--hang-after SENDS]]\n\n"
    "Opens N chat windows (default: one per name, or 3) shaped like the messenger's, and N ordinary\n"
    "dialogs without a send button.\n\n"
    "--names     the friends' nicknames; friends without a name get a default one\n"
    "--record    each send writes the exact bytes of the input box to FOLDER\\chat-<n>-<k>.txt and\n"
    "            FOLDER\\chat-<n>.txt (n counts the chat windows from 1, k the sends of each)\n"
    "--no-input  these chat windows (numbers from 1) have no input box\n"
    "--hang      the first message to an input box stops the program for SECONDS\n"
    "--hang-after  ... the first one after a chat window has sent SENDS messages";

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    int chats = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h" || option == "/?") throw std::invalid_argument("");
        if (i + 1 >= args.size()) throw std::invalid_argument(option + " needs a value");
        const std::string& value = args[++i];
        if (option == "--chats") {
            chats = ParseCount(option, value, 0, kMaxWindows);
        } else if (option == "--names") {
            options.names = SplitAtCommas(value);
        } else if (option == "--dialogs") {
            options.dialogs = ParseCount(option, value, 0, kMaxWindows);
        } else if (option == "--record") {
            options.recordFolder = value;
        } else if (option == "--no-input") {
            for (const std::string& number : SplitAtCommas(value))
                options.withoutInput.push_back(ParseCount(option, number, 1, kMaxWindows));
        } else if (option == "--hang") {
            options.hangSeconds = ParseCount(option, value, 0, 3600);
        } else if (option == "--hang-after") {
            options.hangAfterSends = ParseCount(option, value, 0, 1000000);
        } else {
            throw std::invalid_argument("unknown option " + option);
        }
    }
    if (chats < 0) chats = options.names.empty() ? 3 : static_cast<int>(options.names.size());
    options.names.resize(static_cast<std::size_t>(chats));
    for (std::size_t i = 0; i < options.names.size(); ++i) {
        if (!options.names[i].empty()) continue;
        options.names[i] = i < std::size(kDefaultNames) ? kDefaultNames[i] : "好友" + std::to_string(i + 1);
    }
    return options;
}

}  // namespace huecast::fake
