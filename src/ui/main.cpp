// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <string>

#include "ui/command_line.h"
#include "ui/command_line_text.h"
#include "ui/language_choice.h"
#include "ui/run_game.h"

namespace {

constexpr const char* kProgram = "zormade";

bool Print(const std::string& text, std::FILE* stream) {
    return std::fputs(text.c_str(), stream) >= 0 && std::fflush(stream) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const zormade::CommandLine line = zormade::ParseCommandLine(argc, argv);
    if (line.action == zormade::CommandLineAction::Version) {
        return Print("zormade " ZORMADE_VERSION "\n", stdout) ? 0 : 1;
    }
    // Help and refusals come in the language the game would show.
    std::string refusal;
    const bool chosen = zormade::ChooseLanguage(line.language, kProgram, refusal);
    const std::string usage = zormade::TerminalText(zormade::TextId::GameUsage, kProgram);
    if (line.action == zormade::CommandLineAction::Unknown) {
        refusal = zormade::BadArgumentText(kProgram, line.unknown);
    } else if (chosen && line.action == zormade::CommandLineAction::Help) {
        return Print(usage, stdout) ? 0 : 1;
    }
    if (!refusal.empty()) {
        Print(refusal + usage, stderr);
        return 2;
    }
    return zormade::RunGame(argc, argv);
}
