// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminal_text.h"

#include <QString>
#include <QStringList>

#include "core/terminal_echo.h"
#include "platform/resources.h"

namespace zormade {
namespace {

// One pass, so a "%2" the user typed stays as typed instead of taking the next value.
QString Filled(const QString& pattern, const QStringList& values) {
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int number = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        if (pattern[i] == QLatin1Char('%') && number >= 1 && number <= values.size()) {
            text += values[number - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace

std::string FilledText(TextId id, const std::vector<std::string>& values) {
    QStringList texts;
    for (const std::string& value : values) texts << QString::fromStdString(value);
    return Filled(ResourceText(id), texts).toStdString();
}

std::string TerminalText(TextId id, std::string_view program,
                         std::initializer_list<std::string_view> typed) {
    std::vector<std::string> shown = {TerminalEcho(program)};
    for (std::string_view value : typed) shown.push_back(TerminalEcho(value));
    return FilledText(id, shown) + "\n";
}

std::string BadArgumentText(std::string_view program, std::string_view argument) {
    const bool option = !argument.empty() && argument.front() == '-';
    return TerminalText(option ? TextId::UnknownOption : TextId::UnexpectedArgument, program,
                        {argument});
}

}  // namespace zormade
