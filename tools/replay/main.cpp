// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string_view>

#include "replay_runner.h"
#include "replay_script.h"
#include "ui/command_line_text.h"
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

// The engine's one error message, under the program's name as every other message is.
int Play(std::istream& script, bool history) {
    std::ostringstream error;
    const int status =
        zormade::replay::RunScript(script, std::cout, error, LogText, history, TranslatedWords);
    if (!error.str().empty()) std::cerr << kProgram << ": " << error.str() << std::flush;
    return status;
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
