// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "ui/command_line.h"
#include "ui/language_choice.h"
#include "ui/run_game.h"

int main(int argc, char** argv) {
    const zormade::CommandLine line = zormade::ParseCommandLine(argc, argv);
    switch (line.action) {
    case zormade::CommandLineAction::Help:
        std::fputs(zormade::kGameUsage, stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case zormade::CommandLineAction::Version:
        std::puts("zormade " ZORMADE_VERSION);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case zormade::CommandLineAction::Unknown:
        std::fprintf(stderr, "zormade: %s '%s'\n%s",
                     line.unknown.rfind('-', 0) == 0 ? "unknown option" : "unexpected argument",
                     line.unknown.c_str(), zormade::kGameUsage);
        return 2;
    case zormade::CommandLineAction::Run: break;
    }
    std::string refusal;
    if (!zormade::ChooseLanguage(line.language, "zormade", refusal)) {
        std::fprintf(stderr, "%s\n%s", refusal.c_str(), zormade::kGameUsage);
        return 2;
    }
    return zormade::RunGame(argc, argv);
}
