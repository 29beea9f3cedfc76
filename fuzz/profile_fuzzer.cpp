// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game's profile from an arbitrary file: loads the ranking and the options, saves them
// as the game does at exit, and checks that the next load finds them unchanged and that the
// saved text reads and saves again to the same text.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/game_options.h"
#include "core/ini_document.h"
#include "core/profile_changes.h"
#include "core/ranking_table.h"
#include "core/utf8.h"

namespace {

using namespace zormade;

struct Loaded {
    RankingTable ranking;
    GameOptions options;

    explicit Loaded(IniDocument& profile) {
        ranking.Load(profile);
        options.Load(profile);
    }
    bool operator==(const Loaded& other) const {
        return ranking.names == other.ranking.names && ranking.points == other.ranking.points &&
               options == other.options;
    }
};

// Stands in for the older code page: takes byte strings of even length only, so that both the
// values it reads and those it does not are reached.
std::optional<std::string> Legacy(std::string_view bytes) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::string text;
    for (const char c : bytes) AppendUtf8(text, static_cast<unsigned char>(c));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IniDocument profile =
        IniDocument::Parse(std::string_view(reinterpret_cast<const char*>(data), size), Legacy);
    const Loaded first(profile);
    ApplyChanges(profile, {});
    const std::string saved = profile.Text();

    IniDocument next = IniDocument::Parse(saved, Legacy);
    if (!(Loaded(next) == first)) std::abort();
    ApplyChanges(next, {});
    if (next.Text() != saved) std::abort();
    return 0;
}
