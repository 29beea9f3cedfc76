// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/end_dlg.h"

#include <QFontMetrics>
#include <QStringList>
#include <QTextDocument>
#include <QtMath>

#include "core/picture_ids.h"
#include "platform/multi_line_edit.h"
#include "platform/resources.h"
#include "platform/string_ids.h"
#include "ui/draw_picture.h"

namespace zormade {
namespace {

constexpr Picture kNoPicture{0, {0, 0}, {0, 0}};
constexpr QSize kPictureArea(258, 200);

// `text` with every line that is wider than `width` broken after its last cause separator that
// fits, or after its first when none does.
QString BrokenAfterCommas(const QString& text, const QFontMetrics& metrics, int width) {
    const QString comma = LoadResourceString(IDS_CAUSE_SEPARATOR);
    QStringList lines;
    for (QString rest : text.split(QStringLiteral("\r\n"))) {
        while (metrics.horizontalAdvance(rest) > width) {
            qsizetype cut = 0;
            for (qsizetype at = rest.indexOf(comma); at >= 0 && at + comma.size() < rest.size();
                 at = rest.indexOf(comma, at + 1)) {
                const qsizetype next = at + comma.size();
                if (cut == 0 || metrics.horizontalAdvance(rest.left(next)) <= width) cut = next;
            }
            if (cut == 0) break;
            lines << rest.left(cut);
            rest = rest.mid(cut);
        }
        lines << rest;
    }
    return lines.join(QStringLiteral("\r\n"));
}

const Picture& PictureFor(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Capture: return pictures::kCaught;
    case RunOutcome::Clear: return pictures::kGotAway;
    default: return kNoPicture;
    }
}

}  // namespace

void CEndDlg::DoDataExchange(DataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TITLE, endTitle);
    DDX_Text(pDX, IDC_MESSAGE, endMessage);
}

bool CEndDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // A capture may cross all three limits at once: its cause line breaks after a separator where it
    // would not fit, and the box grows by the lines that adds, the button moving down with it.
    MultiLineEdit& message = Control(IDC_MESSAGE);
    const int margins = 2 * (message.frameWidth() + qRound(message.document()->documentMargin()));
    const QString shown =
        BrokenAfterCommas(endMessage, QFontMetrics(message.font()), message.width() - margins - 2);
    message.SetText(shown);
    const int around = message.height() - message.viewport()->height();
    const int grow = qCeil(message.document()->size().height()) + around - message.height();
    if (grow > 0) {
        message.resize(message.width(), message.height() + grow);
        QWidget* ok = GetDlgItem(IDOK);
        ok->move(ok->x(), ok->y() + grow);
        setFixedSize(width(), height() + grow);
    }
    return true;
}

void CEndDlg::OnPaint() {
    const Picture& picture = PictureFor(outcome);
    DrawPicture(*this, IDC_PICTURE, picture.id, kPictureArea,
                QSize(picture.shown.width, picture.shown.height), PictureMode::Stretch);
}

}  // namespace zormade
