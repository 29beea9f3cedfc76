#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "events/event_dlg.h"
#include "ui_helpers.h"

namespace zormade::test {

// Answers the next event dialog: moves the selection down to `row` with the arrow key, closes
// the dialog with `close`, then answers the result box that follows with its OK button.
// The two look-hooks run while the dialog, then the box, is open.
class EventAnswer {
public:
    EventAnswer(int row, std::function<void(QWidget*)> close);

    std::function<void(CEventDlg&)> whileDialogOpen = [](CEventDlg&) {};
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

}  // namespace zormade::test
