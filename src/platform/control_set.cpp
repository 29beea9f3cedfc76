// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control_set.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextDocument>

#include "platform/dialog_units.h"
#include "platform/list_box.h"
#include "platform/multi_line_edit.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "platform/text_fit.h"
#include "platform/translation.h"

namespace zormade {
namespace {

Qt::Alignment HorizontalAlignment(const ControlTemplate& c) {
    if (c.Has("center")) return Qt::AlignHCenter;
    if (c.Has("right")) return Qt::AlignRight;
    return Qt::AlignLeft;
}

// A read-only edit shows the dialog's own face colour, so it reads as a display, not an input.
void ShowAsDisplay(QWidget* edit) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
}

QWidget* CreateEdit(const ControlTemplate& c, QWidget* host) {
    QWidget* widget = nullptr;
    if (c.Has("multiline")) {
        auto* edit = new MultiLineEdit(HorizontalAlignment(c), host);
        edit->setReadOnly(c.Has("readonly"));
        if (!c.Has("border")) {
            // Without a border the text starts at the box's edge, level with a static beside it.
            edit->setFrameShape(QFrame::NoFrame);
            edit->document()->setDocumentMargin(0);
        }
        widget = edit;
    } else {
        auto* edit = new QLineEdit(host);
        edit->setReadOnly(c.Has("readonly"));
        edit->setAlignment(HorizontalAlignment(c) | Qt::AlignVCenter);
        edit->setFrame(c.Has("border"));
        edit->setTextMargins(1, 0, 1, 0);
        widget = edit;
    }
    if (c.Has("readonly")) ShowAsDisplay(widget);
    return widget;
}

QWidget* CreatePicture(const ControlTemplate& c, QWidget* host) {
    auto* picture = new PictureControl(host);
    if (c.Has("sunken")) picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (c.Has("blackframe")) picture->SetBlackFrame();
    return picture;
}

// Tab lands on the group's ticked button (its first while none is), so that the arrows, which
// tick as they move only from a ticked button, choose.
void TabToTicked(QButtonGroup* group) {
    const auto update = [group] {
        const QList<QAbstractButton*> buttons = group->buttons();
        QAbstractButton* stop = group->checkedButton() ? group->checkedButton() : buttons.front();
        for (QAbstractButton* b : buttons)
            b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, update);
    update();
}

}  // namespace

QWidget* ControlSet::Create(const ControlTemplate& c, QWidget* host, const QRect& pixels,
                            QSize design) {
    QWidget* widget = CreateWidget(c, host);
    widget->setGeometry(pixels);
    // A picture is drawn at the template face's size and shown at the face the window has.
    if (auto* picture = qobject_cast<PictureControl*>(widget); picture && design.isValid()) {
        picture->SetDesignSize(design);
    }
    // A caption names its control by itself, kept current by Qt; the rest are named here.
    if (!c.label.isEmpty()) widget->setAccessibleName(c.label);
    if (!c.tip.isEmpty()) widget->setToolTip(c.tip);
    FitText(c, widget, pixels);
    if (c.kind == ControlKind::Bitmap) {
        // A bitmap control takes the size of its bitmap, as the dialog face always did.
        const QImage image = BitmapResource(c.image);
        if (!image.isNull()) static_cast<PictureControl*>(widget)->ShowBitmap(c.image, image);
    }
    return widget;
}

void ControlSet::FitText(const ControlTemplate& c, QWidget* widget, const QRect& pixels) {
    // Measured only for a control with a text: the first measure of a size loads its face, which
    // a window of pictures alone never needs.
    const auto lineHeight = [widget] { return QFontMetrics(widget->font()).height(); };
    switch (c.kind) {
    case ControlKind::Static:
        if (c.text.isEmpty()) break;
        // A one-line label is fitted once every control stands: FitOneLineLabels.
        if (pixels.height() < 2 * lineHeight()) static_cast<QLabel*>(widget)->setWordWrap(false);
        break;
    case ControlKind::Button: ShrinkFontToFit(widget, c.text, pixels.width() - 4); break;
    case ControlKind::CheckBox:
    case ControlKind::Radio:
        ShrinkFontToFit(widget, c.text, pixels.width() - lineHeight() - 4);
        break;
    default: break;
    }
}

QWidget* ControlSet::CreateWidget(const ControlTemplate& c, QWidget* host) {
    switch (c.kind) {
    case ControlKind::Static: {
        auto* label = new QLabel(c.text, host);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(HorizontalAlignment(c) | Qt::AlignTop);
        label->setWordWrap(!c.Has("nowrap"));
        return label;
    }
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(c.text, host);
        box->setAlignment(HorizontalAlignment(c));
        box->setFocusPolicy(Qt::NoFocus);
        // Only a frame: the controls it surrounds, laid before it, take the mouse and show their
        // tips.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    }
    case ControlKind::Edit: return CreateEdit(c, host);
    case ControlKind::Progress: {
        auto* bar = new QProgressBar(host);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::TrackBar: {
        auto* slider = new QSlider(Qt::Horizontal, host);
        slider->setRange(0, 100);
        slider->setTickPosition(c.Has("autoticks") ? QSlider::TicksBelow : QSlider::NoTicks);
        slider->setTickInterval(1);
        slider->setPageStep(5);
        return slider;
    }
    case ControlKind::ListBox: {
        auto* list = new ListBox(host);
        list->setSelectionMode(c.Has("noselection") ? QAbstractItemView::NoSelection
                                                    : QAbstractItemView::SingleSelection);
        list->setVerticalScrollBarPolicy(c.Has("vscroll") ? Qt::ScrollBarAsNeeded
                                                          : Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setFrameStyle(c.Has("border") ? QFrame::StyledPanel | QFrame::Sunken
                                            : QFrame::NoFrame);
        return list;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(c.text, host);
        button->setDefault(c.Has("default"));
        return button;
    }
    case ControlKind::CheckBox: return new QCheckBox(c.text, host);
    case ControlKind::Radio: return new QRadioButton(c.text, host);
    case ControlKind::Bitmap:
    case ControlKind::Picture: return CreatePicture(c, host);
    case ControlKind::Icon: {
        auto* label = new QLabel(host);
        label->setPixmap(AppIcon().pixmap(32, 32));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    }
    return nullptr;
}

void ControlSet::Build(QWidget* host, const DialogTemplate& dialog,
                       std::optional<BaseUnits> units) {
    QWidget* previousTabStop = nullptr;
    QButtonGroup* radioGroup = nullptr;
    const BaseUnits shown = units.value_or(BaseUnitsFor(dialog.pointSize));
    for (const ControlTemplate& c : dialog.controls) {
        const QRect pixels = DialogUnitsToPixels(c.rect, shown);
        const bool reduced = shown != BaseUnitsFor(dialog.pointSize);
        QWidget* widget =
            Create(c, host, pixels,
                   reduced ? DialogUnitsToPixels(c.rect, dialog.pointSize).size() : QSize());
        if (c.kind == ControlKind::Radio) {
            if (c.Has("group") || radioGroup == nullptr) radioGroup = new QButtonGroup(host);
            radioGroup->addButton(static_cast<QRadioButton*>(widget));
        } else if (c.Has("group")) {
            radioGroup = nullptr;
        }
        const bool focusable = c.kind == ControlKind::Edit || c.kind == ControlKind::TrackBar ||
                               c.kind == ControlKind::ListBox || c.kind == ControlKind::Button ||
                               c.kind == ControlKind::CheckBox || c.kind == ControlKind::Radio;
        if (focusable && !c.Has("tabstop") && c.kind != ControlKind::Radio) {
            widget->setFocusPolicy(Qt::ClickFocus);
        }
        if (focusable && widget->focusPolicy() & Qt::TabFocus) {
            if (previousTabStop) QWidget::setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
        if (c.id != kStaticId && c.id != -1) items_.insert(c.id, widget);
        ordered_.push_back(widget);
        templates_.push_back(c);
    }
    for (QButtonGroup* group :
         host->findChildren<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly)) {
        TabToTicked(group);
    }
    DescribeRadiosByTheirBox();
    FitOneLineLabels();
}

// The widest a one-line label can grow on its row without touching another control, inside the
// group box round it and the window.
QRect ControlSet::RoomBeside(std::size_t index) const {
    const QRect box = ordered_[index]->geometry();
    int left = 0;
    int right = ordered_[index]->parentWidget()->width();
    constexpr int kInset = 3;  // off a group box's line
    for (std::size_t j = 0; j < ordered_.size(); ++j) {
        const QRect other = ordered_[j]->geometry();
        if (j == index || other.bottom() < box.top() || other.top() > box.bottom()) continue;
        if (other.contains(box)) {
            left = qMax(left, other.left() + kInset);
            right = qMin(right, other.left() + other.width() - kInset);
        } else if (other.left() >= box.left() + box.width()) {
            right = qMin(right, other.left());
        } else if (other.left() + other.width() <= box.left()) {
            left = qMax(left, other.left() + other.width());
        }
    }
    return QRect(left, box.top(), right - left, box.height());
}

// The layouts were drawn for the source texts, in a face a little narrower than ours: one of
// those shrinks first. A translation was not drawn into them at all: it first takes the free room
// on its row. Either widens as a last resort.
void ControlSet::FitOneLineLabels() {
    const bool translated = CurrentLanguage() != kSourceLanguage;
    for (std::size_t i = 0; i < ordered_.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(ordered_[i]);
        const ControlTemplate& c = templates_[i];
        if (!label || label->wordWrap() || c.text.isEmpty()) continue;
        const Qt::Alignment alignment = HorizontalAlignment(c);
        if (translated) WidenToFit(label, c.text, alignment, RoomBeside(i));
        ShrinkFontToFit(label, c.text, label->width());
        WidenToFit(label, c.text, alignment);
    }
}

// A group box is its radio buttons' sibling, drawn round them; a screen reader learns which
// group a button is in from its description.
void ControlSet::DescribeRadiosByTheirBox() {
    for (std::size_t radio = 0; radio < templates_.size(); ++radio) {
        if (templates_[radio].kind != ControlKind::Radio) continue;
        for (const ControlTemplate& box : templates_) {
            if (box.kind == ControlKind::GroupBox && box.rect.contains(templates_[radio].rect)) {
                ordered_[radio]->setAccessibleDescription(box.text);
            }
        }
    }
}

int ControlSet::IdOf(const QWidget* control) const {
    for (std::size_t i = 0; i < ordered_.size(); ++i) {
        if (ordered_[i] == control) return templates_[i].id;
    }
    return kStaticId;
}

std::vector<QWidget*> ControlSet::RadioGroup(int firstId) const {
    std::vector<QWidget*> group;
    bool inside = false;
    for (std::size_t i = 0; i < templates_.size(); ++i) {
        const ControlTemplate& c = templates_[i];
        if (inside && c.Has("group")) break;
        if (c.id == firstId) inside = true;
        if (inside && c.kind == ControlKind::Radio) group.push_back(ordered_[i]);
    }
    return group;
}

QString WindowText(const QWidget* control) {
    if (auto* edit = qobject_cast<const MultiLineEdit*>(control)) return edit->Text();
    if (auto* line = qobject_cast<const QLineEdit*>(control)) return line->text();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(control)) return box->title();
    return control ? control->windowTitle() : QString();
}

void SetWindowText(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<MultiLineEdit*>(control)) {
        edit->SetText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
        box->setTitle(text);
    } else if (control) {
        control->setWindowTitle(text);
    }
}

}  // namespace zormade
