#include <gtest/gtest.h>

#include "events/event_catalogue.h"
#include "events/event_data.h"

namespace zormade {
namespace {

bool SameChange(const StatusChange& a, const StatusChange& b) {
    return a.stamina == b.stamina && a.money == b.money && a.patients == b.patients &&
           a.trust == b.trust && a.rivalPower == b.rivalPower && a.suspicion == b.suspicion;
}

TEST(EventCatalogue, TheExtremesOfTheCatalogueAreWhereTheyBelong) {
    const struct {
        const char* name;
        int event, answer;
        StatusChange change;
    } cases[] = {
        {"event 39 answer 1 changes nothing", 39, 0, {}},
        {"event 41 answer 1: largest harm", 41, 0, {-1000, 0, 0, 0, 1000, 1000}},
        {"event 27 answer 1: largest money", 27, 0, {300, 700000, 0, 0, 0, -100}},
        {"event 1 answer 2: one patient", 1, 1, {0, 0, 1, 0, 0, 100}},
        {"event 20 answer 3: one patient", 20, 2, {300, 0, 1, 0, 0, 0}},
        {"event 20 answer 1: suspicion 10", 20, 0, {300, -100000, 0, 0, 0, 10}},
        {"event 23 answer 3: patients removed", 23, 2, {0, 0, -150, 0, 300, 0}},
        {"event 0 answer 4", 0, 3, {-50, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const EventData data = LoadEventData(c.event);
        EXPECT_TRUE(SameChange(ChangeOfChoice(data, c.answer), c.change)) << c.name;
    }
}

TEST(EventCatalogue, EveryEventHasAPictureItsTextsAndNumberedAnswers) {
    const char* numbers[4] = {"１．", "２．", "３．", "４．"};
    for (int i = 0; i < kEventCount; ++i) {
        const EventData data = LoadEventData(i);
        EXPECT_NE(data.bitmapId, 0) << "event " << i;
        EXPECT_GT(data.pictureWidth, 0) << "event " << i;
        EXPECT_FALSE(data.prompt.empty()) << "event " << i;
        for (int a = 0; a < 4; ++a) {
            EXPECT_EQ(data.choiceTexts[a].rfind(numbers[a], 0), 0u) << "event " << i << " answer " << a;
            EXPECT_FALSE(data.resultTexts[a].empty()) << "event " << i << " answer " << a;
        }
    }
}

TEST(EventCatalogue, PictureRowsCarryTheirOwnCutOfTheBitmap) {
    const struct {
        int event, bitmap, width, height;
    } cases[] = {{31, 155, 314, 385}, {3, 151, 284, 227}, {24, 159, 205, 251}, {0, 146, 239, 319}};
    for (const auto& c : cases) {
        const EventData data = LoadEventData(c.event);
        EXPECT_EQ(data.bitmapId, c.bitmap) << c.event;
        EXPECT_EQ(data.pictureWidth, c.width) << c.event;
        EXPECT_EQ(data.pictureHeight, c.height) << c.event;
    }
    EXPECT_FALSE(EventPictureRow(1));
    EXPECT_FALSE(EventPictureRow(20));
    EXPECT_FALSE(EventPictureRow(-1));
}

TEST(EventData, AChoiceOutsideTheFourChangesNothing) {
    const EventData data = LoadEventData(41);
    EXPECT_TRUE(SameChange(ChangeOfChoice(data, -1), {}));
    EXPECT_TRUE(SameChange(ChangeOfChoice(data, 4), {}));
}

}  // namespace
}  // namespace zormade
