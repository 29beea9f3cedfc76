// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string_view>

#include "platform/terminal_text.h"
#include "replay_runner.h"
#include "replay_script.h"
#include "ui/event_text.h"
#include "ui/language_choice.h"
#include "ui/month_log_text.h"

namespace {

constexpr const char* kProgram = "zormade-replay";

// The whole usage for --help; its first two lines with a refusal.
std::string Usage(bool whole) {
    const std::string usage = zormade::TerminalText(zormade::TextId::ReplayUsage, kProgram);
    if (whole) return usage;
    std::size_t end = usage.find('\n');
    end = end == std::string::npos ? end : usage.find('\n', end + 1);
    return usage.substr(0, end == std::string::npos ? end : end + 1);
}

std::array<std::string, 6> LogText(const zormade::MonthLog& log) {
    const QStringList lines = zormade::MonthLogText(log);
    std::array<std::string, 6> text;
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = lines.value(static_cast<int>(i)).toStdString();
    return text;
}

zormade::replay::EventWords TranslatedWords(int event, int answer) {
    return {zormade::EventPrompt(event).toStdString(),
            zormade::EventAnswerText(event, answer).toStdString(),
            zormade::EventResultText(event, answer).toStdString()};
}

zormade::TextId FaultText(zormade::replay::ScriptFault fault) {
    using zormade::TextId;
    using zormade::replay::ScriptFault;
    switch (fault) {
    case ScriptFault::UnknownDirective: return TextId::ScriptUnknownDirective;
    case ScriptFault::StartTakesNoValues: return TextId::ScriptStartTakesNoValues;
    case ScriptFault::LevelTakesOneValue: return TextId::ScriptLevelTakesOneValue;
    case ScriptFault::TurnTakesSixOrSeven: return TextId::ScriptTurnTakesSixOrSeven;
    case ScriptFault::NotANumber: return TextId::ScriptNotANumber;
    case ScriptFault::OutOfRange: return TextId::ScriptOutOfRange;
    case ScriptFault::LineTooLong: return TextId::ScriptLineTooLong;
    case ScriptFault::NoRunGoing: return TextId::ScriptNoRunGoing;
    case ScriptFault::Unreadable: return TextId::ScriptUnreadable;
    case ScriptFault::OutputLost: return TextId::ScriptOutputLost;
    }
    return TextId::ScriptUnreadable;
}

// Under the program's name as every other message is; the engine already escaped what it quotes.
void Report(const zormade::replay::ScriptError& error) {
    std::string text = zormade::FilledText(FaultText(error.fault), error.details);
    if (error.line > 0) {
        text = zormade::FilledText(zormade::TextId::ScriptErrorOnLine,
                                   {std::to_string(error.line), text});
    }
    std::cerr << kProgram << ": " << text << "\n" << std::flush;
}

int Play(std::istream& script, bool history) {
    return zormade::replay::RunScript(script, std::cout, Report, LogText, history, TranslatedWords);
}

}  // namespace

int main(int argc, char** argv) {
    bool history = false;
    bool help = false;
    const char* bad = nullptr;  // the first argument not understood
    std::optional<std::string> language;
    const char* script = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            help = true;
        } else if (argument == "--version") {
            std::cout << "zormade-replay " ZORMADE_VERSION "\n" << std::flush;
            return std::cout ? 0 : 1;
        } else if (argument == "--history" && !history) {
            history = true;
        } else if (argument == "--lang" && !language) {
            language = i + 1 < argc ? argv[++i] : "";
        } else if (script || (argument.size() > 1 && argument.front() == '-')) {
            if (!bad) bad = argv[i];
        } else {
            script = argv[i];
        }
    }
    // Help and refusals come in the language the month lines would be in.
    std::string refusal;
    const bool chosen = zormade::ChooseLanguage(language, kProgram, refusal);
    if (help && chosen) {
        std::cout << Usage(true) << std::flush;
        return std::cout ? 0 : 1;
    }
    if (bad && !help) refusal = zormade::BadArgumentText(kProgram, bad);
    if (!refusal.empty()) {
        std::cerr << refusal << Usage(false) << std::flush;
        return 2;
    }
    // "-" names standard input, as for other tools.
    if (!script || std::string_view(script) == "-") return Play(std::cin, history);
    // A folder opens as a stream that reads nothing; say so instead of playing an empty script.
    std::error_code ignored;
    const bool folder = std::filesystem::is_directory(script, ignored);
    std::ifstream file;
    if (!folder) file.open(script, std::ios::binary);
    if (!file.is_open()) {
        std::cerr << zormade::TerminalText(zormade::TextId::CannotReadScript, kProgram,
                                           {script, std::strerror(folder ? EISDIR : errno)});
        return 2;
    }
    return Play(file, history);
}
