// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/byte_limit_validator.h"

#include <QLineEdit>

#include "platform/cp932_text.h"

namespace zormade {

ByteLimitValidator::ByteLimitValidator(int limit, const QString& current, QObject* parent)
    : QValidator(parent), limit_(limit), accepted_(current) {}

QValidator::State ByteLimitValidator::validate(QString& input, int& pos) const {
    const FittedEdit fitted = FitEditToCp932Limit(accepted_, input, pos, limit_);
    input = fitted.text;
    pos = fitted.cursor;
    accepted_ = input;
    return Acceptable;
}

void LimitCp932Bytes(QLineEdit* edit, int limit) {
    auto* existing = qobject_cast<const ByteLimitValidator*>(edit->validator());
    if (existing && existing->Limit() == limit) return;
    edit->setValidator(new ByteLimitValidator(limit, edit->text(), edit));
    delete existing;
}

}  // namespace zormade
