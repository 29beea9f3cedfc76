// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translation.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

namespace zormade {
namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("zormade_");

struct Chosen {
    QString language = kSourceLanguage;
    std::unique_ptr<QTranslator> translator;
};

Chosen& Current() {
    static Chosen chosen;
    return chosen;
}

QString FileOf(const QString& language) {
    return QStringLiteral("%1/%2%3.qm").arg(kFolder, kPrefix, language);
}

}  // namespace

QStringList AvailableLanguages() {
    QStringList languages = {kSourceLanguage};
    const QStringList files = QDir(kFolder).entryList({kPrefix + "*.qm"}, QDir::Files);
    for (const QString& file : files) {
        languages << QFileInfo(file).completeBaseName().mid(kPrefix.size());
    }
    return languages;
}

QString LanguageForDesktop(const QStringList& uiLanguages) {
    const QStringList available = AvailableLanguages();
    static const QRegularExpression kSeparator(QStringLiteral("[-_.@]"));
    for (const QString& entry : uiLanguages) {
        // The C locale's "C" names no language and so asks for none.
        const QString language = entry.section(kSeparator, 0, 0).toLower();
        if (available.contains(language)) return language;
    }
    return kSourceLanguage;
}

bool UseLanguage(const QString& language) {
    if (language == kSourceLanguage) {
        Current() = Chosen();
        return true;
    }
    return AvailableLanguages().contains(language) &&
           UseTranslationFile(FileOf(language), language);
}

bool UseTranslationFile(const QString& qmPath, const QString& language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(qmPath)) return false;
    Current().language = language;
    Current().translator = std::move(translator);
    return true;
}

QString CurrentLanguage() { return Current().language; }

QString Translate(const QString& context, const QString& source, const QString& comment) {
    const QTranslator* translator = Current().translator.get();
    if (!translator || source.isEmpty()) return source;
    const QString crlf = QStringLiteral("\r\n");
    const QString lf = QStringLiteral("\n");
    QString key = source;
    key.replace(crlf, lf);
    QString text = translator->translate(context.toUtf8().constData(), key.toUtf8().constData(),
                                         comment.toUtf8().constData());
    if (text.isEmpty()) return source;
    if (source.contains(crlf)) text.replace(lf, crlf);
    return text;
}

}  // namespace zormade
