#include "event_answer.h"

#include <gtest/gtest.h>

#include <QTest>

#include "platform/control_set.h"

namespace zormade::test {

EventAnswer::EventAnswer(int row, std::function<void(QWidget*)> close)
    : dialog_([this, row, close](QWidget* window) {
          auto* dialog = qobject_cast<CEventDlg*>(window);
          if (!dialog) {
              ADD_FAILURE() << "not the event dialog: " << window->windowTitle().toStdString();
              PressKey(Qt::Key_Escape)(window);
              return;
          }
          prompt_ = WindowText(dialog->GetDlgItem(CEventDlg::kPromptId));
          for (int i = 0; i < row; ++i) QTest::keyClick(window->focusWidget(), Qt::Key_Down);
          whileDialogOpen(*dialog);
          box_ = std::make_unique<ModalAnswer>([this](QWidget* box) {
              whileBoxOpen(box);
              ClickButton("OK")(box);
          });
          close(window);
      }) {}

}  // namespace zormade::test
