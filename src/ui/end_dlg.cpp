// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/end_dlg.h"

#include <iterator>

#include "core/picture_ids.h"
#include "ui/draw_picture.h"

namespace zormade {
namespace {

constexpr Picture kNoPicture{0, {0, 0}, {0, 0}};
constexpr Picture kEndingPictures[] = {pictures::kCaught, pictures::kGotAway, kNoPicture};
constexpr QSize kPictureArea(258, 200);

const Picture& PictureFor(int endKind) {
    if (endKind < 0 || endKind >= static_cast<int>(std::size(kEndingPictures))) return kNoPicture;
    return kEndingPictures[endKind];
}

}  // namespace

void CEndDlg::DoDataExchange(DataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TITLE, endTitle);
    DDX_Text(pDX, IDC_MESSAGE, endMessage);
}

void CEndDlg::OnPaint() {
    const Picture& picture = PictureFor(endKind);
    DrawPicture(*this, IDC_PICTURE, picture.id, kPictureArea,
                QSize(picture.shown.width, picture.shown.height), PictureMode::Stretch);
}

}  // namespace zormade
