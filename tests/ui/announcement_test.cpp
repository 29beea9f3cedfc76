// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told without the focus moving: the month's lines, an event's result and
// the run's end; the focus a run starts with; the radio buttons' groups.
#include <QAccessible>

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

TEST_F(AnnouncementTest, TheMonthAnEventsResultAndTheEndAreToldWhereverTheFocusIs) {
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
    QString duringTheBox;
    EventAnswer answer(3, ClickButton("決定"));
    answer.whileBoxOpen = [&](QWidget*) { duringTheBox = Announced(&Frame()); };
    Session().Tick();
    EXPECT_EQ(duringTheBox, QString::fromUtf8(EventRecordAt(2).answers[3].result));
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
