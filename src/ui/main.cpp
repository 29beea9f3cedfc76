// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <string>

#include "platform/terminal_text.h"
#include "ui/command_line.h"
#include "ui/language_choice.h"
#include "ui/run_game.h"

namespace {

constexpr const char* kProgram = "zormade";

bool Print(const std::string& text, std::FILE* stream) {
    return std::fputs(text.c_str(), stream) != EOF && std::fflush(stream) == 0;
}

std::string Usage() { return zormade::TerminalText(zormade::TextId::GameUsage, kProgram); }

}  // namespace

int main(int argc, char** argv) {
    const zormade::CommandLine line = zormade::ParseCommandLine(argc, argv);
    if (line.action == zormade::CommandLineAction::Version) {
        return Print("zormade " ZORMADE_VERSION "\n", stdout) ? 0 : 1;
    }
    // Help and refusals come in the language the game would show.
    std::string refusal;
    const bool chosen = zormade::ChooseLanguage(line.language, kProgram, refusal);
    if (line.action == zormade::CommandLineAction::Unknown) {
        refusal = zormade::BadArgumentText(kProgram, line.unknown);
    } else if (chosen && line.action == zormade::CommandLineAction::Help) {
        return Print(Usage(), stdout) ? 0 : 1;
    }
    if (!refusal.empty()) {
        Print(refusal + Usage(), stderr);
        return 2;
    }
    return zormade::RunGame(argc, argv);
}
