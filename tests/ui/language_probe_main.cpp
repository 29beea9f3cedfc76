// SPDX-License-Identifier: GPL-3.0-or-later
// The game's language choice alone: reads the command line and the environment as the game does
// before its first window, then prints the language chosen, or the refusal and status 2.
#include <cstdio>

#include "platform/translation.h"
#include "ui/command_line.h"
#include "ui/language_choice.h"

int main(int argc, char** argv) {
    const zormade::CommandLine line = zormade::ParseCommandLine(argc, argv);
    std::string refusal;
    if (!zormade::ChooseLanguage(line.language, "zormade", refusal)) {
        std::fputs(refusal.c_str(), stderr);
        return 2;
    }
    std::printf("%s\n", zormade::CurrentLanguage().toUtf8().constData());
    return 0;
}
