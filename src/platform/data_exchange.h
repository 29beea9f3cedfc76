// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace zormade {

class ControlSet;

// One pass of dialog data exchange: fields to controls, or controls to fields with validation.
class DataExchange {
public:
    DataExchange(ControlSet& controlSet, QWidget* ownerWindow, bool save)
        : controls(controlSet), owner(ownerWindow), saveAndValidate(save) {}

    ControlSet& controls;
    QWidget* owner;
    const bool saveAndValidate;

    bool Failed() const { return failed_; }
    // Tells the player what is wrong, puts the focus on the control and stops the exchange.
    void Fail(int id, const QString& message);

private:
    bool failed_ = false;
};

void DDX_Text(DataExchange* pDX, int id, int& value);
void DDX_Text(DataExchange* pDX, int id, std::uint32_t& value);
void DDX_Text(DataExchange* pDX, int id, QString& value);
// The position of the ticked button in the group starting at firstId, or -1 for none.
void DDX_Radio(DataExchange* pDX, int firstId, int& value);
void DDX_Check(DataExchange* pDX, int id, int& value);
// Follows the DDX_Text of a line edit: loading limits typing to `limit` bytes of code page 932
// (full-width characters count two); saving refuses a longer text or one the code page cannot hold.
void DDV_MaxChars(DataExchange* pDX, int id, const QString& value, int limit);

}  // namespace zormade
