// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/multi_line_edit.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QTextDocument>
#include <QTextOption>

#include "platform/text_fit.h"

namespace zormade {

MultiLineEdit::MultiLineEdit(Qt::Alignment alignment, QWidget* parent)
    : QTextEdit(parent), alignment_(alignment) {
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The sunken edge of a bordered edit on a dialog with the three-dimensional look.
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    document()->setDocumentMargin(1);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment_);
    option.setWrapMode(QTextOption::NoWrap);
    document()->setDefaultTextOption(option);
}

QString MultiLineEdit::Text() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void MultiLineEdit::SetText(const QString& text) {
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (!templateFont_) templateFont_ = font();
    setFont(*templateFont_);
    const int margins = 2 * (frameWidth() + static_cast<int>(document()->documentMargin())) + 2;
    ShrinkFontToFit(this, plain, width() - margins);
    KeepTemplateBaseline();
    setPlainText(plain);
}

void MultiLineEdit::ShowNoLargerThan(int pixelSize) {
    if (pixelSize <= 0 || pixelSize >= font().pixelSize()) return;
    QFont smaller = font();
    smaller.setPixelSize(pixelSize);
    setFont(smaller);
    KeepTemplateBaseline();
}

void MultiLineEdit::KeepTemplateBaseline() {
    if (!templateFont_) return;
    const int drop = QFontMetrics(*templateFont_).ascent() - QFontMetrics(font()).ascent();
    setViewportMargins(0, qMax(0, drop), 0, 0);
}

void MultiLineEdit::focusInEvent(QFocusEvent* event) {
    QTextEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason) {
        selectAll();
    }
}

void MultiLineEdit::focusOutEvent(QFocusEvent* event) {
    QTextEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason) return;
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
}

}  // namespace zormade
