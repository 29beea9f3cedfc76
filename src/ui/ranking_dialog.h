// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/ranking_table.h"
#include "platform/control_ids.h"
#include "platform/template_dialog.h"

namespace zormade {

// Shows the five places, read-only.
class RankingDialog : public TemplateDialog, public RankingDialogIds {
    Q_OBJECT
public:
    explicit RankingDialog(const RankingTable& ranking, QWidget* parent = nullptr);
};

}  // namespace zormade
