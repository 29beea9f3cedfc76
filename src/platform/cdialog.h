// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "platform/dialog_host.h"
#include "platform/message_box.h"

namespace zormade {

// A dialog bound to one numbered template. Modal through DoModal, modeless through Create.
class CDialog : public QDialog, public DialogHost {
    Q_OBJECT
public:
    explicit CDialog(int templateId, QWidget* parent = nullptr);

    // Runs the dialog in its own event loop; IDOK, IDCANCEL, or -1 when it cannot be built.
    int DoModal();
    bool Create();
    void DestroyWindow();
    bool IsWindow() const { return created_; }
    void EndDialog(int result);

protected:
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnCommand(int id);
    // The window is going away; its controls can still be read.
    virtual void OnDestroy() {}
    // The dialog was painted: draw into picture controls here.
    virtual void OnPaint() {}

    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool Prepare();

    bool created_ = false;
};

}  // namespace zormade
