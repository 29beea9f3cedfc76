// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fit.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTextEdit>

#include "platform/control_set.h"

namespace zormade::test {
namespace {

// Whether each of the label's lines is laid out on one line in the label's width, so that the
// text breaks only where it says.
bool LinesStayWhole(const QLabel* label) {
    const QRect room(0, 0, label->contentsRect().width(), 10000);
    const QFontMetrics face = label->fontMetrics();
    for (const QString& line : label->text().split(QLatin1Char('\n')))
        if (face.boundingRect(room, Qt::TextWordWrap, line).height() >= 2 * face.height())
            return false;
    return true;
}

// A one-line label is held to its ink, which may run into the face's leading.
bool LabelShownWhole(const QLabel* label) {
    const QFontMetrics metrics(label->font());
    const QRect box = label->contentsRect();
    const QString text = label->text();
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(box, Qt::TextWordWrap, text);
        return needed.width() <= box.width() && needed.height() <= box.height() &&
               LinesStayWhole(label);
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines)
        widest = qMax(widest, metrics.tightBoundingRect(line).width());
    const int height = lines.size() == 1 ? metrics.tightBoundingRect(text).height()
                                         : metrics.boundingRect(box, 0, text).height();
    return widest <= box.width() && height <= box.height();
}

// Lines never wrap in an edit: each must fit across, and all of them down.
bool EditShownWhole(const QTextEdit* edit) {
    const QFontMetrics face(edit->font());
    const int margin = static_cast<int>(edit->document()->documentMargin());
    const QSize room = edit->viewport()->size() - QSize(2 * margin, 2 * margin);
    const QStringList lines = edit->toPlainText().split(QLatin1Char('\n'));
    for (const QString& line : lines)
        if (face.horizontalAdvance(line) > room.width()) return false;
    return (lines.size() - 1) * face.lineSpacing() + face.height() <= room.height();
}

// A list scrolls down, never across.
bool RowsShownWhole(const QListWidget* list) {
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int width = list->viewport()->width() - 2 * margin;
    for (int row = 0; row < list->count(); ++row)
        if (list->fontMetrics().horizontalAdvance(list->item(row)->text()) > width) return false;
    return true;
}

bool ButtonShownWhole(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents =
        qobject_cast<const QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
        : qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                    : QStyle::SE_PushButtonContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    // Held to its ink across and down, as a one-line label is: a tall face's leading may overrun.
    const QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    const int ink = button->fontMetrics().tightBoundingRect(button->text()).height();
    return needed.width() <= room.width() && ink <= room.height();
}

bool CaptionShownWhole(const QGroupBox* box) {
    const QRect caption = CaptionRect(box);
    return box->rect().contains(caption) &&
           box->fontMetrics().size(Qt::TextShowMnemonic, box->title()).width() <= caption.width();
}

QString Place(const QRect& r) {
    return QStringLiteral("%1 x %2 at (%3, %4)")
        .arg(r.width())
        .arg(r.height())
        .arg(r.x())
        .arg(r.y());
}

QString Where(const QWidget* control) {
    return QStringLiteral("%1 %2 in %3 %4 px")
        .arg(QString::fromLatin1(control->metaObject()->className()), Place(control->geometry()),
             control->font().family())
        .arg(control->font().pixelSize());
}

QString ShownText(const QWidget* control) {
    const auto* list = qobject_cast<const QListWidget*>(control);
    if (!list) return WindowText(control);
    QStringList rows;
    for (int row = 0; row < list->count(); ++row) rows << list->item(row)->text();
    return rows.join(QStringLiteral(" | "));
}

QList<QWidget*> VisibleControls(QWidget* window) {
    QList<QWidget*> shown;
    for (QWidget* control : window->findChildren<QWidget*>())
        if (!control->isWindow() && control->isVisibleTo(window)) shown << control;
    return shown;
}

// Whether `control` shows its text whole, at its font, in the room its style leaves for text.
bool ShownWhole(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) return LabelShownWhole(label);
    if (auto* edit = qobject_cast<QTextEdit*>(control)) return EditShownWhole(edit);
    if (auto* list = qobject_cast<QListWidget*>(control)) return RowsShownWhole(list);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return ButtonShownWhole(button);
    if (auto* box = qobject_cast<QGroupBox*>(control)) return CaptionShownWhole(box);
    return true;
}

}  // namespace

QStringList CutTexts(QWidget* window) {
    QStringList cut;
    for (QWidget* control : VisibleControls(window))
        if (!ShownWhole(control)) cut << Where(control) + QStringLiteral(": ") + ShownText(control);
    return cut;
}

QStringList OverlappingControls(QWidget* window) {
    QStringList overlapping;
    QList<QWidget*> seen;
    for (QWidget* control : VisibleControls(window)) {
        for (QWidget* other : seen)
            if (other->parent() == control->parent() && !qobject_cast<QGroupBox*>(other) &&
                !qobject_cast<QGroupBox*>(control) &&
                other->geometry().intersects(control->geometry()))
                overlapping << Where(control) + QStringLiteral(" on ") + Where(other);
        seen << control;
    }
    return overlapping;
}

QRect CaptionRect(const QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                        box);
}

void ExpectOnScreen(QWidget* window, const std::string& where,
                    const std::function<QRect()>& frame) {
    constexpr int kWaitMs = 10000;
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    const std::string in = where + " in " + Place(room).toStdString();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window, kWaitMs)) << in;
    EXPECT_TRUE(QTest::qWaitFor([&] { return room.contains(frame()); }, kWaitMs))
        << in << ": the frame " << Place(frame()).toStdString();
    for (QWidget* control : VisibleControls(window)) {
        const QRect global(control->mapToGlobal(QPoint(0, 0)), control->size());
        EXPECT_TRUE(room.contains(global)) << in << ": " << Where(control).toStdString();
    }
    const QStringList cut = CutTexts(window), overlapping = OverlappingControls(window);
    EXPECT_TRUE(cut.isEmpty()) << in << ", cut:\n" << cut.join('\n').toStdString();
    EXPECT_TRUE(overlapping.isEmpty()) << in << ", overlapping:\n"
                                       << overlapping.join('\n').toStdString();
}

}  // namespace zormade::test
