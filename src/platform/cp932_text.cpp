// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cp932_text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace zormade {
namespace {

// The length in UTF-16 units of the character starting at `i`: a surrogate pair is one character.
int CharacterUnits(const QString& text, int i) {
    const bool pair =
        i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
    return pair ? 2 : 1;
}

}  // namespace

std::optional<int> Cp932Length(const QString& text) {
    // The encoder's error flag stays set once raised, so every text gets an encoder of its own.
    // Qt's ICU always has the code page; were it missing, no name could be measured, so none fits.
    QStringEncoder encoder("windows-31j");
    if (!encoder.isValid()) return std::nullopt;
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    return static_cast<int>(bytes.size());
}

std::optional<std::string> Cp932ToUtf8(std::string_view bytes) {
    // Stateless: a lead byte at the end, with nothing after it, is no character either.
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) return std::nullopt;
    const QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    // ICU raises the error for a byte the code page has no character for; a converter of
    // another platform may only put U+FFFD in its place.
    if (decoder.hasError() || text.contains(QChar::ReplacementCharacter)) return std::nullopt;
    return text.toStdString();
}

FittedEdit FitEditToCp932Limit(const QString& before, const QString& after, int cursor, int limit) {
    const int shorter = static_cast<int>(std::min(before.size(), after.size()));
    // The text behind the cursor is what the edit left alone at the end.
    const int suffixCap = std::clamp(static_cast<int>(after.size()) - cursor, 0, shorter);
    int suffix = 0;
    while (suffix < suffixCap &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    int prefix = 0;
    while (prefix < shorter - suffix && before[prefix] == after[prefix]) ++prefix;
    const int insertedEnd = static_cast<int>(after.size()) - suffix;
    if (insertedEnd <= prefix)
        return {after, std::clamp(cursor, 0, static_cast<int>(after.size()))};

    const QString kept = after.left(prefix) + after.right(suffix);
    int room = limit - Cp932Length(kept).value_or(limit);
    QString accepted;
    for (int i = prefix; i < insertedEnd && room > 0;) {
        const QString character = after.mid(i, CharacterUnits(after, i));
        i += static_cast<int>(character.size());
        const std::optional<int> bytes = Cp932Length(character);
        if (!bytes) continue;
        if (*bytes > room) break;
        accepted += character;
        room -= *bytes;
    }
    return {after.left(prefix) + accepted + after.right(suffix),
            prefix + static_cast<int>(accepted.size())};
}

}  // namespace zormade
