#include <QLabel>
#include <QPushButton>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app_fixture.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

QStringList LabelTexts(QWidget* window) {
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
    return texts;
}

// Every text of the window fits its control: a one-line text in its box, a wrapped one in its lines.
void ExpectTextsFit(QWidget* window, const char* name) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        const QFontMetrics metrics(label->font());
        const QRect box = label->contentsRect();
        const QRect needed = label->wordWrap()
                                 ? metrics.boundingRect(box, Qt::TextWordWrap, label->text())
                                 : metrics.tightBoundingRect(label->text());
        EXPECT_LE(needed.height(), box.height()) << name << ": " << label->text().toStdString();
        EXPECT_LE(needed.width(), box.width()) << name << ": " << label->text().toStdString();
    }
}

bool HasAppIcon() { return !LoadAppIcon().availableSizes().isEmpty(); }

using ScreensTest = AppTest;

TEST_F(ScreensTest, BriefingShowsItsPictureAndTextsWithoutACloseBox) {
    QStringList texts;
    Qt::WindowFlags flags;
    QImage picture;
    ModalAnswer briefing([&](QWidget* window) {
        texts = LabelTexts(window);
        flags = window->windowFlags();
        const auto pictures = window->findChildren<PictureControl*>();
        if (pictures.size() == 1) picture = pictures.front()->Canvas().copy();
        ExpectTextsFit(window, "briefing");
        SaveScreenshot(window, "briefing");
        PressKey(Qt::Key_Escape)(window);
    });
    Trigger(ID_GAME_START);
    ASSERT_TRUE(briefing.Answered());
    EXPECT_EQ(briefing.Window().title, "ZORMADE");
    EXPECT_TRUE(texts.contains("ZORMADE Version 0.1"));
    EXPECT_EQ(texts.size(), 3);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);

    const QImage bitmap = LoadBitmap(161);
    if (bitmap.isNull()) GTEST_SKIP() << "the program carries no bitmap 161";
    ASSERT_EQ(picture.size(), QSize(138, 212));
    EXPECT_EQ(picture.convertToFormat(QImage::Format_ARGB32),
              bitmap.convertToFormat(QImage::Format_ARGB32));
}

TEST_F(ScreensTest, EveryWayOutOfTheBriefingStartsTheGame) {
    const struct {
        const char* name;
        std::function<void(QWidget*)> answer;
    } cases[] = {
        {"Esc", PressKey(Qt::Key_Escape)},
        {"Enter", PressKey(Qt::Key_Return)},
        {"OK button", ClickButton("OK")},
    };
    for (const auto& c : cases) {
        ModalAnswer briefing(c.answer);
        Trigger(ID_GAME_START);
        ASSERT_TRUE(briefing.Answered()) << c.name;
        EXPECT_TRUE(View().Timers().IsActive(TURN_TIMER_ID)) << c.name;
        EXPECT_FALSE(MenuItem(ID_GAME_START)->isEnabled()) << c.name;
        ModalAnswer stop(ClickButton("はい"));
        Trigger(ID_GAME_STOP);
        ASSERT_TRUE(stop.Answered()) << c.name;
        ASSERT_FALSE(View().Timers().IsActive(TURN_TIMER_ID)) << c.name;
    }
}

TEST_F(ScreensTest, AboutBoxShowsTheIconNameAndVersion) {
    QStringList texts;
    Qt::WindowFlags flags;
    bool iconShown = false;
    QStringList buttons;
    ModalAnswer about([&](QWidget* window) {
        texts = LabelTexts(window);
        flags = window->windowFlags();
        for (QLabel* label : window->findChildren<QLabel*>()) {
            iconShown = iconShown || !label->pixmap().isNull();
        }
        for (QPushButton* button : window->findChildren<QPushButton*>()) buttons << button->text();
        ExpectTextsFit(window, "about");
        SaveScreenshot(window, "about");
        PressKey(Qt::Key_Escape)(window);
    });
    Trigger(ID_APP_ABOUT);
    ASSERT_TRUE(about.Answered());
    EXPECT_EQ(about.Window().title, "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_TRUE(texts.contains("ZORMade Version 0.1"));
    EXPECT_EQ(buttons, QStringList("OK"));
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    if (!HasAppIcon()) GTEST_SKIP() << "the program carries no icon";
    EXPECT_TRUE(iconShown);
}

TEST_F(ScreensTest, AboutBoxClosesWithOKEscOrItsCloseBox) {
    const struct {
        const char* name;
        std::function<void(QWidget*)> answer;
    } cases[] = {
        {"OK button", ClickButton("OK")},
        {"Esc", PressKey(Qt::Key_Escape)},
        {"close box", [](QWidget* window) { window->close(); }},
    };
    for (const auto& c : cases) {
        ModalAnswer about(c.answer);
        Trigger(ID_APP_ABOUT);
        ASSERT_TRUE(about.Answered()) << c.name;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << c.name;
    }
}

TEST_F(ScreensTest, ARunGoesOnBehindTheAboutBox) {
    View().Options().speed = 0;  // the fastest turns, 3 s
    {
        ModalAnswer briefing(PressKey(Qt::Key_Escape));
        Trigger(ID_GAME_START);
    }
    ASSERT_EQ(EditText(IDC_EDIT_MONTH), "1");
    QString monthWhileOpen;
    int pausedWhileOpen = -1;
    ModalAnswer about([&](QWidget* window) {
        // Stays open until a turn has passed behind it, or for at most 4 s.
        auto* watch = new QTimer(window);
        QElapsedTimer open;
        open.start();
        QObject::connect(watch, &QTimer::timeout, window, [&, window, watch, open] {
            if (EditText(IDC_EDIT_MONTH) == "1" && open.elapsed() < 4000) return;
            monthWhileOpen = EditText(IDC_EDIT_MONTH);
            pausedWhileOpen = View().State().paused;
            watch->stop();
            PressKey(Qt::Key_Escape)(window);
        });
        watch->start(50);
    });
    Trigger(ID_APP_ABOUT);
    ASSERT_TRUE(about.Answered());
    EXPECT_EQ(monthWhileOpen, "2");
    EXPECT_EQ(pausedWhileOpen, 0);
    EXPECT_TRUE(View().Timers().IsActive(TURN_TIMER_ID));
}

TEST_F(ScreensTest, MainWindowCarriesTheIcon) {
    if (!HasAppIcon()) GTEST_SKIP() << "the program carries no icon";
    const QList<QSize> sizes = Frame().windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

}  // namespace
}  // namespace zormade::test
