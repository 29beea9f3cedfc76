// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/run_result_dialog.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStringList>
#include <QTextDocument>
#include <QtMath>

#include "core/picture_ids.h"
#include "platform/multi_line_edit.h"
#include "platform/resources.h"
#include "platform/text_ids.h"
#include "ui/draw_picture.h"

namespace zormade {
namespace {

constexpr Picture kNoPicture{0, {0, 0}, {0, 0}};
constexpr QSize kPictureArea(258, 200);

// `text` with every line that is wider than `width` broken after its last cause separator that
// fits, or after its first when none does.
QString BrokenAfterCommas(const QString& text, const QFontMetrics& metrics, int width) {
    const QString comma = ResourceText(TextId::CauseSeparator);
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

RunResultDialog::RunResultDialog(RunOutcome outcome, const QString& title, const QString& message,
                                 QWidget* parent)
    : TemplateDialog(kTemplateId, parent), outcome_(outcome) {
    if (!IsBuilt()) return;
    Control(kTitleId).SetText(title);
    // A capture may cross all three limits at once: shown, the text takes a smaller face down to
    // the smallest readable; still too wide, its cause line breaks after a separator where it would
    // not fit, and the box grows by the lines that adds, the button moving down with it.
    MultiLineEdit& shown = Control(kMessageId);
    shown.SetText(message);
    const int margins = 2 * (shown.frameWidth() + qRound(shown.document()->documentMargin()));
    shown.SetText(
        BrokenAfterCommas(message, QFontMetrics(shown.font()), shown.width() - margins - 2));
    const int around = shown.height() - shown.viewport()->height();
    const int grow = qCeil(shown.document()->size().height()) + around - shown.height();
    if (grow > 0) {
        shown.resize(shown.width(), shown.height() + grow);
        QPushButton& ok = Control(kAcceptButton);
        ok.move(ok.x(), ok.y() + grow);
        setFixedSize(width(), height() + grow);
    }
}

void RunResultDialog::paintEvent(QPaintEvent* event) {
    TemplateDialog::paintEvent(event);
    const Picture& picture = PictureFor(outcome_);
    DrawPicture(*this, kPictureId.id, picture.id, kPictureArea,
                QSize(picture.shown.width, picture.shown.height), PictureMode::Stretch);
}

}  // namespace zormade
