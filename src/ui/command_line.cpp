// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_line.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace zormade {

namespace {

// The options QGuiApplication, QApplication and the X11 platform read, with and without a value.
constexpr const char* kQtValued[] = {"platform",      "platformpluginpath",
                                     "platformtheme", "plugin",
                                     "qmljsdebugger", "qwindowgeometry",
                                     "qwindowicon",   "qwindowtitle",
                                     "session",       "style",
                                     "stylesheet",    "display",
                                     "geometry",      "name",
                                     "title",         "visual"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb",
                                    "dograb",  "sync",        "testability"};

bool Among(const std::string& name, const char* const* first, const char* const* last) {
    return std::any_of(first, last, [&name](const char* known) { return name == known; });
}

}  // namespace

CommandLine ParseCommandLine(int argc, char** argv) {
    CommandLine line;
    std::optional<CommandLineAction> answer;  // --help or --version, whatever else is given
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "--version") {
            if (!answer)
                answer = arg == "--version" ? CommandLineAction::Version : CommandLineAction::Help;
            continue;
        }
        if (arg == "--lang") {
            line.language = i + 1 < argc ? argv[++i] : "";
            continue;
        }
        if (arg.rfind("--lang=", 0) == 0) {
            line.language = arg.substr(std::strlen("--lang="));
            continue;
        }
        // Qt takes "-style x", "--style x" and "-style=x" alike.
        const std::size_t dashes = arg.rfind("--", 0) == 0 ? 2 : arg.rfind('-', 0) == 0 ? 1 : 0;
        const std::size_t equals = arg.find('=');
        const std::string name =
            arg.substr(dashes, equals == std::string::npos ? equals : equals - dashes);
        const bool valued = dashes > 0 && Among(name, std::begin(kQtValued), std::end(kQtValued));
        const bool flag = dashes > 0 && equals == std::string::npos &&
                          Among(name, std::begin(kQtFlags), std::end(kQtFlags));
        if (valued && equals == std::string::npos) {
            ++i;  // the option's value
        } else if (!valued && !flag && line.unknown.empty()) {
            line.action = CommandLineAction::Unknown;
            line.unknown = arg;
        }
    }
    if (answer) return {*answer, {}, line.language};
    return line;
}

}  // namespace zormade
