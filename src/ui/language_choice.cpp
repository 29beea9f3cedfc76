// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language_choice.h"

#include <QLocale>

#include "platform/resources.h"
#include "platform/text_ids.h"
#include "platform/translation.h"

namespace zormade {

bool ChooseLanguage(const std::optional<std::string>& asked, const char* program,
                    std::string& refusal) {
    UseLanguage(LanguageForDesktop(QLocale::system().uiLanguages()));
    if (!asked) return true;
    const QString language = QString::fromStdString(*asked);
    if (UseLanguage(language)) return true;
    refusal = ResourceText(TextId::UnknownLanguage)
                  .arg(QString::fromUtf8(program), language,
                       AvailableLanguages().join(QStringLiteral(", ")))
                  .toStdString();
    return false;
}

}  // namespace zormade
