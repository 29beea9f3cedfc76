// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/event_catalogue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <vector>

namespace zormade {
namespace {

struct NamedAmounts {
    std::vector<long long> patients;  // "N人"
    std::vector<long long> yen;       // "N万円", "N円"
};

// The amounts a text names in digits, ASCII or full-width. Numbers in kanji are not read: "一人"
// also means "one of them", which names no amount.
NamedAmounts AmountsIn(std::string text) {
    const std::string wide = "０１２３４５６７８９";
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t digit = wide.find(text.substr(at, 3));
        if (text.size() - at >= 3 && digit != std::string::npos && digit % 3 == 0)
            text.replace(at, 3, 1, static_cast<char>('0' + digit / 3));
    }
    NamedAmounts found;
    const std::regex amount("([0-9]+)(人|万円|円)");
    for (std::sregex_iterator it(text.begin(), text.end(), amount), end; it != end; ++it) {
        const long long n = std::stoll((*it)[1]);
        if ((*it)[2] == "人")
            found.patients.push_back(n);
        else
            found.yen.push_back((*it)[2] == "万円" ? n * 10000 : n);
    }
    return found;
}

// Each event's picture and prompt are checked where the dialog shows them.
TEST(EventCatalogue, AnswersAreNumberedToldAndTrueToTheirAmountsAndNoOtherChangesAnything) {
    // The reader itself first, on the forms the texts may take.
    const NamedAmounts sample = AmountsIn("新たに２０人、1人。一人。10万円と５００円");
    EXPECT_EQ(sample.patients, (std::vector<long long>{20, 1}));
    EXPECT_EQ(sample.yen, (std::vector<long long>{100000, 500}));

    const char* numbers[4] = {"１．", "２．", "３．", "４．"};
    int named = 0;
    for (int i = 0; i < kEventCount; ++i) {
        for (int a = 0; a < 4; ++a) {
            const EventAnswer& answer = EventRecordAt(i).answers[a];
            const StatusChange& c = answer.change;
            EXPECT_EQ(std::string(answer.text).rfind(numbers[a], 0), 0u)
                << "event " << i << " answer " << a;
            EXPECT_NE(*answer.result, '\0') << "event " << i << " answer " << a;
            for (const std::string text : {answer.text, answer.result}) {
                const NamedAmounts amounts = AmountsIn(text);
                for (long long n : amounts.patients) EXPECT_EQ(n, std::llabs(c.patients)) << text;
                for (long long n : amounts.yen) EXPECT_EQ(n, std::llabs(c.money)) << text;
                named += static_cast<int>(amounts.patients.size() + amounts.yen.size());
            }
        }
        for (const StatusChange& c : {AnswerChange(i, -1), AnswerChange(i, 4)})
            EXPECT_EQ(c.stamina | c.money | c.patients | c.trust | c.rivalPower | c.suspicion, 0);
    }
    EXPECT_GT(named, 0);
}

}  // namespace
}  // namespace zormade
