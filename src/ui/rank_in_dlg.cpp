// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rank_in_dlg.h"

namespace zormade {

void CRankInDlg::DoDataExchange(DataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_POINTS, points);
    DDX_Text(pDX, IDC_NAME, name);
    DDV_MaxChars(pDX, IDC_NAME, name, kNameBytes);
    DDX_Text(pDX, IDC_RANK, rank);
}

}  // namespace zormade
