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
#include "ui/event_text.h"
#include "ui/language_choice.h"
#include "ui/month_log_text.h"

namespace {

constexpr const char* kUsage =
    "usage: zormade-replay [--history] [--lang LANGUAGE] [script]   (reads standard input without\n"
    "       a script)\n"
    "       zormade-replay --help | --version\n"
    "Plays a script through the game's engine and prints what every timer tick does.\n"
    "One directive a line; '#' starts a comment:\n"
    "  level L                   difficulty 0 (hardest) to 2, from the next start\n"
    "  start                     a new run in the start state\n"
    "  turn D N M C F S [A]      one tick: sliders dose, donation, demand, counter (0-25),\n"
    "                            the two draws (0-2) and the event answer (1-4, default 1)\n"
    "Output, one month a line: YYYY/MM stamina money patients trust rival suspicion caught\n"
    "event, then '  ? ' prompt, '  > ' answer and '  = ' result when an event was shown, and\n"
    "the six log lines '  | '; the end of a run prints 'YYYY/MM END GAMEOVER' or\n"
    "'YYYY/MM END CLEAR score'.\n"
    "With --history, each run's months follow as CSV when it ends, or when the script ends:\n"
    "year,month,stamina,money,patients,trust,rival,suspicion,event,answer.\n"
    "The words are in the language --lang names (ja or en), else in the desktop's, as the game's.\n"
    "Exit status: 0; 1 when the output could not be written; 2 on a bad line or option.\n";

constexpr const char* kShortUsage =
    "usage: zormade-replay [--history] [--lang LANGUAGE] [script]   (reads standard input without\n"
    "       a script)\n";

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
    if (!error.str().empty()) std::cerr << "zormade-replay: " << error.str() << std::flush;
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    bool history = false;
    std::optional<std::string> language;
    const char* script = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage << std::flush;
            return std::cout ? 0 : 1;
        }
        if (argument == "--version") {
            std::cout << "zormade-replay " ZORMADE_VERSION "\n" << std::flush;
            return std::cout ? 0 : 1;
        }
        if (argument == "--history" && !history) {
            history = true;
        } else if (argument == "--lang" && !language) {
            language = i + 1 < argc ? argv[++i] : "";
        } else if (script || (argument.size() > 1 && argument.front() == '-')) {
            std::cerr << "zormade-replay: "
                      << (script ? "unexpected argument '" : "unknown option '")
                      << zormade::replay::Echo(argv[i]) << "'\n"
                      << kShortUsage;
            return 2;
        } else {
            script = argv[i];
        }
    }
    std::string refusal;
    if (!zormade::ChooseLanguage(language, "zormade-replay", refusal)) {
        std::cerr << refusal << "\n" << kShortUsage;
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
        std::cerr << "zormade-replay: cannot read " << zormade::replay::Echo(script) << ": "
                  << std::strerror(folder ? EISDIR : errno) << "\n";
        return 2;
    }
    return Play(file, history);
}
