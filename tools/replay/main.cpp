#include <cstring>
#include <fstream>
#include <iostream>

#include "replay_runner.h"

int main(int argc, char** argv) {
    const bool history = argc > 1 && std::strcmp(argv[1], "--history") == 0;
    if (history) {
        --argc;
        ++argv;
    }
    if (argc > 2) {
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
