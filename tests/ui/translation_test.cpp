// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translation.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QXmlStreamReader>

#include "app_fixture.h"
#include "core/event_catalogue.h"
#include "platform/dialog_template.h"
#include "platform/dialog_units.h"
#include "platform/list_box.h"
#include "platform/menu_resource.h"
#include "platform/multi_line_edit.h"
#include "platform/resources.h"
#include "platform/text_ids.h"
#include "ui/event_text.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

// A few texts of every kind translated (tests/ui/i18n); the others have no translation.
const QString kFixture = QStringLiteral(":/test_i18n/zormade_test.qm");

class TranslationTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ASSERT_TRUE(UseTranslationFile(kFixture, QStringLiteral("en")));
        InstallDialogFonts();
    }
    void TearDown() override {
        UseLanguage(kSourceLanguage);
        InstallDialogFonts();
        AppTest::TearDown();
    }
};

// The unit across that the period's systems took from a face: the mean width of the 52 letters.
int LetterUnit(const QFont& font) {
    return (QFontMetrics(font).horizontalAdvance(
                QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                26 +
            1) /
           2;
}

QString MenuText(int id, int command) {
    QMenuBar bar;
    BuildMenuBar(id, &bar);
    if (!command) return bar.actions().value(0)->text();
    for (const QAction* action : bar.findChildren<QAction*>()) {
        if (action->data().toInt() == command) return action->text();
    }
    return {};
}

QString TemplateText(int id, int control) {
    const std::optional<DialogTemplate> dialog = LoadDialogTemplate(id);
    if (!dialog) return QStringLiteral("(no template %1)").arg(id);
    if (control < 0) return dialog->caption;
    for (const ControlTemplate& c : dialog->controls) {
        if (c.id == control) return c.text.isEmpty() ? c.label : c.text;
    }
    return {};
}

// Each way a text comes from the resources finds its translation by the names the translation
// file gives it, and gets the source's CR LF line ends back.
TEST_F(TranslationTest, EveryKindOfTextShowsItsTranslation) {
    // clang-format off
    const struct { const char* name; QString shown; QString expected; } cases[] = {
        {"string", ResourceText(TextId::StopText), "Abandon the game?"},
        {"string of two lines", ResourceText(TextId::ScoreLine), "SCORE:%1\r\n\"Ha ha ha!\""},
        {"menu popup", MenuText(128, 0), "&Menu"},
        {"menu item", MenuText(128, 32771), "&Start game"},
        {"template caption", TemplateText(134, -1), "Event"},
        {"control text", TemplateText(134, 1), "Decide"},
        {"control label", TemplateText(134, 1026), "Answers"},
        {"event prompt", EventPrompt(22),
         "A young plaintiff has gone to court under her own name.\r\n"
         "Public opinion begins to move."},
        {"event answer", EventAnswerText(22, 0),
         "1. Have the plaintiff's private life looked into"},
        {"event result", EventResultText(22, 0),
         "The dirty work leaked and reached the ministry's board.\r\n"
         "Nueda held a press conference with a copy of your request in hand."},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(c.shown, c.expected) << c.name;
}

TEST_F(TranslationTest, ATextWithoutATranslationShowsTheJapaneseSource) {
    // clang-format off
    const struct { const char* name; QString shown; QString expected; } cases[] = {
        {"string", ResourceText(TextId::ResultCaption), "結果"},
        {"menu item", MenuText(128, 32772), "ｹﾞｰﾑ中断(&E)"},
        {"control label", TemplateText(134, 1027), "質問"},
        {"event answer", EventAnswerText(22, 1),
         QString::fromUtf8(EventRecordAt(22).answers[1].text)},
        {"event result", EventResultText(22, 3),
         QString::fromUtf8(EventRecordAt(22).answers[3].result)},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(c.shown, c.expected) << c.name;
}

// The event window opened in English: its own texts, the prompt on its two lines, the translated
// answer beside the untranslated ones, the result box after it, all in a Latin face whose letters
// are no wider than the template's units.
TEST_F(TranslationTest, AnEventWindowOpenedInEnglishShowsTheTranslation) {
    EventAnswer answer(0, PressKey(Qt::Key_Return));
    answer.whileDialogOpen = [](EventDialog& d) {
        QListWidget* list = &d.Control(EventDialog::kAnswerListId);
        EXPECT_EQ(d.windowTitle(), "Event");
        EXPECT_EQ(d.Control(EventDialog::kConfirmId).text(), "Decide");
        EXPECT_EQ(d.Control(EventDialog::kPromptId).Text(), EventPrompt(22));
        EXPECT_EQ(d.Control(EventDialog::kPromptId).document()->lineCount(), 2);
        EXPECT_EQ(list->item(0)->text(), "1. Have the plaintiff's private life looked into");
        EXPECT_EQ(list->item(1)->text(), QString::fromUtf8(EventRecordAt(22).answers[1].text));
        const QFont font = d.Control(EventDialog::kConfirmId).font();
        EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
        const BaseUnits units =
            BaseUnitsFor(LoadDialogTemplate(EventDialog::kTemplateId)->pointSize);
        QFont larger = font;
        larger.setPixelSize(font.pixelSize() + 1);
        EXPECT_LE(LetterUnit(font), units.cx);
        EXPECT_TRUE(font.pixelSize() == units.pixelHeight || LetterUnit(larger) > units.cx)
            << font.pixelSize() << " px is not the largest size that fits";
        SaveScreenshot(&d, "event-22-en");
    };
    EXPECT_EQ(Frame().AnswerEvent(22), 0);
    ASSERT_TRUE(answer.BoxAnswered());
    EXPECT_EQ(answer.Box().TitleAndText(),
              QStringList({"結果",
                           "The dirty work leaked and reached the ministry's board.\n"
                           "Nueda held a press conference with a copy of your request in hand."}));
}

// Back in Japanese, the same window shows the source throughout, in the Japanese face.
TEST_F(TranslationTest, SwitchingBackToJapaneseShowsTheSourceInTheJapaneseFace) {
    UseLanguage(kSourceLanguage);
    InstallDialogFonts();
    EXPECT_EQ(EventPrompt(22), QString::fromUtf8(EventRecordAt(22).prompt));
    EXPECT_EQ(QFontInfo(DialogFont(DialogFace(), 9)).family(), "IPAPGothic");
    EXPECT_EQ(DialogFont(DialogFace(), 9).pixelSize(), 12);
}

// Every text the resources give, by the names the translation file gives it, as the player is
// shown it in the chosen language.
struct Text {
    QString context, comment, shown;
};

std::vector<Text> EveryText() {
    std::vector<Text> texts;
    QFile strings(QStringLiteral(":/strings.json"));
    EXPECT_TRUE(strings.open(QIODevice::ReadOnly));
    for (const QString& id : QJsonDocument::fromJson(strings.readAll()).object().keys()) {
        texts.push_back({"strings", id, ResourceText(static_cast<TextId>(id.toInt()))});
    }
    for (const QString& file : QDir(QStringLiteral(":/templates")).entryList()) {
        const int id = QFileInfo(file).baseName().toInt();
        const std::optional<DialogTemplate> dialog = LoadDialogTemplate(id);
        if (!dialog) continue;
        const QString context = QStringLiteral("template %1").arg(id);
        texts.push_back({context, "caption", dialog->caption});
        for (std::size_t i = 0; i < dialog->controls.size(); ++i) {
            const ControlTemplate& c = dialog->controls[i];
            const QString name =
                c.id == kStaticId ? QStringLiteral("#%1").arg(i) : QString::number(c.id);
            texts.push_back({context, name + " text", c.text});
            texts.push_back({context, name + " label", c.label});
            texts.push_back({context, name + " tip", c.tip});
        }
    }
    QMenuBar bar;
    BuildMenuBar(128, &bar);
    for (QAction* popup : bar.actions()) {
        texts.push_back({"menu 128", "popup", popup->text()});
        for (QAction* item : popup->menu()->actions()) {
            if (!item->isSeparator())
                texts.push_back({"menu 128", item->data().toString(), item->text()});
        }
    }
    for (int event = 0; event < kEventCount; ++event) {
        texts.push_back({"events", QStringLiteral("%1 prompt").arg(event), EventPrompt(event)});
        for (int answer = 0; answer < 4; ++answer) {
            const QString number = QStringLiteral("%1 %2 %3").arg(event);
            texts.push_back(
                {"events", number.arg("answer").arg(answer + 1), EventAnswerText(event, answer)});
            texts.push_back(
                {"events", number.arg("result").arg(answer + 1), EventResultText(event, answer)});
        }
    }
    return texts;
}

// Each finished translation of the English file, as the file gives it: context, source and
// comment, with the source's line ends as the resources have them.
QMap<QString, QString> FinishedTranslations(const QString& path) {
    QMap<QString, QString> found;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"source") source = xml.readElementText();
        if (xml.name() == u"comment") comment = xml.readElementText();
        if (xml.name() == u"translation") {
            const bool finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            const QString translation = xml.readElementText();
            if (finished && !translation.isEmpty()) {
                found[context + '|' + comment + '|' + source] = translation;
            }
        }
    }
    return found;
}

using EnglishEditionTest = AppTest;

// The compiled English edition shows every finished translation of the English file where the
// game shows the text: no text reaches the player by a name the file does not give it.
TEST_F(EnglishEditionTest, EveryFinishedTranslationReachesThePlayer) {
    const std::vector<Text> sources = EveryText();
    ASSERT_TRUE(UseLanguage(QStringLiteral("en")));
    const std::vector<Text> shown = EveryText();
    UseLanguage(kSourceLanguage);
    ASSERT_EQ(shown.size(), sources.size());
    QMap<QString, QString> expected = FinishedTranslations(QStringLiteral(ENGLISH_TS));
    const qsizetype translations = expected.size();
    int compared = 0;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        QString source = sources[i].shown;
        const QString key = sources[i].context + '|' + sources[i].comment + '|' +
                            source.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (!expected.contains(key)) continue;
        QString english = expected.take(key);
        if (sources[i].shown.contains(QStringLiteral("\r\n")))
            english.replace('\n', QStringLiteral("\r\n"));
        EXPECT_EQ(shown[i].shown, english) << key.toStdString();
        ++compared;
    }
    EXPECT_TRUE(expected.isEmpty()) << "never shown: " << expected.keys().join("; ").toStdString();
    EXPECT_GT(compared, 500) << "of " << translations;
}

}  // namespace
}  // namespace zormade::test
