// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/end_dlg.h"

#include "core/picture_ids.h"
#include "platform/text_fit.h"
#include "ui/draw_picture.h"

namespace zormade {
namespace {

constexpr Picture kNoPicture{0, {0, 0}, {0, 0}};
constexpr QSize kPictureArea(258, 200);

const Picture& PictureFor(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Capture: return pictures::kCaught;
    case RunOutcome::Clear: return pictures::kGotAway;
    default: return kNoPicture;
    }
}

}  // namespace

void CEndDlg::DoDataExchange(DataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TITLE, endTitle);
    DDX_Text(pDX, IDC_MESSAGE, endMessage);
}

bool CEndDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // A capture that crossed two limits at once has the longest cause line.
    QWidget* message = GetDlgItem(IDC_MESSAGE);
    ShrinkFontToFit(message, endMessage, message->contentsRect().width() - 4);
    return true;
}

void CEndDlg::OnPaint() {
    const Picture& picture = PictureFor(outcome);
    DrawPicture(*this, IDC_PICTURE, picture.id, kPictureArea,
                QSize(picture.shown.width, picture.shown.height), PictureMode::Stretch);
}

}  // namespace zormade
