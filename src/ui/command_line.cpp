// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_line.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace zormade {

const char* const kGameUsage =
    "usage: zormade [--lang LANGUAGE] [Qt options]\n"
    "       zormade --help | --version\n"
    "A satirical management game in Japanese, with an English edition.\n"
    "--lang ja or --lang en shows it in that language. Without it the desktop's language decides\n"
    "(LANGUAGE, LC_ALL, LC_MESSAGES, LANG): English where it asks for English, else Japanese.\n"
    "Qt's options are accepted, among them -style NAME, -platform NAME, -display DISPLAY,\n"
    "-qwindowgeometry GEOMETRY and -reverse.\n"
    "Exit status: 0; 1 when no window can be opened; 2 on an unknown option or language.\n";

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
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") return {CommandLineAction::Help, {}, {}};
        if (arg == "--version") return {CommandLineAction::Version, {}, {}};
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
    return line;
}

}  // namespace zormade
