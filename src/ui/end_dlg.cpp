// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/end_dlg.h"

#include <iterator>

#include "platform/text_fit.h"
#include "ui/draw_picture.h"

namespace zormade {
namespace {

struct EndingPicture {
    int bitmapId;
    QSize source;  // one pixel short of the bitmap each way, so its last row and column stay out
};

constexpr EndingPicture kNoPicture{0, {0, 0}};
const EndingPicture kEndingPictures[] = {
    {143, {351, 237}},  // capture
    {144, {261, 352}},  // clear
    kNoPicture,
};
constexpr QSize kPictureArea(258, 200);

const EndingPicture& PictureFor(int endKind) {
    if (endKind < 0 || endKind >= static_cast<int>(std::size(kEndingPictures))) return kNoPicture;
    return kEndingPictures[endKind];
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
    const EndingPicture& picture = PictureFor(endKind);
    DrawPicture(*this, IDC_PICTURE, picture.bitmapId, kPictureArea, picture.source, PictureMode::Stretch);
}

}  // namespace zormade
