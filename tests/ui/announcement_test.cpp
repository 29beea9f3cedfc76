// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told without the focus moving: the month's lines, an event's result and
// the run's end; the focus a run starts with; the radio buttons' groups.
#include <QAccessible>
#include <tuple>

#include "app_fixture.h"
#include "core/event_catalogue.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

// What the window's notification holds now: its name, which a screen reader speaks when it is
// shown ("" when there is none). That it is shown, on the bus, is the X test's.
QString Announced(QWidget* window) {
    for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QAccessibleInterface* object = QAccessible::queryAccessibleInterface(child);
        if (object && object->role() == QAccessible::Notification) {
            EXPECT_EQ(child->focusPolicy(), Qt::NoFocus);
            return object->text(QAccessible::Name);
        }
    }
    return {};
}

using AnnouncementTest = AppTest;

// The timer rests while the event and its result box are open, and comes back with the period of
// the speed chosen; the values move only after the box is closed, scaled by the level.
TEST_F(AnnouncementTest, TheMonthAnEventsResultAndTheEndAreToldWhereverTheFocusIs) {
    Session().Options().level = Level::Hardest;
    Session().Options().speed = Speed::Fastest;
    StartGame();
    QWidget* focus = Frame().focusWidget();
    EXPECT_EQ(focus, View().Item<QWidget>(Board::kDoseSlider.id))
        << "the run starts on the first slider";
    EXPECT_EQ(Announced(&Frame()), "");

    NextDraws(0, 0);
    Session().Tick();
    EXPECT_EQ(Announced(&Frame()), LogLines().join('\n'));
    EXPECT_EQ(Frame().focusWidget(), focus);

    Session().GameRun().State().month = 6;
    NextDraws(0, 2);
    const int stamina = BoardValues()[4];
    // The timer in the dialog and in the box, the stamina and what is told under the box.
    std::tuple<bool, bool, int, QString> seen;
    EventAnswer answer(3, ClickButton("決定"));
    answer.whileDialogOpen = [&](EventDialog&) {
        std::get<0>(seen) = Session().TurnTimer().isActive();
    };
    answer.whileBoxOpen = [&](QWidget*) {
        std::get<1>(seen) = Session().TurnTimer().isActive();
        std::get<2>(seen) = Session().GameRun().State().values.stamina;
        std::get<3>(seen) = Announced(&Frame());
    };
    Session().Tick();
    const EventRecord& event = EventRecordAt(2);
    EXPECT_EQ(answer.Prompt(), QString::fromUtf8(event.prompt));
    EXPECT_EQ(seen,
              std::make_tuple(false, false, stamina, QString::fromUtf8(event.answers[3].result)));
    EXPECT_EQ(std::make_pair(Session().TurnTimer().isActive(), Session().TurnTimer().interval()),
              std::make_pair(true, 3000));
    // Event 2's fourth answer costs 100 stamina, half as much again at level 0.
    EXPECT_EQ(BoardValues()[4], stamina - 150);
    EXPECT_EQ(Announced(&Frame()), LogLines().join('\n')) << "the month after its event";

    Session().GameRun().State().caught = true;
    QString duringTheEnd;
    ModalAnswer end([&](QWidget* w) {
        duringTheEnd = Announced(&Frame());
        PressKey(Qt::Key_Return)(w);
    });
    Session().Tick();
    ASSERT_TRUE(end.Answered());
    EXPECT_TRUE(duringTheEnd.startsWith("GAME OVER\n")) << duringTheEnd.toStdString();
}

// The two buttons named 普通 tell their group apart: each is described by the box drawn round it.
TEST_F(AnnouncementTest, RadioButtonsCarryTheirGroupsName) {
    QStringList groups;
    ModalAnswer options([&groups](QWidget* w) {
        for (int id = 1034; id <= 1039; ++id) {
            QAccessibleInterface* radio =
                QAccessible::queryAccessibleInterface(DialogItem<QWidget>(w, id));
            groups << radio->text(QAccessible::Name) + "/" + radio->text(QAccessible::Description);
        }
        PressKey(Qt::Key_Escape)(w);
    });
    Trigger("options");
    EXPECT_EQ(groups, (QStringList{"激辛/難易度", "辛い/難易度", "普通/難易度", "超高速/ｹﾞｰﾑｽﾋﾟｰﾄﾞ",
                                   "高速/ｹﾞｰﾑｽﾋﾟｰﾄﾞ", "普通/ｹﾞｰﾑｽﾋﾟｰﾄﾞ"}));
}

}  // namespace
}  // namespace zormade::test
