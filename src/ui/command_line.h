// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace zormade {

enum class CommandLineAction { Run, Help, Version, Unknown };

struct CommandLine {
    CommandLineAction action = CommandLineAction::Run;
    std::string unknown;  // the first argument neither we nor Qt know, for the message
    std::optional<std::string> language;  // --lang's, checked once the translations are known
};

// Read before any display is opened, so --help and --version work anywhere; --help keeps the
// --lang given with it. Qt's own options (-style, -platform, -display, -qwindowgeometry ...) are
// left for QApplication.
CommandLine ParseCommandLine(int argc, char** argv);

}  // namespace zormade
