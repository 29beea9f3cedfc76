// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ranking_dlg.h"

namespace zormade {

void CRankingDlg::DoDataExchange(DataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (std::size_t i = 0; i < points.size(); ++i) DDX_Text(pDX, kPointsIds[i], points[i]);
    for (std::size_t i = 0; i < names.size(); ++i) DDX_Text(pDX, kNameIds[i], names[i]);
}

}  // namespace zormade
