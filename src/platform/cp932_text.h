// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace zormade {

// Bytes `text` takes in code page 932 (half-width 1, full-width 2), or nothing when it holds a
// character that code page has no place for.
std::optional<int> Cp932Length(const QString& text);

// The text of code page 932 bytes as UTF-8, or nothing when they are no such text.
std::optional<std::string> Cp932ToUtf8(std::string_view bytes);

struct FittedEdit {
    QString text;
    int cursor = 0;
};

// `after` is `before` with one edit applied (typing, a paste, a deletion), the cursor left at
// `cursor`. Keeps of the inserted characters those code page 932 can hold, in order, as many as
// fit within `limit` bytes in all; what does not fit is cut. Deletions always stand.
FittedEdit FitEditToCp932Limit(const QString& before, const QString& after, int cursor, int limit);

}  // namespace zormade
