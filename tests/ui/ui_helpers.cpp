#include "ui_helpers.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace zormade::test {

ModalAnswer::ModalAnswer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [this, timer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (answered_ || !modal || !modal->isVisible()) return;
        answered_ = true;
        timer->stop();
        seen_ = {modal->windowTitle(), MessageText(modal), modal};
        answer_(modal);
    });
    timer->start();
    poller_.reset(timer);
}

ModalAnswer::~ModalAnswer() = default;

std::function<void(QWidget*)> PressKey(int key) {
    return [key](QWidget* window) {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    };
}

std::function<void(QWidget*)> ClickButton(const QString& text) {
    return [text](QWidget* window) {
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->text().startsWith(text)) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE_AT(__FILE__, __LINE__) << "no button " << text.toStdString();
    };
}

QString MessageText(QWidget* window) {
    auto* box = qobject_cast<QMessageBox*>(window);
    return box ? box->text() : QString();
}

void SaveScreenshot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("ZORMADE_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace zormade::test
