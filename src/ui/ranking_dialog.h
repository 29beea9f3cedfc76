// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/ranking_table.h"
#include "platform/template_dialog.h"

namespace zormade {

class MultiLineEdit;

// Shows the five places, read-only.
class RankingDialog : public TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 131;
    static constexpr std::array<ControlId<MultiLineEdit>, 5> kPointsIds{
        {{1027}, {1028}, {1029}, {1030}, {1015}}};
    static constexpr std::array<ControlId<MultiLineEdit>, 5> kNameIds{
        {{1016}, {1017}, {1018}, {1031}, {1032}}};

    explicit RankingDialog(const RankingTable& ranking, QWidget* parent = nullptr);
};

}  // namespace zormade
