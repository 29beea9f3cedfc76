// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rank_in_dialog.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

#include "platform/byte_limit_validator.h"
#include "platform/multi_line_edit.h"

namespace zormade {

RankInDialog::RankInDialog(std::uint32_t points, int rank, QWidget* parent)
    : TemplateDialog(kTemplateId, parent) {
    if (!IsBuilt()) return;
    Control(kPointsId).SetText(QString::number(points));
    Control(kRankId).setText(QString::number(rank));
    LimitCp932Bytes(&Control(kNameId), kNameBytes);
    WidenNameField();
}

QString RankInDialog::Name() const { return IsBuilt() ? Control(kNameId).text() : QString(); }

void RankInDialog::WidenNameField() {
    // A name of ten half-width letters, as long as one may be, is seen whole while it is typed:
    // the field widens about its centre to hold ten of the widest, within the window's margins
    // (in dialog units, as the place's label keeps them).
    constexpr int kWindowMargin = 7;
    // The edit keeps two pixels of its own on each side of the text, inside its frame.
    constexpr int kEditMargin = 2;
    QLineEdit& field = Control(kNameId);
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
}

}  // namespace zormade
