// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language_choice.h"

#include <QLocale>

#include "platform/terminal_text.h"
#include "platform/translation.h"

namespace zormade {

bool ChooseLanguage(const std::optional<std::string>& asked, std::string_view program,
                    std::string& refusal) {
    UseLanguage(LanguageForDesktop(QLocale::system().uiLanguages()));
    if (!asked) return true;
    if (UseLanguage(QString::fromStdString(*asked))) return true;
    refusal = TerminalText(TextId::UnknownLanguage, program,
                           {*asked, AvailableLanguages().join(QStringLiteral(", ")).toStdString()});
    return false;
}

}  // namespace zormade
