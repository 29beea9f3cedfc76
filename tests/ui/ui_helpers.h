// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "platform/template_controls.h"
#include "ui/event_dialog.h"

namespace zormade::test {

// Answers the next modal window that opens (a dialog or a message box), from inside its loop.
// The answer runs once; `seen` records the window's title and text before it is answered.
// A window given as `answeredBefore` is passed over while it stays open.
class ModalAnswer {
public:
    struct Seen {
        QString title, text;  // the text a message box's, else ""
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList TitleAndText() const { return {title, text}; }
    };
    explicit ModalAnswer(std::function<void(QWidget*)> answer, QWidget* answeredBefore = nullptr);
    bool Answered() const { return answered_; }
    const Seen& Window() const { return seen_; }

private:
    std::function<void(QWidget*)> answer_;
    Seen seen_;
    bool answered_ = false;
    std::unique_ptr<QObject> poller_;
};

// Answers the modal windows that open from now on, one answer each, in order. Each answer arms
// the next before it runs, so a window opened from inside an answer is answered too.
class ModalSequence {
public:
    using Answer = std::function<void(QWidget*)>;
    explicit ModalSequence(std::vector<Answer> answers);
    bool Done() const { return Windows().size() == answers_.size(); }
    // The windows answered so far, in order.
    std::vector<ModalAnswer::Seen> Windows() const;
    QStringList Titles() const;

private:
    void Arm(std::size_t step, QWidget* previous);

    std::vector<Answer> answers_;
    std::vector<std::unique_ptr<ModalAnswer>> steps_;
};

// Answers the next event dialog: moves the selection down to `row` with the arrow key, closes
// the dialog with `close`, then answers the result box that follows with its OK button.
// The two look-hooks run while the dialog, then the box, is open.
class EventAnswer {
public:
    EventAnswer(int row, std::function<void(QWidget*)> close);

    std::function<void(EventDialog&)> whileDialogOpen = [](EventDialog&) {};
    std::function<void(QWidget* box)> whileBoxOpen = [](QWidget*) {};

    bool BoxAnswered() const { return box_ && box_->Answered(); }
    // The dialog's prompt box as it was shown.
    const QString& Prompt() const { return prompt_; }
    const ModalAnswer::Seen& Box() const { return box_->Window(); }

private:
    QString prompt_;
    std::unique_ptr<ModalAnswer> box_;
    ModalAnswer dialog_;
};

// Counts the ticks of the running timers of `interval` ms, as the application delivers them.
struct TickCounter : QObject {
    explicit TickCounter(int periodMs) : interval(periodMs) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* timer = qobject_cast<QTimer*>(object);
        ticks += event->type() == QEvent::Timer && timer && timer->interval() == interval ? 1 : 0;
        return false;
    }
    int interval, ticks = 0;
};

// Answers with a key (Return, Escape) or by clicking the button whose text starts with `text`.
std::function<void(QWidget*)> PressKey(int key);
std::function<void(QWidget*)> ClickButton(const QString& text);

// Types `text` into `widget` character by character, as key presses carrying the text, so that
// characters QTest::keyClicks cannot send (kana, kanji) arrive as typed.
void TypeText(QWidget* widget, const QString& text);

// Types `name` into the open name entry's field, then presses Return there when `enter`.
std::function<void(QWidget*)> EnterName(const QString& name, bool enter = true);

// The text of control `id` of a dialog built from a template; "" when there is no such control.
QString DialogText(QWidget* dialog, int id);
template <typename T>
QString DialogText(QWidget* dialog, ControlId<T> id) {
    return DialogText(dialog, id.id);
}
// Control `id` of a dialog built from a template, as a T; nullptr when it is missing or no T.
template <typename T>
T* DialogItem(QWidget* dialog, int id) {
    auto* host = dynamic_cast<TemplateControls*>(dialog);
    return host ? host->Item<T>(id) : nullptr;
}
template <typename T>
T* DialogItem(QWidget* dialog, ControlId<T> id) {
    return DialogItem<T>(dialog, id.id);
}

// Where the first line of a label's or a multi-line edit's text has its baseline, in its
// window's coordinates.
int TextBaseline(QWidget* control);

// Saves the window as build/screenshots/<name>.png when ZORMADE_SCREENSHOTS names a folder.
void SaveScreenshot(QWidget* window, const QString& name);

}  // namespace zormade::test
