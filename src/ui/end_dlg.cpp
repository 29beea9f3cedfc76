// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/end_dlg.h"

#include "ui/draw_picture.h"

namespace zormade {
namespace {

struct EndingPicture {
    int bitmapId;
    QSize source;  // one pixel short of the bitmap each way, so its last row and column stay out
};

constexpr QSize kPictureArea(258, 200);

EndingPicture PictureFor(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Capture: return {143, {351, 237}};
    case RunOutcome::Clear: return {144, {261, 352}};
    default: return {0, {0, 0}};
    }
}

}  // namespace

void CEndDlg::DoDataExchange(DataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TITLE, endTitle);
    DDX_Text(pDX, IDC_MESSAGE, endMessage);
}

void CEndDlg::OnPaint() {
    const EndingPicture picture = PictureFor(outcome);
    DrawPicture(*this, IDC_PICTURE, picture.bitmapId, kPictureArea, picture.source, PictureMode::Stretch);
}

}  // namespace zormade
