// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/event_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// How many sentences tell the ministry's mood in the stock words (its suspicion easing or
// growing) rather than as something that happened. A sentence ends at "。" or a line break.
int StockMoodSentences(const std::string& text) {
    int count = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t stop =
            std::min({text.find("。", start), text.find("\r\n", start), text.size()});
        const std::string sentence = text.substr(start, stop - start);
        const std::size_t doubt = sentence.find("疑い");
        bool stock = sentence.find("厚生省の疑い") != std::string::npos;
        for (const char* mood : {"和らい", "薄れ", "解け", "強ま", "深め"})
            stock = stock ||
                    (doubt != std::string::npos && sentence.find(mood, doubt) != std::string::npos);
        count += stock;
        start = text.compare(stop, 2, "\r\n") == 0 ? stop + 2 : stop + std::string("。").size();
    }
    return count;
}

TEST(EventCatalogue, TheMinistrysMoodIsMostlyToldAsThingsThatHappened) {
    // clang-format off
    const struct { const char* text; int stock; } samples[] = {
        {"厚生省の疑いが強まった。", 1}, {"疑いは不思議と和らいだ。疑いにも、相場がある。", 1},
        {"厚生省の疑いも和らいだ。\r\n会社の疑いが晴れた。", 1},
        {"疑いが晴れ、\r\n気分も和らいだ。", 0},
        {"「公表を遅らせろ」という電話の記録が、\r\nなぜか省内に回覧された。", 0}};
    // clang-format on
    for (const auto& sample : samples)
        EXPECT_EQ(StockMoodSentences(sample.text), sample.stock) << sample.text;
    int stock = 0;
    for (int i = 0; i < kEventCount; ++i)
        for (const EventAnswer& answer : EventRecordAt(i).answers)
            stock += StockMoodSentences(answer.text) + StockMoodSentences(answer.result);
    EXPECT_LE(stock, 12);
}

}  // namespace
}  // namespace zormade
