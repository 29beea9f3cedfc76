// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

namespace zormade::test {
namespace {

struct Choice {
    int status;
    QString out;
    QString err;
};

Choice Probe(const QStringList& environment, const QStringList& arguments) {
    QProcess probe;
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    for (const QString& assignment : environment) {
        env.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
    }
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(LANGUAGE_PROBE), arguments);
    if (!probe.waitForFinished(30000)) return {-1, {}, probe.errorString()};
    return {probe.exitCode(), QString::fromUtf8(probe.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(probe.readAllStandardError()).trimmed()};
}

// The desktop's language decides (Qt reads LANGUAGE, then LC_ALL, LC_MESSAGES and LANG), English
// where it asks for English first among the languages there are, Japanese otherwise; --lang
// overrides it.
TEST(LanguageChoiceTest, FollowsTheDesktopUnlessTheCommandLineNamesOne) {
    // clang-format off
    const struct { const char* name; QStringList env, args; const char* chosen; } cases[] = {
        {"nothing set", {}, {}, "ja"},
        {"the C locale", {"LANG=C"}, {}, "ja"},
        {"the C locale in UTF-8", {"LC_ALL=C.UTF-8"}, {}, "ja"},
        {"LANGUAGE=en", {"LANGUAGE=en"}, {}, "en"},
        {"an English LANG", {"LANG=en_GB.UTF-8"}, {}, "en"},
        {"a Japanese LANG", {"LANG=ja_JP.UTF-8"}, {}, "ja"},
        {"a language without a translation", {"LANGUAGE=fr"}, {}, "ja"},
        {"English after one without a translation", {"LANGUAGE=fr:en", "LANG=fr_FR"}, {}, "en"},
        {"Japanese before English", {"LANGUAGE=ja:en"}, {}, "ja"},
        {"LC_ALL over LANG", {"LC_ALL=en_US.UTF-8", "LANG=ja_JP.UTF-8"}, {}, "en"},
        {"LC_MESSAGES over LANG", {"LC_MESSAGES=en_US.UTF-8", "LANG=ja_JP.UTF-8"}, {}, "en"},
        {"--lang en over a Japanese LANG", {"LANG=ja_JP.UTF-8"}, {"--lang", "en"}, "en"},
        {"--lang=ja over LANGUAGE=en", {"LANGUAGE=en"}, {"--lang=ja"}, "ja"},
        {"--lang after Qt's options", {}, {"-style", "Windows", "--lang", "en"}, "en"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const Choice choice = Probe(c.env, c.args);
        EXPECT_EQ(choice.status, 0) << c.name << ": " << choice.err.toStdString();
        EXPECT_EQ(choice.out, c.chosen) << c.name;
    }
}

// A language the game has no translation for is refused with status 2, in the desktop's
// language, naming what was asked and what there is.
TEST(LanguageChoiceTest, ALanguageWithoutATranslationIsRefused) {
    // clang-format off
    const struct { const char* name; QStringList env, args; const char* named; } cases[] = {
        {"an unknown language", {"LANG=C"}, {"--lang", "de"}, "「de」"},
        {"a locale name, not a language", {}, {"--lang=en_US"}, "「en_US」"},
        {"--lang with nothing after it", {}, {"--lang"}, "「」"},
        {"a path", {}, {"--lang", "../en"}, "「../en」"},
        {"refused in English on an English desktop", {"LANGUAGE=en"}, {"--lang", "de"}, "'de'"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const Choice choice = Probe(c.env, c.args);
        EXPECT_EQ(choice.status, 2) << c.name;
        EXPECT_TRUE(choice.out.isEmpty()) << c.name << ": " << choice.out.toStdString();
        EXPECT_TRUE(choice.err.startsWith("zormade: "))
            << c.name << ": " << choice.err.toStdString();
        EXPECT_TRUE(choice.err.contains(QString::fromUtf8(c.named)))
            << c.name << ": " << choice.err.toStdString();
        EXPECT_TRUE(choice.err.contains("ja, en")) << c.name << ": " << choice.err.toStdString();
    }
}

}  // namespace
}  // namespace zormade::test
