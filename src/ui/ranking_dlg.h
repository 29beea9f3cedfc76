// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "platform/cdialog.h"

namespace zormade {

// Shows the five places, read-only.
class CRankingDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 131;
    static constexpr std::array<int, 5> kPointsIds{1027, 1028, 1029, 1030, 1015};
    static constexpr std::array<int, 5> kNameIds{1016, 1017, 1018, 1031, 1032};

    explicit CRankingDlg(QWidget* parent = nullptr) : CDialog(kTemplateId, parent) {}

    std::array<std::uint32_t, 5> points{};  // place 1 first
    std::array<QString, 5> names;

protected:
    void DoDataExchange(DataExchange* pDX) override;
};

}  // namespace zormade
