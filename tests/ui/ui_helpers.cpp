// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_helpers.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTextEdit>

#include "platform/control_set.h"
#include "platform/multi_line_edit.h"
#include "ui/rank_in_dialog.h"

namespace zormade::test {

ModalAnswer::ModalAnswer(std::function<void(QWidget*)> answer, QWidget* answeredBefore)
    : answer_(std::move(answer)) {
    auto* timer = new QTimer;
    QObject::connect(
        timer, &QTimer::timeout, [this, timer, before = QPointer<QWidget>(answeredBefore)] {
            QWidget* modal = QApplication::activeModalWidget();
            if (answered_ || !modal || !modal->isVisible() || (before && modal == before)) return;
            answered_ = true;
            timer->stop();
            auto* box = qobject_cast<QMessageBox*>(modal);
            seen_ = {modal->windowTitle(), box ? box->text() : QString(),
                     box ? box->icon() : QMessageBox::NoIcon};
            answer_(modal);
        });
    timer->start(5);
    poller_.reset(timer);
}

ModalSequence::ModalSequence(std::vector<Answer> answers) : answers_(std::move(answers)) {
    if (!answers_.empty()) Arm(0, nullptr);
}

void ModalSequence::Arm(std::size_t step, QWidget* previous) {
    // An answer that leaves its window open must not have the next answer land on it too.
    const auto answer = [this, step](QWidget* window) {
        if (step + 1 < answers_.size()) Arm(step + 1, window);
        answers_[step](window);
    };
    steps_.push_back(std::make_unique<ModalAnswer>(answer, previous));
}

std::vector<ModalAnswer::Seen> ModalSequence::Windows() const {
    std::vector<ModalAnswer::Seen> windows;
    for (const auto& step : steps_)
        if (step->Answered()) windows.push_back(step->Window());
    return windows;
}

QStringList ModalSequence::Titles() const {
    QStringList titles;
    for (const ModalAnswer::Seen& window : Windows()) titles << window.title;
    return titles;
}

EventAnswer::EventAnswer(int row, std::function<void(QWidget*)> close)
    : dialog_([this, row, close](QWidget* window) {
          auto* dialog = qobject_cast<EventDialog*>(window);
          if (!dialog) {
              ADD_FAILURE() << "not the event dialog: " << window->windowTitle().toStdString();
              PressKey(Qt::Key_Escape)(window);
              return;
          }
          prompt_ = dialog->Control(EventDialog::kPromptId).Text();
          for (int i = 0; i < row; ++i) QTest::keyClick(window->focusWidget(), Qt::Key_Down);
          whileDialogOpen(*dialog);
          box_ = std::make_unique<ModalAnswer>([this](QWidget* box) {
              whileBoxOpen(box);
              ClickButton("OK")(box);
          });
          close(window);
      }) {}

std::function<void(QWidget*)> PressKey(int key) {
    return [key](QWidget* window) {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    };
}

std::function<void(QWidget*)> ClickButton(const QString& text) {
    return [text](QWidget* window) {
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
            if (b->text().startsWith(text)) return QTest::mouseClick(b, Qt::LeftButton);
        ADD_FAILURE_AT(__FILE__, __LINE__) << "no button " << text.toStdString();
    };
}

std::function<void(QWidget*)> EnterName(const QString& name, bool enter) {
    return [name, enter](QWidget* rankIn) {
        auto* field = DialogItem<QLineEdit>(rankIn, RankInDialog::kNameId);
        field->setFocus();
        TypeText(field, name);
        if (enter) PressKey(Qt::Key_Return)(rankIn);
    };
}

void TypeText(QWidget* widget, const QString& text) {
    for (int i = 0; i < text.size(); ++i) {
        const QString character = text.mid(i, text[i].isHighSurrogate() ? 2 : 1);
        i += character.size() - 1;
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, character);
            QApplication::sendEvent(widget, &key);
        }
    }
}

QString DialogText(QWidget* dialog, int id) {
    QWidget* control = DialogItem<QWidget>(dialog, id);
    return control ? WindowText(control) : QString();
}

int TextBaseline(QWidget* control) {
    QPoint lineTop = control->contentsRect().topLeft();
    if (auto* edit = qobject_cast<QTextEdit*>(control)) {
        const QPoint inViewport = edit->cursorRect(QTextCursor(edit->document())).topLeft();
        lineTop = edit->viewport()->mapTo(edit, inViewport);
    }
    return control->mapTo(control->window(), lineTop).y() + QFontMetrics(control->font()).ascent();
}

void SaveScreenshot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("ZORMADE_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    // An inactive window draws its selection in grey: the picture waits for the activation.
    static_cast<void>(QTest::qWaitForWindowActive(window));
    window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace zormade::test
