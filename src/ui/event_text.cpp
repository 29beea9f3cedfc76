// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/event_text.h"

#include "core/event_catalogue.h"
#include "platform/translation.h"

namespace zormade {
namespace {

QString EventWords(const char* source, const QString& comment) {
    return Translate(QStringLiteral("events"), QString::fromUtf8(source), comment);
}

}  // namespace

QString EventPrompt(int index) {
    return EventWords(EventRecordAt(index).prompt, QStringLiteral("%1 prompt").arg(index));
}

QString EventAnswerText(int index, int answer) {
    return EventWords(EventRecordAt(index).answers[answer].text,
                      QStringLiteral("%1 answer %2").arg(index).arg(answer + 1));
}

QString EventResultText(int index, int answer) {
    return EventWords(EventRecordAt(index).answers[answer].result,
                      QStringLiteral("%1 result %2").arg(index).arg(answer + 1));
}

}  // namespace zormade
