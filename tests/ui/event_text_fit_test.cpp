// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QScreen>
#include <QStringConverter>
#include <QTest>
#include <QToolTip>

#include "app_fixture.h"
#include "core/event_catalogue.h"
#include "platform/resources.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

using EventTextFitTest = AppTest;

QRect ScreenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// A tip of a few lines, shown whole on the screen where the pointer rests over its control.
TEST_F(EventTextFitTest, EverySliderAndStatusBarExplainsItselfInATipThatFits) {
    for (const int id : {1001, 1002, 1005, 1006, 1015, 1016, 1020, 1021, 1022, 1023}) {
        QWidget* control = View().Item<QWidget>(id);
        const QString tip = control->toolTip();
        EXPECT_TRUE(!tip.isEmpty() && tip.count('\n') <= 3) << id;
        // Qt asks whatever lies topmost under the pointer, as here.
        QWidget* form = control->parentWidget();
        const QPoint centre = control->geometry().center();
        QWidget* under = form->childAt(centre);
        ASSERT_NE(under, nullptr) << id;
        QHelpEvent ask(QEvent::ToolTip, under->mapFrom(form, centre), form->mapToGlobal(centre));
        QApplication::sendEvent(under, &ask);
        QLabel* shown = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->inherits("QTipLabel") && w->isVisible()) shown = static_cast<QLabel*>(w);
            return shown && shown->text() == tip;
        })) << id;
        EXPECT_TRUE(ScreenArea().contains(shown->geometry())) << id;
    }
    QToolTip::hideText();
}

// Strict: a character the code page holds only as a look-alike (a wave dash U+301C, a minus
// U+2212) does not come back as itself.
bool RoundTripsThroughCp932(const QString& text) {
    QStringEncoder encode("windows-31j");
    QStringDecoder decode("windows-31j");
    const QString back = decode(encode(text));
    return encode.isValid() && decode.isValid() && !encode.hasError() && back == text;
}

TEST(TextEncoding, EveryTextOfTheGameRoundTripsThroughCodePage932) {
    EXPECT_TRUE(RoundTripsThroughCp932(QStringLiteral("ナガレ薬研～－")));
    for (const char16_t lookAlike : {u'\u301C', u'\u2212'})
        EXPECT_FALSE(RoundTripsThroughCp932(QString(QChar(lookAlike))));
    for (int index = 0; index < kEventCount; ++index) {
        const EventRecord& event = EventRecordAt(index);
        std::vector<const char*> texts{event.prompt};
        for (const auto& answer : event.answers)
            texts.insert(texts.end(), {answer.text, answer.result});
        for (const char* text : texts)
            EXPECT_TRUE(RoundTripsThroughCp932(QString::fromUtf8(text))) << text;
    }
    QStringList files = {":/strings.json", ":/menus/128.json"};
    for (const QString& name : QDir(":/templates").entryList()) files << ":/templates/" + name;
    EXPECT_GE(files.size(), 11) << "the strings, the menu and at least the nine templates";
    for (const QString& path : files) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) &&
                    RoundTripsThroughCp932(QString::fromUtf8(file.readAll())))
            << path.toStdString();
    }
}

}  // namespace
}  // namespace zormade::test
