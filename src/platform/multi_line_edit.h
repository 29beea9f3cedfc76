// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextEdit>
#include <optional>

namespace zormade {

// A multi-line edit: plain text, lines never wrap, aligned as its template says.
class MultiLineEdit : public QTextEdit {
    Q_OBJECT
public:
    MultiLineEdit(Qt::Alignment alignment, QWidget* parent = nullptr);

    QString Text() const;
    // CR LF and LF both break lines; a text too wide for the box is set a little smaller, on the
    // baseline the full size would have, so it stays in line with its neighbours.
    void SetText(const QString& text);
    // Shows the text at most `pixelSize` high, on the same baseline, to match a shrunk neighbour.
    void ShowNoLargerThan(int pixelSize);

protected:
    // Reached with the keyboard, the edit selects its text, so a read-only one shows the focus too.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void KeepTemplateBaseline();

    Qt::Alignment alignment_;
    std::optional<QFont> templateFont_;  // the face before any shrinking to fit
};

}  // namespace zormade
