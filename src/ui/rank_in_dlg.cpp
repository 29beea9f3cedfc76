// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rank_in_dlg.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

namespace zormade {

void CRankInDlg::DoDataExchange(DataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_POINTS, points);
    DDX_Text(pDX, IDC_NAME, name);
    DDV_MaxChars(pDX, IDC_NAME, name, kNameBytes);
    DDX_Text(pDX, IDC_RANK, rank);
}

bool CRankInDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // A name of ten half-width letters, as long as one may be, is seen whole while it is typed:
    // the field widens about its centre to hold ten of the widest, within the window's margins
    // (in dialog units, as the place's label keeps them).
    constexpr int kWindowMargin = 7;
    // The edit keeps two pixels of its own on each side of the text, inside its frame.
    constexpr int kEditMargin = 2;
    QLineEdit& field = Control(IDC_NAME);
    const QFontMetrics metrics(field.font());
    int widest = 0;
    for (char16_t c = u'!'; c <= u'~'; ++c)
        widest = qMax(widest, metrics.horizontalAdvance(QChar(c)));
    const int frame =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field)
                         : 0;
    const QMargins text = field.textMargins();
    const int needed = kNameBytes * widest + text.left() + text.right() + 2 * (kEditMargin + frame);
    const int edge = DialogUnitsToPixels(QRect(0, 0, kWindowMargin, 0), Units()).width();
    const int width = qMin(needed, this->width() - 2 * edge);
    if (width > field.width()) {
        const int left =
            qBound(edge, field.geometry().center().x() - width / 2, this->width() - edge - width);
        field.setGeometry(left, field.y(), width, field.height());
    }
    return true;
}

}  // namespace zormade
