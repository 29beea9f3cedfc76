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
#include <functional>

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

// Every text reaches the player as the file's finished translation of it, by the names the file
// gives it and with the source's line ends, else as the Japanese source: in the English edition,
// and with a file that translates only a few texts of every kind.
TEST_F(EnglishEditionTest, EveryTextShowsItsFinishedTranslationElseTheSource) {
    const std::vector<Text> sources = EveryText();
    const QString fixtureTs =
        QFileInfo(QStringLiteral(ENGLISH_TS)).absolutePath() + "/../tests/ui/i18n/zormade_test.ts";
    const struct {
        QString ts;
        std::function<bool()> use;
        int translated;
    } editions[] = {
        {QStringLiteral(ENGLISH_TS), [] { return UseLanguage(QStringLiteral("en")); }, 500},
        {fixtureTs, [] { return UseTranslationFile(kFixture, QStringLiteral("en")); }, 10},
    };
    for (const auto& edition : editions) {
        SCOPED_TRACE(edition.ts.toStdString());
        ASSERT_TRUE(edition.use());
        const std::vector<Text> shown = EveryText();
        UseLanguage(kSourceLanguage);
        ASSERT_EQ(shown.size(), sources.size());
        QMap<QString, QString> translations = FinishedTranslations(edition.ts);
        int translated = 0;
        for (std::size_t i = 0; i < sources.size(); ++i) {
            QString source = sources[i].shown;
            const QString key = sources[i].context + '|' + sources[i].comment + '|' +
                                source.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            QString expected = translations.take(key);
            translated += expected.isEmpty() ? 0 : 1;
            if (expected.isEmpty())
                expected = sources[i].shown;
            else if (sources[i].shown.contains(QStringLiteral("\r\n")))
                expected.replace('\n', QStringLiteral("\r\n"));
            EXPECT_EQ(shown[i].shown, expected) << key.toStdString();
        }
        EXPECT_TRUE(translations.isEmpty())
            << "never shown: " << translations.keys().join("; ").toStdString();
        EXPECT_GE(translated, edition.translated);
    }
}

}  // namespace
}  // namespace zormade::test
