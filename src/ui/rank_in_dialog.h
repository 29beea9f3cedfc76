// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

#include "platform/control_ids.h"
#include "platform/template_dialog.h"

namespace zormade {

// Asks a player whose clear entered the table for a name of at most 10 bytes of code page 932,
// which the name field's validator holds it to.
class RankInDialog : public TemplateDialog, public RankInDialogIds {
    Q_OBJECT
public:
    static constexpr int kNameBytes = 10;

    RankInDialog(std::uint32_t points, int rank, QWidget* parent = nullptr);

    // The name as typed so far.
    QString Name() const;

private:
    void WidenNameField();
};

}  // namespace zormade
