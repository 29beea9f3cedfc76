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
    // CR LF and LF both break lines; a text too wide for the box is set a little smaller.
    void SetText(const QString& text);

protected:
    // Reached with the keyboard, the edit selects its text, so a read-only one shows the focus too.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Qt::Alignment alignment_;
    std::optional<QFont> templateFont_;  // the face before any shrinking to fit
};

}  // namespace zormade
