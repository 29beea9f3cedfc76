// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>

#include "platform/byte_limit_validator.h"
#include "platform/control_set.h"
#include "platform/cp932_text.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "platform/string_ids.h"

namespace zormade {
namespace {

template <typename T>
void ExchangeNumber(DataExchange* pDX, int id, T& value, bool (*parse)(const QString&, T&)) {
    if (pDX->Failed()) return;
    QWidget* control = pDX->controls.Item(id);
    if (!pDX->saveAndValidate) {
        SetWindowText(control, QString::number(value));
        return;
    }
    T parsed{};
    if (!parse(WindowText(control).trimmed(), parsed)) {
        pDX->Fail(id, LoadResourceString(IDS_ENTER_INTEGER));
        return;
    }
    value = parsed;
}

bool ParseInt(const QString& text, int& out) {
    bool ok = false;
    out = text.toInt(&ok);
    return ok;
}

bool ParseUInt(const QString& text, std::uint32_t& out) {
    bool ok = false;
    out = text.toUInt(&ok);
    return ok;
}

}  // namespace

void DataExchange::Fail(int id, const QString& message) {
    failed_ = true;
    MessageBox(owner, message, QString(), MessageBoxKind::Exclamation);
    if (QWidget* control = controls.Item(id)) control->setFocus();
}

void DDX_Text(DataExchange* pDX, int id, int& value) { ExchangeNumber(pDX, id, value, ParseInt); }

void DDX_Text(DataExchange* pDX, int id, std::uint32_t& value) {
    ExchangeNumber(pDX, id, value, ParseUInt);
}

void DDX_Text(DataExchange* pDX, int id, QString& value) {
    if (pDX->Failed()) return;
    QWidget* control = pDX->controls.Item(id);
    if (pDX->saveAndValidate) {
        value = WindowText(control);
    } else {
        SetWindowText(control, value);
    }
}

void DDX_Radio(DataExchange* pDX, int firstId, int& value) {
    if (pDX->Failed()) return;
    const std::vector<QWidget*> group = pDX->controls.RadioGroup(firstId);
    if (pDX->saveAndValidate) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (static_cast<QAbstractButton*>(group[i])->isChecked()) value = static_cast<int>(i);
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i) {
        auto* button = static_cast<QAbstractButton*>(group[i]);
        // An exclusive group cannot be left with none ticked, which a value outside it needs.
        QButtonGroup* buttons = button->group();
        if (buttons) buttons->setExclusive(false);
        button->setChecked(static_cast<int>(i) == value);
        if (buttons) buttons->setExclusive(true);
    }
}

void DDX_Check(DataExchange* pDX, int id, int& value) {
    if (pDX->Failed()) return;
    auto* box = qobject_cast<QCheckBox*>(pDX->controls.Item(id));
    if (!box) return;
    if (pDX->saveAndValidate) {
        value = box->isChecked() ? 1 : 0;
    } else {
        box->setChecked(value == 1);
    }
}

void DDV_MaxChars(DataExchange* pDX, int id, const QString& value, int limit) {
    if (pDX->Failed()) return;
    if (!pDX->saveAndValidate) {
        if (auto* edit = pDX->controls.ItemAs<QLineEdit>(id)) LimitCp932Bytes(edit, limit);
        return;
    }
    const std::optional<int> bytes = Cp932Length(value);
    if (!bytes) {
        pDX->Fail(id, LoadResourceString(IDS_UNUSABLE_CHARACTER));
    } else if (*bytes > limit) {
        pDX->Fail(id, LoadResourceString(IDS_NAME_TOO_LONG).arg(limit).arg(limit / 2));
    }
}

}  // namespace zormade
