// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>
#include <fstream>
#include <iostream>

#include "replay_runner.h"

namespace {

constexpr const char* kUsage =
    "usage: zormade-replay [--history] [script]   (reads standard input without a script)\n"
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
    "Exit status: 0; 1 when the output could not be written; 2 on a bad line or option.\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kUsage << std::flush;
        return std::cout ? 0 : 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "zormade-replay " ZORMADE_VERSION "\n" << std::flush;
        return std::cout ? 0 : 1;
    }
    const bool history = argc > 1 && std::strcmp(argv[1], "--history") == 0;
    if (history) {
        --argc;
        ++argv;
    }
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::cerr << "usage: zormade-replay [--history] [script]"
                     "  (reads standard input without a script)\n";
        return 2;
    }
    if (argc == 2) {
        std::ifstream file(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "zormade-replay: cannot read " << argv[1] << "\n";
            return 2;
        }
        return zormade::replay::RunScript(file, std::cout, std::cerr, history);
    }
    return zormade::replay::RunScript(std::cin, std::cout, std::cerr, history);
}
