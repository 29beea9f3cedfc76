// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QLineEdit;

namespace zormade {

// Holds a line edit to `limit` bytes of code page 932: a character that code page cannot hold is
// refused, a character that would pass the limit is refused, and a paste is cut to the limit.
class ByteLimitValidator : public QValidator {
    Q_OBJECT
public:
    ByteLimitValidator(int limit, const QString& current, QObject* parent);

    State validate(QString& input, int& pos) const override;
    int Limit() const { return limit_; }

private:
    int limit_;
    // The text as it stood after the last change, to tell what an edit inserted.
    mutable QString accepted_;
};

// Puts the limit on `edit`, or changes the one it has. The text already there is left as it is.
void LimitCp932Bytes(QLineEdit* edit, int limit);

}  // namespace zormade
