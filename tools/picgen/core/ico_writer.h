// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace picgen {

// An ICO file holding each image as a 16-colour DIB with an AND mask. Each image is Format_Indexed8
// with at most 16 colour-table entries; pixels whose entry has alpha 0 become transparent in the
// mask.
QByteArray EncodeIco(const QList<QImage>& images);

}  // namespace picgen
